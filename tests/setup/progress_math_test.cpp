// The progress bar's decimal fixed-point arithmetic: reference courses worked out by hand for
// the widths that matter (0, narrower than the step count, the copy page's bar, the uninstaller's).
#include "progress_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int fourSteps = 4;  // the archive of four records the courses below were worked for

struct FillCourse {
    int widthPx;
    std::vector<int> fillAfterEachStep;  // the priming step, then one per record
};

std::vector<int> copyPageCourse(int widthPx, int steps, int stepCount) {
    ProgressArithmetic state;
    progressArithmeticStart(state, widthPx, steps);
    std::vector<int> fills;
    for (int i = 0; i < stepCount; ++i) {
        progressAccumulateFraction(state);
        progressAdvanceFill(state);
        fills.push_back(state.fillRightPx);
    }
    return fills;
}

TEST(ProgressArithmetic, IncrementHoldsFourDecimalDigitsOfTheQuotient) {
    struct Case {
        int widthPx, steps;
        int digits[5];
    };
    const Case cases[] = {
        {438, 4, {109, 5, 0, 0, 0}}, {3, 4, {0, 7, 5, 0, 0}},     {0, 4, {0, 0, 0, 0, 0}},
        {100, 3, {33, 3, 3, 3, 3}},  {416, 2, {208, 0, 0, 0, 0}}, {1, 7, {0, 1, 4, 2, 8}},
    };
    for (const Case& c : cases) {
        ProgressArithmetic state;
        progressArithmeticStart(state, c.widthPx, c.steps);
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(state.increment[k], c.digits[k]) << c.widthPx << "/" << c.steps << " D" << k;
            EXPECT_EQ(state.accumulated[k], 0);
        }
        EXPECT_EQ(state.fillRightPx, 0);
        EXPECT_EQ(state.labelStep, 1);
    }
}

TEST(ProgressArithmetic, CopyPageFillCoursesForReferenceWidths) {
    const FillCourse courses[] = {
        // clang-format off
        {0, {0, 0, 0, 0, 0}},
        {3, {0, 1, 2, 3, 3}},                // 0.75 per step, carried digit by digit
        {438, {0, 110, 219, 329, 438}},      // 109.5 per step; the priming step fills nothing
        {437, {0, 109, 218, 328, 437}},      // 109.25: the carry of .25 + .75 lands in step 4
        {4, {0, 1, 2, 3, 4}},
        // clang-format on
    };
    for (const FillCourse& course : courses) {
        EXPECT_EQ(copyPageCourse(course.widthPx, fourSteps, 5), course.fillAfterEachStep)
            << "width " << course.widthPx;
    }
}

// Five records (the place list added): 87.6 px per step, the carries of .6 landing in steps 2 and 4.
TEST(ProgressArithmetic, CopyPageFillCourseOfFiveRecords) {
    EXPECT_EQ(copyPageCourse(438, 5, 6), (std::vector<int>{0, 88, 175, 263, 351, 438}));
    EXPECT_EQ(copyPageCourse(4, 5, 6), (std::vector<int>{0, 1, 2, 3, 4, 4}));  // 0.8 per step
}

TEST(ProgressArithmetic, FillNeverPassesTheWidthAndEndsWithinOneStepOfIt) {
    for (int steps : {fourSteps, 5}) {
        for (int widthPx = 0; widthPx <= 2000; ++widthPx) {
            const std::vector<int> fills = copyPageCourse(widthPx, steps, 12);
            for (size_t i = 0; i < fills.size(); ++i) {
                ASSERT_LE(fills[i], widthPx) << "width " << widthPx << " step " << i;
                if (i > 0) {
                    ASSERT_GE(fills[i], fills[i - 1]);
                }
            }
            ASSERT_GE(fills[steps], widthPx - 1) << "width " << widthPx << ", " << steps << " steps";
        }
    }
}

std::vector<int> labelsOfCourse(int steps, int stepCount) {
    ProgressArithmetic state;
    progressArithmeticStart(state, 438, steps);
    std::vector<int> labels;
    int percent = -1;
    for (int i = 0; i < stepCount; ++i) {
        if (progressTakeLabel(state, percent)) {
            labels.push_back(percent);
        }
    }
    return labels;
}

TEST(ProgressArithmetic, LabelsAre25To100ThenNothing) {
    EXPECT_EQ(labelsOfCourse(fourSteps, 6), (std::vector<int>{25, 50, 75, 100}));
}

TEST(ProgressArithmetic, FiveStepsLabel20To100ThenNothing) {
    EXPECT_EQ(labelsOfCourse(5, 7), (std::vector<int>{20, 40, 60, 80, 100}));
}

// The uninstaller paints one-pixel columns that wrap to the left end.
std::vector<bool> paintedColumns(int widthPx, int steps, int stepCount) {
    ProgressArithmetic state;
    progressArithmeticStart(state, widthPx, steps);
    std::vector<bool> painted(widthPx > 0 ? widthPx : 1, false);
    for (int i = 0; i < stepCount; ++i) {
        progressAccumulateFraction(state);
        const int columns = progressColumnsThisStep(state);
        for (int c = 0; c < columns; ++c) {
            const int x = progressTakeColumn(state);
            EXPECT_GE(x, 0);
            EXPECT_LT(x, widthPx);
            painted[x] = true;
        }
    }
    return painted;
}

TEST(ProgressArithmetic, UninstallerColumnsHalfThenAllButTheLastColumn) {
    const int widthPx = 416;
    const std::vector<bool> afterFirst = paintedColumns(widthPx, 2, 1);
    EXPECT_EQ(std::count(afterFirst.begin(), afterFirst.end(), true), 0) << "priming only";
    const std::vector<bool> afterSecond = paintedColumns(widthPx, 2, 2);
    for (int x = 0; x < widthPx; ++x) {
        EXPECT_EQ(afterSecond[x], x < widthPx / 2) << x;
    }
    const std::vector<bool> afterThird = paintedColumns(widthPx, 2, 3);
    for (int x = 0; x < widthPx; ++x) {
        EXPECT_EQ(afterThird[x], x < widthPx - 1) << x;
    }
    ProgressArithmetic state;
    progressArithmeticStart(state, widthPx, 2);
    for (int i = 0; i < 3; ++i) {
        progressAccumulateFraction(state);
        for (int c = progressColumnsThisStep(state); c > 0; --c) {
            progressTakeColumn(state);
        }
    }
    EXPECT_EQ(state.columnLeftPx, 1) << "the fourth file paints over the left part again";
}

TEST(ProgressArithmetic, UninstallerNarrowBarsStayInside) {
    for (int widthPx : {0, 1, 2, 3}) {
        ProgressArithmetic state;
        progressArithmeticStart(state, widthPx, 2);
        for (int i = 0; i < 8; ++i) {
            progressAccumulateFraction(state);
            for (int c = progressColumnsThisStep(state); c > 0; --c) {
                const int x = progressTakeColumn(state);
                EXPECT_GE(x, 0);
                EXPECT_LE(x, widthPx > 0 ? widthPx - 1 : 0);
            }
        }
    }
}

}  // namespace
