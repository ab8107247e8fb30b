#pragma once
// What the page keeps between visits, in the browser's local storage, each value under
// "verminadia/KEY": the settings, and the last session's record under "verminadia/session"
// (frontend::KeptRecord).

#include <optional>
#include <string>
#include <string_view>

#include "frontend/session/kept_record.h"
#include "frontend/settings/settings.h"

namespace verminadia::web {

class LocalStorageSettings final : public frontend::SettingsStore {
public:
    std::optional<std::string> value(std::string_view key) const override;
    void setValue(std::string_view key, const std::string& value) override;
    void remove(std::string_view key) override;
    // Local storage keeps each value as it is set.
    bool save() override { return readable(); }
    // False where the browser gives the page no local storage (some private windows).
    bool readable() const override;
    std::string where() const override { return "the browser's local storage"; }
};

// The last session's record, kept whole in that storage.
inline frontend::KeptRecord localStorageRecord(LocalStorageSettings& storage) {
    return {storage, "session", "in the browser's local storage", "the browser gives this page no local storage"};
}

}  // namespace verminadia::web
