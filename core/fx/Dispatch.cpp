#include "core/fx/Dispatch.h"

#include <array>
#include <functional>

#include "core/fx/Effects.h"
#include "core/fx/Filters.h"
#include "core/gfx/Resample.h"
#include "core/util/Numbers.h"

namespace viramo {

namespace {

// Runs op on an opaque copy of the target and writes it back keeping a layer's
// alpha mask; the untouched target goes to PreviewBackup first.
void effectFrame(Document& doc, const std::function<void(Bitmap32& work, Bitmap32& result, bool& useResult)>& op) {
    Bitmap32& target = doc.target();
    Layer* layer = doc.bitmapSelected() ? doc.selection() : nullptr;
    if (layer) {
        doc.effectScratch = Bitmap32(target.width(), target.height());
        const Color32* s = target.bits();
        Color32* m = doc.effectScratch.bits();
        for (size_t i = 0; i < target.pixelCount(); ++i) {
            const std::uint32_t a = s[i] >> 24;
            m[i] = 0xFF000000u | (a << 16) | (a << 8) | a;
        }
    }
    doc.previewBackup = target;
    Bitmap32 work = target;
    work.setAllAlpha(255);
    Bitmap32 result;
    bool useResult = false;
    op(work, result, useResult);
    Bitmap32& out = useResult ? result : work;
    out.setAllAlpha(255);
    if (layer) {
        const Color32* m = doc.effectScratch.bits();
        Color32* p = out.bits();
        for (size_t i = 0; i < out.pixelCount(); ++i) p[i] = (p[i] & 0x00FFFFFFu) | ((m[i] & 0xFFu) << 24);
    }
    // The target keeps its drawing attributes; only the pixels change.
    out.copyAttributesFrom(target);
    target = std::move(out);
    if (layer) doc.layerPixelsChanged(*layer);
    else doc.canvasPixelsChanged();
    doc.notify(layer ? kLayersChanged : kCanvasChanged);
}

using EffectFn = void (*)(Bitmap32& work, Bitmap32& result, bool& useResult, const EffectSettings& s, Random& r);

struct NamedEffect {
    const char* name;
    EffectFn fn;
};

int fromWidth(const Bitmap32& b, int n) { return RndI(static_cast<double>(b.width()) / n); }

// The one table of effects, in the order their names are compared.
const std::array<NamedEffect, 10> kEffects{{
    {"spray", [](Bitmap32& w, Bitmap32&, bool&, const EffectSettings& s, Random& r) { Spray(w, s.sprayAmount, r); }},
    {"textur", [](Bitmap32& w, Bitmap32& out, bool& use, const EffectSettings& s, Random&) {
         Marble(w, out, s.marbleScale, s.marbleTurbulence);
         use = true;
     }},
    {"invert", [](Bitmap32& w, Bitmap32&, bool&, const EffectSettings&, Random&) { Invert(w); }},
    {"mosa", [](Bitmap32& w, Bitmap32&, bool&, const EffectSettings&, Random&) { Mosaic(w, fromWidth(w, 100)); }},
    {"emboss", [](Bitmap32& w, Bitmap32&, bool&, const EffectSettings&, Random&) { Emboss(w); }},
    {"ripple_7", [](Bitmap32& w, Bitmap32&, bool&, const EffectSettings&, Random&) { Ripple(w, fromWidth(w, 7)); }},
    {"ripple_12", [](Bitmap32& w, Bitmap32&, bool&, const EffectSettings&, Random&) { Ripple(w, fromWidth(w, 12)); }},
    {"ripple_24", [](Bitmap32& w, Bitmap32&, bool&, const EffectSettings&, Random&) { Ripple(w, fromWidth(w, 24)); }},
    {"wave", [](Bitmap32& w, Bitmap32&, bool&, const EffectSettings& s, Random&) {
         Wave(w, s.waveAmount, s.waveInterference, s.waveStyle);
     }},
    {"post", [](Bitmap32& w, Bitmap32& out, bool& use, const EffectSettings& s, Random&) {
         Posterize(w, out, s.posterizeAmount);
         use = true;
     }},
}};

const std::array<NamedEffect, 3> kFilters{{
    {"color", [](Bitmap32& w, Bitmap32&, bool&, const EffectSettings&, Random& r) { ColorNoise(w, 50, r); }},
    {"mona", [](Bitmap32& w, Bitmap32&, bool&, const EffectSettings&, Random& r) { MonoNoise(w, 60, r); }},
    {"mod", [](Bitmap32& w, Bitmap32&, bool&, const EffectSettings& s, Random&) { Colorize(w, s.colour); }},
}};

template <size_t N>
void applyFromTable(Document& doc, const std::array<NamedEffect, N>& table, const std::string& name,
                    const EffectSettings& s, Random& random) {
    EffectFn fn = nullptr;
    for (const auto& e : table)
        if (name == e.name) fn = e.fn;
    effectFrame(doc, [&](Bitmap32& work, Bitmap32& result, bool& use) {
        if (fn) fn(work, result, use, s, random);
    });
}

}  // namespace

void ApplyNamedEffect(Document& doc, const std::string& name, const EffectSettings& s, Random& random) {
    applyFromTable(doc, kEffects, name, s, random);
}

void ApplyNamedFilter(Document& doc, const std::string& name, const EffectSettings& s, Random& random) {
    applyFromTable(doc, kFilters, name, s, random);
}

void ApplySharpen(Document& doc, const EffectSettings& s) {
    // Refused before anything changes, so the target stays as it was.
    const Bitmap32& t = doc.target();
    if (t.width() < 3 || t.height() <= 2) throw FilterError("Bitmap must be at least 3x3");
    const float alpha = static_cast<float>(s.sharpenAlpha);
    if (!(alpha > 1.f && alpha < 6.f)) throw FilterError("Alpha must be >1 and <6");
    effectFrame(doc, [&](Bitmap32& work, Bitmap32& result, bool& use) {
        SharpenBitmap(work, result, alpha);
        use = true;
    });
}

void ApplyDefocus(Document& doc, const EffectSettings& s) {
    effectFrame(doc, [&](Bitmap32& work, Bitmap32&, bool&) {
        if (s.defocus) {
            SplitBlur(work, s.blurValue);
        } else {
            for (int i = 0; i <= s.blurValue; ++i) SplitBlur(work, 3);
        }
    });
}

void ApplyMonochrome(Document& doc) {
    effectFrame(doc, [](Bitmap32& work, Bitmap32&, bool&) { GrayScale(work); });
}

bool RestorePreview(Document& doc) {
    if (doc.previewBackup.empty()) return false;
    Bitmap32& target = doc.target();
    target = doc.previewBackup;
    if (doc.bitmapSelected()) doc.layerPixelsChanged(*doc.selection());
    else doc.canvasPixelsChanged();
    doc.notify(doc.bitmapSelected() ? kLayersChanged : kCanvasChanged);
    return true;
}

std::vector<std::string> EffectNames() {
    std::vector<std::string> n;
    for (const auto& e : kEffects) n.push_back(e.name);
    return n;
}

std::vector<std::string> FilterNames() {
    std::vector<std::string> n;
    for (const auto& e : kFilters) n.push_back(e.name);
    return n;
}

const std::vector<CatalogueEntry>& CatalogueEntries() {
    static const std::vector<CatalogueEntry> entries = {
        {"Blur.bmp", "Размытие"},      {"Color Noise.bmp", "Цветной шум"}, {"Contrast.bmp", "Контраст"},
        {"GrayScale.bmp", "Оттенки серого"}, {"Invert.bmp", "Негатив"},   {"Mono Noise.bmp", "Чёрный шум"},
        {"Mosaic.bmp", "Мозаика"},     {"Spray.bmp", "Разбрызгивание"},   {"Wave.bmp", "Волна"},
    };
    return entries;
}

void ApplyCatalogueOperation(Bitmap32& bmp, int index, bool preview, Random& random) {
    switch (index) {
        case 0: SplitBlur(bmp, 1); break;
        case 1: ColorNoise(bmp, 70, random); break;
        case 2: StretchContrast(bmp, 90); break;
        case 3: GrayScale(bmp); break;
        case 4: Invert(bmp); break;
        case 5: MonoNoise(bmp, 70, random); break;
        case 6: Mosaic(bmp, 5); break;
        case 7: Spray(bmp, 7, random); break;
        case 8: Wave(bmp, preview ? 7 : 27, 20, 1); break;
        default: break;
    }
}

void ApplyCatalogueEntry(Document& doc, int index, Random& random) {
    if (index < 0 || index >= static_cast<int>(CatalogueEntries().size())) return;
    Bitmap32& target = doc.target();
    // Every entry works on colours only, so a layer's alpha stays as it is.
    ApplyCatalogueOperation(target, index, false, random);
    if (doc.bitmapSelected()) doc.layerPixelsChanged(*doc.selection());
    else doc.canvasPixelsChanged();
    doc.notify(doc.bitmapSelected() ? kLayersChanged : kCanvasChanged);
}

std::vector<Bitmap32> CataloguePreviews(const Bitmap32& target, Random& random) {
    std::vector<Bitmap32> previews;
    if (target.empty()) return previews;
    const int h = std::max(1, RndI(100.0 * target.height() / target.width()));
    const Bitmap32 thumb = Resampled(target, 100, h, StretchFilter::Linear);
    for (int i = 0; i < static_cast<int>(CatalogueEntries().size()); ++i) {
        Bitmap32 p = thumb;
        p.setAllAlpha(255);
        ApplyCatalogueOperation(p, i, true, random);
        previews.push_back(std::move(p));
    }
    return previews;
}

}  // namespace viramo
