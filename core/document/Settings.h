#pragma once
// The three settings files kept beside the program: "View.atp" (editor
// background), "CForm.atp" (window placement) and "Dirs.lst" (recent files).
// Missing, empty or malformed files give the defaults; nothing here throws on
// reading.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/gfx/Color.h"
#include "core/util/FileIO.h"

namespace viramo {

inline const char* const kEmptyRecent = "Пусто";

struct ViewSettings {
    bool chess = false;               // "Шашкой": the checkerboard background
    PlatformColor color = clGray;     // the background colour otherwise
};
ViewSettings ParseViewSettings(const std::string& fileText);
std::string FormatViewSettings(const ViewSettings& v);  // one line, no line end, at most 30 characters

struct FormSettings {
    std::uint8_t state = 0;                 // 0 normal, 1 minimised, 2 maximised
    std::array<std::uint8_t, 3> reserved{};  // written back as read
    std::int32_t left = 0, top = 0, width = 0, height = 0;
    std::int32_t side = 2;                  // 1 side panel on the left, anything else on the right
    bool valid = false;                     // false: no usable record, keep the designed window
    bool sideLeft() const { return side == 1; }
};
FormSettings ParseFormSettings(const Bytes& file);
Bytes FormatFormSettings(const FormSettings& f);  // one 24-byte record, little-endian

// "Недавние фото": one to five entries whose captions are full paths; an empty
// list is the single entry "Пусто".
class RecentList {
public:
    RecentList();
    // From the lines of "Dirs.lst": "Clear" first (or nothing) is an empty list.
    void load(const std::vector<std::string>& lines);
    // The lines to write: the captions in menu order.
    std::string fileText() const;

    const std::vector<std::string>& captions() const { return captions_; }
    bool empty() const { return captions_.size() == 1 && captions_[0] == kEmptyRecent; }
    // Exact, case-sensitive comparison of whole paths.
    bool IsNewRecentFile(const std::string& path) const;
    // Adds a path that is not listed yet as entry 0 (keeping at most five) and marks it.
    void AddRecentFile(const std::string& path);
    int marked() const { return marked_; }  // -1: no entry marked
    void mark(int entry) { marked_ = entry; }
    // Start-page labels: the file-name part of entries 0..3, "Пусто" where there is none.
    std::array<std::string, 4> startLabels() const;

private:
    std::vector<std::string> captions_;
    int marked_ = -1;
};

}  // namespace viramo
