#pragma once
// Where the last session's record is kept: a file on the desktop, local storage in a browser.

#include <istream>
#include <memory>
#include <ostream>
#include <string>

namespace verminadia::frontend {

class RecordStore {
public:
    virtual ~RecordStore() = default;
    virtual bool exists() const = 0;
    // The record to read; nullptr when it cannot be read.
    virtual std::unique_ptr<std::istream> read() const = 0;
    // The record to write, afresh or going on after what it holds; nullptr when it cannot be
    // written. What is flushed is kept, so that a game that is killed leaves its record.
    virtual std::unique_ptr<std::ostream> write(bool goOn) = 0;
    virtual void remove() = 0;
    // Where it is kept, for messages.
    virtual std::string where() const = 0;
};

}  // namespace verminadia::frontend
