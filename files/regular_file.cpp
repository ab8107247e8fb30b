#include "files/regular_file.h"

#include <cerrno>
#include <system_error>

namespace verminadia {

std::string sizeInWords(std::uintmax_t bytes) {
    constexpr std::uintmax_t kKiB = 1024;
    if (bytes >= kKiB * kKiB && bytes % (kKiB * kKiB) == 0) return std::to_string(bytes / (kKiB * kKiB)) + " MiB";
    if (bytes >= kKiB && bytes % kKiB == 0) return std::to_string(bytes / kKiB) + " KiB";
    return std::to_string(bytes) + " bytes";
}

namespace {

bool openWithin(const std::filesystem::path& file, std::uintmax_t maxBytes, bool pipes, std::ifstream& in,
                std::string& why) {
    // Asked before opening: opening a FIFO waits for a writer that may never come.
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(file, ec);
    if (ec) {
        why = ec.message();
        return false;
    }
    if (std::filesystem::is_directory(status)) {
        why = "it is a directory";
        return false;
    }
    const bool pipe = pipes && std::filesystem::is_fifo(status);
    if (!pipe && !std::filesystem::is_regular_file(status)) {
        why = pipes ? "it is neither a regular file nor a pipe" : "it is not a regular file";
        return false;
    }
    // A pipe has no size to ask: what it gives is counted as it is read.
    const std::uintmax_t size = pipe ? 0 : std::filesystem::file_size(file, ec);
    if (ec) {
        why = ec.message();
        return false;
    }
    if (size > maxBytes) {
        why = "it is larger than " + sizeInWords(maxBytes);
        return false;
    }
    errno = 0;
    in.open(file, std::ios::binary);
    if (!in) {
        why = errno != 0 ? std::generic_category().message(errno) : "it cannot be opened";
        return false;
    }
    return true;
}

std::optional<std::string> readWithin(const std::filesystem::path& file, std::uintmax_t maxBytes, bool pipes,
                                      std::string& why) {
    std::ifstream in;
    if (!openWithin(file, maxBytes, pipes, in, why)) return std::nullopt;
    std::string bytes;
    char chunk[65536];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        const auto got = static_cast<std::size_t>(in.gcount());
        // A file can say it is small and give more (those under /proc), or grow while it is read.
        if (got > maxBytes - bytes.size()) {
            why = "it is larger than " + sizeInWords(maxBytes);
            return std::nullopt;
        }
        bytes.append(chunk, got);
    }
    if (in.bad()) {
        why = "it could not be read to its end";
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

bool openRegularFile(const std::filesystem::path& file, std::uintmax_t maxBytes, std::ifstream& in, std::string& why) {
    return openWithin(file, maxBytes, false, in, why);
}

std::optional<std::string> readRegularFile(const std::filesystem::path& file, std::uintmax_t maxBytes,
                                           std::string& why) {
    return readWithin(file, maxBytes, false, why);
}

std::optional<std::string> readFileOrPipe(const std::filesystem::path& file, std::uintmax_t maxBytes,
                                          std::string& why) {
    return readWithin(file, maxBytes, true, why);
}

}  // namespace verminadia
