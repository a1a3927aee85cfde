// The animation page built from the real resources, with a scratch panim.dat whose pixel values
// tell each picture, quadrant and orientation apart. Ticks are driven by sending the page its
// timer message; the real timer is stopped right after every start so that nothing else moves.
#include "animation_page_fixture.h"

#include <cstring>

namespace {

const char introductionStart[] = "ISLAM AND THE PRAYER";

TEST_F(AnimationPageTest, OpensWithTheListThePeriodAndTheIntroduction) {
    writeTestFrames();
    openAnimationPage();
    HWND list = GetDlgItem(currentPage, IDC_PRAYER_LIST);
    ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 12);
    const char* const expected[12] = {
        "1) Fajr             2 rakats    obligatori            morning",
        "1) Fajr             2 rakats    non-obligatori     morning",
        "2) Zuhr           4 rakats    obligatori            afternoon",
        "2) Zuhr           4 rakats    non-obligatori     afternoon",
        "2) Zuhr           2 rakats    non-obligatori     afternoon",
        "3) Asr             4 rakats    obligatori            beetwen afternoon and evening",
        "3) Asr             4 rakats    non-obligatori     beetwen afternoon and evening",
        "4) Maghrib      3 rakats    obligatory          evening",
        "4) Maghrib      2 rakats    non-obligatory   evening",
        "5) Isha            4 rakats    obligatori           night",
        "5) Isha            4 rakats    non-obligatori    night",
        "5) Isha-Witr     3 rakats    obligatori           night",
    };
    for (int row = 0; row < 12; ++row) {
        char text[prayerRowTextSize] = {};
        SendMessageA(list, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, expected[row]) << row;
        EXPECT_EQ(SendMessageA(list, CB_GETITEMDATA, row, 0), row);
    }
    EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(field(IDC_PERIOD), "100");
    EXPECT_EQ(field(IDC_PAUSE), "Pause");
    EXPECT_EQ(field(IDC_RESTART), "Re / Start");
    EXPECT_EQ(field(IDC_APPLY_PERIOD), "Apply delay time");

    const std::string introduction = resourceBytes(RCDATA_ISLAM);
    ASSERT_GT(introduction.size(), 1000u);
    EXPECT_EQ(introduction.compare(0, sizeof introductionStart - 1, introductionStart), 0);
    EXPECT_NE(introduction.find("\r\n"), std::string::npos);
    EXPECT_EQ(field(IDC_RECITATION_TEXT), introduction);
    EXPECT_EQ(field(IDC_MEANING_TEXT), "");
    EXPECT_EQ(animationState.playTimer, 0);
    EXPECT_EQ(animationState.step, 0);  // nothing advanced
}

TEST_F(AnimationPageTest, BeforePlayingThePageShowsPictureZeroThreeTimes) {
    writeTestFrames();
    openAnimationPage();
    PicturePixels picture(currentPage);
    for (int32_t column : {10, 260, 410}) {
        expectPictureAt(picture, column, 0);
    }
    EXPECT_EQ(picture.at(5, 60), paletteColour(0));
    EXPECT_EQ(picture.at(200, 60), paletteColour(0));
    EXPECT_EQ(picture.at(595, 60), paletteColour(0));
}

TEST_F(AnimationPageTest, ThreePicturesLandAtTheirColumnsUprightInBufferAndOnScreen) {
    writeTestFrames();
    openAnimationPage();
    animationState.figureFrame = 7;
    animationState.manFrame = 26;
    animationState.womanFrame = 33;
    PicturePixels picture(currentPage);
    expectPictureAt(picture, 10, 7);
    expectPictureAt(picture, 260, 26);
    expectPictureAt(picture, 410, 33);
    // The buffer itself: memory row 119 is the top of the screen.
    ASSERT_NE(frameBufferPixels, nullptr);
    EXPECT_EQ(frameBufferPixels[119 * 600 + 10], testPixel(7, 0, 0));
    EXPECT_EQ(frameBufferPixels[0 * 600 + 10 + 119], testPixel(7, 119, 119));
    EXPECT_EQ(frameBufferPixels[119 * 600 + 260 + 60], testPixel(26, 0, 60));
    EXPECT_EQ(frameBufferPixels[60 * 600 + 410 + 10], testPixel(33, 59, 10));
    for (int32_t column : {0, 9, 130, 259, 380, 409, 530, 599}) {
        EXPECT_EQ(frameBufferPixels[30 * 600 + column], 0) << column;
    }
}

TEST_F(AnimationPageTest, ColourTableAndLogicalPaletteFollowThePaletteResource) {
    writeTestFrames();
    openAnimationPage();
    const std::string records = resourceBytes(RCDATA_PALETTE);
    ASSERT_EQ(records.size(), 1536u);
    ASSERT_NE(frameBufferInfo, nullptr);
    const uint8_t* info = static_cast<const uint8_t*>(GlobalLock(frameBufferInfo));
    ASSERT_NE(info, nullptr);
    const BITMAPINFOHEADER* header = reinterpret_cast<const BITMAPINFOHEADER*>(info);
    EXPECT_EQ(header->biSize, 40u);
    EXPECT_EQ(header->biWidth, 600);
    EXPECT_EQ(header->biHeight, 120);
    EXPECT_EQ(header->biBitCount, 8);
    EXPECT_EQ(header->biSizeImage, 72000u);
    EXPECT_EQ(header->biClrUsed, 256u);
    EXPECT_EQ(GlobalSize(frameBufferInfo), 1064u);
    PALETTEENTRY entries[256] = {};
    ASSERT_NE(animationPalette, nullptr);
    ASSERT_EQ(GetPaletteEntries(animationPalette, 0, 256, entries), 256u);
    for (int i = 0; i < 256; ++i) {
        const uint8_t red = static_cast<uint8_t>(records[6 * i]);
        const uint8_t green = static_cast<uint8_t>(records[6 * i + 2]);
        const uint8_t blue = static_cast<uint8_t>(records[6 * i + 4]);
        const uint8_t* entry = info + 40 + 4 * i;
        EXPECT_EQ(entry[0], blue) << i;
        EXPECT_EQ(entry[1], green) << i;
        EXPECT_EQ(entry[2], red) << i;
        EXPECT_EQ(entry[3], 0) << i;
        EXPECT_EQ(entries[i].peRed, red) << i;
        EXPECT_EQ(entries[i].peGreen, green) << i;
        EXPECT_EQ(entries[i].peBlue, blue) << i;
        EXPECT_EQ(entries[i].peFlags, PC_NOCOLLAPSE) << i;
    }
    GlobalUnlock(frameBufferInfo);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(NO_ERROR));
    // The reserved system colours at both ends of the palette.
    EXPECT_EQ(paletteColour(0), RGB(0, 0, 0));
    EXPECT_EQ(paletteColour(7), RGB(192, 192, 192));
    EXPECT_EQ(paletteColour(9), RGB(166, 202, 240));
    EXPECT_EQ(paletteColour(246), RGB(255, 251, 240));
    EXPECT_EQ(paletteColour(249), RGB(255, 0, 0));
    EXPECT_EQ(paletteColour(255), RGB(255, 255, 255));
}

TEST_F(AnimationPageTest, ChoosingARowPlaysItsTextsAtTheirTicks) {
    writeTestFrames();
    openAnimationPage();
    chooseRow(0);
    EXPECT_EQ(field(IDC_PAUSE), "Pause");
    EXPECT_NE(animationState.playTimer, 0);
    EXPECT_EQ(animationState.selectedRow, 0);
    // Tick 0 (the start itself) draws nothing.
    EXPECT_EQ(field(IDC_RECITATION_TEXT).compare(0, 20, introductionStart), 0);
    tick(1);
    EXPECT_EQ(field(IDC_RECITATION_TEXT), joinedTexts(1015, 3, 0));
    EXPECT_EQ(field(IDC_MEANING_TEXT), joinedTexts(1015, 3, 1000));
    EXPECT_EQ(field(IDC_RECITATION_TEXT).compare(0, 26, "Azan - the call to prayer:"), 0);
    tick(25);  // tick 26
    EXPECT_EQ(field(IDC_RECITATION_TEXT), joinedTexts(1015, 3, 0));
    tick(1);  // tick 27
    EXPECT_EQ(field(IDC_RECITATION_TEXT), "Allah u Akbar\r\n");
    EXPECT_EQ(field(IDC_MEANING_TEXT), "Allah is the greatest\r\n");
    tick(17);  // tick 44
    EXPECT_EQ(field(IDC_RECITATION_TEXT), joinedTexts(1008, 5, 0));
    PicturePixels standing(currentPage);
    expectPictureAt(standing, 10, 18);
    expectPictureAt(standing, 260, 26);
    expectPictureAt(standing, 410, 32);
    tick(387 - 44);
    EXPECT_EQ(animationState.step, 100);
    EXPECT_EQ(field(IDC_RECITATION_TEXT), joinedTexts(1005, 2, 0));
    EXPECT_EQ(field(IDC_MEANING_TEXT).compare(0, 21, "Now you can ask Allah"), 0);
    PicturePixels finished(currentPage);
    expectPictureAt(finished, 10, 10);
    expectPictureAt(finished, 260, 30);
    expectPictureAt(finished, 410, 30);
    tick(5);  // finished: the timer keeps redrawing the last pictures
    EXPECT_EQ(animationState.figureFrame, 10);
    EXPECT_NE(animationState.playTimer, 0);
}

// The Witr's third unit: its reading, Allah u Akbar with the hands raised, then the Qunut in
// both boxes through the same joining as every other text.
TEST_F(AnimationPageTest, WitrShowsTheQunutBeforeTheLastBow) {
    writeTestFrames();
    openAnimationPage();
    chooseRow(11);
    tick(349);
    EXPECT_EQ(field(IDC_RECITATION_TEXT), joinedTexts(1009, 3, 0));
    tick(387 - 349);
    EXPECT_EQ(field(IDC_RECITATION_TEXT), "Allah u Akbar\r\n");
    PicturePixels handsRaised(currentPage);
    expectPictureAt(handsRaised, 10, 24);
    tick(404 - 387);
    EXPECT_EQ(field(IDC_RECITATION_TEXT), joinedTexts(1019, 1, 0));
    EXPECT_EQ(field(IDC_MEANING_TEXT), joinedTexts(1019, 1, 1000));
    EXPECT_EQ(field(IDC_RECITATION_TEXT).compare(0, 14, "Qunut of Witr "), 0);
    // The Qunut stays about 8 s at the default 100 ms a tick, then the bow's words come.
    tick(485 - 404);
    EXPECT_EQ(field(IDC_RECITATION_TEXT), joinedTexts(1019, 1, 0));
    tick(1);
    EXPECT_EQ(field(IDC_RECITATION_TEXT), joinedTexts(1001, 1, 0));
}

// The Witr row played through the page to its end: its last unit shows the Qunut (1019), but
// string 1018 (and its meaning 2018), which no row plays, never reaches the boxes, and the
// second call belongs to no moment of this row.
TEST_F(AnimationPageTest, TheWitrRowNeverShowsTheUnplayedString1018) {
    writeTestFrames();
    openAnimationPage();
    char unplayed[4096] = {};
    char unplayedMeaning[4096] = {};
    ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), 1018, unplayed, sizeof unplayed), 0);
    ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), 2018, unplayedMeaning, sizeof unplayedMeaning), 0);
    chooseRow(witrRow);
    int ticks = 0;
    bool qunutShown = false;
    while (animationState.step != 100 && ticks < 5000) {
        tick(1);
        ++ticks;
        const std::string recitation = field(IDC_RECITATION_TEXT);
        ASSERT_EQ(recitation.find(unplayed), std::string::npos) << "tick " << ticks;
        ASSERT_EQ(field(IDC_MEANING_TEXT).find(unplayedMeaning), std::string::npos) << "tick " << ticks;
        ASSERT_NE(recitation, joinedTexts(1016, 2, 0)) << "tick " << ticks;
        qunutShown = qunutShown || recitation == joinedTexts(1019, 1, 0);
    }
    EXPECT_EQ(animationState.step, 100) << "the row played to its end";
    EXPECT_TRUE(qunutShown) << "the last unit showed the Qunut";
}

// The list reporting no selection: the row falls back to 0 and nothing starts playing.
TEST_F(AnimationPageTest, NoSelectionInTheListStartsNothing) {
    writeTestFrames();
    openAnimationPage();
    animationState.selectedRow = 4;
    HWND list = GetDlgItem(currentPage, IDC_PRAYER_LIST);
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SendMessageA(currentPage, WM_COMMAND, MAKEWPARAM(IDC_PRAYER_LIST, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(animationState.selectedRow, 0);
    EXPECT_EQ(animationState.playTimer, 0);
    EXPECT_EQ(field(IDC_RECITATION_TEXT).compare(0, 20, introductionStart), 0);
}

// Without a frame buffer a tick draws nothing and the play does not move on; once the buffer is
// back, the next tick goes on from the same place.
TEST_F(AnimationPageTest, WithoutAFrameBufferTicksChangeNothing) {
    writeTestFrames();
    openAnimationPage();
    chooseRow(0);
    tick(30);
    const AnimationState before = animationState;
    uint8_t* savedPixels = frameBufferPixels;
    frameBufferPixels = nullptr;
    tick(20);
    expectSamePosition(animationState, before);
    EXPECT_EQ(animationState.shownTextId, before.shownTextId);
    frameBufferPixels = savedPixels;
    tick(1);
    EXPECT_NE(animationState.waitTicks + animationState.figureFrame * 1000 + animationState.step * 100000,
              before.waitTicks + before.figureFrame * 1000 + before.step * 100000)
        << "the play moves on again";
}

TEST_F(AnimationPageTest, PauseThenResumeContinuesFromTheSamePosition) {
    writeTestFrames();
    openAnimationPage();
    chooseRow(2);
    tick(50);
    const AnimationState before = animationState;
    pressButton(IDC_PAUSE);
    EXPECT_EQ(field(IDC_PAUSE), "Resume");
    EXPECT_EQ(animationState.playTimer, 0);
    pressButton(IDC_PAUSE);
    stopRealTimer();
    EXPECT_EQ(field(IDC_PAUSE), "Pause");
    EXPECT_NE(animationState.playTimer, 0);
    expectSamePosition(animationState, before);
    AnimationState expected = before;
    advanceAnimationState(expected);
    tick(1);
    expectSamePosition(animationState, expected);
}

TEST_F(AnimationPageTest, ApplyingThePeriodClampsItAndKeepsTheTypedText) {
    writeTestFrames();
    openAnimationPage();
    const struct {
        const char* typed;
        int32_t periodMs;
    } cases[] = {{"5", 10}, {"5000", 1000}, {"abc", 10}, {"", 10}, {"10", 10}, {"1000", 1000}, {"250", 250}};
    for (const auto& c : cases) {
        setField(IDC_PERIOD, c.typed);
        pressButton(IDC_APPLY_PERIOD);
        EXPECT_EQ(animationState.periodMs, c.periodMs) << c.typed;
        EXPECT_EQ(field(IDC_PERIOD), c.typed);
        EXPECT_EQ(animationState.playTimer, 0) << "applying while stopped must not start playback";
    }
    EXPECT_EQ(field(IDC_PAUSE), "Pause");
    EXPECT_EQ(animationState.step, 0);

    setField(IDC_PERIOD, "1000");
    pressButton(IDC_APPLY_PERIOD);
    pressButton(IDC_PAUSE);  // plays from the state at program start
    EXPECT_NE(animationState.playTimer, 0);
    SetDlgItemTextA(currentPage, IDC_PAUSE, "something else");
    setField(IDC_PERIOD, "5000");
    pressButton(IDC_APPLY_PERIOD);
    stopRealTimer();
    EXPECT_EQ(animationState.periodMs, 1000);
    EXPECT_NE(animationState.playTimer, 0);
    EXPECT_EQ(field(IDC_PAUSE), "Pause");
}

TEST_F(AnimationPageTest, RestartKeepsPicturesAndTextsUntilTheFirstTick) {
    writeTestFrames();
    openAnimationPage();
    chooseRow(0);
    tick(60);  // standing with hands folded, texts 1008-1012
    const std::string buffer(reinterpret_cast<const char*>(frameBufferPixels), 72000);
    const std::string recitation = field(IDC_RECITATION_TEXT);
    pressButton(IDC_RESTART);
    stopRealTimer();
    EXPECT_EQ(animationState.step, 0);
    EXPECT_EQ(animationState.figureFrame, 0);
    EXPECT_EQ(animationState.waitTicks, 19);  // the start advanced once
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(frameBufferPixels), 72000), buffer);
    EXPECT_EQ(field(IDC_RECITATION_TEXT), recitation);
    tick(1);
    PicturePixels picture(currentPage);
    expectPictureAt(picture, 10, 0);
    expectPictureAt(picture, 260, 25);
    expectPictureAt(picture, 410, 31);
    EXPECT_EQ(field(IDC_RECITATION_TEXT), joinedTexts(1015, 3, 0));

    // Restarting while the opening texts are shown leaves the boxes as they are.
    SetDlgItemTextA(currentPage, IDC_RECITATION_TEXT, "left alone");
    SetDlgItemTextA(currentPage, IDC_MEANING_TEXT, "left alone too");
    pressButton(IDC_RESTART);
    stopRealTimer();
    tick(3);
    EXPECT_EQ(field(IDC_RECITATION_TEXT), "left alone");
    EXPECT_EQ(field(IDC_MEANING_TEXT), "left alone too");
}

TEST_F(AnimationPageTest, ComingBackShowsTheIntroductionAndDoesNotPlay) {
    writeTestFrames();
    openAnimationPage();
    chooseRow(2);
    tick(130);
    const AnimationState before = animationState;
    selectTab(4);
    EXPECT_EQ(animationState.playTimer, 0);  // the timer went with the page
    selectTab(3);
    EXPECT_EQ(field(IDC_RECITATION_TEXT).compare(0, 20, introductionStart), 0);
    EXPECT_EQ(field(IDC_MEANING_TEXT), "");
    EXPECT_EQ(SendDlgItemMessageA(currentPage, IDC_PRAYER_LIST, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(field(IDC_PAUSE), "Pause");
    Sleep(300);  // three periods: a running timer would have moved the figure
    pumpMessages();
    expectSamePosition(animationState, before);
    PicturePixels picture(currentPage);
    expectPictureAt(picture, 10, before.figureFrame);
    expectPictureAt(picture, 260, before.manFrame);

    // The first press on the pause button carries on from the stored position.
    animationState.periodMs = 1000;
    pressButton(IDC_PAUSE);
    stopRealTimer();
    EXPECT_EQ(field(IDC_PAUSE), "Pause");
    AnimationState expected = before;
    advanceAnimationState(expected);
    tick(1);
    expectSamePosition(animationState, expected);
    while (animationState.firstTextId == before.firstTextId && animationState.step != 100) {
        tick(1);
    }
    EXPECT_EQ(field(IDC_MEANING_TEXT),
              joinedTexts(animationState.firstTextId, animationState.textCount, 1000));
}

TEST_F(AnimationPageTest, OtherTimerIdsAndADrawInProgressChangeNothing) {
    writeTestFrames();
    openAnimationPage();
    chooseRow(0);
    tick(5);
    const AnimationState before = animationState;
    const std::string buffer(reinterpret_cast<const char*>(frameBufferPixels), 72000);
    for (WPARAM id : {WPARAM{1}, WPARAM{3645}, WPARAM{3647}, WPARAM{0}}) {
        SendMessageA(currentPage, WM_TIMER, id, 0);
    }
    expectSamePosition(animationState, before);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(frameBufferPixels), 72000), buffer);

    animationState.drawing = 1;
    tick(3);
    EXPECT_FALSE(drawAnimation(currentPage, nullptr, true));
    expectSamePosition(animationState, before);
    animationState.drawing = 0;
    EXPECT_TRUE(drawAnimation(currentPage, nullptr, true));
    EXPECT_EQ(animationState.waitTicks, before.waitTicks - 1);
}

TEST_F(AnimationPageTest, WithoutThePictureFileThePagePlaysTextsOnBlack) {
    MessageBoxWatcher watcher;
    openAnimationPage();
    EXPECT_FALSE(watcher.result().shown);
    chooseRow(1);
    tick(30);
    EXPECT_EQ(field(IDC_RECITATION_TEXT), "Allah u Akbar\r\n");
    for (int i = 0; i < 72000; ++i) {
        ASSERT_EQ(frameBufferPixels[i], 0) << i;
    }
    PicturePixels picture(currentPage);
    EXPECT_EQ(picture.at(70, 60), RGB(0, 0, 0));
}

TEST_F(AnimationPageTest, ARecordOfAnotherSizeIsReportedOnceAndDrawnAtItsSize) {
    std::string file;
    for (int k = 0; k < 44; ++k) {
        file += k == 5 ? pictureRecord(100, 100, 77) : testRecord(k);
    }
    writeFileBytes(directory + "\\panim.dat", file);
    {
        MessageBoxWatcher watcher;
        openAnimationPage();
        const MessageBoxSeen seen = watcher.result();
        EXPECT_TRUE(seen.shown);
        EXPECT_EQ(seen.text, "Error while loading praying animations");
        EXPECT_EQ(seen.caption, "Error");  // the system's own title: the box has none
    }
    EXPECT_EQ(animationFrames[5].width, 100);
    EXPECT_EQ(animationFrames[6].width, 120);  // the records after it still line up
    // Drawn over picture 0, which still shows around the smaller picture.
    PicturePixels{currentPage};
    animationState.figureFrame = 5;
    animationState.manFrame = 6;
    PicturePixels picture(currentPage);
    EXPECT_EQ(picture.at(10, 0), paletteColour(77));
    EXPECT_EQ(picture.at(109, 99), paletteColour(77));
    EXPECT_EQ(picture.at(110, 50), paletteColour(testPixel(0, 50, 100)));
    EXPECT_EQ(picture.at(50, 100), paletteColour(testPixel(0, 100, 40)));
    expectPictureAt(picture, 260, 6);

    // A second opening neither reloads the file nor repeats the message.
    writeTestFrames();
    MessageBoxWatcher again;
    selectTab(4);
    selectTab(3);
    EXPECT_FALSE(again.result().shown);
    EXPECT_EQ(animationFrames[5].width, 100);
}

}  // namespace
