#pragma once
// One running session of the game, whatever shows it: the game and its draws, the session record,
// the settings and the language, and every rule about what the player's input does beyond the
// game's own: which key is which action, where the keyboard focus goes, what a screen reader is
// told, which timers run, the language at start and continuing the last session. A view (the
// desktop's window, the page) sends its input in and carries out what it is told after each.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frontend/focus_order.h"
#include "frontend/session/session.h"
#include "frontend/settings/settings.h"
#include "language/catalogues.h"
#include "language/choice.h"

namespace verminadia::frontend {

// The keys a view passes on, by name; the shell alone decides what each does (kKeys).
enum class Key { Other, Tab, Enter, Space, Up, Down, Left, Right, S, M, Menu, F10, F11, Escape, Plus, Equal, Minus };
struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool meta = false;
    bool operator==(const Modifiers&) const = default;
};
// A key's name as the browser's KeyboardEvent.key spells it ("Tab", "ArrowUp", " ", "m" or "M").
Key keyNamed(std::string_view name);

enum class Action { Next, Previous, Press, Status, Mute, Menu, Fullscreen, LeaveFullscreen, Bigger, Smaller };

// What a view can do beyond drawing the stage; keys for what it cannot are left to it.
struct Capabilities {
    bool scale = false;
    bool fullscreen = false;
};

enum class Urgency { Polite, Assertive };
struct Announcement {
    std::string text;
    Urgency urgency = Urgency::Polite;
    bool operator==(const Announcement&) const = default;
};

// What a view does after an input, in this order: mirror the model, say, move the focus, and
// the rest.
struct Effects {
    bool stage = false;                              // the model changed: mirror it into the widgets
    bool messageRenamed = false;                     // the message panel's text changed: its name with it
    std::vector<Announcement> said;                  // for a screen reader, whatever has the focus
    std::optional<std::optional<W>> focus;           // the focus goes to a stop, or to the stage itself
    bool focusCues = false;                          // the keyboard was first used: the focus shows from now on
    std::vector<std::pair<Timer, int>> startTimers;  // (re)started, with their interval in ms
    std::vector<Timer> stopTimers;
    std::optional<ViewChoice> view;  // the player chose another view
    bool openMenu = false;           // the menu key: the view's menu, at the focus
    bool language = false;           // everything is in another language now
    bool mute = false;               // muted() changed
    bool closed = false;             // the game closed its window
    bool taken = false;              // the key was the game's: the view does nothing more with it

    // What is said at `urgency`, a line each; empty when nothing is.
    std::string saidAt(Urgency urgency) const;
};

// The catalogues, now (the desktop's files) or once fetched (a browser's).
class CatalogueSource {
public:
    virtual ~CatalogueSource() = default;
    virtual void get(const std::string& language, std::function<void(const Catalogue&)> ready) = 0;
};

// The catalogues as files beside the program, at hand at once.
class FileCatalogues final : public CatalogueSource {
public:
    explicit FileCatalogues(Catalogues& all) : all_(all) {}
    void get(const std::string& language, std::function<void(const Catalogue&)> ready) override {
        ready(all_.get(language));
    }

private:
    Catalogues& all_;
};

// What a view lends the session it shows.
struct SessionParts {
    SoundOutput& sound;
    RecordStore& lastRecord;
    SettingsStore& settings;
    CatalogueSource& catalogues;
    // The languages the system or the browser asks for, as gettext reads them.
    Environment environment;
    std::ostream& complaints;
    Capabilities can;
};

class Shell {
public:
    using Tell = std::function<void(const Effects&)>;

    // A session of its own: nothing runs until start().
    explicit Shell(SessionParts parts);
    // Only the keyboard, the screen reader and the timers over a game played elsewhere (tests, tools).
    explicit Shell(Game& game, Capabilities can = {});
    ~Shell();

    // Who carries out the effects: the view.
    void onEffects(Tell tell) { tell_ = std::move(tell); }

    // Starts the session in `languageOption` (this run's, if any) else the saved choice, else the
    // environment's; `continueLast` plays the last session's record in first; `own` is the
    // player's own record; `watch`: a record is to be watched, nothing is recorded. False, said
    // in one line, when `own` cannot be written.
    bool start(std::string_view languageOption = {}, bool continueLast = false, RecordStore* own = nullptr,
               bool watch = false);
    // This run's view, not remembered (before start).
    void presetView(const ViewChoice& v) { view_ = v; }
    Script& script() { return *script_; }
    // The session it owns: the game, the generator the game draws from, and their log.
    Session& session() { return *session_; }
    bool started() const { return started_; }

    // ---- Input ----
    void click(W w);
    void tick(Timer t);
    // True when the key was the game's: the view does nothing more with it.
    bool key(Key k, Modifiers m = {}, bool repeat = false);
    // The view's menu closed by Escape: the focus goes back to the stage.
    void menuClosed();
    // The player's choice, remembered; its catalogue from `from`, else from the session's parts.
    void chooseLanguage(const std::string& language, CatalogueSource* from = nullptr);
    void toggleMute();
    void chooseView(const ViewChoice& v);
    void continueLast();
    // The game was changed from outside (a record played in, a test): mirror it.
    void sync();
    // The window was closed by hand.
    void close();
    // While a record is watched the player's clicks and the timers no longer reach the game.
    void setWatchOnly(bool watchOnly) { watchOnly_ = watchOnly; }
    // Sees every click and tick that reached the game (a record written outside).
    void setObserver(std::function<void(W)> clicked, std::function<void(Timer)> ticked);

    // ---- The model ----
    Game& game() { return *game_; }
    const Game& game() const { return *game_; }
    const std::string& language() const { return language_; }
    bool muted() const { return muted_; }
    const ViewChoice& view() const { return view_; }
    const Capabilities& can() const { return can_; }
    std::optional<W> focus() const { return focus_; }
    // Where mute, the view and the language are remembered; a shell over a game played elsewhere
    // remembers them only once given a place.
    Settings* settings() { return settings_; }
    void useSettings(Settings& s);
    bool canContinue() const;
    bool endedByGame() const { return endedByGame_; }

    // The one table of keys: what (key, modifiers) asks for.
    static std::optional<Action> actionOf(Key k, Modifiers m);
    // The plain key that asks for `a`, as a menu shows it beside the entry ("F11", "M"); empty if none.
    static std::string shortcutOf(Action a);

private:
    void perform(Action a, bool repeat, Effects& e);
    void moveFocus(bool forward, Effects& e);
    void changeView(const ViewChoice& v, Effects& e);
    void useLanguage(const std::string& wanted, const Catalogue& catalogue);
    // Compares the model with what the view was last told and adds what it must do.
    void follow(Effects& e);
    void tell(Effects& e);

    std::unique_ptr<SessionParts> parts_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<Script> script_;
    std::unique_ptr<Settings> ownSettings_;
    Settings* settings_ = nullptr;
    std::unique_ptr<SessionLog> log_;
    Game* game_;
    Capabilities can_;
    Tell tell_;
    std::function<void(W)> clicked_;
    std::function<void(Timer)> ticked_;

    bool started_ = false;
    bool refused_ = false;  // the player's own record could not be written: the session never started
    bool watchOnly_ = false;
    bool endedByGame_ = false;
    bool closed_ = false;
    bool closing_ = false;  // the player closed the window
    bool muted_ = false;
    bool cues_ = false;
    std::string language_{kOwnLanguage};
    ViewChoice view_;
    std::uint64_t revision_ = ~std::uint64_t{0};
    std::optional<Form> heard_;  // the model as a screen reader was last told of it
    FocusStops stops_;
    std::optional<W> focus_;
    std::array<std::optional<TimerState>, kTimerCount> timers_{};
};

}  // namespace verminadia::frontend
