// fotoviramo-cli: batch work over the editor's core.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "core/codecs/Picture.h"
#include "core/util/Errors.h"

using namespace viramo;

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage:\n"
                 "  fotoviramo-cli convert IN OUT [--quality N] [--gif-bits 1|4|8|24]\n"
                 "  fotoviramo-cli info FILE\n");
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

int convert(const std::vector<std::string>& args) {
    std::vector<std::string> files;
    SaveOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--quality" || a == "--gif-bits") {
            if (i + 1 >= args.size()) throw std::invalid_argument(a + " needs a value");
            int v = parseInt(args[++i], a.c_str());
            if (a == "--quality") {
                if (v < 1 || v > 100) throw std::invalid_argument("--quality must lie between 1 and 100");
                options.jpegQuality = v;
            } else {
                if (v != 1 && v != 4 && v != 8 && v != 24) throw std::invalid_argument("--gif-bits must be 1, 4, 8 or 24");
                options.gifBits = v;
            }
        } else if (a.rfind("--", 0) == 0) {
            throw std::invalid_argument("unknown option " + a);
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2) return usage();
    Bitmap32 bmp = LoadPicture(files[0]);
    SavePicture(files[1], bmp, options);
    return 0;
}

int info(const std::vector<std::string>& args) {
    if (args.size() != 1) return usage();
    Bitmap32 bmp = LoadPicture(args[0]);
    bool alpha = false;
    for (size_t i = 0; i < bmp.pixelCount() && !alpha; ++i) alpha = AlphaOf(bmp.bits()[i]) != 255;
    std::printf("%s: %s picture, %d x %d pixels%s\n", args[0].c_str(),
                FormatName(SniffFormat(ReadFileBytes(args[0]))), bmp.width(), bmp.height(),
                alpha ? ", partly transparent" : "");
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
        if (command == "--help" || command == "-h" || command == "help") {
            usage();
            return 0;
        }
        std::fprintf(stderr, "fotoviramo-cli: unknown command %s\n", command.c_str());
        return usage();
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "fotoviramo-cli: %s\n", e.what());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fotoviramo-cli: %s\n", e.what());
        return 1;
    }
}
