#pragma once
// Where the game's sound files and the General MIDI SoundFont are found.

#include <string>
#include <string_view>
#include <vector>

namespace verminadia::audio {

// The working directory first, as the game always did; then each folder in order, so that an
// installed or unpacked game has sound wherever it is started. Empty when none has the file.
std::string findSoundFile(std::string_view name, const std::vector<std::string>& folders);

// The first GM SoundFont that Debian's packages put in place, best first; empty if none.
std::string findSoundFont(const std::vector<std::string>& candidates);
const std::vector<std::string>& systemSoundFonts();

// The whole file, or false with the reason.
bool readFile(const std::string& path, std::vector<unsigned char>& bytes, std::string& error);

}  // namespace verminadia::audio
