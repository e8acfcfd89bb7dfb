#include "core/document/ProjectFile.h"

#include <cmath>
#include <cstring>

#include "core/codecs/Bmp.h"
#include "core/util/Errors.h"
#include "core/util/Numbers.h"

namespace viramo {

namespace {

constexpr size_t kRecordSize = 108;
constexpr char kBitmapKind[] = "bitmap";

void putI32(std::uint8_t* p, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(u >> (8 * i));
}
void putF32(std::uint8_t* p, float v) {
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    putI32(p, static_cast<std::int32_t>(u));
}
std::int32_t getI32(const std::uint8_t* p) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}
float getF32(const std::uint8_t* p) {
    const auto u = static_cast<std::uint32_t>(getI32(p));
    float v;
    std::memcpy(&v, &u, 4);
    return v;
}

[[noreturn]] void bad(const std::string& why) { throw PictureError("", "project file: " + why); }

}  // namespace

bool IsProjectPath(const std::string& path) { return LowerExtension(path) == ".zrt"; }

Bytes EncodeProject(const Document& doc) {
    std::vector<const Layer*> saved;
    for (int i = 0; i < doc.layerCount(); ++i)
        if (doc.layer(i).kind != LayerKind::RubberBand) saved.push_back(&doc.layer(i));
    // One buffer of the final size: a project of large photographs is
    // written without growing and copying it block by block.
    size_t total = BmpFileSize(doc.canvas()) + saved.size() * kRecordSize + 256;
    for (const Layer* l : saved)
        if (l->isBitmap()) total += BmpFileSize(l->bitmap);
    Bytes out;
    out.reserve(total);
    std::vector<size_t> sizes;
    auto append = [&](const Bytes& block) {
        out.insert(out.end(), block.begin(), block.end());
        sizes.push_back(block.size());
    };
    for (const Layer* l : saved)
        if (l->isBitmap()) sizes.push_back(AppendBmp(out, l->bitmap));
    sizes.push_back(AppendBmp(out, doc.canvas()));
    if (!saved.empty()) {
        Bytes records(saved.size() * kRecordSize, 0);
        for (size_t i = 0; i < saved.size(); ++i) {
            const Layer& l = *saved[i];
            if (!l.isBitmap()) continue;  // frame layers: a record of zeros
            std::uint8_t* r = records.data() + i * kRecordSize;
            r[0] = 6;
            std::memcpy(r + 1, kBitmapKind, 6);
            putI32(r + 72, l.bitmap.masterAlpha);
            putF32(r + 76, l.location.left);
            putF32(r + 80, l.location.top);
            putF32(r + 84, l.location.right);
            putF32(r + 88, l.location.bottom);
            r[92] = l.scaled ? 1 : 0;
            r[93] = l.cropped ? 1 : 0;
            r[104] = l.bitmap.filter != StretchFilter::Nearest ? 1 : 0;
        }
        append(records);
    }
    std::string list;
    for (size_t s : sizes) list += std::to_string(s) + "\r\n";
    out.insert(out.end(), list.begin(), list.end());
    std::uint8_t trailer[4];
    putI32(trailer, static_cast<std::int32_t>(list.size() + 4));
    out.insert(out.end(), trailer, trailer + 4);
    return out;
}

void SaveProject(const Document& doc, const std::string& path) { WriteFileAtomic(path, EncodeProject(doc)); }

ProjectContents DecodeProject(const Bytes& data) {
    const size_t size = data.size();
    if (size < 4) bad("the file is too short");
    const std::int64_t t = getI32(data.data() + size - 4);
    if (t < 5 || static_cast<std::uint64_t>(t) > size) bad("the trailer does not describe the file");
    const size_t listStart = size - static_cast<size_t>(t);
    const size_t listEnd = size - 4;

    // The size list: decimal numbers, one a line, each line ended by CR LF.
    std::vector<std::uint64_t> lines;
    size_t p = listStart;
    while (p < listEnd) {
        std::uint64_t v = 0;
        size_t digits = 0;
        while (p < listEnd && data[p] >= '0' && data[p] <= '9') {
            v = v * 10 + static_cast<std::uint64_t>(data[p] - '0');
            if (++digits > 15) bad("a block size in the size list is too large");
            ++p;
        }
        if (digits == 0) bad("the size list holds something that is not a number");
        if (p + 2 <= listEnd && data[p] == '\r' && data[p + 1] == '\n') p += 2;
        else if (p != listEnd) bad("the size list holds something that is not a number");
        lines.push_back(v);
    }
    if (lines.empty()) bad("the size list is empty");
    std::uint64_t total = 0;
    for (auto v : lines) total += v;
    if (total != listStart) bad("the block sizes do not add up to the file");

    ProjectContents c;
    auto decodeBlock = [&](size_t start, size_t len, const char* what) {
        try {
            return DecodeBmp(data.data() + start, len);
        } catch (const PictureError& e) {
            bad(std::string(what) + ": " + e.cause());
        }
    };
    if (lines.size() == 1) {
        c.canvas = decodeBlock(0, lines[0], "the canvas");
        return c;
    }
    const size_t recordLen = lines.back(), canvasLen = lines[lines.size() - 2];
    const size_t recordStart = listStart - recordLen, canvasStart = recordStart - canvasLen;
    c.canvas = decodeBlock(canvasStart, canvasLen, "the canvas");
    const size_t count = static_cast<size_t>(Rnd(static_cast<double>(recordLen) / kRecordSize));
    // Picture blocks, paired with the "bitmap" records from the end backwards.
    const size_t pictures = lines.size() - 2;
    size_t nextPicture = pictures;  // one past the next block to take
    size_t blockEnd = canvasStart;
    std::vector<std::unique_ptr<Layer>> reversed;
    for (size_t i = count; i-- > 0;) {
        std::uint8_t rec[kRecordSize] = {0};
        const size_t at = recordStart + i * kRecordSize;
        // A last record cut short by the rounding reads as zeros where bytes are missing.
        if (at < listStart) std::memcpy(rec, data.data() + at, std::min(kRecordSize, listStart - at));
        if (rec[0] != 6 || std::memcmp(rec + 1, kBitmapKind, 6) != 0) continue;
        if (nextPicture == 0) bad("there are more layer records than pictures");
        const size_t len = lines[--nextPicture];
        const size_t start = blockEnd - len;
        auto l = std::make_unique<Layer>();
        l->bitmap = decodeBlock(start, len, "a layer picture");
        blockEnd = start;
        l->bitmap.drawMode = DrawMode::Blend;
        l->location = FloatRect{getF32(rec + 76), getF32(rec + 80), getF32(rec + 84), getF32(rec + 88)};
        for (float v : {l->location.left, l->location.top, l->location.right, l->location.bottom})
            if (!std::isfinite(v) || std::fabs(v) > 1e9f) bad("a layer placement is not a number of pixels");
        l->scaled = rec[92] != 0;
        l->cropped = rec[93] != 0;
        l->bitmap.masterAlpha = static_cast<std::uint8_t>(std::clamp(getI32(rec + 72), 0, 255));
        l->bitmap.filter = rec[104] ? StretchFilter::Linear : StretchFilter::Nearest;
        l->pixelVersion = NextPixelVersion();
        reversed.push_back(std::move(l));
    }
    for (auto it = reversed.rbegin(); it != reversed.rend(); ++it) c.layers.push_back(std::move(*it));
    return c;
}

void ApplyProject(Document& doc, ProjectContents contents) {
    doc.ResetDocument();
    doc.setCanvas(std::move(contents.canvas));
    Layer* top = nullptr;
    for (auto& l : contents.layers) top = &doc.AdoptLayer(std::move(l));
    doc.SetSelection(nullptr);
    if (top) doc.SetSelection(top);
    doc.notify(kCanvasChanged | kLayersChanged);
}

ProjectContents ReadProjectFile(const std::string& path) {
    const Bytes data = ReadFileBytes(path);
    try {
        return DecodeProject(data);
    } catch (const PictureError& e) {
        throw PictureError(path, e.cause());
    } catch (const std::bad_alloc&) {
        throw PictureError(path, "not enough memory for the project");
    }
}

void LoadProject(Document& doc, const std::string& path) { ApplyProject(doc, ReadProjectFile(path)); }

}  // namespace viramo
