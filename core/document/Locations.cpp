#include "core/document/Locations.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "core/util/Errors.h"

namespace viramo {

namespace {
std::string& overrideFolder() {
    static std::string folder;
    return folder;
}

std::string parentOf(const std::string& path) {
    const size_t p = path.find_last_of('/');
    if (p == std::string::npos) return ".";
    return p == 0 ? "/" : path.substr(0, p);
}

bool makeFolders(const std::string& path) {
    if (path.empty()) return false;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    if (!makeFolders(parentOf(path))) return false;
    return ::mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

long long modifiedTime(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return -1;
    return static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
}
}  // namespace

std::string ProgramFolder() {
    if (!overrideFolder().empty()) return overrideFolder();
    if (const char* env = std::getenv("VIRAMO_PROGRAM_DIR"); env && *env) return env;
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    buf[n] = 0;
    return parentOf(buf);
}

void SetProgramFolder(const std::string& folder) { overrideFolder() = folder; }

std::string UserConfigFolder() {
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x == '/') return std::string(x) + "/fotoviramo";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/.config/fotoviramo";
}

std::string ReadSettingsFile(const std::string& name) {
    const std::string beside = ProgramFolder() + "/" + name, user = UserConfigFolder() + "/" + name;
    const std::string& path = modifiedTime(user) > modifiedTime(beside) ? user : beside;
    try {
        const Bytes b = ReadFileBytes(path);
        return std::string(b.begin(), b.end());
    } catch (const Error&) {
        return {};
    }
}

std::string WriteSettingsFile(const std::string& name, const Bytes& data) {
    const std::string beside = ProgramFolder() + "/" + name;
    try {
        WriteFileAtomic(beside, data);
        return beside;
    } catch (const FileError&) {
    }
    const std::string folder = UserConfigFolder();
    if (!makeFolders(folder)) throw FileError(folder, "cannot create the settings folder");
    const std::string user = folder + "/" + name;
    WriteFileAtomic(user, data);
    return user;
}

std::string WritableFolder(const std::string& name) {
    const std::string beside = ProgramFolder() + "/" + name;
    if (makeFolders(beside) && ::access(beside.c_str(), W_OK) == 0) return beside;
    std::string cache;
    if (const char* x = std::getenv("XDG_CACHE_HOME"); x && *x == '/') cache = std::string(x) + "/fotoviramo";
    else {
        const char* home = std::getenv("HOME");
        cache = std::string(home && *home ? home : "/tmp") + "/.cache/fotoviramo";
    }
    const std::string user = cache + "/" + name;
    if (makeFolders(user) && ::access(user.c_str(), W_OK) == 0) return user;
    return {};
}

}  // namespace viramo
