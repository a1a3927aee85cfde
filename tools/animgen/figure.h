// The praying figure as a jointed skeleton with fixed bone lengths, dressed
// and turned into primitives for the rasteriser.
#pragma once

#include <vector>

#include "raster.h"

// Three bones of a limb (upper arm, forearm, hand / thigh, shin, foot).
// Directions are in degrees in the picture: 0 points forward (the way the
// figure faces, +x), 90 down, -90 up, 180 backward. A length factor below 1
// shortens a bone that points towards or away from the viewer.
struct LimbPose {
    double upperDeg;
    double middleDeg;
    double endDeg;
    double upperLength;
    double middleLength;
    double endLength;
};

struct Pose {
    double torsoDeg;     // hip to neck
    double headDeg;      // neck to the centre of the head
    double headTiltDeg;  // crown direction relative to headDeg (negative: chin towards the chest)
    double headTurnDeg;  // 0 profile, +90 face to the viewer, -90 face away
    LimbPose nearArm;
    LimbPose farArm;
    LimbPose nearLeg;
    LimbPose farLeg;
    // 1: the index finger of the near hand points forward and up (the testimony in a sitting).
    double indexFingerRaised;
};

// The man's robe, cap and beard; the woman's garment and scarf; and, for the close-ups that
// both the MAN and the WOMAN slot show, a white prayer garment that covers the head and leaves
// the face open, fit for either.
enum Dress {
    DRESS_MAN,
    DRESS_WOMAN,
    DRESS_NEUTRAL
};

// Positions of a few joints after the figure has been placed on the floor.
struct FigureJoints {
    Vec2 hip;
    Vec2 neck;
    Vec2 headCentre;
    Vec2 nearWrist;
    Vec2 nearKnee;
    Vec2 nearToe;
};

Pose interpolatePose(const Pose& from, const Pose& to, double t);

// The near shoulder of a pose in the figure's own frame (hip at the origin, before the figure is
// placed on the floor).
Vec2 shoulderOf(const Pose& pose);

// An arm that runs from the shoulder through `elbow` to `wrist` (points in the figure's own
// frame), its hand pointing at endDeg: the directions, and length factors that foreshorten the
// upper arm and the forearm to reach those points.
LimbPose armThrough(Vec2 shoulder, Vec2 elbow, Vec2 wrist, double endDeg);

// Appends the figure's primitives. The figure is placed so that its lowest
// point rests on the floor (y = 0) and the toes of its near foot are at x = 0.
FigureJoints buildFigure(const Pose& pose, Dress dress, std::vector<Primitive>& out);

// The prayer mat under the figure, from x = fromX to x = toX.
void addPrayerMat(double fromX, double toX, std::vector<Primitive>& out);
