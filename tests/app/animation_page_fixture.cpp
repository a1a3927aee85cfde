#include "animation_page_fixture.h"

uint8_t testPixel(int k, int r, int c) {
    return static_cast<uint8_t>(10 + 5 * k + (r < 60 ? 0 : 2) + (c < 60 ? 0 : 1));
}

static void appendInt32(std::string& bytes, int32_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
}

std::string pictureRecord(int32_t width, int32_t height, uint8_t value) {
    std::string record;
    appendInt32(record, width);
    appendInt32(record, height);
    const size_t stride = static_cast<size_t>(((width * 8 + 31) & ~31) / 8);
    record.append(stride * static_cast<size_t>(height), static_cast<char>(value));
    return record;
}

std::string testRecord(int k) {
    std::string record;
    appendInt32(record, 120);
    appendInt32(record, 120);
    for (int stored = 0; stored < 120; ++stored) {
        const int row = 119 - stored;  // the first stored row is the bottom one
        for (int column = 0; column < 120; ++column) {
            record += static_cast<char>(testPixel(k, row, column));
        }
    }
    return record;
}

std::string resourceBytes(const char* name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, name, RT_RCDATA);
    if (resource == nullptr) {
        return std::string();
    }
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, resource)));
    return bytes != nullptr ? std::string(bytes, SizeofResource(module, resource)) : std::string();
}

COLORREF paletteColour(int index) {
    static const std::string records = resourceBytes(RCDATA_PALETTE);
    if (records.size() < 1536 || index < 0 || index > 255) {
        return CLR_INVALID;
    }
    const unsigned char* record = reinterpret_cast<const unsigned char*>(records.data()) + 6 * index;
    return RGB(record[0], record[2], record[4]);
}

std::string joinedTexts(int first, int count, int offset) {
    std::string text;
    for (int id = first; id < first + count; ++id) {
        char piece[4096] = {};
        if (LoadStringA(GetModuleHandleA(nullptr), id + offset, piece, sizeof piece) > 0) {
            text += piece;
            text += "\r\n";
        }
    }
    return text;
}

void expectSamePosition(const AnimationState& actual, const AnimationState& expected) {
    EXPECT_EQ(actual.step, expected.step);
    EXPECT_EQ(actual.figureFrame, expected.figureFrame);
    EXPECT_EQ(actual.manFrame, expected.manFrame);
    EXPECT_EQ(actual.womanFrame, expected.womanFrame);
    EXPECT_EQ(actual.waitTicks, expected.waitTicks);
    EXPECT_EQ(actual.rakatsLeft, expected.rakatsLeft);
    EXPECT_EQ(actual.secondProstration, expected.secondProstration);
    EXPECT_EQ(actual.selectedRow, expected.selectedRow);
    EXPECT_EQ(actual.firstTextId, expected.firstTextId);
    EXPECT_EQ(actual.textCount, expected.textCount);
}

PicturePixels::PicturePixels(HWND page) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, frameBufferWidth, frameBufferHeight);
    ReleaseDC(nullptr, screen);
    previous_ = SelectObject(dc_, bitmap_);
    EXPECT_TRUE(drawAnimation(page, dc_, false));
}

PicturePixels::~PicturePixels() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void expectPictureAt(const PicturePixels& picture, int32_t column, int k) {
    const int points[][2] = {{0, 0}, {0, 119}, {119, 0}, {119, 119}, {59, 60}, {60, 59}};
    for (const auto& point : points) {
        const int row = point[0];
        const int x = point[1];
        const uint8_t index = testPixel(k, row, x);
        EXPECT_EQ(picture.at(column + x, row), paletteColour(index))
            << "picture " << k << " at column " << column << ", row " << row << ", x " << x;
        ASSERT_NE(frameBufferPixels, nullptr);
        EXPECT_EQ(frameBufferPixels[(119 - row) * frameBufferWidth + column + x], index)
            << "picture " << k << " at column " << column << ", row " << row << ", x " << x;
    }
}

void AnimationPageTest::SetUp() {
    MainWindowTest::SetUp();
    // The playback record and the pictures live for the whole run: start each case afresh.
    animationState = initialAnimationState;
    framesLoadAttempted = false;
    for (AnimationFrame& frame : animationFrames) {
        frame = AnimationFrame{0, 0, 0, {}};
    }
}

void AnimationPageTest::TearDown() {
    MainWindowTest::TearDown();
    animationState = initialAnimationState;
}

void AnimationPageTest::writeTestFrames() {
    std::string file;
    for (int k = 0; k < animationFrameCount; ++k) {
        file += testRecord(k);
    }
    ASSERT_EQ(file.size(), 633952u);
    writeFileBytes(directory + "\\panim.dat", file);
}

void AnimationPageTest::openAnimationPage() {
    createMainWindow();
    selectTab(3);
    ASSERT_NE(currentPage, nullptr);
    ASSERT_NE(GetDlgItem(currentPage, IDC_ANIMATION_PICTURE), nullptr);
}

void AnimationPageTest::chooseRow(int row) {
    HWND list = GetDlgItem(currentPage, IDC_PRAYER_LIST);
    SendMessageA(list, CB_SETCURSEL, row, 0);
    SendMessageA(currentPage, WM_COMMAND, MAKEWPARAM(IDC_PRAYER_LIST, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(list));
    stopRealTimer();
}

void AnimationPageTest::stopRealTimer() {
    KillTimer(currentPage, animationTimerId);
}

void AnimationPageTest::tick(int count) {
    for (int i = 0; i < count; ++i) {
        SendMessageA(currentPage, WM_TIMER, animationTimerId, 0);
    }
}
