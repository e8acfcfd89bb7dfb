#include "core/document/CropRatios.h"

namespace viramo {

std::optional<double> CropRatio(int entry, bool portrait) {
    switch (entry) {
        case 1: return 1.0;
        case 2: return portrait ? 0.6180469715698393 : 1.618;
        case 3: return portrait ? 0.562429696287964 : 1.778;
        case 4: return portrait ? 0.6666666666666666 : 1.5;
        case 5: return portrait ? 0.7142857142857143 : 1.4;
        default: return std::nullopt;
    }
}

}  // namespace viramo
