#include "raster.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSamplesPerAxis = 3;
constexpr int kSamplesPerPixel = kSamplesPerAxis * kSamplesPerAxis;
constexpr int kMinimumCoveredSamples = 2;
constexpr double kAmbient = 0.30;
constexpr double kDiffuse = 0.70;
constexpr int kEdgeDarkening = 3;  // ramp levels taken off along the edge of a nearer part

// Light from above, in front of the figure and towards the viewer.
struct Light {
    double x, y, z;
};
const Light kLight = [] {
    const double x = 0.50, y = -0.75, z = 0.60;
    const double length = std::sqrt(x * x + y * y + z * z);
    return Light{x / length, y / length, z / length};
}();

double shade(double nx, double ny, double nz) {
    const double lambert = nx * kLight.x + ny * kLight.y + nz * kLight.z;
    return kAmbient + kDiffuse * std::max(0.0, lambert);
}

struct Hit {
    bool found = false;
    int group = -1;
    double z = 0.0;
    int material = 0;
    double light = 0.0;
};

bool capsuleHit(const Primitive& p, double x, double y, Hit& hit) {
    const double abx = p.b.x - p.a.x, aby = p.b.y - p.a.y;
    const double lengthSquared = abx * abx + aby * aby;
    double t = 0.0;
    if (lengthSquared > 1e-12) {
        t = ((x - p.a.x) * abx + (y - p.a.y) * aby) / lengthSquared;
        t = std::clamp(t, 0.0, 1.0);
    }
    const double cx = p.a.x + abx * t, cy = p.a.y + aby * t;
    const double r = p.radiusA + (p.radiusB - p.radiusA) * t;
    const double dx = x - cx, dy = y - cy;
    const double d2 = dx * dx + dy * dy;
    if (r <= 0.0 || d2 >= r * r)
        return false;
    const double nz = std::sqrt(1.0 - d2 / (r * r));
    hit.z = nz * r;
    hit.light = shade(dx / r, dy / r, nz);
    hit.material = p.material;
    return true;
}

bool polygonHit(const Primitive& p, double x, double y, Hit& hit) {
    bool inside = false;
    const size_t n = p.points.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const Vec2& a = p.points[i];
        const Vec2& b = p.points[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    if (!inside)
        return false;
    hit.z = 0.0;
    hit.light = p.flatLight;
    hit.material = p.material;
    return true;
}

// The head is a sphere; its surface is divided into skin, hair, beard and cap
// (or face and scarf) by the direction the face is turned to.
bool headHit(const Primitive& p, double x, double y, Hit& hit) {
    const double radius = p.radiusA;
    const double qx = (x - p.a.x) / radius, qy = (y - p.a.y) / radius;
    const double s = qx * qx + qy * qy;
    if (s >= 1.0)
        return false;
    const double nz = std::sqrt(1.0 - s);
    const double fx = -p.up.y, fy = p.up.x;           // face side in the picture plane
    const double along = qx * fx + qy * fy;           // towards the face side
    const double upward = qx * p.up.x + qy * p.up.y;  // towards the crown
    const double faceX = std::cos(p.turnRad), faceZ = std::sin(p.turnRad);
    const double facing = along * faceX + nz * faceZ;

    double light = shade(qx, qy, nz);
    int material = MAT_SKIN;
    auto towards = [&](double angleRad, double rise) {
        const double h = std::sqrt(std::max(0.0, 1.0 - rise * rise));
        return along * std::cos(angleRad) * h + upward * rise + nz * std::sin(angleRad) * h;
    };
    if (p.covered) {
        const bool face = facing > 0.22 && upward < 0.52 && upward > -0.80;
        if (!face)
            material = p.coverMaterial;
    } else {
        if (upward > 0.42) {
            material = MAT_ROBE;  // prayer cap
        } else if (facing < -0.52 && upward > -0.60 + 0.35 * std::max(0.0, faceZ)) {
            material = MAT_HAIR;
        } else if (facing > -0.10 && facing < 0.90 && upward < -0.52 - 0.25 * facing) {
            material = MAT_HAIR;  // short beard along the jaw
        }
    }
    if (material == MAT_SKIN) {
        const double ear = towards(p.turnRad + M_PI / 2, 0.05);
        if (ear > 0.952)
            light *= ear < 0.964 ? 0.62 : 0.86;  // rim, then the hollow of the ear
        for (int side = -1; side <= 1; side += 2) {
            const double eyeAngle = p.turnRad + side * 0.62;
            if (std::sin(eyeAngle) > -0.05 && towards(eyeAngle, 0.16) > 0.990) {
                material = MAT_HAIR;
                light = 0.15;
            }
        }
        if (material == MAT_SKIN && towards(p.turnRad, -0.40) > 0.988)
            light *= 0.55;  // mouth
    }
    hit.z = nz * radius;
    hit.light = light;
    hit.material = material;
    return true;
}

bool primitiveHit(const Primitive& p, double x, double y, Hit& hit) {
    bool found = false;
    switch (p.kind) {
        case PRIM_CAPSULE: found = capsuleHit(p, x, y, hit); break;
        case PRIM_POLYGON: found = polygonHit(p, x, y, hit); break;
        case PRIM_HEAD: found = headHit(p, x, y, hit); break;
    }
    if (!found)
        return false;
    hit.found = true;
    hit.group = p.group;
    hit.z += p.zBias;
    hit.light *= p.lightScale;
    return true;
}

struct Bounds {
    double minX, minY, maxX, maxY;
};

Bounds primitiveBounds(const Primitive& p) {
    if (p.kind == PRIM_POLYGON) {
        Bounds b{1e9, 1e9, -1e9, -1e9};
        for (const Vec2& v : p.points) {
            b.minX = std::min(b.minX, v.x);
            b.maxX = std::max(b.maxX, v.x);
            b.minY = std::min(b.minY, v.y);
            b.maxY = std::max(b.maxY, v.y);
        }
        return b;
    }
    if (p.kind == PRIM_HEAD) {
        return {p.a.x - p.radiusA, p.a.y - p.radiusA, p.a.x + p.radiusA, p.a.y + p.radiusA};
    }
    const double r = std::max(p.radiusA, p.radiusB);
    return {std::min(p.a.x, p.b.x) - r, std::min(p.a.y, p.b.y) - r, std::max(p.a.x, p.b.x) + r,
            std::max(p.a.y, p.b.y) + r};
}

struct PixelResult {
    bool covered = false;
    int group = -1;
    int material = 0;
    int level = 0;
};

// The nearest primitive under one sample point, world coordinates x, y.
Hit nearestHit(const std::vector<Primitive>& primitives, const std::vector<Bounds>& bounds, double x,
               double y) {
    Hit best;
    for (size_t i = 0; i < primitives.size(); ++i) {
        const Bounds& b = bounds[i];
        if (x < b.minX || x > b.maxX || y < b.minY || y > b.maxY)
            continue;
        const Primitive& p = primitives[i];
        if (best.found && p.group < best.group)
            continue;
        Hit hit;
        if (!primitiveHit(p, x, y, hit))
            continue;
        if (!best.found || hit.group > best.group || (hit.group == best.group && hit.z > best.z))
            best = hit;
    }
    return best;
}

// One pixel from its samples: the material most samples hit, at their mean light scaled by the
// share of the pixel that is covered; uncovered when too few samples hit anything.
PixelResult resolvePixel(const Hit (&samples)[kSamplesPerPixel]) {
    PixelResult out;
    int counts[MAT_COUNT] = {};
    int covered = 0;
    for (const Hit& h : samples) {
        if (h.found) {
            ++counts[h.material];
            ++covered;
        }
    }
    if (covered < kMinimumCoveredSamples)
        return out;
    const int material = int(std::max_element(counts, counts + MAT_COUNT) - counts);
    double lightSum = 0.0;
    int group = -1;
    for (const Hit& h : samples) {
        if (h.found && h.material == material) {
            lightSum += h.light;
            group = std::max(group, h.group);
        }
    }
    const double light = lightSum / counts[material] * covered / kSamplesPerPixel;
    out.covered = true;
    out.group = group;
    out.material = material;
    out.level = std::clamp(int(std::lround(light * (kRampLevels - 1))), 0, kRampLevels - 1);
    return out;
}

// A nearer part gets a dark seam where it overlaps a farther one.
std::vector<PixelResult> withSeams(const std::vector<PixelResult>& result) {
    std::vector<PixelResult> finished = result;
    const int offsets[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (int row = 0; row < kPictureSide; ++row) {
        for (int column = 0; column < kPictureSide; ++column) {
            const PixelResult& here = result[row * kPictureSide + column];
            if (!here.covered)
                continue;
            for (const auto& o : offsets) {
                const int r = row + o[1], c = column + o[0];
                if (r < 0 || c < 0 || r >= kPictureSide || c >= kPictureSide)
                    continue;
                const PixelResult& there = result[r * kPictureSide + c];
                if (there.covered && there.group > here.group) {
                    finished[row * kPictureSide + column].level = std::max(0, here.level - kEdgeDarkening);
                    break;
                }
            }
        }
    }
    return finished;
}

}  // namespace

void renderPicture(const std::vector<Primitive>& primitives, const Camera& camera, uint8_t* pixelsTopDown) {
    std::vector<Bounds> bounds;
    bounds.reserve(primitives.size());
    for (const Primitive& p : primitives)
        bounds.push_back(primitiveBounds(p));

    std::vector<PixelResult> result(kPictureSide * kPictureSide);
    for (int row = 0; row < kPictureSide; ++row) {
        for (int column = 0; column < kPictureSide; ++column) {
            Hit samples[kSamplesPerPixel];
            for (int s = 0; s < kSamplesPerPixel; ++s) {
                const double sx = column + (s % kSamplesPerAxis + 0.5) / kSamplesPerAxis;
                const double sy = row + (s / kSamplesPerAxis + 0.5) / kSamplesPerAxis;
                const double x = (sx - kPictureSide / 2.0) / camera.zoom + camera.centreX;
                const double y = (sy - kPictureSide / 2.0) / camera.zoom + camera.centreY;
                samples[s] = nearestHit(primitives, bounds, x, y);
            }
            result[row * kPictureSide + column] = resolvePixel(samples);
        }
    }
    const std::vector<PixelResult> finished = withSeams(result);
    for (int i = 0; i < kPictureSide * kPictureSide; ++i) {
        pixelsTopDown[i] = finished[i].covered ? rampIndex(finished[i].material, finished[i].level) : 0;
    }
}
