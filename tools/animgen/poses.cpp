#include "poses.h"

#include <vector>

#include "figure.h"

namespace {

// Limb shorthand: directions in degrees, then length factors (1 = seen side-on).
LimbPose limb(double upper, double middle, double end, double upperLength = 1.0, double middleLength = 1.0,
              double endLength = 1.0) {
    return {upper, middle, end, upperLength, middleLength, endLength};
}

Pose withArms(Pose p, LimbPose arms) {
    p.nearArm = arms;
    p.farArm = arms;
    return p;
}

Pose withLegs(Pose p, LimbPose legs) {
    p.nearLeg = legs;
    p.farLeg = legs;
    return p;
}

const LimbPose kStraightLegs = limb(90, 90, 0);
const LimbPose kSittingNearLeg = limb(20, 192, 84);                 // right foot upright, toes bent forward
const LimbPose kSittingFarLeg = limb(20, 180, 180, 1.0, 1.0, 0.9);  // left foot laid flat

// Man: right hand over the left just below the navel.
const LimbPose kManFoldedArms = limb(96, -12, -5, 1.0, 0.50, 0.6);
// Woman: hands folded on the chest.
const LimbPose kWomanFoldedArms = limb(104, -52, -15, 0.78, 0.80, 0.45);
// Man: palms beside the ears, thumbs near the lobes.
const LimbPose kManRaisedArms = limb(80, -93, -90, 0.42, 1.0, 1.0);
// Woman: palms at the height of the shoulders.
const LimbPose kWomanRaisedArms = limb(70, -80, -84, 0.45, 0.30, 1.0);
const LimbPose kHandsOnThighs = limb(86, 36, 12);

Pose standing(LimbPose arms) {
    Pose p{};
    p.torsoDeg = -90;
    p.headDeg = -82;
    p.headTurnDeg = 0;
    return withLegs(withArms(p, arms), kStraightLegs);
}

Pose bowing() {
    Pose p = standing(limb(120, 137, 96));
    p.torsoDeg = 0;
    p.headDeg = 6;
    p.nearLeg = p.farLeg = limb(93, 89, 0);
    return p;
}

// Going down from standing to kneeling, one pose per picture 1-4: the knees
// bend forward over the toes, the heels rise, and the knees come down in
// front of the toes.
Pose goingDown(int step) {
    struct Step {
        double torso, head, thigh, shin, foot;
        LimbPose arms;
    };
    static const Step steps[4] = {
        {-78, -70, 66, 110, 0, limb(96, 40, 70, 1.0, 0.85)},
        {-72, -64, 48, 136, 30, limb(98, 62, 80, 1.0, 0.85)},
        {-74, -66, 48, 164, 60, limb(96, 68, 82, 1.0, 0.85)},
        {-80, -72, 60, 190, 80, limb(94, 54, 70, 1.0, 0.85)},
    };
    const Step& s = steps[step - 1];
    Pose p = standing(s.arms);
    p.torsoDeg = s.torso;
    p.headDeg = s.head;
    return withLegs(p, limb(s.thigh, s.shin, s.foot));
}

Pose kneelingForward() {
    Pose p = standing(limb(100, 60, 70, 1.0, 0.9));
    p.torsoDeg = -70;
    p.headDeg = -58;
    return withLegs(p, limb(36, 190, 82));
}

// Forehead and nose on the mat (the face turned down), the palms flat beside the head
// with the fingertips at the ears, the forearms raised off the floor towards the elbows. Points
// in the figure's own frame, where the mat lies at y = 33.
Pose prostrating() {
    Pose p = standing(kHandsOnThighs);
    p.torsoDeg = 35;
    p.headDeg = 62;
    p.headTiltDeg = -56;
    p.headTurnDeg = 40;  // a little towards the viewer, so that the face on the mat is seen
    const Vec2 elbow{15.0, 23.6};
    const Vec2 wrist{18.6, 30.8};
    p = withArms(p, armThrough(shoulderOf(p), elbow, wrist, 2.0));
    return withLegs(p, limb(86, 194, 84));
}

// The woman's prostration of the Hanafi school: as above, but the arms kept close to the body
// with the forearms resting flat on the mat, the palms beside the head.
Pose prostratingWithForearmsDown() {
    Pose p = prostrating();
    const Vec2 elbow{11.0, 31.0};
    const Vec2 wrist{18.6, 31.2};
    return withArms(p, armThrough(shoulderOf(p), elbow, wrist, 2.0));
}

Pose sitting(Dress dress) {
    Pose p = standing(kHandsOnThighs);
    p.torsoDeg = -88;
    p.headDeg = -80;
    if (dress == DRESS_MAN) {
        p.nearLeg = kSittingNearLeg;
        p.farLeg = kSittingFarLeg;
    } else if (dress == DRESS_NEUTRAL) {
        // Sitting back on both feet laid flat: a way of sitting open to men and women alike.
        p.nearLeg = kSittingFarLeg;
        p.farLeg = kSittingFarLeg;
    } else {
        // Sitting on the floor with both feet out to the right side.
        p.nearLeg = limb(6, 180, 184, 0.70, 1.0, 1.0);
        p.farLeg = limb(4, 180, 182, 1.0, 0.9, 0.9);
    }
    return p;
}

Pose sittingTurned(double turnDeg) {
    Pose p = sitting(DRESS_MAN);
    p.headTurnDeg = turnDeg;
    p.headDeg = -84;
    return p;
}

// The sitting of the testimony, face forward: hands on the thighs, the index finger raised.
Pose sittingWithTestimony(Dress dress) {
    Pose p = sitting(dress);
    p.indexFingerRaised = 1.0;
    return p;
}

Pose supplicating(Dress dress) {
    Pose p = sitting(dress);
    p.headDeg = -76;
    return withArms(p, limb(82, -28, -22, 0.9, 0.85, 1.0));
}

struct PictureRecipe {
    Pose pose;
    Dress dress;
    bool closeUp;
};

// Picture indices: the figure's sequences and the detail pictures.
constexpr int kStandingPicture = 0;
constexpr int kLastGoingDownPicture = 4;  // 1-4: standing down to kneeling
constexpr int kFirstBowPicture = 5;       // 5-9: standing into the bow
constexpr int kDeepestBowPicture = 9;
constexpr int kSittingPicture = 10;
constexpr int kFirstProstratingPicture = 11;  // 11-17: kneeling forward into the prostration
constexpr int kProstrationPicture = 17;
constexpr int kHandsLowestPicture = 18;  // 18-24: raising the hands
constexpr int kHandsHighestPicture = 24;
constexpr int kManHandsRaisedDetail = 25;
constexpr int kManHandsFoldedDetail = 26;
constexpr int kManSittingDetail = 27;
constexpr int kProstrationDetail = 28;  // 28-30: shown in both the MAN and the WOMAN slot
constexpr int kSittingDetail = 29;
constexpr int kSupplicationDetail = 30;
constexpr int kWomanHandsRaisedDetail = 31;
constexpr int kWomanHandsFoldedDetail = 32;
constexpr int kWomanSittingDetail = 33;
constexpr int kSecondTurnStartPicture = 34;  // 34-35: the head turns for the second greeting
constexpr int kSecondTurnHeldPicture = 35;
constexpr int kFirstTurnStartPicture = 36;  // 36-37: the head turns for the first greeting
constexpr int kFirstTurnHeldPicture = 37;
constexpr int kFirstSupplicationPicture = 38;  // 38-43: raising the hands for the supplication
constexpr int kSupplicationSteps = 5;
constexpr double kTurnStartShare = 0.4;  // how far the head has turned in a turn's first picture
constexpr double kFirstGreetingTurnDeg = 58;
constexpr double kSecondGreetingTurnDeg = -70;

// Whole figure: floor at row 112, near toes at column 40.
constexpr double kFigureToeColumn = 40.0;
constexpr double kFloorRow = 112.0;
constexpr double kMatFrom = -36.0;
constexpr double kMatTo = 76.0;

// Detail pictures of the standing share one magnification and those on the floor another, so
// the body keeps its size from one detail picture to the next within a position.
constexpr double kStandingDetailZoom = 2.0;
constexpr double kFloorDetailZoom = 1.7;
constexpr double kHandDetailZoom = 2.0;

PictureRecipe figurePicture(int index) {
    const Pose stand = standing(kManFoldedArms);
    const Pose sit = sitting(DRESS_MAN);
    if (index <= kLastGoingDownPicture)
        return {index == kStandingPicture ? stand : goingDown(index), DRESS_MAN, false};
    if (index <= kDeepestBowPicture) {
        const double share = double(index - kFirstBowPicture) / (kDeepestBowPicture - kFirstBowPicture);
        return {interpolatePose(stand, bowing(), share), DRESS_MAN, false};
    }
    if (index == kSittingPicture)
        return {sit, DRESS_MAN, false};
    if (index <= kProstrationPicture) {
        const double share =
            double(index - kFirstProstratingPicture) / (kProstrationPicture - kFirstProstratingPicture);
        return {interpolatePose(kneelingForward(), prostrating(), share), DRESS_MAN, false};
    }
    if (index <= kHandsHighestPicture) {
        const double share =
            double(index - kHandsLowestPicture) / (kHandsHighestPicture - kHandsLowestPicture);
        return {interpolatePose(stand, standing(kManRaisedArms), share), DRESS_MAN, false};
    }
    const Pose turnedFirst = sittingTurned(kFirstGreetingTurnDeg);
    const Pose turnedSecond = sittingTurned(kSecondGreetingTurnDeg);
    switch (index) {
        case kSecondTurnStartPicture:
            return {interpolatePose(sit, turnedSecond, kTurnStartShare), DRESS_MAN, false};
        case kSecondTurnHeldPicture: return {turnedSecond, DRESS_MAN, false};
        case kFirstTurnStartPicture:
            return {interpolatePose(sit, turnedFirst, kTurnStartShare), DRESS_MAN, false};
        case kFirstTurnHeldPicture: return {turnedFirst, DRESS_MAN, false};
        default: break;
    }
    const double share = double(index - kFirstSupplicationPicture) / kSupplicationSteps;
    return {interpolatePose(sit, supplicating(DRESS_MAN), share), DRESS_MAN, false};
}

// Detail pictures 25-33; null dress for an index that is not one.
PictureRecipe detailPicture(int index) {
    switch (index) {
        case kManHandsRaisedDetail: return {standing(kManRaisedArms), DRESS_MAN, true};
        case kManHandsFoldedDetail: return {standing(kManFoldedArms), DRESS_MAN, true};
        case kManSittingDetail: return {sitting(DRESS_MAN), DRESS_MAN, true};
        case kProstrationDetail: return {prostratingWithForearmsDown(), DRESS_NEUTRAL, true};
        case kSittingDetail: return {sittingWithTestimony(DRESS_NEUTRAL), DRESS_NEUTRAL, true};
        case kSupplicationDetail: return {supplicating(DRESS_NEUTRAL), DRESS_NEUTRAL, true};
        case kWomanHandsRaisedDetail: return {standing(kWomanRaisedArms), DRESS_WOMAN, true};
        case kWomanHandsFoldedDetail: return {standing(kWomanFoldedArms), DRESS_WOMAN, true};
        default: return {sitting(DRESS_WOMAN), DRESS_WOMAN, true};
    }
}

PictureRecipe recipe(int index) {
    if (index >= kManHandsRaisedDetail && index <= kWomanSittingDetail)
        return detailPicture(index);
    return figurePicture(index);
}

// Close-ups frame the part of the body where a man's and a woman's prayer differ, or, for the
// shared pictures, the whole position.
Camera closeUpCamera(int index, const FigureJoints& j) {
    switch (index) {
        case kManHandsRaisedDetail:
        case kWomanHandsRaisedDetail:  // hands raised: head and shoulders
            return {j.neck.x + 2.0, j.neck.y + 2.0, kStandingDetailZoom};
        case kManHandsFoldedDetail:
        case kWomanHandsFoldedDetail:  // hands folded: chest and belly
            return {j.hip.x + 3.0, j.hip.y - 18.0, kStandingDetailZoom};
        case kProstrationDetail:  // forehead, nose and palms on the mat
            return {j.headCentre.x - 14.0, j.headCentre.y - 14.0, kFloorDetailZoom};
        case kSittingDetail:  // the hand on the thigh with the raised finger; the feet, which a man
                              // and a woman place differently, stay out of the picture
            return {j.hip.x + 8.0, j.hip.y - 24.0, kHandDetailZoom};
        default:  // the sittings, the testimony and the supplication: the whole seated figure
            return {j.hip.x + 8.0, j.hip.y - 22.0, kFloorDetailZoom};
    }
}

}  // namespace

void drawPrayerPicture(int index, uint8_t* pixelsTopDown) {
    const PictureRecipe r = recipe(index);
    std::vector<Primitive> primitives;
    addPrayerMat(kMatFrom, kMatTo, primitives);
    const FigureJoints joints = buildFigure(r.pose, r.dress, primitives);
    Camera camera{kPictureSide / 2.0 - kFigureToeColumn, kPictureSide / 2.0 - kFloorRow, 1.0};
    if (r.closeUp)
        camera = closeUpCamera(index, joints);
    renderPicture(primitives, camera, pixelsTopDown);
}
