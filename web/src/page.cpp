#include "web/src/page.h"

#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/eventloop.h>
#include <emscripten/html5.h>
#include <sstream>

#include "core/title.h"
#include "frontend/screen_reader/accessible.h"
#include "language/choice.h"

namespace verminadia::web {

namespace {

Page* thePage = nullptr;

const char kStage[] = "stage";
const char kScreen[] = "screen";
const char kLanguageMenu[] = "language";
const char kAnnouncements[] = "announce";
const char kAlerts[] = "alert";
const char kMenuBar[] = "bar";
const char kContinueButton[] = "continue";
const char kMuteSwitch[] = "mute";
const char kSoundNote[] = "sound-note";

void onTimer(void* timer) { thePage->shell().tick(static_cast<const TimerDef*>(timer)->id); }

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
    if (w && clickable(*w)) thePage->shell().click(*w);
}

// The mouse does not move the keyboard's focus, as on the desktop; a heading box still takes a cursor.
void onStageMouseDown(const val& event) {
    if (event["target"]["tagName"].as<std::string>() != "INPUT") event.call<void>("preventDefault");
}

void onGesture(const val&) { thePage->gesture(); }

void onKeyDown(const val& event) {
    const frontend::Key key = frontend::keyNamed(event["key"].as<std::string>());
    if (key != frontend::Key::Escape) thePage->gesture();
    if (within(event["target"], kMenuBar)) {
        // The menu bar keeps its own keys; Escape goes back to the game.
        if (key == frontend::Key::Escape) {
            document()["activeElement"].call<void>("blur");
            thePage->shell().menuClosed();
        }
        return;
    }
    if (within(event["target"], kStage) && event["target"]["tagName"].as<std::string>() == "INPUT" &&
        key != frontend::Key::Tab) {
        return;  // a heading box the mouse put a cursor in takes its keys
    }
    const frontend::Modifiers mods{.shift = event["shiftKey"].as<bool>(),
                                   .ctrl = event["ctrlKey"].as<bool>(),
                                   .alt = event["altKey"].as<bool>(),
                                   .meta = event["metaKey"].as<bool>()};
    if (thePage->shell().key(key, mods, event["repeat"].as<bool>())) event.call<void>("preventDefault");
}

void onLanguageChange(const val& event) {
    thePage->menu().choose(
        {.what = frontend::MenuChoice::Language, .language = event["target"]["value"].as<std::string>()});
}

// The button goes with the title: the keys go back to the game, whose focus follows its screen.
void onContinueClick(const val&) {
    document()["activeElement"].call<void>("blur");
    thePage->menu().choose({.what = frontend::MenuChoice::Continue});
}

void onMuteClick(const val&) { thePage->menu().choose({.what = frontend::MenuChoice::Mute}); }

// For the parity test: draws queued as the script driver queues them, and the game's state as it dumps it.
void queueDraw(int value) { thePage->shell().session().random().queue(value); }
std::string dumpState() { return thePage->shell().script().dump(); }
// For a test that sets a scene as the script driver's `set` line does (a field and its value):
// "" or why the line is bad. The record keeps only what the player did, not this.
std::string setField(const std::string& field, const std::string& value) {
    std::ostringstream ignored;
    const std::string why = thePage->shell().script().step("set " + field + " " + value, ignored);
    thePage->shell().sync();
    return why;
}

void onServiceWorkerFailed(const val& error) {
    val::global("console").call<void>("warn", val("verminadia: offline play is not available:"), error);
}

}  // namespace

Page::Page()
    : shell_({sound_, lastRecord_, kept_, languages_, browserEnvironment(), std::cerr, {}}), view_(byId(kStage)) {
    thePage = this;
    const val stage = byId(kStage);
    stage.call<void>("addEventListener", val("click"), val::module_property("verminadiaStageClick"));
    stage.call<void>("addEventListener", val("mousedown"), val::module_property("verminadiaStageMouseDown"));
    document().call<void>("addEventListener", val("keydown"), val::module_property("verminadiaKeyDown"));
    byId(kLanguageMenu).call<void>("addEventListener", val("change"), val::module_property("verminadiaLanguageChange"));
    byId(kContinueButton).call<void>("addEventListener", val("click"), val::module_property("verminadiaContinueClick"));
    byId(kMuteSwitch).call<void>("addEventListener", val("click"), val::module_property("verminadiaMuteClick"));
    // Browsers let a page sound from a press (a mouse's) or a release (a touch's).
    for (const char* event : {"pointerdown", "pointerup"}) {
        document().call<void>("addEventListener", val(event), val::module_property("verminadiaGesture"));
    }
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, &onResize);
    refit();
    shell_.onEffects([this](const frontend::Effects& e) { apply(e); });
}

void Page::start() { shell_.start(); }

void Page::refit() {
    const val screen = byId(kScreen);
    view_.fit(screen["clientWidth"].as<double>(), screen["clientHeight"].as<double>());
}

void Page::gesture() {
    sound_.allow([] { byId(kSoundNote).set("hidden", true); });
}

void Page::apply(const frontend::Effects& e) {
    const Game& game = shell_.game();
    if (e.stage) {
        view_.apply(game.form);
        view_.describe(game);
    }
    // A live region says its new text: the polite one after what is being said, the other at once.
    if (const std::string polite = e.saidAt(frontend::Urgency::Polite); !polite.empty())
        setText(byId(kAnnouncements), polite);
    if (const std::string assertive = e.saidAt(frontend::Urgency::Assertive); !assertive.empty())
        setText(byId(kAlerts), assertive);
    if (e.focusCues) byId(kStage)["classList"].call<void>("add", val("keyboard"));
    if (e.focus) focusOn(*e.focus);
    for (const auto& [t, ms] : e.startTimers) {
        long& id = intervals_[static_cast<std::size_t>(t)];
        if (id != 0) emscripten_clear_interval(id);
        id = emscripten_set_interval(&onTimer, ms, const_cast<TimerDef*>(&kTimers[static_cast<std::size_t>(t)]));
    }
    for (const Timer t : e.stopTimers) {
        long& id = intervals_[static_cast<std::size_t>(t)];
        if (id != 0) emscripten_clear_interval(id);
        id = 0;
    }
    // The page's menu: its first control takes the keys until Escape.
    if (e.openMenu) byId(kLanguageMenu).call<void>("focus");
    if (e.language) showLanguage();
    // The game closed its window at the end of the credits: the stage goes.
    if (e.closed) byId(kStage).set("hidden", true);
    syncBar();
}

void Page::showLanguage() {
    document().set("title", val(std::string(shell_.game().catalogue().translate(kGameTitle))));
    document()["documentElement"].set("lang", val(shell_.language()));
    if (menuBuilt_) return;
    menuBuilt_ = true;
    menu_.offerLanguages(languages_, [this] {
        val menu = byId(kLanguageMenu);
        for (const frontend::MenuEntry& l : menu_.entries()) {
            if (l.what != frontend::MenuChoice::Language) continue;
            val option = createElement("option", "");
            option.set("value", val(l.language));
            setText(option, l.text);
            menu.call<void>("appendChild", option);
        }
        menu.set("hidden", false);
        syncBar();
    });
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
}

// The bar: the mute switch and the way back into the last session as buttons, the languages as a list.
void Page::syncBar() {
    for (const frontend::MenuEntry& e : menu_.entries()) {
        if (e.what == frontend::MenuChoice::Language) {
            if (e.checked) byId(kLanguageMenu).set("value", val(e.language));
            continue;
        }
        val button = byId(e.what == frontend::MenuChoice::Mute ? kMuteSwitch : kContinueButton);
        setText(button, e.text);
        if (e.checkable()) setAttribute(button, "aria-pressed", e.checked ? "true" : "false");
        button.set("hidden", !e.shown);
    }
}

void Page::focusOn(std::optional<W> w) {
    // The page's menu keeps the focus while the player is in it.
    if (within(document()["activeElement"], kMenuBar)) return;
    val options = val::object();
    options.set("preventScroll", true);
    (w ? view_.element(*w) : byId(kStage)).call<void>("focus", options);
}

}  // namespace verminadia::web

EMSCRIPTEN_BINDINGS(verminadia_page) {
    emscripten::function("verminadiaStageClick", &verminadia::web::onStageClick);
    emscripten::function("verminadiaStageMouseDown", &verminadia::web::onStageMouseDown);
    emscripten::function("verminadiaKeyDown", &verminadia::web::onKeyDown);
    emscripten::function("verminadiaLanguageChange", &verminadia::web::onLanguageChange);
    emscripten::function("verminadiaContinueClick", &verminadia::web::onContinueClick);
    emscripten::function("verminadiaMuteClick", &verminadia::web::onMuteClick);
    emscripten::function("verminadiaGesture", &verminadia::web::onGesture);
    emscripten::function("verminadiaServiceWorkerFailed", &verminadia::web::onServiceWorkerFailed);
    emscripten::function("verminadiaQueueDraw", &verminadia::web::queueDraw);
    emscripten::function("verminadiaDump", &verminadia::web::dumpState);
    emscripten::function("verminadiaSet", &verminadia::web::setField);
}
