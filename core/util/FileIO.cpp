#include "core/util/FileIO.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/util/Errors.h"

namespace viramo {

namespace {
std::function<bool(int)>& faultHook() {
    static std::function<bool(int)> hook;
    return hook;
}

std::string errnoText() { return std::strerror(errno); }

struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};
}  // namespace

void SetWriteFaultHook(std::function<bool(int)> hook) { faultHook() = std::move(hook); }

Bytes ReadFileBytes(const std::string& path) {
    Fd f;
    f.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (f.fd < 0) throw FileError(path, "cannot open: " + errnoText());
    struct stat st {};
    if (::fstat(f.fd, &st) != 0) throw FileError(path, "cannot read: " + errnoText());
    if (S_ISDIR(st.st_mode)) throw FileError(path, "is a folder, not a file");
    Bytes data(st.st_size > 0 ? static_cast<size_t>(st.st_size) : 0);
    size_t got = 0;
    for (;;) {
        if (got == data.size()) data.resize(data.size() + (1 << 16));  // the file grew, or a pipe
        ssize_t n = ::read(f.fd, data.data() + got, data.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw FileError(path, "cannot read: " + errnoText());
        }
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    data.resize(got);
    return data;
}

void WriteFileAtomic(const std::string& path, const Bytes& data) {
    std::string tmp = path + ".viramo-tmp";
    Fd f;
    f.fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (f.fd < 0) throw FileError(path, "cannot create: " + errnoText());
    auto fail = [&](const std::string& why) {
        ::close(f.fd);
        f.fd = -1;
        ::unlink(tmp.c_str());
        throw FileError(path, why);
    };
    const size_t chunk = 1 << 20;
    size_t done = 0;
    int index = 0;
    while (done < data.size()) {
        if (faultHook() && !faultHook()(index)) {
            errno = ENOSPC;
            fail("cannot write: " + errnoText());
        }
        size_t len = std::min(chunk, data.size() - done);
        ssize_t n = ::write(f.fd, data.data() + done, len);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail("cannot write: " + errnoText());
        }
        done += static_cast<size_t>(n);
        ++index;
    }
    if (::fsync(f.fd) != 0) fail("cannot write: " + errnoText());
    if (::close(f.fd) != 0) {
        f.fd = -1;
        ::unlink(tmp.c_str());
        throw FileError(path, "cannot write: " + errnoText());
    }
    f.fd = -1;
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        std::string why = "cannot replace: " + errnoText();
        ::unlink(tmp.c_str());
        throw FileError(path, why);
    }
}

std::string Extension(const std::string& path) {
    size_t slash = path.find_last_of('/');
    size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return path.substr(dot);
}

std::string LowerExtension(const std::string& path) {
    std::string e = Extension(path);
    for (char& c : e)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return e;
}

}  // namespace viramo
