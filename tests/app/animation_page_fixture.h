// Helpers for the animation page tests: a scratch panim.dat with recognisable pixels, the page's
// picture area drawn into a memory bitmap, and ticks sent as timer messages.
#pragma once

#include "animation_win32.h"
#include "app_fixture.h"
#include "page_animation.h"
#include "step_rules.h"

#include <cstdint>
#include <string>

// Pixel of test picture k at row r (from the top) and column c: a value per picture and quadrant.
uint8_t testPixel(int k, int r, int c);
// One record: width, height, then the rows bottom-up, every pixel `value`.
std::string pictureRecord(int32_t width, int32_t height, uint8_t value);
// Record k of the test file: 120 x 120 with testPixel values.
std::string testRecord(int k);

// The bytes of a raw-data resource of this program ("" when missing).
std::string resourceBytes(const char* name);
// The colour of palette index i as RCDATA_PALETTE gives it.
COLORREF paletteColour(int index);
// Strings first .. first + count - 1 (plus offset), each followed by CR LF.
std::string joinedTexts(int first, int count, int offset);
// Everything of the step rules' record except the page's own fields.
void expectSamePosition(const AnimationState& actual, const AnimationState& expected);

// The page's picture area drawn (without advancing) into a 600 x 120 memory bitmap.
class PicturePixels {
public:
    explicit PicturePixels(HWND page);
    ~PicturePixels();
    COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

// Test picture k at buffer column `column`: the four quadrants on screen and in the buffer.
void expectPictureAt(const PicturePixels& picture, int32_t column, int k);

class AnimationPageTest : public MainWindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    void writeTestFrames();    // the 44 test records as panim.dat in the scratch directory
    void openAnimationPage();  // the main window, then tab 3
    void chooseRow(int row);   // as picking a row in the list does; then stops the real timer
    void stopRealTimer();      // the page stays "playing"; only tick() moves it
    void tick(int count);      // timer messages with the page's timer id
};
