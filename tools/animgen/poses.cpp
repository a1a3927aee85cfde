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

Pose prostrating() {
    Pose p = standing(limb(100, 24, 0, 0.60, 0.94, 1.0));
    p.torsoDeg = 35;
    p.headDeg = 62;
    p.headTiltDeg = -35;
    return withLegs(p, limb(86, 194, 84));
}

Pose sitting(Dress dress) {
    Pose p = standing(kHandsOnThighs);
    p.torsoDeg = -88;
    p.headDeg = -80;
    if (dress == DRESS_MAN) {
        p.nearLeg = kSittingNearLeg;
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

Pose supplicating() {
    Pose p = sitting(DRESS_MAN);
    p.headDeg = -76;
    return withArms(p, limb(82, -28, -22, 0.9, 0.85, 1.0));
}

struct PictureRecipe {
    Pose pose;
    Dress dress;
    bool closeUp;
};

// Whole figure: floor at row 112, near toes at column 40.
constexpr double kFigureToeColumn = 40.0;
constexpr double kFloorRow = 112.0;
constexpr double kMatFrom = -36.0;
constexpr double kMatTo = 76.0;

PictureRecipe recipe(int index) {
    const Pose stand = standing(kManFoldedArms);
    const Pose raised = standing(kManRaisedArms);
    const Pose sit = sitting(DRESS_MAN);
    const Pose turnedRight = sittingTurned(58);
    const Pose turnedLeft = sittingTurned(-70);
    if (index <= 4)
        return {index == 0 ? stand : goingDown(index), DRESS_MAN, false};
    if (index <= 9)
        return {interpolatePose(stand, bowing(), (index - 5) / 4.0), DRESS_MAN, false};
    if (index == 10)
        return {sit, DRESS_MAN, false};
    if (index <= 17) {
        return {interpolatePose(kneelingForward(), prostrating(), (index - 11) / 6.0), DRESS_MAN, false};
    }
    if (index <= 24)
        return {interpolatePose(stand, raised, (index - 18) / 6.0), DRESS_MAN, false};
    switch (index) {
        case 25: return {raised, DRESS_MAN, true};
        case 26: return {stand, DRESS_MAN, true};
        case 27: return {sit, DRESS_MAN, true};
        case 28: return {prostrating(), DRESS_MAN, true};
        case 29: return {turnedRight, DRESS_MAN, true};
        case 30: return {supplicating(), DRESS_MAN, true};
        case 31: return {standing(kWomanRaisedArms), DRESS_WOMAN, true};
        case 32: return {standing(kWomanFoldedArms), DRESS_WOMAN, true};
        case 33: return {sitting(DRESS_WOMAN), DRESS_WOMAN, true};
        case 34: return {interpolatePose(sit, turnedLeft, 0.4), DRESS_MAN, false};
        case 35: return {turnedLeft, DRESS_MAN, false};
        case 36: return {interpolatePose(sit, turnedRight, 0.4), DRESS_MAN, false};
        case 37: return {turnedRight, DRESS_MAN, false};
        default: break;
    }
    return {interpolatePose(sit, supplicating(), (index - 38) / 5.0), DRESS_MAN, false};
}

// Close-ups frame the part of the body where a man's and a woman's prayer differ.
Camera closeUpCamera(int index, const FigureJoints& j) {
    switch (index) {
        case 25:
        case 31:  // hands raised: head and shoulders
            return {j.neck.x + 2.0, j.neck.y + 2.0, 2.0};
        case 26:
        case 32:  // hands folded: chest and belly
            return {j.hip.x + 3.0, j.hip.y - 18.0, 2.0};
        case 27:
        case 33:  // sitting: the whole seated figure
            return {j.hip.x + 6.0, j.hip.y - 20.0, 1.55};
        case 28:  // prostration: forehead, nose and palms on the floor
            return {j.headCentre.x - 4.0, -14.0, 2.0};
        case 29:  // greeting: the face turned over the right shoulder
            return {j.headCentre.x - 2.0, j.headCentre.y + 10.0, 2.2};
        default:  // supplication: the open palms
            return {j.hip.x + 8.0, j.hip.y - 24.0, 2.0};
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
