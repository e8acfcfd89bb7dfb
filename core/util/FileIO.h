#pragma once
// Whole-file reading and safe writing. A write goes to a temporary file beside
// the target and is renamed over it only when complete, so a failed save never
// replaces a good file with a broken one.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/util/LargeAlloc.h"

namespace viramo {

using Bytes = std::vector<std::uint8_t, LargeAllocator<std::uint8_t>>;

// Reads the whole file; throws FileError when it cannot be opened or read.
Bytes ReadFileBytes(const std::string& path);

// Writes data to path atomically (temp file + fsync + rename). Throws FileError.
void WriteFileAtomic(const std::string& path, const Bytes& data);

// Test hook: when set, called before each chunk written by WriteFileAtomic with
// the chunk index; returning false makes that write fail as a full disk would.
void SetWriteFaultHook(std::function<bool(int chunk)> hook);

// Lower-case extension including the dot ("photo.JPG" -> ".jpg"), empty if none.
std::string LowerExtension(const std::string& path);
// Extension as written, including the dot.
std::string Extension(const std::string& path);

}  // namespace viramo
