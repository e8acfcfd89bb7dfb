#pragma once
// The arithmetic of the new-project page: formats, units, resolution,
// orientation, the memory size and the proportions picture. Each handler of
// the page dialog is one method here; the dialog only mirrors the fields.
#include <array>

namespace viramo {

class PageSetup {
public:
    enum Units { Pixels = 0, Millimetres = 1 };
    static constexpr int kFormatCount = 12;
    static const std::array<const char*, kFormatCount> kFormats;

    PageSetup();  // 800 x 600 pixels at 72 dpi, then the recomputation, so landscape

    // Fields as the dialog shows them.
    int widthField() const { return width_; }
    int heightField() const { return height_; }
    Units units() const { return units_; }
    int dpi() const { return dpi_; }
    bool portrait() const { return portrait_; }
    int format() const { return format_; }
    // The page in pixels (NewPageWidth, NewPageHeight).
    int newPageWidth() const { return newWidth_; }
    int newPageHeight() const { return newHeight_; }

    void ShablChange(int format);
    void CEPChange(Units units);
    void Edit1Change(int width);   // the width field; the dialog then starts its 50 ms timer
    void Edit2Change(int height);  // the height field; likewise
    void Edit3Change(int dpi);     // the resolution: recomputes at once
    void BookClick();
    void AlbaClick();
    void Timer1Timer();            // recompute, then follow the orientation
    void Perev();

    // rnd(width x height x 4 / 1024) of the page in pixels.
    long long SizeKilobytes() const;
    struct Shape {
        int left, top, width, height;
    };
    // The page shape inside the grey box (289 x 305 at 344, 8).
    Shape ViewPage() const;

private:
    int toPixels(int field) const;
    int toField(int pixels) const;
    void writeFields();
    void turnPage(bool portrait);

    int width_ = 800, height_ = 600;
    Units units_ = Pixels;
    int dpi_ = 72;
    bool portrait_ = true;
    int format_ = 0;
    int newWidth_ = 800, newHeight_ = 600;
};

}  // namespace viramo
