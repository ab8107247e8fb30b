// A full disk for the tests, without touching the machine's disks: preloaded (LD_PRELOAD), it
// lets the writes to files in one folder take so many bytes in all, then fails them with ENOSPC.
// The write that crosses the limit is cut short, as on a disk that fills up mid-line. A test
// turns it on by calling verminadia_fill_disk, which it finds only when the shim is preloaded.

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/uio.h>
#include <unistd.h>
#include <vector>

namespace {

std::string fullFolder;  // empty: the shim lets every write through
long long room = 0;      // bytes the folder's files may still take

bool inFullFolder(int fd) {
    if (fullFolder.empty()) return false;
    char link[32];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[PATH_MAX];
    const ssize_t n = readlink(link, path, sizeof path - 1);
    if (n <= 0) return false;
    const std::string file(path, static_cast<std::size_t>(n));
    return file.size() > fullFolder.size() && file.compare(0, fullFolder.size(), fullFolder) == 0 &&
           file[fullFolder.size()] == '/';
}

template <typename F>
F next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

// From now on, files in `folder` (an absolute path) may take `bytes` more; a null folder lets
// every write through again.
__attribute__((visibility("default"))) void verminadia_fill_disk(const char* folder, long long bytes) {
    fullFolder = folder == nullptr ? "" : folder;
    room = bytes;
}

__attribute__((visibility("default"))) ssize_t write(int fd, const void* buf, size_t count) {
    static const auto real = next<ssize_t (*)(int, const void*, size_t)>("write");
    if (count == 0 || !inFullFolder(fd)) return real(fd, buf, count);
    if (room <= 0) {
        errno = ENOSPC;
        return -1;
    }
    const ssize_t n = real(fd, buf, std::min(count, static_cast<size_t>(room)));
    if (n > 0) room -= n;
    return n;
}

__attribute__((visibility("default"))) ssize_t writev(int fd, const struct iovec* iov, int count) {
    static const auto real = next<ssize_t (*)(int, const struct iovec*, int)>("writev");
    if (!inFullFolder(fd)) return real(fd, iov, count);
    std::vector<char> joined;  // through write, which keeps the count
    for (int i = 0; i < count; ++i) {
        const auto* from = static_cast<const char*>(iov[i].iov_base);
        joined.insert(joined.end(), from, from + iov[i].iov_len);
    }
    return write(fd, joined.data(), joined.size());
}
}
