#include "figure.h"

#include <algorithm>
#include <cmath>

namespace {

// Bone lengths in world units; they are the same in every pose.
constexpr double kTorsoLength = 30.0;
constexpr double kShoulderAlongTorso = 25.5;
constexpr double kHeadCentreFromNeck = 9.5;
constexpr double kHeadRadius = 7.0;
constexpr double kUpperArmLength = 17.0;
constexpr double kForearmLength = 15.0;
constexpr double kHandLength = 6.5;
constexpr double kThighLength = 26.5;
constexpr double kShinLength = 25.5;
constexpr double kFootLength = 10.5;
constexpr double kWaistAlongTorso = 10.0;
constexpr double kChestAlongTorso = 20.0;
constexpr double kCoveringThickness = 0.5;  // a scarf or hood makes the head a little rounder
constexpr double kRaisedFingerDeg = -40.0;
constexpr double kRaisedFingerLength = 5.0;
const Vec2 kFarHipOffset{-1.2, 0.0};
const Vec2 kFarShoulderOffset{1.0, -0.6};

// Depth groups, farthest first.
enum Group {
    GROUP_MAT,
    GROUP_FAR_LEG,
    GROUP_FAR_ARM,
    GROUP_BODY,
    GROUP_HEAD,
    GROUP_NEAR_ARM,
};

constexpr double kFarSideLight = 0.72;

Vec2 add(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
Vec2 along(Vec2 from, double degrees, double length) {
    const double r = degrees * M_PI / 180.0;
    return {from.x + std::cos(r) * length, from.y + std::sin(r) * length};
}
Vec2 direction(double degrees) {
    return along({0, 0}, degrees, 1.0);
}
double lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

LimbPose interpolateLimb(const LimbPose& a, const LimbPose& b, double t) {
    return {lerp(a.upperDeg, b.upperDeg, t),
            lerp(a.middleDeg, b.middleDeg, t),
            lerp(a.endDeg, b.endDeg, t),
            lerp(a.upperLength, b.upperLength, t),
            lerp(a.middleLength, b.middleLength, t),
            lerp(a.endLength, b.endLength, t)};
}

Primitive capsule(Vec2 a, Vec2 b, double radiusA, double radiusB, int material, int group, double zBias = 0.0,
                  double light = 1.0) {
    Primitive p;
    p.kind = PRIM_CAPSULE;
    p.a = a;
    p.b = b;
    p.radiusA = radiusA;
    p.radiusB = radiusB;
    p.material = material;
    p.group = group;
    p.zBias = zBias;
    p.lightScale = light;
    return p;
}

double cross(Vec2 o, Vec2 a, Vec2 b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Convex hull of circles, as a polygon: the cloth stretched over a bent leg.
std::vector<Vec2> hullOfCircles(const Vec2* centres, const double* radii, int count) {
    std::vector<Vec2> points;
    const int steps = 24;
    for (int i = 0; i < count; ++i) {
        for (int s = 0; s < steps; ++s) {
            const double a = 2.0 * M_PI * s / steps;
            points.push_back({centres[i].x + radii[i] * std::cos(a), centres[i].y + radii[i] * std::sin(a)});
        }
    }
    std::sort(points.begin(), points.end(),
              [](Vec2 a, Vec2 b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    std::vector<Vec2> hull(points.size() * 2);
    size_t k = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    for (size_t i = points.size() - 1, lower = k + 1; i > 0; --i) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i - 1]) <= 0)
            --k;
        hull[k++] = points[i - 1];
    }
    hull.resize(k > 0 ? k - 1 : 0);
    return hull;
}

struct LegJoints {
    Vec2 knee, ankle, toe;
};

LegJoints legJoints(Vec2 hip, const LimbPose& leg) {
    LegJoints j;
    j.knee = along(hip, leg.upperDeg, kThighLength * leg.upperLength);
    j.ankle = along(j.knee, leg.middleDeg, kShinLength * leg.middleLength);
    j.toe = along(j.ankle, leg.endDeg, kFootLength * leg.endLength);
    return j;
}

void addLeg(Vec2 hip, const LegJoints& j, const LimbPose& leg, Dress dress, int group, double light,
            std::vector<Primitive>& out) {
    const int cloth = dress == DRESS_WOMAN ? MAT_GARMENT : MAT_ROBE;
    const double hemRadius = dress == DRESS_WOMAN ? 7.6 : 7.0;
    // Bare foot, partly under the hem: heel behind the ankle, toes in front.
    const Vec2 heel = along(j.ankle, leg.endDeg, -2.2);
    out.push_back(capsule(heel, j.toe, 2.9, 1.9, MAT_SKIN, group, -3.0, light));
    out.push_back(capsule(hip, j.knee, 8.0, 6.6, cloth, group, 0.0, light));
    out.push_back(capsule(j.knee, j.ankle, 6.4, hemRadius, cloth, group, 0.0, light));
    // The cloth hangs from the seat to the middle of the calf, not to the heel.
    const Vec2 calf{j.knee.x + (j.ankle.x - j.knee.x) * 0.45, j.knee.y + (j.ankle.y - j.knee.y) * 0.45};
    const Vec2 centres[3] = {hip, j.knee, calf};
    const double radii[3] = {7.6, 5.8, 5.8};
    Primitive drape;
    drape.kind = PRIM_POLYGON;
    drape.points = hullOfCircles(centres, radii, 3);
    drape.material = cloth;
    drape.group = group;
    drape.zBias = -1.0;
    drape.flatLight = 0.46;
    drape.lightScale = light;
    out.push_back(drape);
}

void addArm(Vec2 shoulder, const LimbPose& arm, Dress dress, int group, double light,
            std::vector<Primitive>& out, Vec2* wristOut) {
    const int cloth = dress == DRESS_WOMAN ? MAT_GARMENT : MAT_ROBE;
    const Vec2 elbow = along(shoulder, arm.upperDeg, kUpperArmLength * arm.upperLength);
    const Vec2 wrist = along(elbow, arm.middleDeg, kForearmLength * arm.middleLength);
    const Vec2 tip = along(wrist, arm.endDeg, kHandLength * arm.endLength);
    out.push_back(capsule(shoulder, elbow, 4.4, 3.4, cloth, group, 0.0, light));
    out.push_back(capsule(elbow, along(wrist, arm.middleDeg, -0.8), 3.4, 2.9, cloth, group, 0.5, light));
    out.push_back(capsule(wrist, tip, 2.3, 1.9, MAT_SKIN, group, 1.0, light));
    if (wristOut)
        *wristOut = wrist;
}

void shiftAll(std::vector<Primitive>& list, size_t first, Vec2 by) {
    for (size_t i = first; i < list.size(); ++i) {
        Primitive& p = list[i];
        p.a = add(p.a, by);
        p.b = add(p.b, by);
        for (Vec2& v : p.points)
            v = add(v, by);
    }
}

double lowestPoint(const std::vector<Primitive>& list, size_t first) {
    double lowest = -1e9;
    for (size_t i = first; i < list.size(); ++i) {
        const Primitive& p = list[i];
        if (p.kind == PRIM_POLYGON) {
            for (const Vec2& v : p.points)
                lowest = std::max(lowest, v.y);
        } else if (p.kind == PRIM_HEAD) {
            lowest = std::max(lowest, p.a.y + p.radiusA);
        } else {
            lowest = std::max({lowest, p.a.y + p.radiusA, p.b.y + p.radiusB});
        }
    }
    return lowest;
}

// The trunk's joints in the figure's own frame (hip at the origin).
struct Skeleton {
    Vec2 hip, farHip, neck, waist, chest, shoulder, headCentre;
};

Skeleton skeletonOf(const Pose& pose) {
    Skeleton k;
    k.hip = {0, 0};
    k.farHip = add(k.hip, kFarHipOffset);
    k.neck = along(k.hip, pose.torsoDeg, kTorsoLength);
    k.waist = along(k.hip, pose.torsoDeg, kWaistAlongTorso);
    k.chest = along(k.hip, pose.torsoDeg, kChestAlongTorso);
    k.shoulder = along(k.hip, pose.torsoDeg, kShoulderAlongTorso);
    k.headCentre = along(k.neck, pose.headDeg, kHeadCentreFromNeck);
    return k;
}

int clothOf(Dress dress) {
    return dress == DRESS_WOMAN ? MAT_GARMENT : MAT_ROBE;
}

// Hip to shoulders in the garment.
void addTrunk(const Skeleton& k, const Pose& pose, int cloth, std::vector<Primitive>& out) {
    out.push_back(capsule(k.hip, k.waist, 8.6, 7.9, cloth, GROUP_BODY, 1.0));
    out.push_back(capsule(k.waist, k.chest, 7.9, 8.6, cloth, GROUP_BODY, 1.0));
    out.push_back(capsule(k.chest, along(k.neck, pose.torsoDeg, -2.0), 8.6, 5.6, cloth, GROUP_BODY, 1.0));
}

// The index finger of the near hand, pointing forward and a little up from the hand's tip.
void addRaisedIndexFinger(Vec2 wrist, const LimbPose& arm, int group, std::vector<Primitive>& out) {
    const Vec2 tip = along(wrist, arm.endDeg, kHandLength * arm.endLength * 0.7);
    out.push_back(
        capsule(tip, along(tip, kRaisedFingerDeg, kRaisedFingerLength), 1.0, 0.8, MAT_SKIN, group, 2.0));
}

// The nose stands out of the outline in profile and moves inwards as the face turns.
void addNose(Vec2 headCentre, Vec2 up, double turnRad, std::vector<Primitive>& out) {
    const Vec2 faceSide{-up.y, up.x};
    const double reach = kHeadRadius * std::cos(turnRad);
    const double noseLength = 0.7 * std::cos(turnRad) + 0.2;
    const Vec2 root =
        add(headCentre, {faceSide.x * reach * 0.80 - up.x * 0.9, faceSide.y * reach * 0.80 - up.y * 0.9});
    const Vec2 tip = add(headCentre, {faceSide.x * (reach + noseLength) - up.x * 1.5,
                                      faceSide.y * (reach + noseLength) - up.y * 1.5});
    const double noseRadius = 0.75 + 0.35 * std::cos(turnRad);
    out.push_back(capsule(root, tip, noseRadius, noseRadius * 0.75, MAT_SKIN, GROUP_HEAD, 20.0));
}

// Neck, head (cap, hair and beard; or a covering with the face open) and nose; the woman's scarf
// falls over her shoulders, and so does the hood of the shared garment, so that no neck shows.
void addHead(const Skeleton& k, const Pose& pose, Dress dress, std::vector<Primitive>& out) {
    const double turnRad = pose.headTurnDeg * M_PI / 180.0;
    const Vec2 up = direction(pose.headDeg + pose.headTiltDeg);
    const int neckMaterial = dress == DRESS_NEUTRAL ? MAT_ROBE : MAT_SKIN;
    out.push_back(
        capsule(along(k.neck, pose.torsoDeg, -1.5), k.headCentre, 3.0, 3.0, neckMaterial, GROUP_HEAD, -4.0));
    Primitive head;
    head.kind = PRIM_HEAD;
    head.a = k.headCentre;
    head.radiusA = dress == DRESS_MAN ? kHeadRadius : kHeadRadius + kCoveringThickness;
    head.up = up;
    head.turnRad = turnRad;
    head.covered = dress != DRESS_MAN;
    head.coverMaterial = dress == DRESS_WOMAN ? MAT_SCARF : MAT_ROBE;
    head.group = GROUP_HEAD;
    out.push_back(head);
    if (std::sin(turnRad) > -0.3)
        addNose(k.headCentre, up, turnRad, out);
    if (dress != DRESS_MAN) {
        const int cover = dress == DRESS_WOMAN ? MAT_SCARF : MAT_ROBE;
        out.push_back(
            capsule(along(k.headCentre, pose.headDeg, -1.5), k.chest, 6.0, 9.2, cover, GROUP_HEAD, -6.0));
    }
}

}  // namespace

Pose interpolatePose(const Pose& from, const Pose& to, double t) {
    Pose p;
    p.torsoDeg = lerp(from.torsoDeg, to.torsoDeg, t);
    p.headDeg = lerp(from.headDeg, to.headDeg, t);
    p.headTiltDeg = lerp(from.headTiltDeg, to.headTiltDeg, t);
    p.headTurnDeg = lerp(from.headTurnDeg, to.headTurnDeg, t);
    p.nearArm = interpolateLimb(from.nearArm, to.nearArm, t);
    p.farArm = interpolateLimb(from.farArm, to.farArm, t);
    p.nearLeg = interpolateLimb(from.nearLeg, to.nearLeg, t);
    p.farLeg = interpolateLimb(from.farLeg, to.farLeg, t);
    p.indexFingerRaised = lerp(from.indexFingerRaised, to.indexFingerRaised, t);
    return p;
}

Vec2 shoulderOf(const Pose& pose) {
    return skeletonOf(pose).shoulder;
}

LimbPose armThrough(Vec2 shoulder, Vec2 elbow, Vec2 wrist, double endDeg) {
    const double upperX = elbow.x - shoulder.x, upperY = elbow.y - shoulder.y;
    const double foreX = wrist.x - elbow.x, foreY = wrist.y - elbow.y;
    return {std::atan2(upperY, upperX) * 180.0 / M_PI,    std::atan2(foreY, foreX) * 180.0 / M_PI,   endDeg,
            std::hypot(upperX, upperY) / kUpperArmLength, std::hypot(foreX, foreY) / kForearmLength, 1.0};
}

FigureJoints buildFigure(const Pose& pose, Dress dress, std::vector<Primitive>& out) {
    const size_t first = out.size();
    const Skeleton body = skeletonOf(pose);
    const int cloth = clothOf(dress);

    // Legs: the far one a little behind and in shadow.
    const LegJoints farLeg = legJoints(body.farHip, pose.farLeg);
    const LegJoints nearLeg = legJoints(body.hip, pose.nearLeg);
    addLeg(body.farHip, farLeg, pose.farLeg, dress, GROUP_FAR_LEG, kFarSideLight, out);
    addLeg(body.hip, nearLeg, pose.nearLeg, dress, GROUP_BODY, 1.0, out);
    addTrunk(body, pose, cloth, out);

    // Arms: the far arm behind the trunk, slightly forward so it reads as the other arm.
    Vec2 wrist{0, 0};
    addArm(add(body.shoulder, kFarShoulderOffset), pose.farArm, dress, GROUP_FAR_ARM, kFarSideLight, out,
           nullptr);
    addArm(body.shoulder, pose.nearArm, dress, GROUP_NEAR_ARM, 1.0, out, &wrist);
    if (pose.indexFingerRaised > 0.5)
        addRaisedIndexFinger(wrist, pose.nearArm, GROUP_NEAR_ARM, out);
    addHead(body, pose, dress, out);

    // Place the figure on the floor with its near toes at x = 0.
    const double lowest = lowestPoint(out, first);
    const Vec2 shift{-nearLeg.toe.x, -lowest};
    shiftAll(out, first, shift);
    FigureJoints joints;
    joints.hip = add(body.hip, shift);
    joints.neck = add(body.neck, shift);
    joints.headCentre = add(body.headCentre, shift);
    joints.nearWrist = add(wrist, shift);
    joints.nearKnee = add(nearLeg.knee, shift);
    joints.nearToe = add(nearLeg.toe, shift);
    return joints;
}

void addPrayerMat(double fromX, double toX, std::vector<Primitive>& out) {
    Primitive mat;
    mat.kind = PRIM_POLYGON;
    mat.points = {{fromX, 0.0}, {toX, 0.0}, {toX, 3.4}, {fromX, 3.4}};
    mat.material = MAT_MAT;
    mat.group = GROUP_MAT;
    mat.flatLight = 0.62;
    out.push_back(mat);
    Primitive border = mat;
    border.points = {{fromX, 0.0}, {toX, 0.0}, {toX, 0.9}, {fromX, 0.9}};
    border.material = MAT_GOLD;
    border.zBias = 1.0;
    border.flatLight = 0.75;
    out.push_back(border);
    // Fringe at both ends.
    for (int end = 0; end < 2; ++end) {
        const double x = end == 0 ? fromX : toX;
        const double outward = end == 0 ? -1.0 : 1.0;
        for (int k = 0; k < 3; ++k) {
            out.push_back(capsule({x, 0.6 + k * 1.1}, {x + outward * 2.6, 0.8 + k * 1.1}, 0.45, 0.35,
                                  MAT_GOLD, GROUP_MAT, 2.0, 0.8));
        }
    }
}
