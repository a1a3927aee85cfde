// Rasteriser for the prayer figure: shaded capsules, flat polygons and a
// shaded head, composed in depth groups and written as 8-bit palette indices.
#pragma once

#include <cstdint>
#include <vector>

#include "palette.h"

struct Vec2 {
    double x;
    double y;
};

enum PrimitiveKind {
    PRIM_CAPSULE,
    PRIM_POLYGON,
    PRIM_HEAD
};

// One drawable part. Coordinates are world units (one unit is one pixel at
// zoom 1), y grows downwards, the floor is y = 0.
struct Primitive {
    PrimitiveKind kind = PRIM_CAPSULE;
    int group = 0;       // painter's order: a higher group always covers a lower one
    double zBias = 0.0;  // within a group the nearer surface (z + bias) wins
    int material = MAT_ROBE;
    double lightScale = 1.0;  // below 1 for the far-side limbs
    // capsule: axis a..b, radius varying linearly from radiusA to radiusB
    Vec2 a{0, 0};
    Vec2 b{0, 0};
    double radiusA = 1.0;
    double radiusB = 1.0;
    // polygon (convex or not, even-odd rule), drawn flat with flatLight
    std::vector<Vec2> points;
    double flatLight = 0.7;
    // head: centre a, radius radiusA, crown direction up, face turned by turnRad
    // (0 = profile facing +x, +pi/2 = facing the viewer, -pi/2 = facing away)
    Vec2 up{0, -1};
    double turnRad = 0.0;
    bool covered = false;           // a covering instead of cap, hair and beard
    int coverMaterial = MAT_SCARF;  // material of that covering
};

// Maps output pixels to world coordinates: the pixel centre (60, 60) of a
// 120 x 120 picture shows world point (centreX, centreY).
struct Camera {
    double centreX;
    double centreY;
    double zoom;
};

constexpr int kPictureSide = 120;

// Renders the primitives into kPictureSide * kPictureSide palette indices,
// top row first. Index 0 is the black background.
void renderPicture(const std::vector<Primitive>& primitives, const Camera& camera, uint8_t* pixelsTopDown);
