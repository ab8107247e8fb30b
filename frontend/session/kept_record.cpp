#include "frontend/session/kept_record.h"

#include <sstream>

namespace verminadia::frontend {

namespace {

// The record as it is written: held in memory, and the whole of it stored at each flush.
class StoredBuffer final : public std::stringbuf {
public:
    StoredBuffer(SettingsStore& store, std::string key, std::string start)
        : std::stringbuf(std::move(start), std::ios::out | std::ios::ate), store_(store), key_(std::move(key)) {}

protected:
    int sync() override {
        store_.setValue(key_, str());
        return 0;
    }

private:
    SettingsStore& store_;
    std::string key_;
};

class StoredStream final : public std::ostream {
public:
    StoredStream(SettingsStore& store, std::string key, std::string start)
        : std::ostream(nullptr), buffer_(store, std::move(key), std::move(start)) {
        rdbuf(&buffer_);
    }

private:
    StoredBuffer buffer_;
};

}  // namespace

std::unique_ptr<std::istream> KeptRecord::read(std::string& why) const {
    const std::optional<std::string> text = store_.value(key_);
    if (!text) {
        why = "it is not there";
        return nullptr;
    }
    return std::make_unique<std::istringstream>(*text);
}

std::unique_ptr<std::ostream> KeptRecord::replace(const std::string& start, std::string& why) {
    if (!store_.readable()) {
        why = unwritable_;
        return nullptr;
    }
    auto out = std::make_unique<StoredStream>(store_, key_, start);
    out->flush();
    return out;
}

}  // namespace verminadia::frontend
