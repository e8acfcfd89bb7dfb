#include "core/cards/PageSetup.h"

#include <algorithm>

#include "core/util/Numbers.h"

namespace viramo {

const std::array<const char*, PageSetup::kFormatCount> PageSetup::kFormats = {
    "Вариант пользователя", "Лист A4 (210 x 297 мм)", "Почтовая карточка", "Фото 9 x 13 см ",
    "Фото 10 x 15 см",      "Фото 15 x 21 см",        "Фото 20 x 30 см",   "640 x 480",
    "800 x 600",            "720 x 576 (DV)",         "1024 x 768",        "Квадрат 12 x 12 см",
};

namespace {
struct Page {
    int a, b;  // paper and photo formats: long and short side in mm; screens: pixels
};
constexpr Page kPages[PageSetup::kFormatCount] = {
    {0, 0},     {297, 210}, {594, 420}, {130, 90}, {150, 100}, {210, 150},
    {300, 200}, {640, 480}, {800, 600}, {720, 576}, {1024, 768}, {0, 0},
};
constexpr int clampField(int v) { return std::clamp(v, 1, 32000); }
}  // namespace

PageSetup::PageSetup() { Timer1Timer(); }

int PageSetup::toPixels(int field) const {
    return units_ == Pixels ? field : RndI(field / 25.4 * dpi_);
}

int PageSetup::toField(int pixels) const {
    return clampField(units_ == Pixels ? pixels : RndI(pixels * 25.4 / dpi_));
}

void PageSetup::writeFields() {
    width_ = toField(newWidth_);
    height_ = toField(newHeight_);
}

void PageSetup::Perev() {
    newWidth_ = toPixels(width_);
    newHeight_ = toPixels(height_);
}

void PageSetup::Timer1Timer() {
    Perev();
    if (newWidth_ < newHeight_) portrait_ = true;
    else if (newHeight_ < newWidth_) portrait_ = false;
}

void PageSetup::ShablChange(int format) {
    if (format < 0 || format >= kFormatCount) return;
    format_ = format;
    if (format == kFormatCount - 1) return;  // the square sets no size of its own
    const Page p = kPages[format];
    if (format >= 1 && format <= 6) {
        newWidth_ = RndI(dpi_ * (p.a / 25.4));
        newHeight_ = RndI(dpi_ * (p.b / 25.4));
    } else if (format >= 7) {
        newWidth_ = p.a;
        newHeight_ = p.b;
    }
    if (format <= 6) units_ = Millimetres;
    writeFields();
}

void PageSetup::CEPChange(Units units) {
    units_ = units;
    writeFields();
}

void PageSetup::Edit1Change(int width) { width_ = clampField(width); }
void PageSetup::Edit2Change(int height) { height_ = clampField(height); }

void PageSetup::Edit3Change(int dpi) {
    dpi_ = std::clamp(dpi, 1, 1600);
    Timer1Timer();
}

void PageSetup::turnPage(bool portrait) {
    // Only a page standing the other way is turned: width and height swap.
    if (portrait ? newWidth_ > newHeight_ : newHeight_ > newWidth_) {
        width_ = toField(newHeight_);
        height_ = toField(newWidth_);
    }
    portrait_ = portrait;
}

void PageSetup::BookClick() { turnPage(true); }
void PageSetup::AlbaClick() { turnPage(false); }

long long PageSetup::SizeKilobytes() const {
    return Rnd(static_cast<double>(static_cast<long long>(newWidth_) * newHeight_ * 4) / 1024.0);
}

PageSetup::Shape PageSetup::ViewPage() const {
    const double r = static_cast<double>(width_) / height_;
    if (r >= 0.95) {
        const int h = RndI(257 / r);
        return Shape{360, RndI((305 - h) / 2.0) + 8, 257, h};
    }
    const int w = RndI(r * 270);
    return Shape{RndI((289 - w) / 2.0) + 344, 27, w, 270};
}

}  // namespace viramo
