#pragma once
// Turning, mirroring, free rotation, image size, cropping, the relief contour
// and the button effect: the commands of the "Выделение" and "Изображение"
// menus that change a picture's geometry.
#include <vector>

#include "core/document/Document.h"

namespace viramo {

// Quarter turns: clockwise, (x, y) goes to (H - 1 - y, x); counter-clockwise to (y, W - 1 - x).
Bitmap32 Turned90(const Bitmap32& src, bool clockwise);
// Top-to-bottom: (x, y) from (x, H - 1 - y); left-to-right: from (W - 1 - x, y).
Bitmap32 Mirrored(const Bitmap32& src, bool topToBottom);

// "На 90° вправо/влево": "geom" undo, the bitmap turned, width and height of
// the placement swapped about its top-left corner, the layer reselected.
void TurnLayer(Document& doc, bool clockwise);
// "Отразить": "effect" undo, then the mirrored bitmap.
void MirrorLayer(Document& doc, bool topToBottom);

// What TPovor keeps while it is open: the layer's bitmap and placement.
struct RotationCopy {
    Bitmap32 bitmap;
    FloatRect location;
};
RotationCopy TakeRotationCopy(const Document& doc);
void PutRotationCopy(Document& doc, const RotationCopy& copy);
// Free rotation by whole degrees from the copy: resampled to its shown size,
// turned about its centre into a box of |W cos a| + |H sin a| by
// |W sin a| + |H cos a|, the corners made transparent through the alpha mask
// (whose outer two pixels are cleared); linear or nearest sampling.
void FreeRotate(Document& doc, const RotationCopy& copy, int degrees, bool linear);

// The fields of the image-size dialog, kept consistent as its handlers do.
class ImageSizeFields {
public:
    void FormActivate(int canvasWidth, int canvasHeight);
    void Edit1Change(int width, bool keepProportions);
    void Edit2Change(int height, bool keepProportions);
    void Edit3Change(int kilobytes);
    int width() const { return width_; }
    int height() const { return height_; }
    int kilobytes() const { return kilobytes_; }

private:
    void refreshSize();
    int canvasWidth_ = 0, canvasHeight_ = 0;
    double ratio_ = 0;
    int width_ = 1, height_ = 1, kilobytes_ = 1;
};

// "Размер изображения": "size" undo; the canvas resampled (0 nearest, 1 linear,
// 2 spline) and every placement scaled and rounded. An unchanged size records
// the undo and changes nothing else.
void ImageSize(Document& doc, int width, int height, int method);

// The crop frame's proportions list: bottom = top + rnd(|width| / ratio).
void ApplyCropProportions(Document& doc, int entry, bool portrait);
// "ОК" of the crop panel: "crop" undo; the canvas cut to the frame (clamped),
// layers moved to stay on the same part of the picture and clipped to it.
void CanvasCrop(Document& doc);
// TCropLa's OK: "geom" undo; the selected layer's bitmap cut to the region (in
// bitmap pixels, clamped), shown at the same scale from the same top-left.
void LayerCrop(Document& doc, const FloatRect& region);

// The rings of the relief contour and the button effect: one contrast each, outermost first.
std::vector<int> ReliefContrasts(int width, int thicknessPercent);
std::vector<int> ButtonContrasts(int width, int widthPercent, int depth, bool ridge);
// "Глубина подъёма" at opening: rnd(4800 / W) limited to 1..16.
int ButtonDepthFor(int width);
// TRaiser on a layer bitmap: optionally widened by a solid border (borderColour,
// extra width granPercent of the thickness), then the raised rings.
void Relief(Bitmap32& bmp, int thicknessPercent, bool outerBorder, Color32 borderColour, int granPercent);
void ButtonEffect(Bitmap32& bmp, int widthPercent, int depth, bool ridge);

}  // namespace viramo
