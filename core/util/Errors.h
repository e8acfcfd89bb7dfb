#pragma once
// Typed errors of the core. Each carries the file it concerns (may be empty)
// and a short technical cause; the UI turns them into one Russian message.
#include <stdexcept>
#include <string>

namespace viramo {

class Error : public std::runtime_error {
public:
    Error(std::string path, std::string cause);
    const std::string& path() const { return path_; }
    const std::string& cause() const { return cause_; }

private:
    std::string path_;
    std::string cause_;
};

// The file system refused: cannot open, read, write or rename.
class FileError : public Error {
public:
    using Error::Error;
};

// The bytes are not a valid picture or project (truncated, inconsistent, too large).
class PictureError : public Error {
public:
    using Error::Error;
};

// The format is not one we read or write (EMF, WMF, unknown extension).
class FormatError : public Error {
public:
    using Error::Error;
};

}  // namespace viramo
