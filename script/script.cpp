#include "script/script.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <sstream>
#include <string_view>
#include <vector>

#include "core/text/utf8.h"
#include "files/line_reader.h"
#include "game/record.h"
#include "script/json.h"

namespace verminadia {

namespace {

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

// Splits off the first word; `rest` keeps everything after the single separating space.
std::string_view firstWord(std::string_view s, std::string_view& rest) {
    const auto end = s.find_first_of(" \t");
    if (end == std::string_view::npos) {
        rest = {};
        return s;
    }
    rest = s.substr(end + 1);
    return s.substr(0, end);
}

std::vector<std::string_view> words(std::string_view s) {
    std::vector<std::string_view> out;
    while (!(s = trim(s)).empty()) {
        std::string_view rest;
        out.push_back(firstWord(s, rest));
        s = rest;
    }
    return out;
}

template <typename Int>
bool parseInt(std::string_view s, Int& out) {
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && ptr == s.data() + s.size();
}

const char* kindName(Kind k) {
    switch (k) {
        case Kind::Panel: return "panel";
        case Kind::Label: return "label";
        case Kind::Picture: return "picture";
        case Kind::Button: return "button";
        case Kind::Edit: return "edit";
    }
    return "";
}

const char* boolean(bool b) { return b ? "true" : "false"; }

// Words of the line as an error quotes them: escaped and cut short.
std::string quoted(std::string_view s) { return "'" + escapedInput(s) + "'"; }

}  // namespace

int Script::run(std::istream& in, std::ostream& out, std::ostream& err) {
    // A script's last line needs no newline; the session's records keep the stricter rule.
    LineReader lines(in, kMaxRecordBytes, kMaxRecordLineBytes, LastLine::Whole);
    const auto stop = [&](const std::string& reason) {
        out.flush();
        err << "line " << lines.number() << ": " << reason << '\n';
        return 2;
    };
    std::string line;
    while (lines.next(line)) {
        if (const std::string reason = step(line, out); !reason.empty()) return stop(reason);
    }
    return lines.problem().empty() ? 0 : stop(lines.problem());
}

std::string Script::step(std::string_view line, std::ostream& out) {
    const std::string_view text = trim(line);
    if (text.empty() || text.front() == '#') return {};
    return execute(std::string(text), out);
}

std::string Script::execute(const std::string& line, std::ostream& out) {
    std::string_view rest;
    const std::string_view command = firstWord(line, rest);
    const std::vector<std::string_view> args = words(rest);

    if (command == "click") {
        if (args.size() != 1) return "click takes one widget name";
        W w;
        if (!widgetByName(args[0], w)) return "unknown widget " + quoted(args[0]);
        switch (click(game(), w)) {
            case ClickResult::Handled: break;
            case ClickResult::Hidden: out << "ignored: " << args[0] << " is hidden\n"; break;
            case ClickResult::Closed: out << "ignored: window closed\n"; break;
        }
    } else if (command == "tick") {
        if (args.empty() || args.size() > 2) return "tick takes a timer name and an optional count";
        Timer t;
        if (!timerByName(args[0], t)) return "unknown timer " + quoted(args[0]);
        int count = 1;
        if (args.size() == 2 && (!parseInt(args[1], count) || count < 0)) {
            return "bad tick count " + quoted(args[1]);
        }
        // A timer that is off stays off: the rest of the count would do nothing, only take time.
        for (int i = 0; i < count && tick(game(), t); ++i) {
            if (session_.random().badValue()) break;
        }
    } else if (command == "draw") {
        if (args.empty()) return "draw takes one or more values";
        std::vector<int> values;
        for (std::string_view a : args) {
            int v;
            if (!parseInt(a, v) || v < 0) return "bad draw value " + quoted(a);
            values.push_back(v);
        }
        for (int v : values) session_.random().queue(v);
    } else if (command == "seed") {
        std::uint64_t s;
        if (args.size() != 1 || !parseInt(args[0], s)) return "seed takes one whole number";
        session_.random().seed(s);
    } else if (command == "set") {
        std::string_view value;
        const std::string_view field = firstWord(trim(rest), value);
        if (field.empty()) return "set takes a field and a value";
        for (const IntField& f : kIntFields) {
            if (f.name != field) continue;
            std::int32_t v;
            if (!parseInt(trim(value), v)) return "bad whole number " + quoted(value) + " for " + std::string(field);
            game().state.*f.member = v;
            return {};
        }
        for (const TextField& f : kTextFields) {
            if (f.name != field) continue;
            if (!value.empty() && value.front() == '"') {
                auto text = json::unquote(trim(value));
                if (!text) return "bad JSON string for " + std::string(field);
                game().state.*f.member = Text::verbatim(*text);
            } else {
                game().state.*f.member = Text::verbatim(std::string(value));
            }
            return {};
        }
        return "unknown field " + quoted(field);
    } else if (command == "print") {
        if (args.size() != 1) return "print takes one name";
        const std::string_view name = args[0];
        for (const IntField& f : kIntFields) {
            if (f.name == name) {
                out << game().state.*f.member << '\n';
                return {};
            }
        }
        for (const TextField& f : kTextFields) {
            if (f.name == name) {
                out << json::quote(game().shown(f.member)) << '\n';
                return {};
            }
        }
        W w;
        Timer t;
        Player p;
        if (widgetByName(name, w))
            out << widgetJson(w) << '\n';
        else if (timerByName(name, t))
            out << timerJson(t) << '\n';
        else if (playerByName(name, p))
            out << playerJson(p) << '\n';
        else
            return "unknown name " + quoted(name);
    } else if (command == "dump") {
        if (!args.empty()) return "dump takes nothing";
        out << dump() << '\n';
    } else {
        return "unknown command " + quoted(command);
    }

    if (const auto* bad = session_.random().badValue()) {
        std::ostringstream why;
        why << "queued draw " << bad->value << " is not below " << bad->n;
        session_.random().clearBadValue();
        return why.str();
    }
    return {};
}

std::string Script::widgetJson(W w) const {
    const WidgetDef& d = def(w);
    const WidgetState& s = game().form.state(w);
    std::ostringstream o;
    o << "{\"kind\":\"" << kindName(d.kind) << "\",\"visible\":" << boolean(s.visible)
      << ",\"showing\":" << boolean(game().form.showing(w));
    if (d.kind == Kind::Label || d.kind == Kind::Button || d.kind == Kind::Edit) {
        o << ",\"caption\":" << json::quote(s.caption);
    }
    if (d.kind == Kind::Label) {
        o << ",\"font_color\":" << json::color(s.fontColor) << ",\"font_size\":" << s.fontPx << ",\"top\":" << s.top;
    }
    if (d.kind == Kind::Picture) o << ",\"stretch\":" << boolean(s.stretch);
    if (d.kind == Kind::Panel) o << ",\"color\":" << json::color(s.color);
    o << '}';
    return o.str();
}

std::string Script::timerJson(Timer t) const {
    std::ostringstream o;
    o << "{\"enabled\":" << boolean(game().form.enabled(t)) << ",\"interval\":" << def(t).intervalMs << '}';
    return o.str();
}

std::string Script::playerJson(Player p) const {
    const PlayerState& s = game().sound.state(p);
    return "{\"file\":" + json::quote(def(p).file) + ",\"playing\":" + boolean(s.playing) +
           ",\"at_start\":" + boolean(s.atStart) + "}";
}

std::string Script::stateJson() const {
    std::ostringstream o;
    char sep = '{';
    for (const IntField& f : kIntFields) {
        o << sep << '"' << f.name << "\":" << game().state.*f.member;
        sep = ',';
    }
    for (const TextField& f : kTextFields) o << ",\"" << f.name << "\":" << json::quote(game().shown(f.member));
    o << '}';
    return o.str();
}

std::string Script::dump() const {
    std::ostringstream o;
    o << "{\"state\":" << stateJson() << ",\"window\":{\"open\":" << boolean(game().form.open())
      << ",\"color\":" << json::color(game().form.windowColor()) << "},\"widgets\":";
    char sep = '{';
    for (const WidgetDef& d : kWidgets) {
        o << sep << '"' << d.designed << "\":" << widgetJson(d.id);
        sep = ',';
    }
    o << "},\"timers\":";
    sep = '{';
    for (const TimerDef& d : kTimers) {
        o << sep << '"' << d.designed << "\":" << timerJson(d.id);
        sep = ',';
    }
    o << "},\"players\":";
    sep = '{';
    for (const PlayerDef& d : kPlayers) {
        o << sep << '"' << d.designed << "\":" << playerJson(d.id);
        sep = ',';
    }
    o << "},\"beeps\":" << game().sound.beeps() << '}';
    return o.str();
}

}  // namespace verminadia
