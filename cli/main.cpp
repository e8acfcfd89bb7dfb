// fotoviramo-cli: batch work over the editor's core.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "core/codecs/Picture.h"
#include "core/document/Files.h"
#include "core/document/ProjectFile.h"
#include "core/fx/Dispatch.h"
#include "core/fx/Filters.h"
#include "core/util/Errors.h"

using namespace viramo;

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage:\n"
                 "  fotoviramo-cli convert IN OUT [--quality N] [--gif-bits 1|4|8|24]\n"
                 "      IN and OUT are pictures or projects (.zrt); a picture written as a\n"
                 "      project becomes its canvas, a project written as a picture is flattened\n"
                 "  fotoviramo-cli render PROJECT.zrt OUT [--quality N] [--gif-bits 1|4|8|24]\n"
                 "      the flattened composition in any picture format\n"
                 "  fotoviramo-cli effect NAME [--amount N] [--interference N] [--style 0|1|2]\n"
                 "                 [--scale N] [--turbulence N] [--seed N] IN OUT\n"
                 "      NAME: spray, textur, invert, mosa, emboss, ripple_7, ripple_12, ripple_24,\n"
                 "      wave, post\n"
                 "  fotoviramo-cli filter NAME [--amount N] [--colour N] [--defocus] [--seed N] IN OUT\n"
                 "      NAME: color, mona, mod (colorize), sepia, mono, sharpen (--amount 2..5),\n"
                 "      blur (--amount 1..100), brighten, contrast (--amount -200..200)\n"
                 "  fotoviramo-cli info FILE\n"
                 "      size of a picture; canvas and layers of a project\n");
    return 2;
}

int parseInt(const std::string& text, const char* option) {
    size_t used = 0;
    int v = 0;
    try {
        v = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || text.empty()) throw std::invalid_argument(std::string(option) + " needs a whole number");
    return v;
}

struct Job {
    std::vector<std::string> files;
    SaveOptions options;
};

Job parseJob(const std::vector<std::string>& args) {
    Job job;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--quality" || a == "--gif-bits") {
            if (i + 1 >= args.size()) throw std::invalid_argument(a + " needs a value");
            int v = parseInt(args[++i], a.c_str());
            if (a == "--quality") {
                if (v < 1 || v > 100) throw std::invalid_argument("--quality must lie between 1 and 100");
                job.options.jpegQuality = v;
            } else {
                if (v != 1 && v != 4 && v != 8 && v != 24) throw std::invalid_argument("--gif-bits must be 1, 4, 8 or 24");
                job.options.gifBits = v;
            }
        } else if (a.rfind("--", 0) == 0) {
            throw std::invalid_argument("unknown option " + a);
        } else {
            job.files.push_back(a);
        }
    }
    return job;
}

int convert(const std::vector<std::string>& args) {
    const Job job = parseJob(args);
    if (job.files.size() != 2) return usage();
    const std::string& in = job.files[0];
    const std::string& out = job.files[1];
    if (IsProjectPath(out)) {
        Document doc;
        ApplyOpenedFile(doc, ReadDocumentFile(in));
        SaveProject(doc, out);
        return 0;
    }
    SavePicture(out, ReadFlattened(in), job.options);
    return 0;
}

int render(const std::vector<std::string>& args) {
    const Job job = parseJob(args);
    if (job.files.size() != 2) return usage();
    if (!IsProjectPath(job.files[0])) throw std::invalid_argument("render takes a project (.zrt); use convert for pictures");
    if (IsProjectPath(job.files[1])) throw std::invalid_argument("render writes a picture; use convert to copy a project");
    SavePicture(job.files[1], ReadFlattened(job.files[0]), job.options);
    return 0;
}

// effect and filter: the same table of names the editor's menu uses, on the
// whole picture (a project is flattened first).
int effectOrFilter(const std::vector<std::string>& args, bool effect) {
    if (args.empty()) return usage();
    const std::string name = args[0];
    EffectSettings s;
    std::uint64_t seed = 1;
    bool amountGiven = false;
    int amount = 0;
    std::vector<std::string> files;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() {
            if (i + 1 >= args.size()) throw std::invalid_argument(a + " needs a value");
            return parseInt(args[++i], a.c_str());
        };
        if (a == "--amount") {
            amount = value();
            amountGiven = true;
        } else if (a == "--interference") s.waveInterference = value();
        else if (a == "--style") s.waveStyle = value();
        else if (a == "--scale") s.marbleScale = value();
        else if (a == "--turbulence") s.marbleTurbulence = value();
        else if (a == "--colour") s.colour = value();
        else if (a == "--seed") seed = static_cast<std::uint64_t>(value());
        else if (a == "--defocus") s.defocus = true;
        else if (a.rfind("--", 0) == 0) throw std::invalid_argument("unknown option " + a);
        else files.push_back(a);
    }
    if (files.size() != 2) return usage();
    if (amountGiven) {
        s.sprayAmount = s.posterizeAmount = s.waveAmount = s.blurValue = amount;
        s.sharpenAlpha = amount;
    }
    const auto known = effect ? EffectNames() : FilterNames();
    const bool extra = !effect && (name == "sepia" || name == "mono" || name == "sharpen" || name == "blur" ||
                                   name == "brighten" || name == "contrast");
    if (std::find(known.begin(), known.end(), name) == known.end() && !extra)
        throw std::invalid_argument("unknown " + std::string(effect ? "effect " : "filter ") + name);
    Document doc;
    doc.setCanvas(ReadFlattened(files[0]));
    Random random(seed);
    if (effect) ApplyNamedEffect(doc, name, s, random);
    else if (name == "sepia") {
        s.colour = 7847880;
        ApplyNamedFilter(doc, "mod", s, random);
        Brighten(doc.canvas(), 150);
    } else if (name == "mono") ApplyMonochrome(doc);
    else if (name == "sharpen") ApplySharpen(doc, s);
    else if (name == "blur") ApplyDefocus(doc, s);
    else if (name == "brighten") Brighten(doc.canvas(), amount);
    else if (name == "contrast") StretchContrast(doc.canvas(), amount);
    else ApplyNamedFilter(doc, name, s, random);
    SavePicture(files[1], doc.canvas());
    return 0;
}

int info(const std::vector<std::string>& args) {
    if (args.size() != 1) return usage();
    const std::string& path = args[0];
    if (IsProjectPath(path)) {
        Document doc;
        ApplyOpenedFile(doc, ReadDocumentFile(path));
        std::printf("%s: project, canvas %d x %d pixels, %d layer%s\n", path.c_str(), doc.canvas().width(),
                    doc.canvas().height(), doc.bitmapLayerCount(), doc.bitmapLayerCount() == 1 ? "" : "s");
        int n = 0;
        for (int i = 0; i < doc.layerCount(); ++i) {
            const Layer& l = doc.layer(i);
            if (!l.isBitmap()) continue;
            std::printf("  layer %d: %d x %d pixels at (%g, %g, %g, %g), opacity %d, %s filter%s%s\n", n++,
                        l.bitmap.width(), l.bitmap.height(), static_cast<double>(l.location.left),
                        static_cast<double>(l.location.top), static_cast<double>(l.location.right),
                        static_cast<double>(l.location.bottom), l.bitmap.masterAlpha,
                        l.bitmap.filter == StretchFilter::Nearest ? "nearest" : "linear", l.scaled ? ", scaled" : "",
                        l.cropped ? ", cropped" : "");
        }
        return 0;
    }
    Bitmap32 bmp = LoadPicture(path);
    bool alpha = false;
    for (size_t i = 0; i < bmp.pixelCount() && !alpha; ++i) alpha = AlphaOf(bmp.bits()[i]) != 255;
    std::printf("%s: %s picture, %d x %d pixels%s\n", path.c_str(), FormatName(SniffFormat(ReadFileBytes(path))),
                bmp.width(), bmp.height(), alpha ? ", partly transparent" : "");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string command = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    try {
        if (command == "convert") return convert(args);
        if (command == "info") return info(args);
        if (command == "render") return render(args);
        if (command == "effect") return effectOrFilter(args, true);
        if (command == "filter") return effectOrFilter(args, false);
        if (command == "--help" || command == "-h" || command == "help") {
            usage();
            return 0;
        }
        std::fprintf(stderr, "fotoviramo-cli: unknown command %s (fotoviramo-cli --help lists them)\n", command.c_str());
        return 2;
    } catch (const FilterError& e) {
        std::fprintf(stderr, "fotoviramo-cli: %s\n", e.what());
        return 1;
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "fotoviramo-cli: %s\n", e.what());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fotoviramo-cli: %s\n", e.what());
        return 1;
    }
}
