// Step rules of the prayer animation. Each step handles one movement of the figure; within a
// step the first matching rule applies and only that one. The rules are code, not data.
//
// One unit runs bow (6), rise (7), kneel (2), first prostration (4), sitting (5), second
// prostration (4, 5); step 5 then leads to standing up for the next unit (3) or to the last
// sitting (8). A prayer opens by raising (0) and lowering (1) the hands; the closing runs
// 8 -> 9 -> 10 -> 11 -> finished.
#include "step_rules.h"

const int32_t rakatCounts[rakatCountEntries] = {2, 2, 4, 4, 2, 4, 4, 3, 2, 4, 4, 3, 3};

AnimationState animationState = initialAnimationState;

namespace {

// Steps.
constexpr int32_t stepRaiseHands = 0;
constexpr int32_t stepLowerHands = 1;
constexpr int32_t stepKneel = 2;
constexpr int32_t stepStandUp = 3;
constexpr int32_t stepProstrate = 4;
constexpr int32_t stepProstrationAndSitting = 5;
constexpr int32_t stepBow = 6;
constexpr int32_t stepRiseFromBow = 7;
constexpr int32_t stepLastSitting = 8;
constexpr int32_t stepSecondGreeting = 9;
constexpr int32_t stepSupplication = 10;
constexpr int32_t stepLowerHandsAtEnd = 11;

// Figure pictures.
constexpr int32_t pictureStanding = 0;  // 0-4: standing down to kneeling
constexpr int32_t pictureHalfRisen = 3;
constexpr int32_t pictureKneeling = 4;
constexpr int32_t pictureBowStart = 5;  // 5-9: standing into the bow
constexpr int32_t pictureBowDeepest = 9;
constexpr int32_t pictureSitting = 10;  // 10-17: sitting into the prostration
constexpr int32_t pictureSittingLow = 11;
constexpr int32_t pictureProstration = 17;
constexpr int32_t pictureHandsLowest = 18;  // 18-24: raising the hands
constexpr int32_t pictureHandsHighest = 24;
constexpr int32_t pictureGreetingRight = 34;  // 34-35: second head turn
constexpr int32_t pictureGreetingRightHeld = 35;
constexpr int32_t pictureGreetingLeft = 36;  // 36-37: first head turn
constexpr int32_t pictureGreetingLeftHeld = 37;
constexpr int32_t pictureSupplication = 38;  // 38-43: closing supplication
constexpr int32_t pictureSupplicationFirst = 39;
constexpr int32_t pictureSupplicationTurn = 40;
constexpr int32_t pictureSupplicationLast = 43;

// Detail pictures, man / woman.
constexpr int32_t manStanding = 25, womanStanding = 31;
constexpr int32_t manHandsFolded = 26, womanHandsFolded = 32;
constexpr int32_t manSitting = 27, womanSitting = 33;
// The prostration: the man's as the figure shows it, forearms raised (the figure's own picture);
// the woman's close-up with her forearms resting on the mat.
constexpr int32_t manProstration = 17, womanProstration = 28;
constexpr int32_t detailSittingHands = 29;
constexpr int32_t detailSupplication = 30;

// Recitation string ids.
constexpr int32_t textProstrationPraise = 1000;
constexpr int32_t textRisingPraise = 1001;
constexpr int32_t textBowPraise = 1002;
constexpr int32_t textForgiveness = 1003;
constexpr int32_t textGreeting = 1004;
constexpr int32_t textSupplication = 1005;
constexpr int32_t textAllahuAkbar = 1007;
constexpr int32_t textOpeningPraise = 1008;
constexpr int32_t textRefuge = 1009;
constexpr int32_t textTestimony = 1012;
constexpr int32_t textCallToPrayer = 1015;
constexpr int32_t textIntention = 1017;
constexpr int32_t textQunut = qunutTextId;

// Holds, in ticks.
constexpr int32_t holdShort = 10;
constexpr int32_t holdBow = 14;
constexpr int32_t holdGreeting = 14;
constexpr int32_t holdStanding = 30;
constexpr int32_t holdSitting = 30;
constexpr int32_t holdOpening = 20;
// The Qunut is read while the hands are folded before the bow: about 8 s at the default 100 ms a
// tick, long enough to read its seven lines.
constexpr int32_t holdQunut = 80;
constexpr int32_t sittingHandsAtTicks = 20;  // hold value at which the hands go to the knees
// Hold value at which the finger is lowered again: the testimony's "illallah" has been said, and
// the sitting pictures of the man and the woman come back for the rest of the sitting.
constexpr int32_t fingerLoweredAtTicks = 8;

bool isObligatoryRow(int32_t row) {
    return row == 0 || row == 2 || row == 5 || row == 7 || row == 9;
}

// The Witr course: the list row and the spare index of rakatCounts.
bool isWitrRow(int32_t row) {
    return row == witrRow || row == rakatCountEntries - 1;
}

// Rows with three units whose second unit ends in a middle sitting.
bool isThreeUnitRow(int32_t row) {
    return row == 7 || isWitrRow(row);
}

bool isOutside(int32_t value, int32_t low, int32_t high) {
    return value < low || value > high;
}

void setTexts(AnimationState& s, int32_t firstId, int32_t count) {
    s.firstTextId = firstId;
    s.textCount = count;
}

void setDetailPictures(AnimationState& s, int32_t man, int32_t woman) {
    s.manFrame = man;
    s.womanFrame = woman;
}

void raiseHands(AnimationState& s) {
    if (s.waitTicks > 0) {
        s.waitTicks -= 1;
        if (isWitrRow(s.selectedRow) && s.rakatsLeft == 1)
            setTexts(s, textRefuge, 3);  // the Witr's last unit: its reading comes first
        else if (isObligatoryRow(s.selectedRow))
            setTexts(s, textCallToPrayer, 3);
        else
            setTexts(s, textIntention, 1);
    } else if (isOutside(s.figureFrame, pictureHandsLowest, pictureHandsHighest)) {
        s.figureFrame = pictureHandsLowest;
    } else if (s.figureFrame < pictureHandsHighest) {
        s.figureFrame += 1;
    } else {
        setDetailPictures(s, manStanding, womanStanding);
        s.waitTicks = holdShort;
        setTexts(s, textAllahuAkbar, 1);
        s.step = stepLowerHands;
    }
}

void lowerHands(AnimationState& s) {
    if (s.waitTicks > 0) {
        s.waitTicks -= 1;
    } else if (isOutside(s.figureFrame, pictureHandsLowest, pictureHandsHighest)) {
        s.figureFrame = pictureHandsHighest;
    } else if (s.figureFrame > pictureHandsLowest) {
        s.figureFrame -= 1;
    } else {
        setDetailPictures(s, manHandsFolded, womanHandsFolded);
        if (isWitrRow(s.selectedRow) && s.rakatsLeft == 1) {
            s.waitTicks = holdQunut;
            setTexts(s, textQunut, 1);  // the hands come down for the Qunut, then the bow
        } else {
            s.waitTicks = holdStanding;
            setTexts(s, textOpeningPraise, 5);
        }
        s.step = stepBow;
    }
}

void bow(AnimationState& s) {
    if (s.waitTicks > 0) {
        s.waitTicks -= 1;
    } else if (isOutside(s.figureFrame, pictureBowStart, pictureBowDeepest)) {
        s.figureFrame = pictureBowStart;
    } else if (s.figureFrame >= pictureBowDeepest) {
        s.waitTicks = holdBow;
        setTexts(s, textBowPraise, 1);
        s.step = stepRiseFromBow;
    } else {
        if (s.figureFrame == pictureBowStart)
            setTexts(s, textRisingPraise, 1);
        s.figureFrame += 1;
    }
}

void riseFromBow(AnimationState& s) {
    if (s.waitTicks > 0) {
        s.waitTicks -= 1;
    } else if (isOutside(s.figureFrame, pictureBowStart, pictureBowDeepest)) {
        s.figureFrame = pictureBowDeepest;
    } else if (s.figureFrame <= pictureBowStart) {
        s.waitTicks = holdShort;
        s.figureFrame = pictureStanding;
        s.step = stepKneel;
    } else {
        if (s.figureFrame == pictureBowStart + 1)
            setTexts(s, textForgiveness, 1);
        s.figureFrame -= 1;
    }
}

void kneel(AnimationState& s) {
    if (s.waitTicks > 0) {
        s.waitTicks -= 1;
    } else if (isOutside(s.figureFrame, pictureStanding, pictureKneeling)) {
        s.figureFrame = pictureStanding;
    } else if (s.figureFrame >= pictureKneeling) {
        s.step = stepProstrate;
    } else {
        if (s.figureFrame == pictureStanding)
            setTexts(s, textAllahuAkbar, 1);
        s.figureFrame += 1;
    }
}

void prostrate(AnimationState& s) {
    if (s.waitTicks > 0) {
        s.waitTicks -= 1;
    } else if (isOutside(s.figureFrame, pictureSitting, pictureProstration)) {
        s.figureFrame = s.secondProstration != 0 ? pictureSitting : pictureSittingLow;
        setTexts(s, textAllahuAkbar, 1);
    } else if (s.figureFrame < pictureProstration) {
        s.figureFrame += 1;
    } else {
        setDetailPictures(s, manProstration, womanProstration);
        s.waitTicks = holdShort;
        setTexts(s, textProstrationPraise, 1);
        s.step = stepProstrationAndSitting;
    }
}

void prostrationAndSitting(AnimationState& s) {
    const int32_t row = s.selectedRow;
    const int32_t units = s.rakatsLeft;
    const bool threeUnit = isThreeUnitRow(row);
    if (s.waitTicks > 0) {
        s.waitTicks -= 1;
        if (s.waitTicks == 0)
            setTexts(s, textAllahuAkbar, 1);
        return;
    }
    if (isOutside(s.figureFrame, pictureSitting, pictureProstration)) {
        s.figureFrame = pictureProstration;
        return;
    }
    const bool nextUnitDirectly = threeUnit ? units == 3 : (units == 4 || units == 2);
    if (s.secondProstration == 1 && s.figureFrame <= pictureSittingLow && nextUnitDirectly) {
        s.secondProstration = 0;
        s.step = stepStandUp;
        return;
    }
    const bool sittingWithTestimony = threeUnit ? units < 3 : (units == 3 || units == 1);
    if (s.secondProstration == 1 && s.figureFrame <= pictureSitting && sittingWithTestimony) {
        s.secondProstration = 0;
        s.waitTicks = holdSitting;
        setDetailPictures(s, manSitting, womanSitting);
        s.firstTextId = textTestimony;
        const bool testimonyAlone =
            (threeUnit && units == 2) || (!threeUnit && units == 3 && row != 6 && row != 10);
        s.textCount = testimonyAlone ? 1 : 2;
        s.step = units == 1 ? stepLastSitting : stepStandUp;
        return;
    }
    if (s.figureFrame > pictureSitting) {
        s.figureFrame -= 1;
        return;
    }
    // The first prostration is over: go down for the second one.
    s.secondProstration = 1;
    s.waitTicks = holdShort;
    s.step = stepProstrate;
}

void standUp(AnimationState& s) {
    const int32_t row = s.selectedRow;
    if (s.waitTicks > 0) {
        s.waitTicks -= 1;
        if (s.waitTicks == sittingHandsAtTicks)
            setDetailPictures(s, detailSittingHands, detailSittingHands);
        else if (s.waitTicks == fingerLoweredAtTicks)
            setDetailPictures(s, manSitting, womanSitting);
        return;
    }
    if (isOutside(s.figureFrame, pictureStanding, pictureKneeling)) {
        s.figureFrame = pictureKneeling;
        return;
    }
    if (s.figureFrame > pictureStanding) {
        if (s.figureFrame >= pictureHalfRisen)
            setTexts(s, textForgiveness, 1);
        s.figureFrame -= 1;
        return;
    }
    if (s.rakatsLeft <= 1) {
        s.rakatsLeft = 0;
        s.waitTicks = 0;
        s.step = animationFinishedStep;
    } else {
        s.waitTicks = holdStanding;
        s.rakatsLeft -= 1;
        // In the Witr prayer's last unit the hands are raised after its reading, for the Qunut.
        s.step = (isWitrRow(row) && s.rakatsLeft == 1) ? stepRaiseHands : stepBow;
    }
    const int32_t units = s.rakatsLeft;
    setDetailPictures(s, manHandsFolded, womanHandsFolded);
    if (units == 2 && (row == 6 || row == 10)) {
        setTexts(s, textOpeningPraise, 5);
    } else {
        const bool shortReading = units < 3 && (row == 2 || row == 5 || row == 9 || (row == 7 && units != 2));
        setTexts(s, textRefuge, shortReading ? 2 : 3);
    }
}

void lastSitting(AnimationState& s) {
    if (s.waitTicks > 0) {
        s.waitTicks -= 1;
        if (s.waitTicks == sittingHandsAtTicks) {
            setDetailPictures(s, detailSittingHands, detailSittingHands);
        } else if (s.waitTicks == fingerLoweredAtTicks) {
            setDetailPictures(s, manSitting, womanSitting);
        } else if (s.figureFrame == pictureGreetingLeftHeld && s.waitTicks == 0) {
            s.figureFrame = pictureGreetingLeft;
            s.step = stepSecondGreeting;
        }
    } else if (isOutside(s.figureFrame, pictureGreetingLeft, pictureGreetingLeftHeld)) {
        s.figureFrame = pictureGreetingLeft;
    } else if (s.figureFrame == pictureGreetingLeft) {
        s.figureFrame = pictureGreetingLeftHeld;
        s.waitTicks = holdGreeting;
        setTexts(s, textGreeting, 1);
    }
    // Picture 37 with no hold left: nothing.
}

void secondGreeting(AnimationState& s) {
    if (isOutside(s.figureFrame, pictureGreetingRight, pictureGreetingRightHeld)) {
        s.figureFrame = pictureGreetingRight;
    } else if (s.figureFrame == pictureGreetingRight) {
        s.figureFrame = pictureGreetingRightHeld;
        s.waitTicks = holdGreeting;
        s.step = stepSupplication;
    }
    // Picture 35: nothing.
}

void supplication(AnimationState& s) {
    if (s.waitTicks > 0) {
        s.waitTicks -= 1;
    } else if (s.figureFrame == pictureGreetingLeftHeld) {
        s.figureFrame = pictureGreetingLeft;
    } else if (s.figureFrame == pictureGreetingLeft) {
        s.figureFrame = pictureSupplication;
    } else if (s.figureFrame >= pictureSupplicationLast) {
        s.step = stepLowerHandsAtEnd;
    } else {
        s.figureFrame += 1;
        if (s.figureFrame == pictureSupplicationFirst) {
            setDetailPictures(s, detailSupplication, detailSupplication);
            setTexts(s, textSupplication, 2);
        }
    }
}

void lowerHandsAtEnd(AnimationState& s) {
    if (s.figureFrame >= pictureSupplicationLast) {
        s.figureFrame = pictureSupplicationTurn;
    } else if (s.figureFrame != pictureSupplication) {
        s.figureFrame -= 1;
    } else {
        s.figureFrame = pictureSitting;
        s.step = animationFinishedStep;
    }
}

}  // namespace

int32_t lastShownTextId(int32_t firstId) {
    if (firstId == qunutTextId)
        return qunutTextId;
    if (firstId > lastPrayerTextId)
        return firstId - 1;
    return lastPrayerTextId;
}

int32_t rakatCountOfRow(int32_t row) {
    if (row < 0 || row >= rakatCountEntries)
        return 0;
    return rakatCounts[row];
}

void rewindAnimation(AnimationState& state) {
    state.rakatsLeft = rakatCountOfRow(state.selectedRow);
    state.figureFrame = pictureStanding;
    state.secondProstration = 0;
    state.step = stepRaiseHands;
    state.waitTicks = holdOpening;
    setDetailPictures(state, manStanding, womanStanding);
}

void advanceAnimationState(AnimationState& state) {
    switch (state.step) {
        case stepRaiseHands: raiseHands(state); break;
        case stepLowerHands: lowerHands(state); break;
        case stepKneel: kneel(state); break;
        case stepStandUp: standUp(state); break;
        case stepProstrate: prostrate(state); break;
        case stepProstrationAndSitting: prostrationAndSitting(state); break;
        case stepBow: bow(state); break;
        case stepRiseFromBow: riseFromBow(state); break;
        case stepLastSitting: lastSitting(state); break;
        case stepSecondGreeting: secondGreeting(state); break;
        case stepSupplication: supplication(state); break;
        case stepLowerHandsAtEnd: lowerHandsAtEnd(state); break;
        default: break;  // finished, or an unknown step: nothing changes
    }
}

void advanceAnimation() {
    advanceAnimationState(animationState);
}
