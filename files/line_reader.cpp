#include "files/line_reader.h"

#include <istream>

#include "files/regular_file.h"

namespace verminadia {

bool LineReader::next(std::string& line) {
    line.clear();
    if (done_) return false;
    std::streambuf* buf = in_.rdbuf();
    ++number_;
    for (;;) {
        const int c = buf == nullptr ? std::char_traits<char>::eof() : buf->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            done_ = true;
            if (line.empty()) {
                --number_;
            } else if (last_ == LastLine::Whole) {
                return true;
            } else {
                cut_ = true;
                problem_ = "no newline at its end, so it may be cut short: dropped";
                line.clear();
            }
            return false;
        }
        if (++read_ > maxBytes_) {
            done_ = true;
            problem_ = "the input goes on past " + sizeInWords(maxBytes_);
            line.clear();
            return false;
        }
        if (c == '\n') return true;
        if (line.size() == maxLineBytes_) {
            done_ = true;
            problem_ = "longer than " + std::to_string(maxLineBytes_) + " bytes";
            line.clear();
            return false;
        }
        line += static_cast<char>(c);
    }
}

}  // namespace verminadia
