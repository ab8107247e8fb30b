#pragma once
// Opening the files that come from outside the game (records, scripts, catalogues, settings)
// without trusting them: only a regular file is read, and only up to a size, so that a FIFO
// cannot hang the game, nor a device, a directory or a huge file fill its memory or pass for an
// empty file.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace verminadia {

// Opens `file` to read when it is a regular file (after symbolic links) of at most `maxBytes`.
// Otherwise false, with the reason in `why`, to follow "cannot read FILE: ": "it is a directory",
// "it is not a regular file", "it is larger than 64 MiB", or the system's own reason.
bool openRegularFile(const std::filesystem::path& file, std::uintmax_t maxBytes, std::ifstream& in, std::string& why);

// The whole of such a file; nothing, with the reason in `why`, otherwise. A file that grows past
// `maxBytes` while it is read is refused as well.
std::optional<std::string> readRegularFile(const std::filesystem::path& file, std::uintmax_t maxBytes,
                                           std::string& why);

// The whole of a regular file or of a pipe (a FIFO, a shell's `<(…)`, `/dev/stdin` fed by one),
// read as a stream to its end; nothing, with the reason in `why`, when it is neither or goes on
// past `maxBytes`. Opening a pipe waits for its writer, so this is for what a person hands a
// tool, never for what the game opens on its own.
std::optional<std::string> readFileOrPipe(const std::filesystem::path& file, std::uintmax_t maxBytes, std::string& why);

// A size as the errors say it: "64 MiB", "4 KiB", "100 bytes".
std::string sizeInWords(std::uintmax_t bytes);

}  // namespace verminadia
