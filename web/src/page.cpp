#include "web/src/page.h"

#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/eventloop.h>
#include <emscripten/html5.h>

#include "core/title.h"
#include "frontend/menu_texts.h"
#include "frontend/screen_reader/accessible.h"
#include "language/choice.h"

namespace verminadia::web {

namespace {

Page* thePage = nullptr;

const char kStage[] = "stage";
const char kScreen[] = "screen";
const char kLanguageMenu[] = "language";
const char kAnnouncements[] = "announce";
const char kMenuBar[] = "bar";
const char kContinueButton[] = "continue";
const char kMuteSwitch[] = "mute";
const char kSoundNote[] = "sound-note";

void onTimer(void* timer) { thePage->tickTimer(static_cast<const TimerDef*>(timer)->id); }

EM_BOOL onResize(int, const EmscriptenUiEvent*, void*) {
    thePage->refit();
    return EM_FALSE;
}

bool within(const val& target, const char* id) {
    if (target.isNull() || target.isUndefined() || target["closest"].isUndefined()) return false;
    return !target.call<val>("closest", val(std::string("#") + id)).isNull();
}

// The page's listeners, bound below.
void onStageClick(const val& event) {
    const std::optional<W> w = StageView::widgetOf(event["target"]);
    if (w && clickable(*w)) thePage->clickWidget(*w);
}

void onGesture(const val&) { thePage->gesture(); }

void onKeyDown(const val& event) {
    const std::string key = event["key"].as<std::string>();
    if (key != "Escape") thePage->gesture();
    if (within(event["target"], kMenuBar)) {
        // The menu bar keeps its own keys; Escape goes back to the game.
        if (key == "Escape") thePage->leaveMenu();
        return;
    }
    const bool ctrl = event["ctrlKey"].as<bool>(), alt = event["altKey"].as<bool>();
    const bool meta = event["metaKey"].as<bool>(), shift = event["shiftKey"].as<bool>();
    if (within(event["target"], kStage) && event["target"]["tagName"].as<std::string>() == "INPUT" && key != "Tab") {
        return;  // a heading box the mouse put a cursor in takes its keys
    }
    if (ctrl || alt || meta) return;
    if (thePage->pressKey(key, shift, !shift, event["repeat"].as<bool>())) event.call<void>("preventDefault");
}

void onLanguageChange(const val& event) { thePage->chooseLanguage(event["target"]["value"].as<std::string>()); }

void onContinueClick(const val&) { thePage->continueLastSession(); }

void onMuteClick(const val&) { thePage->toggleMute(); }

void onServiceWorkerFailed(const val& error) {
    val::global("console").call<void>("warn", val("verminadia: offline play is not available:"), error);
}

}  // namespace

Page::Page() : view_(byId(kStage)) {
    thePage = this;
    const val stage = byId(kStage);
    stage.call<void>("addEventListener", val("click"), val::module_property("verminadiaStageClick"));
    document().call<void>("addEventListener", val("keydown"), val::module_property("verminadiaKeyDown"));
    byId(kLanguageMenu).call<void>("addEventListener", val("change"), val::module_property("verminadiaLanguageChange"));
    byId(kContinueButton).call<void>("addEventListener", val("click"), val::module_property("verminadiaContinueClick"));
    byId(kMuteSwitch).call<void>("addEventListener", val("click"), val::module_property("verminadiaMuteClick"));
    // Browsers let a page sound from a press (a mouse's) or a release (a touch's).
    for (const char* event : {"pointerdown", "pointerup"}) {
        document().call<void>("addEventListener", val(event), val::module_property("verminadiaGesture"));
    }
    sound_.setMuted(settings_.muted());
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, &onResize);
    refit();
}

void Page::start() {
    // The language chosen in the menu on an earlier visit, else the browser's.
    std::string language = settings_.language();
    if (language.empty()) language = browserLanguage();
    languages_.get(language, [this, language](const Catalogue& catalogue) {
        useLanguage(language, catalogue);
        buildLanguageMenu();
        // A new session is recorded; until the first click the last one can still be continued.
        session_.restart();
        log_.open(nullptr, nullptr);
        game_.sound.setOutput(sound_);
        started_ = true;
        sync();
        // For the load figures: the title is on the stage from here.
        val::global("performance").call<void>("mark", val("verminadia-title"));
        // Offline play: the folder's service worker keeps the game's files after one visit. It
        // fetches them all, so only once the title shows.
        const val navigator = val::global("navigator");
        if (!navigator["serviceWorker"].isUndefined()) {
            navigator["serviceWorker"]
                .call<val>("register", val("service-worker.js"))
                .call<void>("catch", val::module_property("verminadiaServiceWorkerFailed"));
        }
    });
}

void Page::buildLanguageMenu() {
    val menu = byId(kLanguageMenu);
    for (const std::string& language : languages()) {
        val option = createElement("option", "");
        option.set("value", val(language));
        setText(option, languageName(language));
        menu.call<void>("appendChild", option);
    }
    menu.set("value", val(language_));
    menu.set("hidden", false);
}

void Page::chooseLanguage(const std::string& language) {
    settings_.setLanguage(language);
    languages_.get(language, [this, language](const Catalogue& catalogue) {
        useLanguage(language, catalogue);
        sync();
    });
}

void Page::useLanguage(const std::string& wanted, const Catalogue& catalogue) {
    // A language whose catalogue could not be had is Japanese on the screen, and so in the menu.
    const std::string language = &catalogue == &untranslated() ? std::string(kOwnLanguage) : wanted;
    language_ = language;
    game_.setCatalogue(catalogue);
    document().set("title", val(std::string(catalogue.translate(kGameTitle))));
    document()["documentElement"].set("lang", val(language));
    byId(kLanguageMenu).set("value", val(language));
}

void Page::refit() {
    const val screen = byId(kScreen);
    view_.fit(screen["clientWidth"].as<double>(), screen["clientHeight"].as<double>());
}

void Page::clickWidget(W w) {
    if (!started_) return;
    if (click(game_, w) == ClickResult::Handled) log_.clicked(w);
    sync();
}

void Page::tickTimer(Timer t) {
    if (!started_) return;
    if (tick(game_, t)) log_.ticked(t);
    sync();
}

void Page::continueLastSession() {
    if (!started_ || !log_.canContinue()) return;
    log_.continueLast(sound_);
    appliedRevision_ = ~std::uint64_t{0};
    sync();
}

void Page::gesture() {
    sound_.allow([] { byId(kSoundNote).set("hidden", true); });
}

void Page::toggleMute() {
    sound_.setMuted(!sound_.muted());
    settings_.setMuted(sound_.muted());
    syncMuteSwitch();
}

void Page::syncMuteSwitch() {
    val button = byId(kMuteSwitch);
    setText(button, std::string(game_.catalogue().translate(frontend::kMuteItem)));
    setAttribute(button, "aria-pressed", sound_.muted() ? "true" : "false");
    button.set("hidden", false);
}

void Page::syncContinueButton() {
    val button = byId(kContinueButton);
    setText(button, std::string(game_.catalogue().translate(frontend::kContinueItem)));
    button.set("hidden", !log_.canContinue());
}

void Page::sync() {
    if (game_.form.revision() != appliedRevision_) {
        appliedRevision_ = game_.form.revision();
        view_.apply(game_.form);
        view_.describe(game_);
        // The message panel is read as one: a screen reader hears its new lines at once.
        if (std::string message = game_.form.showing(W::Panel5) ? frontend::messagePanelText(game_.form) : "";
            message != announced_) {
            announced_ = std::move(message);
            setText(byId(kAnnouncements), announced_);
        }
        followScreen();
    }
    syncTimers();
    syncContinueButton();
    syncMuteSwitch();
    if (!game_.form.open()) {
        log_.gameEnded();
        closeStage();
    }
}

void Page::syncTimers() {
    for (const TimerDef& d : kTimers) {
        const std::size_t i = static_cast<std::size_t>(d.id);
        const TimerState& now = game_.form.timer(d.id);
        std::optional<TimerState>& before = appliedTimers_[i];
        if (before && before->enabled == now.enabled && before->starts == now.starts) continue;
        // A timer switched on afresh starts a full interval; one switched off stops at once.
        if (intervals_[i] != 0) emscripten_clear_interval(intervals_[i]);
        intervals_[i] = 0;
        if (now.enabled) intervals_[i] = emscripten_set_interval(&onTimer, d.intervalMs, const_cast<TimerDef*>(&d));
        before = now;
    }
}

void Page::closeStage() {
    // The game closed its window at the end of the credits: the stage goes, and nothing ticks.
    for (long& id : intervals_) {
        if (id != 0) emscripten_clear_interval(id);
        id = 0;
    }
    byId(kStage).set("hidden", true);
}

// ---- The keyboard ----

bool Page::pressKey(const std::string& key, bool shift, bool plain, bool repeat) {
    const bool taken = takeKey(key, shift, plain, repeat);
    if (taken && !focusCues_) {
        focusCues_ = true;
        byId(kStage)["classList"].call<void>("add", val("keyboard"));
    }
    return taken;
}

bool Page::takeKey(const std::string& key, bool shift, bool plain, bool repeat) {
    if (key == "Tab") {
        moveFocus(!shift);
        return true;
    }
    if (key == "ContextMenu" || (shift && key == "F10")) {
        // The page's menu, as the desktop's menu key opens its context menu.
        beforeMenu_ = focusedStop();
        byId(kLanguageMenu).call<void>("focus");
        return true;
    }
    if (!plain) return false;
    if (key == "m") {
        if (!repeat) toggleMute();
        return true;
    }
    if (key == "Enter" || key == " ") {
        // One press, one click: a held key does not race through the story.
        if (!repeat) {
            if (const std::optional<W> w = focusedStop()) clickWidget(*w);
        }
        return true;
    }
    if (key == "ArrowUp" || key == "ArrowLeft" || key == "ArrowDown" || key == "ArrowRight") {
        moveFocus(key == "ArrowDown" || key == "ArrowRight");
        return true;
    }
    return false;
}

std::optional<W> Page::focusedStop() const {
    const std::optional<W> w = StageView::widgetFocused();
    if (!w || !stops_.has(*w)) return std::nullopt;
    return w;
}

void Page::focusOn(std::optional<W> w) {
    val options = val::object();
    options.set("preventScroll", true);
    (w ? view_.element(*w) : byId(kStage)).call<void>("focus", options);
}

void Page::leaveMenu() {
    // Back where the focus was, if that is still on the screen; else to the screen's first stop.
    focusOn(beforeMenu_ && stops_.has(*beforeMenu_) ? beforeMenu_ : stops_.next(std::nullopt, true));
}

void Page::moveFocus(bool forward) {
    if (const std::optional<W> w = stops_.next(focusedStop(), forward)) focusOn(*w);
}

void Page::followScreen() {
    std::optional<W> target;
    if (!stops_.follow(game_, focusedStop(), target)) return;
    // The page's menu keeps the focus while the player is in it.
    if (within(document()["activeElement"], kMenuBar)) return;
    focusOn(target);
}

}  // namespace verminadia::web

EMSCRIPTEN_BINDINGS(verminadia_page) {
    emscripten::function("verminadiaStageClick", &verminadia::web::onStageClick);
    emscripten::function("verminadiaKeyDown", &verminadia::web::onKeyDown);
    emscripten::function("verminadiaLanguageChange", &verminadia::web::onLanguageChange);
    emscripten::function("verminadiaContinueClick", &verminadia::web::onContinueClick);
    emscripten::function("verminadiaMuteClick", &verminadia::web::onMuteClick);
    emscripten::function("verminadiaGesture", &verminadia::web::onGesture);
    emscripten::function("verminadiaServiceWorkerFailed", &verminadia::web::onServiceWorkerFailed);
}
