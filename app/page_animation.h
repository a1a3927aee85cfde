// The animation page: a step-by-step animated guide to each of twelve prayers, with the words
// recited at each moment and their meaning. Its playback state (animationState, step_rules.h)
// outlives the page.
#pragma once

#include <windows.h>

#include <cstddef>

constexpr int prayerRowTextSize = 260;
constexpr UINT_PTR animationTimerId = 3646;
constexpr size_t animationTextChars = 4095;  // longest joined text of one box

// The prayer list, in list order; a row's list position is its index in rakatCounts.
extern const char prayerRows[][prayerRowTextSize];

INT_PTR CALLBACK animationPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Starts the selected prayer from its beginning: rewinds the state, advances it once without
// drawing and (re)starts the page's timer. The screen changes only at the next tick.
void restartAnimation(HWND page);

// Advances the step rules once if `advance`, copies the three pictures into the frame buffer and
// puts it on `dc` (the picture control's own device context when dc is NULL); rewrites the two
// text boxes when the first text id has changed. False when nothing could be drawn (no frame
// buffer, no device context, or a draw already in progress); the state is then not advanced.
bool drawAnimation(HWND page, HDC dc, bool advance);
