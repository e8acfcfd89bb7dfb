#include "core/document/Settings.h"

#include <cstring>

#include "core/document/TextCodec.h"

namespace viramo {

ViewSettings ParseViewSettings(const std::string& fileText) {
    ViewSettings v;
    const std::vector<std::string> lines = DecodeTextLines(fileText);
    if (lines.empty()) return v;
    const std::string first = lines[0].substr(0, 30);
    if (first == "CHESS") {
        v.chess = true;
        return v;
    }
    if (auto c = StringToPlatformColor(first)) v.color = *c;
    return v;
}

std::string FormatViewSettings(const ViewSettings& v) {
    if (v.chess) return "CHESS";
    return PlatformColorToString(v.color).substr(0, 30);
}

namespace {
std::int32_t readI32(const Bytes& b, size_t at) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(b[at + static_cast<size_t>(i)]) << (8 * i);
    return static_cast<std::int32_t>(v);
}
void writeI32(Bytes& b, size_t at, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}
}  // namespace

FormSettings ParseFormSettings(const Bytes& file) {
    FormSettings f;
    if (file.size() < 24) return f;
    f.state = file[0] <= 2 ? file[0] : 0;
    f.reserved = {file[1], file[2], file[3]};
    f.left = readI32(file, 4);
    f.top = readI32(file, 8);
    f.width = readI32(file, 12);
    f.height = readI32(file, 16);
    f.side = readI32(file, 20);
    f.valid = true;
    return f;
}

Bytes FormatFormSettings(const FormSettings& f) {
    Bytes b(24, 0);
    b[0] = f.state;
    b[1] = f.reserved[0];
    b[2] = f.reserved[1];
    b[3] = f.reserved[2];
    writeI32(b, 4, f.left);
    writeI32(b, 8, f.top);
    writeI32(b, 12, f.width);
    writeI32(b, 16, f.height);
    writeI32(b, 20, f.side == 1 ? 1 : 2);
    return b;
}

RecentList::RecentList() : captions_{kEmptyRecent} {}

void RecentList::load(const std::vector<std::string>& lines) {
    captions_ = {kEmptyRecent};
    marked_ = -1;
    if (lines.empty() || lines[0] == "Clear") return;
    std::vector<std::string> kept;
    for (const auto& l : lines) {
        if (l.empty()) continue;  // a blank line names no file
        kept.push_back(l);
        if (kept.size() == 5) break;
    }
    if (!kept.empty()) captions_ = kept;
}

std::string RecentList::fileText() const {
    std::string out;
    for (const auto& c : captions_) out += c + "\r\n";
    return out;
}

bool RecentList::IsNewRecentFile(const std::string& path) const {
    for (const auto& c : captions_)
        if (c == path) return false;
    return true;
}

void RecentList::AddRecentFile(const std::string& path) {
    if (captions_.size() == 1 && captions_[0] == kEmptyRecent) {
        captions_[0] = path;
    } else {
        if (captions_.size() < 5) captions_.emplace_back();
        for (size_t i = captions_.size() - 1; i > 0; --i) captions_[i] = captions_[i - 1];
        captions_[0] = path;
    }
    marked_ = 0;
}

std::array<std::string, 4> RecentList::startLabels() const {
    std::array<std::string, 4> labels;
    for (size_t i = 0; i < 4; ++i) labels[i] = i < captions_.size() ? FileNamePart(captions_[i]) : kEmptyRecent;
    return labels;
}

}  // namespace viramo
