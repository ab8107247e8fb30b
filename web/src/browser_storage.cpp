#include "web/src/browser_storage.h"

#include <sstream>

#include "web/src/dom.h"

namespace verminadia::web {

namespace {

std::string storageKey(std::string_view key) { return "verminadia/" + std::string(key); }

val localStorage() { return val::global("localStorage"); }

constexpr std::string_view kRecordKey = "session";

// The record as it is written: held in memory, and the whole of it stored at each flush.
class StoredBuffer final : public std::stringbuf {
public:
    explicit StoredBuffer(std::string start) : std::stringbuf(std::move(start), std::ios::out | std::ios::ate) {}

protected:
    int sync() override {
        LocalStorageSettings().setValue(kRecordKey, str());
        return 0;
    }
};

class StoredStream final : public std::ostream {
public:
    explicit StoredStream(std::string start) : std::ostream(nullptr), buffer_(std::move(start)) { rdbuf(&buffer_); }

private:
    StoredBuffer buffer_;
};

}  // namespace

bool LocalStorageSettings::readable() const {
    const val storage = localStorage();
    return !storage.isUndefined() && !storage.isNull();
}

std::optional<std::string> LocalStorageSettings::value(std::string_view key) const {
    if (!readable()) return std::nullopt;
    const val v = localStorage().call<val>("getItem", val(storageKey(key)));
    if (v.isNull() || v.isUndefined()) return std::nullopt;
    return v.as<std::string>();
}

void LocalStorageSettings::setValue(std::string_view key, const std::string& value) {
    if (readable()) localStorage().call<void>("setItem", val(storageKey(key)), val(value));
}

bool LocalStorageRecord::exists() const { return LocalStorageSettings().value(kRecordKey).has_value(); }

std::unique_ptr<std::istream> LocalStorageRecord::read(std::string& why) const {
    const std::optional<std::string> text = LocalStorageSettings().value(kRecordKey);
    if (!text) {
        why = "it is not there";
        return nullptr;
    }
    return std::make_unique<std::istringstream>(*text);
}

std::unique_ptr<std::ostream> LocalStorageRecord::replace(const std::string& start, std::string& why) {
    if (!LocalStorageSettings().readable()) {
        why = "the browser gives this page no local storage";
        return nullptr;
    }
    auto out = std::make_unique<StoredStream>(start);
    out->flush();
    return out;
}

void LocalStorageRecord::remove() {
    if (LocalStorageSettings().readable()) localStorage().call<void>("removeItem", val(storageKey(kRecordKey)));
}

}  // namespace verminadia::web
