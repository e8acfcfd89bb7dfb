#include "core/codecs/Quantize.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace viramo {

namespace {

constexpr int kBits = 5;
constexpr int kSide = 1 << kBits;
constexpr int kBins = kSide * kSide * kSide;

inline int binOf(Color32 c) {
    return ((RedOf(c) >> (8 - kBits)) << (2 * kBits)) | ((GreenOf(c) >> (8 - kBits)) << kBits) |
           (BlueOf(c) >> (8 - kBits));
}

struct Bin {
    std::uint64_t count = 0, r = 0, g = 0, b = 0;
};

struct Box {
    int lo[3], hi[3];  // inclusive bin coordinates
    std::uint64_t count = 0;
};

void shrink(Box& box, const std::vector<Bin>& bins) {
    int lo[3] = {kSide, kSide, kSide}, hi[3] = {-1, -1, -1};
    std::uint64_t count = 0;
    for (int r = box.lo[0]; r <= box.hi[0]; ++r)
        for (int g = box.lo[1]; g <= box.hi[1]; ++g)
            for (int b = box.lo[2]; b <= box.hi[2]; ++b) {
                const Bin& bin = bins[static_cast<size_t>((r << (2 * kBits)) | (g << kBits) | b)];
                if (!bin.count) continue;
                count += bin.count;
                const int v[3] = {r, g, b};
                for (int k = 0; k < 3; ++k) {
                    lo[k] = std::min(lo[k], v[k]);
                    hi[k] = std::max(hi[k], v[k]);
                }
            }
    box.count = count;
    if (count)
        for (int k = 0; k < 3; ++k) {
            box.lo[k] = lo[k];
            box.hi[k] = hi[k];
        }
}

IndexedPicture exactPalette(const Bitmap32& bmp, int maxColors) {
    IndexedPicture out;
    out.width = bmp.width();
    out.height = bmp.height();
    std::unordered_map<Color32, std::uint8_t> index;
    out.indices.resize(bmp.pixelCount());
    Color32 last = 0;
    std::uint8_t lastIndex = 0;
    for (size_t i = 0; i < bmp.pixelCount(); ++i) {
        const Color32 c = bmp.bits()[i] | 0xFF000000u;
        if (c == last) {  // runs of one colour are the common case
            out.indices[i] = lastIndex;
            continue;
        }
        auto it = index.find(c);
        if (it == index.end()) {
            if (static_cast<int>(index.size()) >= maxColors) return {};
            it = index.emplace(c, static_cast<std::uint8_t>(index.size())).first;
            out.palette.push_back(c);
        }
        out.indices[i] = it->second;
        last = c;
        lastIndex = it->second;
    }
    return out;
}

}  // namespace

std::size_t CountColors(const Bitmap32& bmp) {
    std::vector<std::uint64_t> seen((std::size_t{1} << 24) / 64, 0);
    std::size_t n = 0;
    for (size_t i = 0; i < bmp.pixelCount(); ++i) {
        const std::uint32_t c = bmp.bits()[i] & 0xFFFFFFu;
        std::uint64_t& word = seen[c >> 6];
        const std::uint64_t bit = std::uint64_t{1} << (c & 63);
        if (!(word & bit)) {
            word |= bit;
            ++n;
        }
    }
    return n;
}

IndexedPicture QuantizeMedianCut(const Bitmap32& bmp, int maxColors) {
    maxColors = std::clamp(maxColors, 2, 256);
    // Few colours (drawings, cards): keep them exactly.
    if (bmp.pixelCount() > 0) {
        IndexedPicture exact = exactPalette(bmp, maxColors);
        if (!exact.palette.empty()) return exact;
    }
    std::vector<Bin> bins(kBins);
    for (size_t i = 0; i < bmp.pixelCount(); ++i) {
        const Color32 c = bmp.bits()[i];
        Bin& b = bins[static_cast<size_t>(binOf(c))];
        ++b.count;
        b.r += RedOf(c);
        b.g += GreenOf(c);
        b.b += BlueOf(c);
    }
    std::vector<Box> boxes;
    Box all{{0, 0, 0}, {kSide - 1, kSide - 1, kSide - 1}, 0};
    shrink(all, bins);
    boxes.push_back(all);
    while (static_cast<int>(boxes.size()) < maxColors) {
        // Split the box with the most pixels times its longest side.
        int best = -1;
        std::uint64_t bestScore = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            const Box& b = boxes[i];
            int longest = std::max({b.hi[0] - b.lo[0], b.hi[1] - b.lo[1], b.hi[2] - b.lo[2]});
            if (longest <= 0) continue;
            std::uint64_t score = b.count * static_cast<std::uint64_t>(longest);
            if (score > bestScore) {
                bestScore = score;
                best = static_cast<int>(i);
            }
        }
        if (best < 0) break;
        Box box = boxes[static_cast<size_t>(best)];
        int axis = 0;
        for (int k = 1; k < 3; ++k)
            if (box.hi[k] - box.lo[k] > box.hi[axis] - box.lo[axis]) axis = k;
        // Median along the axis.
        std::vector<std::uint64_t> slab(static_cast<size_t>(kSide), 0);
        for (int r = box.lo[0]; r <= box.hi[0]; ++r)
            for (int g = box.lo[1]; g <= box.hi[1]; ++g)
                for (int b = box.lo[2]; b <= box.hi[2]; ++b) {
                    const int v[3] = {r, g, b};
                    slab[static_cast<size_t>(v[axis])] +=
                        bins[static_cast<size_t>((r << (2 * kBits)) | (g << kBits) | b)].count;
                }
        std::uint64_t half = box.count / 2, acc = 0;
        int cut = box.lo[axis];
        for (int v = box.lo[axis]; v < box.hi[axis]; ++v) {
            acc += slab[static_cast<size_t>(v)];
            cut = v;
            if (acc >= half) break;
        }
        Box a = box, b = box;
        a.hi[axis] = cut;
        b.lo[axis] = cut + 1;
        shrink(a, bins);
        shrink(b, bins);
        boxes[static_cast<size_t>(best)] = a;
        if (b.count) boxes.push_back(b);
    }
    IndexedPicture out;
    out.width = bmp.width();
    out.height = bmp.height();
    for (const Box& box : boxes) {
        std::uint64_t n = 0, r = 0, g = 0, bl = 0;
        for (int x = box.lo[0]; x <= box.hi[0]; ++x)
            for (int y = box.lo[1]; y <= box.hi[1]; ++y)
                for (int z = box.lo[2]; z <= box.hi[2]; ++z) {
                    const Bin& bin = bins[static_cast<size_t>((x << (2 * kBits)) | (y << kBits) | z)];
                    n += bin.count;
                    r += bin.r;
                    g += bin.g;
                    bl += bin.b;
                }
        if (!n) n = 1;
        out.palette.push_back(MakeColor32(static_cast<std::uint32_t>((r + n / 2) / n),
                                          static_cast<std::uint32_t>((g + n / 2) / n),
                                          static_cast<std::uint32_t>((bl + n / 2) / n)));
    }
    if (out.palette.size() < 2) out.palette.push_back(out.palette.empty() ? 0xFF000000u : 0xFFFFFFFFu);
    // Nearest palette entry for every bin, then a table look-up per pixel.
    std::vector<std::uint8_t> lut(kBins);
    for (int i = 0; i < kBins; ++i) {
        const int r = ((i >> (2 * kBits)) << (8 - kBits)) + 4, g = (((i >> kBits) & (kSide - 1)) << (8 - kBits)) + 4,
                  b = ((i & (kSide - 1)) << (8 - kBits)) + 4;
        int best = 0, bestD = 1 << 30;
        for (size_t p = 0; p < out.palette.size(); ++p) {
            const int dr = r - RedOf(out.palette[p]), dg = g - GreenOf(out.palette[p]), db = b - BlueOf(out.palette[p]);
            const int d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
            if (d < bestD) {
                bestD = d;
                best = static_cast<int>(p);
            }
        }
        lut[static_cast<size_t>(i)] = static_cast<std::uint8_t>(best);
    }
    out.indices.resize(bmp.pixelCount());
    for (size_t i = 0; i < bmp.pixelCount(); ++i) out.indices[i] = lut[static_cast<size_t>(binOf(bmp.bits()[i]))];
    return out;
}

IndexedPicture QuantizeBlackWhite(const Bitmap32& bmp) {
    IndexedPicture out;
    out.width = bmp.width();
    out.height = bmp.height();
    out.palette = {0xFF000000u, 0xFFFFFFFFu};
    out.indices.resize(bmp.pixelCount());
    for (size_t i = 0; i < bmp.pixelCount(); ++i) out.indices[i] = Intensity(bmp.bits()[i]) >= 128 ? 1 : 0;
    return out;
}

}  // namespace viramo
