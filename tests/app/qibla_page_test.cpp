// The Qibla on the calculation page: the line follows the coordinate fields as they are typed, and
// the compass is drawn by the program with its needle towards the Kaaba. The bearings and
// distances come from GeographicLib's geodesic solver on a sphere of 6371 km
// (tests/engine/data/qibla-bearings.txt; 45.49 N 15.59 E: 132.429 degrees, 3467.043 km).
#include "app_fixture.h"
#include "qibla_compass.h"

#include <string>

namespace {

class QiblaPageTest : public MainWindowTest {};

TEST_F(QiblaPageTest, TheLineFollowsTheFields) {
    createMainWindow();
    EXPECT_EQ(field(IDC_QIBLA_TEXT), "Qibla 132.4\xB0 (SE), 3,467 km");
    const struct {
        const char* latitude;
        const char* longitude;
        const char* line;
    } places[] = {
        {"40.714167", "-74.006389", "Qibla 58.5\xB0 (NE), 10,306 km"},     // New York
        {"-33.866667", "151.216667", "Qibla 277.5\xB0 (W), 13,237 km"},    // Sydney
        {"61.218056", "-149.900278", "Qibla 350.9\xB0 (N), 10,785 km"},    // Anchorage
        {"21.4225241", "39.8261818", "Qibla: at the Kaaba"},
        {"-21.4225241", "-140.1738182", "Qibla: every direction (antipode of the Kaaba), 20,015 km"},
    };
    for (const auto& p : places) {
        setField(IDC_LATITUDE, p.latitude);
        setField(IDC_LONGITUDE, p.longitude);
        EXPECT_EQ(field(IDC_QIBLA_TEXT), p.line) << p.latitude << " " << p.longitude;
    }
    HWND compass = GetDlgItem(currentPage, IDC_QIBLA_COMPASS);
    ASSERT_NE(compass, nullptr);
    EXPECT_TRUE(IsWindowVisible(compass));
    EXPECT_EQ(GetWindowLongA(compass, GWL_STYLE) & SS_TYPEMASK, SS_OWNERDRAW);
}

TEST_F(QiblaPageTest, TheNightTimesStandUnderTheQibla) {
    createMainWindow();
    const std::string night = field(IDC_NIGHT_TEXT);
    EXPECT_EQ(night.rfind("Today: Imsak ", 0), 0u) << night;
    EXPECT_NE(night.find("Tonight: middle "), std::string::npos) << night;
    EXPECT_NE(night.find(", last third from "), std::string::npos) << night;
}

// The compass drawn into a memory bitmap: needle pixels lie on the line from the centre towards
// the bearing and none on the opposite side; at the Kaaba only the centre dot is drawn.
TEST_F(QiblaPageTest, TheCompassNeedlePointsAlongTheBearing) {
    constexpr int size = 60;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    const RECT rect = {0, 0, size, size};
    const int centre = size / 2;
    const int radius = size / 2 - 2;
    for (const double bearingDeg : {58.48, 132.43, 277.5, 350.88}) {
        drawQiblaCompass(dc, rect, Qibla{qiblaBearing, bearingDeg, 1000.0});
        const POINT along = compassNeedleTip(centre, centre, radius * 2 / 3, bearingDeg);
        const POINT opposite = compassNeedleTip(centre, centre, radius * 2 / 3, bearingDeg + 180.0);
        EXPECT_EQ(GetPixel(dc, along.x, along.y), compassNeedleColour) << bearingDeg;
        EXPECT_NE(GetPixel(dc, opposite.x, opposite.y), compassNeedleColour) << bearingDeg;
    }
    drawQiblaCompass(dc, rect, Qibla{qiblaAtKaaba, 0.0, 0.0});
    const POINT north = compassNeedleTip(centre, centre, radius * 2 / 3, 0.0);
    EXPECT_NE(GetPixel(dc, north.x, north.y + 4), compassNeedleColour);
    EXPECT_EQ(GetPixel(dc, centre, centre), compassNeedleColour);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

}  // namespace
