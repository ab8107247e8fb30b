#include "frontend/shell.h"

#include <algorithm>
#include <memory>

#include "core/title.h"
#include "frontend/screen_reader/accessible.h"
#include "frontend/screen_reader/announcements.h"
#include "frontend/settings/languages.h"
#include "game/events.h"

namespace verminadia::frontend {

namespace {

constexpr Modifiers kPlain{};
constexpr Modifiers kShift{.shift = true};
constexpr Modifiers kCtrl{.ctrl = true};
constexpr Modifiers kCtrlShift{.shift = true, .ctrl = true};

struct Binding {
    Key key;
    Modifiers mods;
    Action action;
};
// Every key the game answers, in every front end. "+" is a shifted key on most keyboards, so
// Ctrl+Shift+plus is Ctrl+plus too.
constexpr Binding kKeys[] = {
    {Key::Tab, kPlain, Action::Next},       {Key::Tab, kShift, Action::Previous},
    {Key::Down, kPlain, Action::Next},      {Key::Right, kPlain, Action::Next},
    {Key::Up, kPlain, Action::Previous},    {Key::Left, kPlain, Action::Previous},
    {Key::Enter, kPlain, Action::Press},    {Key::Space, kPlain, Action::Press},
    {Key::S, kPlain, Action::Status},       {Key::M, kPlain, Action::Mute},
    {Key::Menu, kPlain, Action::Menu},      {Key::F10, kShift, Action::Menu},
    {Key::F11, kPlain, Action::Fullscreen}, {Key::Escape, kPlain, Action::LeaveFullscreen},
    {Key::Plus, kCtrl, Action::Bigger},     {Key::Plus, kCtrlShift, Action::Bigger},
    {Key::Equal, kCtrl, Action::Bigger},    {Key::Minus, kCtrl, Action::Smaller},
};

struct KeyName {
    std::string_view name;
    Key key;
};
constexpr KeyName kKeyNames[] = {
    {"Tab", Key::Tab},
    {"Enter", Key::Enter},
    {" ", Key::Space},
    {"ArrowUp", Key::Up},
    {"ArrowDown", Key::Down},
    {"ArrowLeft", Key::Left},
    {"ArrowRight", Key::Right},
    {"s", Key::S},
    {"m", Key::M},
    {"ContextMenu", Key::Menu},
    {"F10", Key::F10},
    {"F11", Key::F11},
    {"Escape", Key::Escape},
    {"+", Key::Plus},
    {"=", Key::Equal},
    {"-", Key::Minus},
};

}  // namespace

Key keyNamed(std::string_view name) {
    // A letter is the same key with Caps Lock on.
    const char lower[] = {
        static_cast<char>(name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z' ? name[0] - 'A' + 'a' : 0)};
    if (lower[0] != 0) name = std::string_view(lower, 1);
    for (const KeyName& k : kKeyNames) {
        if (k.name == name) return k.key;
    }
    return Key::Other;
}

std::string Effects::saidAt(Urgency urgency) const {
    std::string text;
    for (const Announcement& a : said) {
        if (a.urgency == urgency) text.append(text.empty() ? "" : "\n").append(a.text);
    }
    return text;
}

std::string Shell::shortcutOf(Action a) {
    for (const Binding& b : kKeys) {
        if (b.action != a || b.mods != kPlain) continue;
        for (const KeyName& k : kKeyNames) {
            if (k.key != b.key) continue;
            std::string name(k.name);
            // A letter as it is printed on the key.
            if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') name[0] = static_cast<char>(name[0] - 'a' + 'A');
            return name;
        }
    }
    return {};
}

std::optional<Action> Shell::actionOf(Key k, Modifiers m) {
    for (const Binding& b : kKeys) {
        if (b.key == k && b.mods == m) return b.action;
    }
    return std::nullopt;
}

Shell::Shell(SessionParts parts)
    : parts_(std::make_unique<SessionParts>(std::move(parts))),
      session_(std::make_unique<Session>()),
      script_(std::make_unique<Script>(*session_)),
      ownSettings_(std::make_unique<Settings>(parts_->settings, parts_->complaints)),
      settings_(ownSettings_.get()),
      log_(std::make_unique<SessionLog>(*session_, parts_->lastRecord, parts_->complaints)),
      game_(&session_->game()),
      can_(parts_->can) {
    muted_ = settings_->muted();
    view_ = settings_->view();
}

Shell::Shell(Game& game, Capabilities can) : game_(&game), can_(can), started_(true) {}

Shell::~Shell() = default;

void Shell::useSettings(Settings& s) {
    settings_ = &s;
    muted_ = s.muted();
    game_->sound.setMuted(muted_);
}

bool Shell::start(std::string_view languageOption, bool continueLast, RecordStore* own, bool watch) {
    const std::string language = startLanguage(languageOption, settings_->language(), parts_->environment);
    refused_ = false;
    // The catalogue may come after this returns: what the callback learns is kept in the shell,
    // never in this frame.
    parts_->catalogues.get(language, [=, this](const Catalogue& catalogue) {
        useLanguage(language, catalogue);
        session_->restart();
        watchOnly_ = watch;
        // A new session is recorded; until the first click the last one can still be continued.
        refused_ = !watch && !log_->open(own, nullptr);
        if (refused_) return;
        parts_->sound.setMuted(muted_);  // as the settings say, before anything plays
        if (!watch && continueLast && parts_->lastRecord.exists()) log_->continueLast(parts_->sound);
        game_->sound.setOutput(parts_->sound);
        started_ = true;
        Effects e;
        e.language = e.mute = true;
        e.view = view_;
        follow(e);
        tell(e);
    });
    // A catalogue still being fetched: the session starts when it comes.
    return !refused_;
}

void Shell::setObserver(std::function<void(W)> clicked, std::function<void(Timer)> ticked) {
    clicked_ = std::move(clicked);
    ticked_ = std::move(ticked);
}

bool Shell::canContinue() const { return log_ && started_ && !watchOnly_ && log_->canContinue(); }

// ---- Input ----

void Shell::click(W w) {
    if (!started_ || watchOnly_ || closed_) return;
    if (verminadia::click(*game_, w) == ClickResult::Handled) {
        if (log_) log_->clicked(w);
        if (clicked_) clicked_(w);
    }
    sync();
}

void Shell::tick(Timer t) {
    if (!started_ || watchOnly_ || closed_) return;
    if (verminadia::tick(*game_, t)) {
        if (log_) log_->ticked(t);
        if (ticked_) ticked_(t);
    }
    sync();
}

void Shell::sync() {
    Effects e;
    follow(e);
    tell(e);
}

bool Shell::key(Key k, Modifiers m, bool repeat) {
    Effects e;
    if (const std::optional<Action> a = actionOf(k, m)) perform(*a, repeat, e);
    tell(e);
    return e.taken;
}

void Shell::perform(Action a, bool repeat, Effects& e) {
    const auto showCues = [&] {
        // Like the era's desktop, the focus is shown once the keyboard is used, so the mouse
        // player's window stays exactly as designed.
        if (!cues_) e.focusCues = cues_ = true;
    };
    e.taken = true;
    switch (a) {
        case Action::Next:
        case Action::Previous:
            showCues();
            moveFocus(a == Action::Next, e);
            return;
        case Action::Press:
            // One press, one click: a held key does not race through the story.
            if (repeat) return;
            showCues();
            if (focus_ && stops_.has(*focus_) && pressable(*focus_)) {
                const W w = *focus_;
                if (started_ && !watchOnly_ && !closed_ && verminadia::click(*game_, w) == ClickResult::Handled) {
                    if (log_) log_->clicked(w);
                    if (clicked_) clicked_(w);
                }
                follow(e);
            }
            return;
        case Action::Status:
            // The hero's state, said whatever has the focus.
            if (std::string status = heroStatus(game_->form); !status.empty())
                e.said.push_back({std::move(status), Urgency::Assertive});
            return;
        case Action::Mute:
            if (!repeat) {
                muted_ = !muted_;
                if (settings_) settings_->setMuted(muted_);
                game_->sound.setMuted(muted_);
                e.mute = true;
            }
            return;
        case Action::Menu: e.openMenu = true; return;
        case Action::Fullscreen:
            if (!can_.fullscreen) break;
            changeView({view_.scale, !view_.fullscreen}, e);
            return;
        case Action::LeaveFullscreen:
            if (!can_.fullscreen || !view_.fullscreen) break;
            changeView({view_.scale, false}, e);
            return;
        case Action::Bigger:
        case Action::Smaller:
            // Fullscreen already fills the screen; the scale keys are for the window.
            if (!can_.scale || view_.fullscreen) break;
            changeView({view_.scale + (a == Action::Bigger ? 1 : -1), false}, e);
            return;
    }
    e.taken = false;  // a key for what the view cannot do is the view's
}

void Shell::changeView(const ViewChoice& v, Effects& e) {
    const ViewChoice next{std::clamp(v.scale, kMinScale, kMaxScale), v.fullscreen};
    if (next == view_) return;
    view_ = next;
    if (settings_) settings_->setView(view_);
    e.view = view_;
}

void Shell::moveFocus(bool forward, Effects& e) {
    if (const std::optional<W> w = stops_.next(focus_ && stops_.has(*focus_) ? focus_ : std::nullopt, forward)) {
        focus_ = *w;
        e.focus = focus_;
    }
}

void Shell::menuClosed() {
    // Back where the focus was, if that is still on the screen; else to the screen's first stop.
    Effects e;
    e.focus = focus_ && stops_.has(*focus_) ? focus_ : stops_.next(std::nullopt, true);
    focus_ = *e.focus;
    tell(e);
}

void Shell::toggleMute() {
    Effects e;
    perform(Action::Mute, false, e);
    tell(e);
}

void Shell::chooseView(const ViewChoice& v) {
    Effects e;
    changeView(v, e);
    tell(e);
}

void Shell::chooseLanguage(const std::string& language, CatalogueSource* from) {
    if (!from && parts_) from = &parts_->catalogues;
    if (!from || !knownLanguage(language)) return;
    if (settings_) settings_->setLanguage(language);
    from->get(language, [this, language](const Catalogue& catalogue) {
        useLanguage(language, catalogue);
        Effects e;
        e.language = true;
        follow(e);
        tell(e);
    });
}

void Shell::useLanguage(const std::string& wanted, const Catalogue& catalogue) {
    // A language whose catalogue could not be had is the game's own on the screen, and so in the menu.
    language_ = &catalogue == &untranslated() ? std::string(kOwnLanguage) : wanted;
    game_->setCatalogue(catalogue);
}

void Shell::continueLast() {
    if (!canContinue()) return;
    log_->continueLast(parts_->sound);
    sync();
}

void Shell::close() {
    // Closing the window by hand ends the game too: the timers stop and the players close.
    if (closed_) return;
    closing_ = true;
    if (game_->form.open()) game_->form.close();
    Effects e;
    follow(e);
    tell(e);
}

// ---- Effects ----

void Shell::follow(Effects& e) {
    const Form& form = game_->form;
    if (form.revision() != revision_) {
        revision_ = form.revision();
        e.stage = true;
        const std::optional<W> focusBefore = focus_ && stops_.has(*focus_) ? focus_ : std::nullopt;
        // A stop that went away took the focus with it.
        std::optional<W> target = focusBefore && form.showing(*focusBefore) ? focusBefore : std::nullopt;
        const bool moves = stops_.follow(*game_, target, target);
        // What changed is said before the focus moves, as a sighted player reads the new screen
        // before acting on it.
        if (heard_) {
            e.messageRenamed = messagePanelText(*heard_) != messagePanelText(form);
            for (std::string& text : announcements(*heard_, form, focusBefore, target)) {
                if (!text.empty()) e.said.push_back({std::move(text), Urgency::Polite});
            }
        }
        heard_ = form;
        if (moves) {
            focus_ = target;
            e.focus = target;
        }
    }
    for (const TimerDef& d : kTimers) {
        const std::size_t i = static_cast<std::size_t>(d.id);
        const TimerState& now = form.timer(d.id);
        std::optional<TimerState>& before = timers_[i];
        if (closed_ || (before && before->enabled == now.enabled && before->starts == now.starts)) continue;
        // A timer switched on afresh starts a full interval; one switched off stops at once.
        if (now.enabled)
            e.startTimers.emplace_back(d.id, d.intervalMs);
        else
            e.stopTimers.push_back(d.id);
        before = now;
    }
    if (!form.open() && !closed_) {
        closed_ = true;
        endedByGame_ = !closing_;
        if (endedByGame_ && log_) log_->gameEnded();
        e.closed = true;
        for (const TimerDef& d : kTimers) e.stopTimers.push_back(d.id);
    }
}

void Shell::tell(Effects& e) {
    if (tell_) tell_(e);
}

}  // namespace verminadia::frontend
