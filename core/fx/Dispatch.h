#pragma once
// Effects and filters applied to the document's target by their literal
// names, through one frame: the untouched target goes to PreviewBackup, the
// work is done on an opaque copy, and a layer gets its alpha mask back
// unchanged. Each also records nothing in the undo state: the commands do that.
#include <string>
#include <vector>

#include "core/document/Document.h"
#include "core/fx/Random.h"

namespace viramo {

// The values the effect and filter dialogs hold.
struct EffectSettings {
    int sprayAmount = 1;          // TSprayWin
    int posterizeAmount = 1;      // TPosta
    int waveAmount = 1;           // TWaves
    int waveInterference = 1;
    int waveStyle = 0;            // 0 "Низкая", 1 "Средняя", 2 "Высокая"
    int marbleScale = 10;         // TMarb
    int marbleTurbulence = 210;
    int sharpenAlpha = 2;         // TEffect
    int blurValue = 1;            // TDeFoc
    bool defocus = false;         // "Расфокусировка"
    PlatformColor colour = 7847880;  // AllColor, the sepia tint at first
};

// "spray", "textur", "invert", "mosa", "emboss", "ripple_7", "ripple_12",
// "ripple_24", "wave", "post"; any other name changes nothing (the frame still
// fills PreviewBackup). Sizes derived from the width W use rnd(W / n).
void ApplyNamedEffect(Document& doc, const std::string& name, const EffectSettings& s, Random& random);
// "color" (colour noise 50), "mona" (mono noise 60), "mod" (Colorize with s.colour).
void ApplyNamedFilter(Document& doc, const std::string& name, const EffectSettings& s, Random& random);
// Sharpening with alpha s.sharpenAlpha; throws FilterError (the target unchanged).
void ApplySharpen(Document& doc, const EffectSettings& s);
// One split blur of s.blurValue with defocus, else s.blurValue + 1 split blurs of 3.
void ApplyDefocus(Document& doc, const EffectSettings& s);
void ApplyMonochrome(Document& doc);

// Puts the target back from PreviewBackup when it holds a picture (keeps it).
bool RestorePreview(Document& doc);

// The names the effect table knows, in table order (for tools and tests).
std::vector<std::string> EffectNames();
std::vector<std::string> FilterNames();

// The effect catalogue: nine entries in the order of their file names.
struct CatalogueEntry {
    const char* file;   // "Blur.bmp", ...
    const char* title;  // "Размытие", ...
};
const std::vector<CatalogueEntry>& CatalogueEntries();
// Entry index on a picture; preview true gives the thumbnail's variant (a weaker wave).
void ApplyCatalogueOperation(Bitmap32& bmp, int index, bool preview, Random& random);
// Applies entry index to the document's target, keeping a layer's alpha.
void ApplyCatalogueEntry(Document& doc, int index, Random& random);
// The nine previews of a picture: a thumbnail 100 pixels wide, each entry applied.
std::vector<Bitmap32> CataloguePreviews(const Bitmap32& target, Random& random);

}  // namespace viramo
