#pragma once
// A session's record kept whole under one key of a store of values (a browser's local storage):
// what is flushed is written there, the whole record at once.

#include <string>

#include "frontend/session/record_store.h"
#include "frontend/settings/settings.h"

namespace verminadia::frontend {

class KeptRecord final : public RecordStore {
public:
    // `where` says where the store is, `unwritable` why nothing can be kept when it cannot be read.
    KeptRecord(SettingsStore& store, std::string key, std::string where, std::string unwritable)
        : store_(store), key_(std::move(key)), where_(std::move(where)), unwritable_(std::move(unwritable)) {}

    bool exists() const override { return store_.value(key_).has_value(); }
    std::unique_ptr<std::istream> read(std::string& why) const override;
    std::unique_ptr<std::ostream> replace(const std::string& start, std::string& why) override;
    void remove() override { store_.remove(key_); }
    std::string where() const override { return where_; }

private:
    SettingsStore& store_;
    std::string key_;
    std::string where_;
    std::string unwritable_;
};

}  // namespace verminadia::frontend
