#include "web/src/browser_storage.h"

#include "web/src/dom.h"

namespace verminadia::web {

namespace {

std::string storageKey(std::string_view key) { return "verminadia/" + std::string(key); }

val localStorage() { return val::global("localStorage"); }

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

void LocalStorageSettings::remove(std::string_view key) {
    if (readable()) localStorage().call<void>("removeItem", val(storageKey(key)));
}

}  // namespace verminadia::web
