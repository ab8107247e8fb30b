#pragma once
// Reads text from outside (a record, a script, standard input) line by line within bounds, so
// that no input, however long or endless, makes it hold more than one line.

#include <cstdint>
#include <iosfwd>
#include <string>

namespace verminadia {

// What a last line without its newline is. In a record the game wrote, a write that a full disk
// or a kill may have cut short, and a cut click could name another widget whose designed name begins the same: it is
// dropped. In a script a person wrote or a shell piped, only the way `printf` and many editors end
// their text: it is read like any other.
enum class LastLine { MayBeCut, Whole };

class LineReader {
public:
    LineReader(std::istream& in, std::uintmax_t maxBytes, std::size_t maxLineBytes, LastLine last = LastLine::MayBeCut)
        : in_(in), maxBytes_(maxBytes), maxLineBytes_(maxLineBytes), last_(last) {}

    // The next line, without its newline; false at the end of the input or where reading stops.
    bool next(std::string& line);
    // The number of the line given last, or of the line where reading stopped.
    int number() const { return number_; }
    // Once `next` gave false: empty at the end of the input, else why reading stopped at line
    // `number()` ("longer than 4096 bytes", or that a last line without its newline was dropped).
    const std::string& problem() const { return problem_; }
    // Whether the problem is only a last line that was dropped: everything before it was read.
    bool droppedCutLine() const { return cut_; }

private:
    std::istream& in_;
    std::uintmax_t maxBytes_;
    std::size_t maxLineBytes_;
    LastLine last_;
    std::uintmax_t read_ = 0;
    int number_ = 0;
    bool done_ = false, cut_ = false;
    std::string problem_;
};

}  // namespace verminadia
