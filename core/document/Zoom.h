#pragma once
// Zoom arithmetic of the view: the zoom list's text, the wheel and fitting.
#include <optional>
#include <string>

namespace viramo {

// rnd(scale * 100) followed by "%".
std::string ZoomText(float scale);

struct ZoomEdit {
    bool ignored = false;  // nothing left after removing "%" and blanks: do nothing
    float scale = 1.f;     // the new scale (unchanged when the number was refused)
    std::string text;      // the text the list shows afterwards
    int caret = 0;         // caret position: just before the "%"
};
// A typed or chosen zoom: whole numbers 1..2000 set the scale to n / 100.
ZoomEdit ParseZoomText(const std::string& text, float currentScale);

// Wheel away from the user zooms out (divide by 1.1, not below 0.2); towards
// the user zooms in (multiply by 1.1, not above 20).
float WheelZoom(float scale, bool awayFromUser);

// "Уместить в окне": nothing when the canvas is empty or smaller than the
// client area in both directions; else the fitting scale divided by 1.1.
std::optional<float> FitScale(int canvasWidth, int canvasHeight, int clientWidth, int clientHeight);
// The automatic fit after opening runs when the canvas does not fit with a 20-pixel margin.
bool NeedsAutoFit(int canvasWidth, int canvasHeight, int clientWidth, int clientHeight);

}  // namespace viramo
