#pragma once
// Where a session's record is kept: a file on the desktop, local storage in a browser.

#include <istream>
#include <memory>
#include <ostream>
#include <string>

namespace verminadia::frontend {

class RecordStore {
public:
    virtual ~RecordStore() = default;
    virtual bool exists() const = 0;
    // The record to read; nullptr, with the reason in `why`, when it cannot be read.
    virtual std::unique_ptr<std::istream> read(std::string& why) const = 0;
    // A new record holding `start`, to go on writing: it takes the old one's place only once
    // `start` is kept whole, so that a record that cannot be written (a full disk) leaves the old
    // one as it was. nullptr, with the reason in `why`, when it cannot be written. What is flushed
    // is kept, so that a game that is killed leaves its record.
    virtual std::unique_ptr<std::ostream> replace(const std::string& start, std::string& why) = 0;
    virtual void remove() = 0;
    // Where it is kept, for messages.
    virtual std::string where() const = 0;
};

}  // namespace verminadia::frontend
