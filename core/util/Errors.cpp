#include "core/util/Errors.h"

namespace viramo {

static std::string describe(const std::string& path, const std::string& cause) {
    return path.empty() ? cause : path + ": " + cause;
}

Error::Error(std::string path, std::string cause)
    : std::runtime_error(describe(path, cause)), path_(std::move(path)), cause_(std::move(cause)) {}

}  // namespace viramo
