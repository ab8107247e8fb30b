#pragma once
// What the page keeps between visits, in the browser's local storage, each value under
// "verminadia/KEY": the settings and the last session's record, through the shared layer's stores.

#include <optional>
#include <string>
#include <string_view>

#include "frontend/session/record_store.h"
#include "frontend/settings/settings.h"

namespace verminadia::web {

class LocalStorageSettings final : public frontend::SettingsStore {
public:
    std::optional<std::string> value(std::string_view key) const override;
    void setValue(std::string_view key, const std::string& value) override;
    // Local storage keeps each value as it is set.
    bool save() override { return readable(); }
    // False where the browser gives the page no local storage (some private windows).
    bool readable() const override;
    std::string where() const override { return "the browser's local storage"; }
};

// The last session's record, kept whole under one key: what is flushed is written there, the whole
// record at once.
class LocalStorageRecord final : public frontend::RecordStore {
public:
    bool exists() const override;
    std::unique_ptr<std::istream> read(std::string& why) const override;
    std::unique_ptr<std::ostream> replace(const std::string& start, std::string& why) override;
    void remove() override;
    std::string where() const override { return "in the browser's local storage"; }
};

}  // namespace verminadia::web
