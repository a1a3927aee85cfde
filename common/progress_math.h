// Arithmetic of the installer's progress bar, without any drawing: the per-step width W / steps
// held as an integer part and four decimal digits, an accumulator in the same form, the fill's
// right edge (copy page) or the painted column (uninstaller), and the percentage labels.
// Portable, so that it is tested natively.
#pragma once

constexpr int progressFractionDigits = 4;
constexpr int progressTopPx = 2;
constexpr int progressBottomPx = 18;

struct ProgressArithmetic {
    int widthPx;                                  // client width W of the control
    int steps;                                    // the divisor given to the start
    int increment[progressFractionDigits + 1];    // D0 . D1 D2 D3 D4 of W / steps
    int accumulated[progressFractionDigits + 1];  // A0 . A1 A2 A3 A4
    int fillRightPx;                              // copy page: right edge of the blue fill
    int columnLeftPx;                             // uninstaller: the one-pixel column to paint
    int labelStep;                                // S, 1 to steps + 1
};

void progressArithmeticStart(ProgressArithmetic& state, int widthPx, int steps);

// Adds the fractional digits of the increment into the accumulator, carrying into A0.
void progressAccumulateFraction(ProgressArithmetic& state);

// Copy page: one step of the fill after progressAccumulateFraction. Returns true when the fill
// rectangle is to be painted (always, unless W / steps < 1 and nothing had accumulated).
bool progressAdvanceFill(ProgressArithmetic& state);

// Uninstaller: the number of one-pixel columns to paint in this step (after
// progressAccumulateFraction); afterwards the accumulator is primed for the next step.
int progressColumnsThisStep(ProgressArithmetic& state);
// The x of the next column to paint; moves the column one pixel right, wrapping to the left end.
int progressTakeColumn(ProgressArithmetic& state);

// The label of the current step ("%d" of S * 100 / steps) and advances S. False once S has passed
// steps: with four steps the labels are "25" "50" "75" "100", with five "20" to "100".
bool progressTakeLabel(ProgressArithmetic& state, int& percent);
