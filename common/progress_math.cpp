// Decimal fixed-point stepping of the progress bar (see progress_math.h). No floating point: the
// quotient W / steps is carried as digits, so after `steps` steps the bar reaches W exactly or
// within one pixel of it.
#include "progress_math.h"

void progressArithmeticStart(ProgressArithmetic& state, int widthPx, int steps) {
    if (widthPx < 0) {
        widthPx = 0;
    }
    if (steps < 1) {
        steps = 1;
    }
    state.widthPx = widthPx;
    state.steps = steps;
    int remainder = widthPx % steps;
    state.increment[0] = widthPx / steps;
    for (int k = 1; k <= progressFractionDigits; ++k) {
        state.increment[k] = (10 * remainder) / steps;
        remainder = (10 * remainder) % steps;
    }
    for (int k = 0; k <= progressFractionDigits; ++k) {
        state.accumulated[k] = 0;
    }
    state.fillRightPx = 0;
    state.columnLeftPx = 0;
    state.labelStep = 1;
}

void progressAccumulateFraction(ProgressArithmetic& state) {
    for (int k = progressFractionDigits; k >= 1; --k) {
        state.accumulated[k] += state.increment[k];
        if (state.accumulated[k] >= 10) {
            state.accumulated[k] -= 10;
            state.accumulated[k - 1] += 1;
        }
    }
}

// One pixel more fill, never past W; the last pixel jumps straight to W.
static void advanceOnePixel(ProgressArithmetic& state) {
    if (state.fillRightPx < state.widthPx - 1) {
        state.fillRightPx += 1;
    } else {
        state.fillRightPx = state.widthPx;
    }
}

bool progressAdvanceFill(ProgressArithmetic& state) {
    if (state.increment[0] != 0) {
        for (int pixel = 0; pixel < state.accumulated[0]; ++pixel) {
            advanceOnePixel(state);
        }
        state.accumulated[0] = state.increment[0];
        return true;
    }
    if (state.accumulated[0] > 0) {
        advanceOnePixel(state);
        state.accumulated[0] -= 1;
    }
    return true;
}

int progressColumnsThisStep(ProgressArithmetic& state) {
    if (state.increment[0] != 0) {
        const int columns = state.accumulated[0];
        state.accumulated[0] = state.increment[0];
        return columns;
    }
    if (state.accumulated[0] > 0) {
        state.accumulated[0] -= 1;
        return 1;
    }
    return 0;
}

int progressTakeColumn(ProgressArithmetic& state) {
    const int column = state.columnLeftPx;
    if (state.columnLeftPx + 1 < state.widthPx - 1) {
        state.columnLeftPx += 1;
    } else {
        state.columnLeftPx = 0;
    }
    return column;
}

bool progressTakeLabel(ProgressArithmetic& state, int& percent) {
    if (state.labelStep > state.steps) {
        return false;
    }
    percent = state.labelStep * 100 / state.steps;
    state.labelStep += 1;
    return true;
}
