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
};

enum Dress {
    DRESS_MAN,
    DRESS_WOMAN
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

// Appends the figure's primitives. The figure is placed so that its lowest
// point rests on the floor (y = 0) and the toes of its near foot are at x = 0.
FigureJoints buildFigure(const Pose& pose, Dress dress, std::vector<Primitive>& out);

// The prayer mat under the figure, from x = fromX to x = toX.
void addPrayerMat(double fromX, double toX, std::vector<Primitive>& out);
