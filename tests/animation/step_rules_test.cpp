// Step rules: the worked tick-by-tick course of the morning prayer, the courses of every list
// row (texts per unit, sittings, finishing tick) and long runs from unusual starting states.
#include "step_rules.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int lastPictureIndex = 43;
constexpr int lastPrayerText = 1017;  // the page never joins a prayer range past this id
constexpr int qunutText = 1019;       // the Witr's Qunut, shown alone

// Snapshot of what one tick shows.
struct Tick {
    int32_t step, figure, man, woman, firstText, textCount;
    bool operator==(const Tick& o) const {
        return step == o.step && figure == o.figure && man == o.man && woman == o.woman &&
               firstText == o.firstText && textCount == o.textCount;
    }
};

Tick snapshot(const AnimationState& s) {
    return {s.step, s.figureFrame, s.manFrame, s.womanFrame, s.firstTextId, s.textCount};
}

// Starts `row` as the page does: rewind, then the advance that counts as tick 0.
AnimationState startRow(int32_t row) {
    AnimationState s = initialAnimationState;
    s.selectedRow = row;
    rewindAnimation(s);
    advanceAnimationState(s);
    return s;
}

// Ticks 0..lastTick of a row.
std::vector<Tick> playRow(int32_t row, int lastTick) {
    AnimationState s = startRow(row);
    std::vector<Tick> ticks{snapshot(s)};
    for (int t = 1; t <= lastTick; ++t) {
        advanceAnimationState(s);
        ticks.push_back(snapshot(s));
    }
    return ticks;
}

// Tick on which step 100 is first reached, or -1 within `limit` ticks.
int finishingTick(int32_t row, int limit = 5000) {
    AnimationState s = startRow(row);
    for (int t = 0; t <= limit; ++t) {
        if (t > 0)
            advanceAnimationState(s);
        if (s.step == animationFinishedStep)
            return t;
    }
    return -1;
}

// Expands figure pictures written as "0*20 18-24": p*n holds p for n ticks, a-b runs from a to b
// one tick each (upwards or downwards), p alone is one tick.
std::vector<int> expandFigures(const std::string& text) {
    std::vector<int> out;
    std::istringstream in(text);
    std::string token;
    while (in >> token) {
        const size_t star = token.find('*');
        const size_t dash = token.find('-');
        if (star != std::string::npos) {
            const int picture = std::stoi(token.substr(0, star));
            out.insert(out.end(), std::stoi(token.substr(star + 1)), picture);
        } else if (dash != std::string::npos) {
            const int from = std::stoi(token.substr(0, dash));
            const int to = std::stoi(token.substr(dash + 1));
            for (int p = from;; p += (to >= from ? 1 : -1)) {
                out.push_back(p);
                if (p == to)
                    break;
            }
        } else {
            out.push_back(std::stoi(token));
        }
    }
    return out;
}

struct ExampleRow {
    int firstTick, lastTick, step;
    const char* figures;
    int man, woman, firstText, lastText;
};

// The morning prayer (row 0), as worked out by hand from the rules.
const ExampleRow morningPrayer[] = {
    // clang-format off
    {0, 26, 0, "0*20 18-24", 25, 31, 1015, 1017},
    {27, 43, 1, "24*11 23-18", 25, 31, 1007, 1007},
    {44, 75, 6, "18*31 5", 26, 32, 1008, 1012},
    {76, 79, 6, "6-9", 26, 32, 1001, 1001},
    {80, 97, 7, "9*15 8-6", 26, 32, 1002, 1002},
    {98, 98, 7, "5", 26, 32, 1003, 1003},
    {99, 109, 2, "0*11", 26, 32, 1003, 1003},
    {110, 113, 2, "1-4", 26, 32, 1007, 1007},
    {114, 121, 4, "4 11-17", 26, 32, 1007, 1007},
    {122, 131, 5, "17*10", 17, 28, 1000, 1000},
    {132, 139, 5, "17-10", 17, 28, 1007, 1007},
    {140, 157, 4, "10*11 11-17", 17, 28, 1007, 1007},
    {158, 167, 5, "17*10", 17, 28, 1000, 1000},
    {168, 174, 5, "17-11", 17, 28, 1007, 1007},
    {175, 176, 3, "11 4", 17, 28, 1007, 1007},
    {177, 180, 3, "3-0", 17, 28, 1003, 1003},
    {181, 212, 6, "0*31 5", 26, 32, 1009, 1011},
    {213, 216, 6, "6-9", 26, 32, 1001, 1001},
    {217, 234, 7, "9*15 8-6", 26, 32, 1002, 1002},
    {235, 235, 7, "5", 26, 32, 1003, 1003},
    {236, 246, 2, "0*11", 26, 32, 1003, 1003},
    {247, 250, 2, "1-4", 26, 32, 1007, 1007},
    {251, 258, 4, "4 11-17", 26, 32, 1007, 1007},
    {259, 268, 5, "17*10", 17, 28, 1000, 1000},
    {269, 276, 5, "17-10", 17, 28, 1007, 1007},
    {277, 294, 4, "10*11 11-17", 17, 28, 1007, 1007},
    {295, 304, 5, "17*10", 17, 28, 1000, 1000},
    {305, 312, 5, "17-10", 17, 28, 1007, 1007},
    {313, 322, 8, "10*10", 27, 33, 1012, 1013},
    {323, 334, 8, "10*12", 29, 29, 1012, 1013},
    {335, 344, 8, "10*9 36", 27, 33, 1012, 1013},
    {345, 358, 8, "37*14", 27, 33, 1004, 1004},
    {359, 360, 9, "36 34", 27, 33, 1004, 1004},
    {361, 377, 10, "35*15 36 38", 27, 33, 1004, 1004},
    {378, 382, 10, "39-43", 30, 30, 1005, 1006},
    {383, 386, 11, "43 40-38", 30, 30, 1005, 1006},
    {387, 400, 100, "10*14", 30, 30, 1005, 1006},
    // clang-format on
};

// The Witr course (row 11), the reference of its own test: units 1 and 2 as the evening prayer with a middle
// sitting (1012 alone); the third unit stands with the refuge, al-Fatiha and a chapter
// (1009-1011), raises the hands with Allah u Akbar (1007), folds them for the Qunut (1019) and
// only then bows.
const ExampleRow witrPrayer[] = {
    // clang-format off
    {0, 26, 0, "0*20 18-24", 25, 31, 1017, 1017},
    {27, 43, 1, "24*11 23-18", 25, 31, 1007, 1007},
    {44, 75, 6, "18*31 5", 26, 32, 1008, 1012},
    {76, 79, 6, "6-9", 26, 32, 1001, 1001},
    {80, 97, 7, "9*15 8-6", 26, 32, 1002, 1002},
    {98, 98, 7, "5", 26, 32, 1003, 1003},
    {99, 109, 2, "0*11", 26, 32, 1003, 1003},
    {110, 113, 2, "1-4", 26, 32, 1007, 1007},
    {114, 121, 4, "4 11-17", 26, 32, 1007, 1007},
    {122, 131, 5, "17*10", 17, 28, 1000, 1000},
    {132, 139, 5, "17-10", 17, 28, 1007, 1007},
    {140, 157, 4, "10*11 11-17", 17, 28, 1007, 1007},
    {158, 167, 5, "17*10", 17, 28, 1000, 1000},
    {168, 174, 5, "17-11", 17, 28, 1007, 1007},
    {175, 176, 3, "11 4", 17, 28, 1007, 1007},
    {177, 180, 3, "3-0", 17, 28, 1003, 1003},
    {181, 212, 6, "0*31 5", 26, 32, 1009, 1011},
    {213, 216, 6, "6-9", 26, 32, 1001, 1001},
    {217, 234, 7, "9*15 8-6", 26, 32, 1002, 1002},
    {235, 235, 7, "5", 26, 32, 1003, 1003},
    {236, 246, 2, "0*11", 26, 32, 1003, 1003},
    {247, 250, 2, "1-4", 26, 32, 1007, 1007},
    {251, 258, 4, "4 11-17", 26, 32, 1007, 1007},
    {259, 268, 5, "17*10", 17, 28, 1000, 1000},
    {269, 276, 5, "17-10", 17, 28, 1007, 1007},
    {277, 294, 4, "10*11 11-17", 17, 28, 1007, 1007},
    {295, 304, 5, "17*10", 17, 28, 1000, 1000},
    {305, 312, 5, "17-10", 17, 28, 1007, 1007},
    {313, 322, 3, "10*10", 27, 33, 1012, 1012},
    {323, 334, 3, "10*12", 29, 29, 1012, 1012},
    {335, 344, 3, "10*9 4", 27, 33, 1012, 1012},
    {345, 348, 3, "3-0", 27, 33, 1003, 1003},
    {349, 380, 0, "0*31 18", 26, 32, 1009, 1011},
    {381, 386, 0, "19-24", 26, 32, 1009, 1011},
    {387, 403, 1, "24*11 23-18", 25, 31, 1007, 1007},
    {404, 485, 6, "18*81 5", 26, 32, 1019, 1019},
    {486, 489, 6, "6-9", 26, 32, 1001, 1001},
    {490, 507, 7, "9*15 8-6", 26, 32, 1002, 1002},
    {508, 508, 7, "5", 26, 32, 1003, 1003},
    {509, 519, 2, "0*11", 26, 32, 1003, 1003},
    {520, 523, 2, "1-4", 26, 32, 1007, 1007},
    {524, 531, 4, "4 11-17", 26, 32, 1007, 1007},
    {532, 541, 5, "17*10", 17, 28, 1000, 1000},
    {542, 549, 5, "17-10", 17, 28, 1007, 1007},
    {550, 567, 4, "10*11 11-17", 17, 28, 1007, 1007},
    {568, 577, 5, "17*10", 17, 28, 1000, 1000},
    {578, 585, 5, "17-10", 17, 28, 1007, 1007},
    {586, 595, 8, "10*10", 27, 33, 1012, 1013},
    {596, 607, 8, "10*12", 29, 29, 1012, 1013},
    {608, 617, 8, "10*9 36", 27, 33, 1012, 1013},
    {618, 631, 8, "37*14", 27, 33, 1004, 1004},
    {632, 633, 9, "36 34", 27, 33, 1004, 1004},
    {634, 650, 10, "35*15 36 38", 27, 33, 1004, 1004},
    {651, 655, 10, "39-43", 30, 30, 1005, 1006},
    {656, 659, 11, "43 40-38", 30, 30, 1005, 1006},
    {660, 680, 100, "10*21", 30, 30, 1005, 1006},
    // clang-format on
};

// Plays `row` and compares every tick with a worked table that covers ticks 0..lastTick.
template <size_t N>
void expectWorkedCourse(int32_t listRow, const ExampleRow (&table)[N], int lastTick) {
    const std::vector<Tick> played = playRow(listRow, lastTick);
    int covered = 0;
    for (const ExampleRow& row : table) {
        const std::vector<int> figures = expandFigures(row.figures);
        ASSERT_EQ(static_cast<int>(figures.size()), row.lastTick - row.firstTick + 1)
            << "reference row from tick " << row.firstTick;
        for (int t = row.firstTick; t <= row.lastTick; ++t) {
            const Tick expected{row.step,      figures[t - row.firstTick],      row.man, row.woman,
                                row.firstText, row.lastText - row.firstText + 1};
            const Tick& got = played[t];
            EXPECT_TRUE(got == expected)
                << "tick " << t << ": step " << got.step << " figure " << got.figure << " pictures "
                << got.man << "/" << got.woman << " texts " << got.firstText << "+" << got.textCount;
            ++covered;
        }
    }
    EXPECT_EQ(covered, lastTick + 1);
}

TEST(StepRulesMorningPrayer, EveryTickFrom0To400MatchesTheWorkedCourse) {
    expectWorkedCourse(0, morningPrayer, 400);
}

TEST(StepRulesWitrPrayer, EveryTickFrom0To680MatchesTheWorkedCourse) {
    expectWorkedCourse(11, witrPrayer, 680);
    expectWorkedCourse(12, witrPrayer, 680);  // the spare index plays the same course
}

// A box shows a prayer range up to 1017 at most, the Qunut alone, and nothing for a range that
// starts at the unshown 1018 or past the Qunut.
TEST(StepRulesTexts, LastShownIdOfARange) {
    const struct {
        int32_t first, last;
    } cases[] = {{1000, 1017}, {1009, 1017}, {1015, 1017}, {1016, 1017}, {1017, 1017},
                 {1018, 1017}, {1019, 1019}, {1020, 1019}, {999, 1017}};
    for (const auto& c : cases)
        EXPECT_EQ(lastShownTextId(c.first), c.last) << c.first;
}

TEST(StepRulesWitrPrayer, TextsChangeOnTheTicksOfTheWorkedCourse) {
    const std::vector<Tick> played = playRow(11, 680);
    std::vector<int> changes{0};
    for (int t = 1; t <= 680; ++t)
        if (played[t].firstText != played[t - 1].firstText)
            changes.push_back(t);
    // The Qunut (from tick 404) stays 82 ticks, about 8 s at the default 100 ms a tick.
    const std::vector<int> expected{0,   27,  44,  76,  80,  98,  110, 122, 132, 158, 168, 177, 181,
                                    213, 217, 235, 247, 259, 269, 295, 305, 313, 345, 349, 387, 404,
                                    486, 490, 508, 520, 532, 542, 568, 578, 586, 618, 651};
    EXPECT_EQ(changes, expected);
    // The second call and the intention belong to the opening only.
    for (int t = 27; t <= 680; ++t) {
        EXPECT_NE(played[t].firstText, 1015) << "tick " << t;
        EXPECT_NE(played[t].firstText, 1016) << "tick " << t;
        EXPECT_NE(played[t].firstText, 1017) << "tick " << t;
    }
}

TEST(StepRulesMorningPrayer, TextsChangeOnTheTicksOfTheWorkedCourse) {
    const std::vector<Tick> played = playRow(0, 400);
    std::vector<int> changes{0};
    for (int t = 1; t <= 400; ++t)
        if (played[t].firstText != played[t - 1].firstText)
            changes.push_back(t);
    const std::vector<int> expected{0,   27,  44,  76,  80,  98,  110, 122, 132, 158, 168, 177,
                                    181, 213, 217, 235, 247, 259, 269, 295, 305, 313, 345, 378};
    EXPECT_EQ(changes, expected);
}

TEST(StepRulesCourses, EveryRowFinishesOnItsTick) {
    // Two-unit rows, four-unit rows, the three-unit evening prayer and the Witr course (the list
    // row 11 and the spare index 12).
    const int expected[rakatCountEntries] = {387, 387, 692, 692, 387, 692, 692, 555, 387, 692, 692, 660, 660};
    for (int32_t row = 0; row < rakatCountEntries; ++row) {
        EXPECT_EQ(finishingTick(row), expected[row]) << "row " << row;
        AnimationState s = startRow(row);
        for (int t = 1; t <= expected[row]; ++t)
            advanceAnimationState(s);
        EXPECT_EQ(s.figureFrame, 10) << "row " << row;
        EXPECT_EQ(s.manFrame, 30) << "row " << row;
        EXPECT_EQ(s.womanFrame, 30) << "row " << row;
        EXPECT_EQ(s.firstTextId, 1005) << "row " << row;
    }
}

TEST(StepRulesCourses, FinishedStateNeverChangesAgain) {
    AnimationState s = startRow(2);
    for (int t = 1; t <= 692; ++t)
        advanceAnimationState(s);
    const Tick finished = snapshot(s);
    for (int t = 0; t < 2000; ++t) {
        advanceAnimationState(s);
        ASSERT_TRUE(snapshot(s) == finished) << "tick " << 693 + t;
    }
}

// Texts of one played course, written as "a-b" ranges (or "a" alone), with the ids clamped at the
// last id the page shows (the Qunut stands alone).
std::string textRange(const AnimationState& s) {
    const int clamp = s.firstTextId == qunutText ? qunutText : lastPrayerText;
    const int last = std::min<int>(s.firstTextId + s.textCount - 1, clamp);
    return last == s.firstTextId ? std::to_string(last)
                                 : std::to_string(s.firstTextId) + "-" + std::to_string(last);
}

struct Course {
    std::string opening;                  // texts on tick 0
    std::vector<std::string> standing;    // texts when each unit's standing begins
    std::vector<std::string> sittings;    // "middle 1012" / "last 1012-1013"
    std::vector<std::string> handsAgain;  // texts on the first tick of raising the hands again
};

Course playCourse(int32_t row) {
    Course c;
    AnimationState s = startRow(row);
    c.opening = textRange(s);
    for (int t = 1; t <= 2000 && s.step != animationFinishedStep; ++t) {
        const int32_t before = s.step;
        advanceAnimationState(s);
        if (s.step == before)
            continue;
        if (s.step == 6)
            c.standing.push_back(textRange(s));
        if (before == 5 && s.step == 3 && s.manFrame == 27)
            c.sittings.push_back("middle " + textRange(s));
        if (before == 5 && s.step == 8)
            c.sittings.push_back("last " + textRange(s));
        if (before == 3 && s.step == 0) {
            advanceAnimationState(s);  // the first tick of the raised hands sets their texts
            c.handsAgain.push_back(textRange(s));
        }
    }
    return c;
}

TEST(StepRulesCourses, TextsPerUnitAndSittingsOfEveryRow) {
    using V = std::vector<std::string>;
    const V twoUnits{"1008-1012", "1009-1011"};
    const V lastOnly{"last 1012-1013"};
    const V fourUnitSittings{"middle 1012", "last 1012-1013"};
    struct Expected {
        int32_t row;
        const char* opening;
        V standing, sittings, handsAgain;
    };
    const Expected rows[] = {
        // clang-format off
        {0, "1015-1017", twoUnits, lastOnly, {}},
        {1, "1017", twoUnits, lastOnly, {}},
        {4, "1017", twoUnits, lastOnly, {}},
        {8, "1017", twoUnits, lastOnly, {}},
        {2, "1015-1017", {"1008-1012", "1009-1011", "1009-1010", "1009-1010"}, fourUnitSittings, {}},
        {5, "1015-1017", {"1008-1012", "1009-1011", "1009-1010", "1009-1010"}, fourUnitSittings, {}},
        {9, "1015-1017", {"1008-1012", "1009-1011", "1009-1010", "1009-1010"}, fourUnitSittings, {}},
        {3, "1017", {"1008-1012", "1009-1011", "1009-1011", "1009-1011"}, fourUnitSittings, {}},
        {6, "1017", {"1008-1012", "1009-1011", "1008-1012", "1009-1011"}, {"middle 1012-1013", "last 1012-1013"}, {}},
        {10, "1017", {"1008-1012", "1009-1011", "1008-1012", "1009-1011"}, {"middle 1012-1013", "last 1012-1013"}, {}},
        {7, "1015-1017", {"1008-1012", "1009-1011", "1009-1010"}, fourUnitSittings, {}},
        // clang-format on
        // Witr: the third unit's reading (refuge, al-Fatiha, a chapter) is recited before the hands
        // are raised again; they come down for the Qunut, and then the figure bows.
        {11, "1017", {"1008-1012", "1009-1011", "1019"}, fourUnitSittings, {"1009-1011"}},
        {12, "1017", {"1008-1012", "1009-1011", "1019"}, fourUnitSittings, {"1009-1011"}},
    };
    for (const Expected& e : rows) {
        const Course c = playCourse(e.row);
        EXPECT_EQ(c.opening, e.opening) << "row " << e.row;
        EXPECT_EQ(c.standing, e.standing) << "row " << e.row;
        EXPECT_EQ(c.sittings, e.sittings) << "row " << e.row;
        EXPECT_EQ(c.handsAgain, e.handsAgain) << "row " << e.row;
    }
}

TEST(StepRulesCourses, MiddleSittingHoldsThenPutsTheHandsOnTheKneesAndStandsUp) {
    for (int32_t row : {2, 6, 7, 11}) {
        const std::vector<Tick> played = playRow(row, 800);
        int sitting = -1;
        for (int t = 1; t <= 800 && sitting < 0; ++t)
            if (played[t - 1].step == 5 && played[t].step == 3 && played[t].man == 27)
                sitting = t;
        ASSERT_GT(sitting, 0) << "row " << row;
        const int testimonyCount = (row == 6) ? 2 : 1;
        const std::vector<int> figures = expandFigures("10*31 4 3-0");
        for (int n = 0; n < static_cast<int>(figures.size()); ++n) {
            const Tick& got = played[sitting + n];
            const bool handsOnKnees = n >= 10 && n < 22;  // the finger is lowered after 12 ticks
            const bool rising = n >= 32;
            EXPECT_EQ(got.step, 3) << "row " << row << " tick +" << n;
            EXPECT_EQ(got.figure, figures[n]) << "row " << row << " tick +" << n;
            EXPECT_EQ(got.man, handsOnKnees ? 29 : 27) << "row " << row << " tick +" << n;
            EXPECT_EQ(got.woman, handsOnKnees ? 29 : 33) << "row " << row << " tick +" << n;
            EXPECT_EQ(got.firstText, rising ? 1003 : 1012) << "row " << row << " tick +" << n;
            EXPECT_EQ(got.textCount, rising ? 1 : testimonyCount) << "row " << row << " tick +" << n;
        }
        const Tick& next = played[sitting + static_cast<int>(figures.size())];
        EXPECT_EQ(next.step, row == 11 ? 0 : 6) << "row " << row;
        EXPECT_EQ(next.man, 26) << "row " << row;
        EXPECT_EQ(next.woman, 32) << "row " << row;
    }
}

TEST(StepRulesCourses, TwoUnitRowsDifferFromTheMorningPrayerOnlyInTheOpeningTexts) {
    const std::vector<Tick> morning = playRow(0, 420);
    for (int32_t row : {1, 4, 8}) {
        const std::vector<Tick> other = playRow(row, 420);
        for (int t = 0; t <= 420; ++t) {
            Tick expected = morning[t];
            if (t <= 26) {
                expected.firstText = 1017;
                expected.textCount = 1;
            }
            ASSERT_TRUE(other[t] == expected) << "row " << row << " tick " << t;
        }
    }
}

TEST(StepRulesCourses, WitrRowMatchesTheEveningPrayerUntilTheHandsAreRaisedAgain) {
    const std::vector<Tick> evening = playRow(7, 700);
    const std::vector<Tick> witr = playRow(11, 700);
    int firstDifference = -1;
    for (int t = 27; t <= 700 && firstDifference < 0; ++t)
        if (!(witr[t] == evening[t]))
            firstDifference = t;
    ASSERT_GT(firstDifference, 0);
    EXPECT_EQ(witr[firstDifference].step, 0);  // raising the hands instead of bowing
    EXPECT_EQ(evening[firstDifference].step, 6);
    EXPECT_EQ(playRow(12, 700).size(), witr.size());
    const std::vector<Tick> spare = playRow(12, 700);
    for (int t = 0; t <= 700; ++t)
        ASSERT_TRUE(spare[t] == witr[t]) << "tick " << t;
}

void expectValidPictures(const AnimationState& s, const std::string& where) {
    ASSERT_GE(s.figureFrame, 0) << where;
    ASSERT_LE(s.figureFrame, lastPictureIndex) << where;
    ASSERT_GE(s.manFrame, 0) << where;
    ASSERT_LE(s.manFrame, lastPictureIndex) << where;
    ASSERT_GE(s.womanFrame, 0) << where;
    ASSERT_LE(s.womanFrame, lastPictureIndex) << where;
}

TEST(StepRulesLongRuns, ProgramStartStateLoopsThroughProstrationsWithoutEnd) {
    AnimationState s = initialAnimationState;
    int prostrationsEntered = 0;
    for (int t = 0; t < 20000; ++t) {
        const int32_t before = s.step;
        advanceAnimationState(s);
        expectValidPictures(s, "tick " + std::to_string(t));
        ASSERT_NE(s.step, animationFinishedStep) << "tick " << t;
        if (before != 4 && s.step == 4)
            ++prostrationsEntered;
    }
    EXPECT_GT(prostrationsEntered, 100);
    EXPECT_EQ(s.rakatsLeft, 0);
}

TEST(StepRulesLongRuns, EveryRowStaysInsideThePicturesAndTextsForThousandsOfTicks) {
    for (int32_t row = 0; row < rakatCountEntries; ++row) {
        AnimationState s = startRow(row);
        for (int t = 1; t <= 5000; ++t) {
            advanceAnimationState(s);
            expectValidPictures(s, "row " + std::to_string(row) + " tick " + std::to_string(t));
            ASSERT_GE(s.firstTextId, 1000);
            if (s.firstTextId != qunutText || (row != 11 && row != 12)) {
                ASSERT_LE(s.firstTextId, lastPrayerText);
            }
            ASSERT_GE(s.textCount, 1);
        }
    }
}

TEST(StepRulesLongRuns, UnknownStepsAndFieldsOfThePageAreLeftAlone) {
    AnimationState s = startRow(3);
    s.playTimer = 3646;
    s.periodMs = 250;
    s.drawing = 1;
    s.shownTextId = 1234;
    for (int t = 0; t < 1000; ++t)
        advanceAnimationState(s);
    EXPECT_EQ(s.playTimer, 3646);
    EXPECT_EQ(s.periodMs, 250);
    EXPECT_EQ(s.drawing, 1);
    EXPECT_EQ(s.shownTextId, 1234);

    for (int32_t step : {12, 42, 99, -1, 101}) {
        AnimationState odd = startRow(0);
        odd.step = step;
        const Tick before = snapshot(odd);
        advanceAnimationState(odd);
        EXPECT_TRUE(snapshot(odd) == before) << "step " << step;
    }
}

TEST(StepRulesRestart, RewindKeepsTextsAndPageFieldsAndCountsUnitsOfTheRow) {
    AnimationState s = startRow(2);
    for (int t = 0; t < 300; ++t)
        advanceAnimationState(s);
    s.shownTextId = s.firstTextId;
    const AnimationState before = s;
    s.selectedRow = 7;
    rewindAnimation(s);
    EXPECT_EQ(s.rakatsLeft, 3);
    EXPECT_EQ(s.step, 0);
    EXPECT_EQ(s.figureFrame, 0);
    EXPECT_EQ(s.waitTicks, 20);
    EXPECT_EQ(s.secondProstration, 0);
    EXPECT_EQ(s.manFrame, 25);
    EXPECT_EQ(s.womanFrame, 31);
    EXPECT_EQ(s.firstTextId, before.firstTextId);
    EXPECT_EQ(s.textCount, before.textCount);
    EXPECT_EQ(s.shownTextId, before.shownTextId);
    EXPECT_EQ(s.periodMs, before.periodMs);

    const int32_t units[rakatCountEntries] = {2, 2, 4, 4, 2, 4, 4, 3, 2, 4, 4, 3, 3};
    for (int32_t row = 0; row < rakatCountEntries; ++row)
        EXPECT_EQ(rakatCountOfRow(row), units[row]) << "row " << row;
    for (int32_t row : {-1, 13, 1000})
        EXPECT_EQ(rakatCountOfRow(row), 0) << "row " << row;
}

TEST(StepRulesRestart, ProcessWideStateStartsAsAtProgramStartAndAdvances) {
    const AnimationState saved = animationState;
    animationState = initialAnimationState;
    EXPECT_EQ(animationState.periodMs, 100);
    EXPECT_EQ(animationState.step, 0);
    advanceAnimation();
    EXPECT_EQ(animationState.figureFrame, 18);  // no hold at program start: straight to the hands
    animationState = saved;
}

}  // namespace
