#pragma once
// Text of the settings files: written as UTF-8; read as UTF-8 when valid, else
// as the Cyrillic single-byte code page older files were written in.
#include <string>
#include <vector>

namespace viramo {

bool IsValidUtf8(const std::string& bytes);
std::string Cp1251ToUtf8(const std::string& bytes);
// Decodes and splits into lines (CR LF or LF), without line ends.
std::vector<std::string> DecodeTextLines(const std::string& bytes);
// File-name part of a path (after the last '/' or '\').
std::string FileNamePart(const std::string& path);

}  // namespace viramo
