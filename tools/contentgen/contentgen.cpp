// Draws the content the program ships: for now the sample photograph, a
// landscape at sunset with mountains, a lake and a meadow.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/codecs/Picture.h"
#include "core/gfx/Bitmap32.h"

using namespace viramo;

namespace {

// Smooth value noise so the hills, water and grass look natural.
double hash(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 0xFFFFFF) / double(0xFFFFFF);
}

double noise(double x, double y, int seed) {
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    const double fx = x - ix, fy = y - iy;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double a = hash(ix, iy, seed), b = hash(ix + 1, iy, seed), c = hash(ix, iy + 1, seed),
                 d = hash(ix + 1, iy + 1, seed);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

double fbm(double x, double y, int seed, int octaves = 5) {
    double sum = 0, amp = 0.5, freq = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * noise(x * freq, y * freq, seed + i);
        amp *= 0.5;
        freq *= 2;
    }
    return sum;
}

struct Rgb {
    double r, g, b;
};
Rgb mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Color32 pack(Rgb c) {
    auto ch = [](double v) { return static_cast<std::uint32_t>(std::clamp(v, 0.0, 255.0) + 0.5); };
    return MakeColor32(ch(c.r), ch(c.g), ch(c.b));
}

Bitmap32 drawSample(int w, int h) {
    Bitmap32 bmp(w, h);
    const double horizon = h * 0.58;
    const double sunX = w * 0.68, sunY = h * 0.40, sunR = h * 0.06;
    for (int y = 0; y < h; ++y) {
        Color32* row = bmp.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const double u = x / double(w), v = y / double(h);
            Rgb c;
            // Sky: deep blue at the top to warm orange at the horizon, with clouds.
            double t = y / horizon;
            c = mix(Rgb{40, 70, 140}, Rgb{250, 170, 110}, std::pow(t, 1.6));
            double cloud = fbm(u * 6, v * 14, 11);
            c = mix(c, Rgb{255, 210, 190}, std::max(0.0, cloud - 0.55) * 2.2 * (1 - t * 0.5));
            double dx = x - sunX, dy = y - sunY, dist = std::sqrt(dx * dx + dy * dy);
            c = mix(c, Rgb{255, 235, 180}, std::exp(-dist / (sunR * 3)) * 0.8);
            if (dist < sunR) c = mix(c, Rgb{255, 250, 225}, 1.0 - dist / sunR * 0.3);
            // Far and near mountain ridges.
            double far = horizon - h * (0.10 + 0.12 * fbm(u * 4, 0.5, 3));
            double near = horizon - h * (0.02 + 0.10 * fbm(u * 7 + 3, 1.5, 7));
            if (y > far) c = mix(Rgb{110, 100, 150}, Rgb{150, 120, 150}, (y - far) / (horizon - far + 1));
            if (y > near) c = mix(Rgb{60, 70, 90}, Rgb{70, 90, 80}, fbm(u * 30, v * 30, 5));
            if (y >= horizon) {
                // Lake reflecting the sky, then the meadow in the foreground.
                double shore = h * (0.78 + 0.05 * fbm(u * 5, 2.5, 9));
                if (y < shore) {
                    double my = horizon - (y - horizon) * 1.8;
                    double ripple = (fbm(u * 80, v * 400, 13) - 0.5) * 0.25;
                    Rgb sky = mix(Rgb{40, 70, 140}, Rgb{250, 170, 110}, std::pow(std::max(0.0, my / horizon), 1.6));
                    double gx = x - sunX, glow = std::exp(-std::abs(gx) / (sunR * 1.5)) * (1 - (y - horizon) / h * 3);
                    c = mix(mix(sky, Rgb{30, 50, 90}, 0.35 + ripple), Rgb{255, 220, 160}, std::max(0.0, glow) * 0.7);
                } else {
                    double grass = fbm(u * 60, v * 20, 21);
                    c = mix(Rgb{40, 90, 30}, Rgb{120, 150, 50}, grass);
                    c = mix(c, Rgb{20, 45, 20}, (y - shore) / (h - shore) * 0.6);
                    if (hash(x / 7, y / 7, 31) > 0.985) c = mix(c, Rgb{240, 220, 80}, 0.8);  // flowers
                }
            }
            // A little sensor grain, as in a real photograph.
            double grain = (hash(x, y, 99) - 0.5) * 6;
            c = Rgb{c.r + grain, c.g + grain, c.b + grain};
            row[x] = pack(c);
        }
    }
    return bmp;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::string(argv[1]) != "sample") {
        std::fprintf(stderr, "usage: contentgen sample OUT.jpg\n");
        return 2;
    }
    try {
        SaveOptions o;
        o.jpegQuality = 90;
        SavePicture(argv[2], drawSample(1600, 1067), o);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "contentgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
