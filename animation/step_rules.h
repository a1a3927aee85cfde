// Step rules of the prayer animation: a fixed state machine that, once per timer tick, decides
// which picture the praying figure shows, which pictures the man's and the woman's detail views
// show, how long a position is held and which recitation texts belong to the moment.
// Pure code: no window, no timer, no file.
#pragma once

#include <cstdint>

// Playback record of the animation page. One process-wide instance (animationState) outlives the
// page, which is destroyed and re-created with its tab.
struct AnimationState {
    int32_t step;               // current step: 0-11, or animationFinishedStep
    int32_t figureFrame;        // picture index of the figure, drawn at x = 10
    int32_t manFrame;           // picture index of the man's detail picture, drawn at x = 260
    int32_t womanFrame;         // picture index of the woman's detail picture, drawn at x = 410
    int32_t waitTicks;          // ticks to hold the current position before the step moves on
    int32_t rakatsLeft;         // units still to perform, the current one included
    int32_t secondProstration;  // 0 during a unit's first prostration, 1 during its second
    int32_t selectedRow;        // row of the prayer list being played
    int32_t firstTextId;        // first string id of the texts of the current moment
    int32_t textCount;          // number of consecutive string ids from firstTextId
    int32_t shownTextId;        // firstTextId of the texts now in the two text boxes
    // The last three belong to the page; the step rules never touch them.
    int32_t playTimer;  // id of the running playback timer; 0 = stopped
    int32_t periodMs;   // timer period in milliseconds, 10-1000
    int32_t drawing;    // 1 while a draw is in progress
};

constexpr int32_t animationFinishedStep = 100;
constexpr int32_t defaultPeriodMs = 100;
constexpr int32_t minimumPeriodMs = 10;
constexpr int32_t maximumPeriodMs = 1000;

// Number of rows in the page's prayer list, and the row of the three-unit Witr prayer, which
// raises the hands again before its last unit.
constexpr int prayerRowCount = 12;
constexpr int32_t witrRow = 11;

// Recitation string ids (meaning = id + 1000). The prayer's texts are 1000-1017; 1018 is never
// shown; the Qunut of the Witr prayer's last unit is 1019.
constexpr int32_t firstPrayerTextId = 1000;
constexpr int32_t lastPrayerTextId = 1017;
constexpr int32_t qunutTextId = 1019;

// Last id a text range that begins at firstId may show: a range of the prayer's texts stops at
// 1017, the Qunut stands alone; a range from any other id past 1017 shows nothing (the result
// is then firstId - 1).
int32_t lastShownTextId(int32_t firstId);

// Units (rakats) per list row. Index 12 is a spare entry for the Witr course and is selected by
// no list row.
constexpr int rakatCountEntries = 13;
extern const int32_t rakatCounts[rakatCountEntries];

// The state at program start: everything 0 except periodMs = 100.
extern AnimationState animationState;
constexpr AnimationState initialAnimationState = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, defaultPeriodMs, 0};

// Units of a list row; 0 for an index outside rakatCounts.
int32_t rakatCountOfRow(int32_t row);

// Puts `state` at the beginning of the prayer of its selectedRow: units from rakatCounts, figure
// picture 0, detail pictures 25 / 31, a hold of 20 ticks, step 0. The texts, the shown text id and
// the page's fields keep their values.
void rewindAnimation(AnimationState& state);

// Applies exactly one rule of the current step to `state`.
void advanceAnimationState(AnimationState& state);

// Applies the step rules once to animationState.
void advanceAnimation();
