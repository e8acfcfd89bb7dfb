// Benchmarks of the raster core and codecs on a 6000 x 4000 photograph-sized picture.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <unistd.h>

#include "core/codecs/Bmp.h"
#include "core/codecs/Jpeg.h"
#include "core/codecs/Picture.h"
#include "core/codecs/Png.h"
#include "core/document/Files.h"
#include "core/fx/Dispatch.h"
#include "core/fx/Filters.h"
#include "core/fx/Geometry.h"
#include "core/document/Editing.h"
#include "core/document/ProjectFile.h"
#include "core/document/ViewRender.h"
#include "core/document/Zoom.h"
#include "core/gfx/Blend.h"
#include "core/gfx/Resample.h"
#include "core/gfx/Transform.h"

using namespace viramo;

namespace {

constexpr int kW = 6000, kH = 4000;

// Smooth gradients with fine grain, compressing like a real photograph.
const Bitmap32& Photo() {
    static const Bitmap32 photo = [] {
        Bitmap32 b(kW, kH);
        std::uint32_t seed = 1;
        for (int y = 0; y < kH; ++y) {
            Color32* row = b.scanLine(y);
            for (int x = 0; x < kW; ++x) {
                seed = seed * 1664525u + 1013904223u;
                const int n = static_cast<int>(seed >> 29);
                row[x] = MakeColor32((x * 255 / kW + n) & 0xFF, (y * 255 / kH + n) & 0xFF, ((x + y) / 40 + n) & 0xFF);
            }
        }
        return b;
    }();
    return photo;
}

const Bytes& PhotoJpeg() {
    static const Bytes jpeg = EncodeJpeg(Photo(), 90);
    return jpeg;
}

void SetBytes(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_JpegDecode(benchmark::State& state) {
    const Bytes& jpeg = PhotoJpeg();
    for (auto _ : state) benchmark::DoNotOptimize(DecodeJpeg(jpeg));
    SetBytes(state, std::size_t{4} * kW * kH);
}
BENCHMARK(BM_JpegDecode)->Unit(benchmark::kMillisecond);

void BM_JpegEncode(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(EncodeJpeg(Photo(), 90));
    SetBytes(state, std::size_t{4} * kW * kH);
}
BENCHMARK(BM_JpegEncode)->Unit(benchmark::kMillisecond);

void BM_PngEncode(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(EncodePng(Photo()));
    SetBytes(state, std::size_t{4} * kW * kH);
}
BENCHMARK(BM_PngEncode)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_BmpWrite(benchmark::State& state) {
    const std::string path = "/tmp/viramo_bench.bmp";
    for (auto _ : state) SavePicture(path, Photo());
    ::unlink(path.c_str());
    SetBytes(state, std::size_t{4} * kW * kH);
}
BENCHMARK(BM_BmpWrite)->Unit(benchmark::kMillisecond);

void BM_BmpEncodeInMemory(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(EncodeBmp(Photo()));
    SetBytes(state, std::size_t{4} * kW * kH);
}
BENCHMARK(BM_BmpEncodeInMemory)->Unit(benchmark::kMillisecond);

void BM_BmpRead(benchmark::State& state) {
    const std::string path = "/tmp/viramo_bench_read.bmp";
    SavePicture(path, Photo());
    for (auto _ : state) benchmark::DoNotOptimize(LoadPicture(path));
    ::unlink(path.c_str());
    SetBytes(state, std::size_t{4} * kW * kH);
}
BENCHMARK(BM_BmpRead)->Unit(benchmark::kMillisecond);

void BM_BlendFullLayer(benchmark::State& state) {
    Bitmap32 layer = Photo();
    layer.setAllAlpha(200);
    layer.drawMode = DrawMode::Blend;
    layer.masterAlpha = 180;
    Bitmap32 canvas(kW, kH, 0xFF808080);
    for (auto _ : state) {
        StretchDraw(canvas, canvas.boundsRect(), layer);
        benchmark::ClobberMemory();
    }
    SetBytes(state, std::size_t{4} * kW * kH);
}
BENCHMARK(BM_BlendFullLayer)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StretchToHalf(benchmark::State& state) {
    Bitmap32 src = Photo();
    src.filter = static_cast<StretchFilter>(state.range(0));
    Bitmap32 dst(kW / 2, kH / 2);
    for (auto _ : state) {
        StretchDraw(dst, dst.boundsRect(), src);
        benchmark::ClobberMemory();
    }
    state.SetLabel(state.range(0) == 0 ? "nearest" : state.range(0) == 1 ? "linear" : "spline");
    SetBytes(state, std::size_t{4} * kW * kH);
}
BENCHMARK(BM_StretchToHalf)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ProjectiveDraw(benchmark::State& state) {
    Bitmap32 src = Photo();
    src.filter = StretchFilter::Linear;
    src.drawMode = DrawMode::Blend;
    Bitmap32 dst(kW, kH, 0x00FFFFFF);
    ProjectiveTransformation t;
    t.srcRect = FloatRect{0, 0, kW, kH};
    t.corners = {FloatPoint{0.15 * kW, 0}, FloatPoint{0.85 * kW, 0}, FloatPoint{kW, kH}, FloatPoint{0, kH}};
    for (auto _ : state) {
        Transform(dst, src, t);
        benchmark::ClobberMemory();
    }
    SetBytes(state, std::size_t{4} * kW * kH);
}
BENCHMARK(BM_ProjectiveDraw)->Unit(benchmark::kMillisecond)->UseRealTime();

// The yardstick: one plain pass over every pixel.
void BM_OnePassCopy(benchmark::State& state) {
    Bitmap32 dst(kW, kH);
    for (auto _ : state) {
        DrawAt(dst, 0, 0, Photo());
        benchmark::ClobberMemory();
    }
    SetBytes(state, std::size_t{4} * kW * kH);
}
BENCHMARK(BM_OnePassCopy)->Unit(benchmark::kMillisecond)->UseRealTime();

// The editor's view: a 6000 x 4000 canvas with ten photograph layers in a
// 1280 x 800 view. "Warm" frames reuse the scaled copies (scrolling, moving a
// layer); a "cold" frame follows a zoom change and rescales everything.
struct ViewScene {
    Document doc;
    ViewScene() {
        doc.setCanvas(Photo());
        for (int i = 0; i < 10; ++i) {
            Layer& l = doc.AddPhotograph(Photo(), 3000, 2000);
            doc.SetLayerLocation(l, FloatRect{float(i * 100), float(i * 80), float(i * 100 + kW), float(i * 80 + kH)});
            doc.SetLayerOpacity(200);
        }
        doc.SetSelection(nullptr);
    }
    ViewGeometry geometry(float scale) const {
        const int vw = 1280, vh = 800;
        ViewGeometry g{scale, 0, 0, vw, vh};
        g.originX = std::max(0.0, (vw - kW * double(scale)) / 2);
        g.originY = std::max(0.0, (vh - kH * double(scale)) / 2);
        return g;
    }
};

ViewScene& Scene() {
    static ViewScene scene;
    return scene;
}

float FitScaleOfScene() { return *FitScale(kW, kH, 1280, 800); }

void BM_ViewPaintWarm(benchmark::State& state) {
    ViewScene& s = Scene();
    const float scale = state.range(0) ? FitScaleOfScene() : 1.f;
    Bitmap32 buffer;
    ViewCache cache;
    RenderView(s.doc, s.geometry(scale), ViewBackground{}, buffer, cache);
    for (auto _ : state) {
        RenderView(s.doc, s.geometry(scale), ViewBackground{}, buffer, cache);
        benchmark::ClobberMemory();
    }
    state.SetLabel(state.range(0) ? "fit zoom" : "100%");
}
BENCHMARK(BM_ViewPaintWarm)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ViewPaintAfterZoom(benchmark::State& state) {
    ViewScene& s = Scene();
    Bitmap32 buffer;
    ViewCache cache;
    for (auto _ : state) {
        cache = ViewCache();
        RenderView(s.doc, s.geometry(FitScaleOfScene()), ViewBackground{}, buffer, cache);
        benchmark::ClobberMemory();
    }
    state.SetLabel("fit zoom, cold");
}
BENCHMARK(BM_ViewPaintAfterZoom)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Every effect and filter on a 6000 x 4000 canvas, through the same frame the
// menu commands use (the untouched picture kept for Cancel, alpha handling).
void BM_Effect(benchmark::State& state, const std::string& name) {
    Document doc;
    doc.setCanvas(Photo());
    Random random(1);
    EffectSettings s;
    s.sprayAmount = 10;
    s.posterizeAmount = 32;
    s.waveAmount = 20;
    s.waveInterference = 5;
    s.sharpenAlpha = 3;
    s.blurValue = 2;
    s.defocus = true;
    const auto effects = EffectNames();
    for (auto _ : state) {
        if (std::find(effects.begin(), effects.end(), name) != effects.end()) ApplyNamedEffect(doc, name, s, random);
        else if (name == "sharpen") ApplySharpen(doc, s);
        else if (name == "blur") ApplyDefocus(doc, s);
        else if (name == "grey") ApplyMonochrome(doc);
        else if (name == "brighten") Brighten(doc.canvas(), 70);
        else if (name == "contrast") StretchContrast(doc.canvas(), 90);
        else if (name == "balance") ColourBalance(doc.canvas(), 20, -10, 5, true);
        else ApplyNamedFilter(doc, name, s, random);
        benchmark::ClobberMemory();
    }
    SetBytes(state, std::size_t{4} * kW * kH);
}

const bool kEffectBenchmarks = [] {
    std::vector<std::string> names = EffectNames();
    for (const auto& f : FilterNames()) names.push_back(f);
    for (const char* extra : {"sharpen", "blur", "grey", "brighten", "contrast", "balance"}) names.push_back(extra);
    for (const auto& n : names)
        benchmark::RegisterBenchmark(("BM_Effect/" + n).c_str(), [n](benchmark::State& st) { BM_Effect(st, n); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(3);
    return true;
}();

// Free rotation of a 6000 x 4000 layer by 30 degrees (resample to its shown
// size, turn colours and mask, linear sampling).
void BM_FreeRotation30(benchmark::State& state) {
    Document doc;
    doc.setCanvas(Bitmap32(100, 100));
    Layer& l = doc.AddPhotograph(Photo(), 0, 0);
    doc.SetLayerLocation(l, FloatRect{0, 0, kW, kH});
    const RotationCopy copy = TakeRotationCopy(doc);
    for (auto _ : state) FreeRotate(doc, copy, 30, true);
    SetBytes(state, std::size_t{4} * kW * kH);
}
BENCHMARK(BM_FreeRotation30)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_ImageSizeToHalf(benchmark::State& state) {
    Document doc;
    for (auto _ : state) {
        state.PauseTiming();
        doc.setCanvas(Photo());
        state.ResumeTiming();
        ImageSize(doc, kW / 2, kH / 2, static_cast<int>(state.range(0)));
    }
    state.SetLabel(state.range(0) == 0 ? "nearest" : state.range(0) == 1 ? "linear" : "spline");
    SetBytes(state, std::size_t{4} * kW * kH);
}
BENCHMARK(BM_ImageSizeToHalf)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_FlattenTenLayers(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Document doc;
        doc.setCanvas(Photo());
        for (int i = 0; i < 10; ++i) {
            Layer& l = doc.AddPhotograph(Photo(), 3000, 2000);
            doc.SetLayerLocation(l, FloatRect{float(i * 10), float(i * 10), float(i * 10 + kW), float(i * 10 + kH)});
            doc.SetLayerOpacity(200);
        }
        state.ResumeTiming();
        FlattenLayers(doc);
    }
    SetBytes(state, std::size_t{4} * kW * kH * 10);
}
BENCHMARK(BM_FlattenTenLayers)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// A project of a 6000 x 4000 canvas and ten such layers (about 1 GB), saved
// and loaded, next to plain writing and reading of the same number of bytes.
const std::string kProjectPath = "/tmp/viramo_bench.zrt";

void BM_ProjectSave(benchmark::State& state) {
    ViewScene& s = Scene();
    std::size_t bytes = 0;
    for (auto _ : state) {
        SaveProject(s.doc, kProjectPath);
        state.PauseTiming();
        bytes = ReadFileBytes(kProjectPath).size();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_ProjectSave)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void BM_ProjectLoad(benchmark::State& state) {
    SaveProject(Scene().doc, kProjectPath);
    std::size_t bytes = 0;
    for (auto _ : state) {
        OpenedFile f = ReadDocumentFile(kProjectPath);
        benchmark::DoNotOptimize(f.layers.size());
        bytes = 0;
    }
    bytes = ReadFileBytes(kProjectPath).size();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_ProjectLoad)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void BM_DiskCopySameBytes(benchmark::State& state) {
    SaveProject(Scene().doc, kProjectPath);
    const std::string copy = kProjectPath + ".copy";
    std::size_t bytes = 0;
    for (auto _ : state) {
        const Bytes data = ReadFileBytes(kProjectPath);
        WriteFileAtomic(copy, data);
        bytes = data.size();
    }
    ::unlink(copy.c_str());
    ::unlink(kProjectPath.c_str());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.SetLabel("read + write of the project's bytes");
}
BENCHMARK(BM_DiskCopySameBytes)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
