#include "frontend/native/command_line.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "frontend/native/record_file.h"
#include "frontend/settings/languages.h"

namespace verminadia::frontend {

namespace {

// A number as the help and the messages write it: "0.01", "1000".
std::string number(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", x);
    return text;
}

// The options, in the order --help lists them.
enum Option : std::size_t { Help, Version, Continue, Record, Replay, Speed, Language, Scale, Fullscreen };

struct OptionDef {
    std::string shortName;  // one letter, or none
    std::string name;
    std::string valueName;  // none: a switch
    std::string help;
};

const std::vector<OptionDef>& options() {
    static const std::vector<OptionDef> table = {
        {"h", "help", "", "Show this help and exit."},
        {"v", "version", "", "Show the version and exit."},
        {"", "continue", "", "Pick up the last session where it was left."},
        {"", "record", "file", "Also write this session's record to <file>."},
        {"", "replay", "file", "Watch the session recorded in <file>; clicks are ignored."},
        {"", "speed", "x",
         "With --replay: play <x> times faster, " + number(kMinSpeed) + " to " + number(kMaxSpeed) + " (default 1)."},
        {"", "language", "code", "Play in <code>: " + knownLanguages() + "."},
        {"", "scale", "N", "Open the window at N times its size (1 to 4)."},
        {"", "fullscreen", "", "Open the game fullscreen (F11 toggles, Esc leaves)."},
    };
    return table;
}

std::optional<std::size_t> optionNamed(std::string_view name) {
    const std::vector<OptionDef>& all = options();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (name == all[i].name || (!all[i].shortName.empty() && name == all[i].shortName)) return i;
    }
    return std::nullopt;
}

bool blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// One option's lines of the help: its names in a column `width` wide, then its description,
// wrapped to end before the 80th column.
std::string helpLines(const std::string& names, std::size_t width, const std::string& description) {
    std::size_t nameAt = 0;
    const auto nextNames = [&] {
        std::string section = names.substr(std::min(nameAt, names.size()), width);
        nameAt += section.size();
        return section;
    };
    std::string text;
    constexpr std::size_t kNone = std::string::npos;
    const std::size_t max = 79 - (2 + width + 1), length = description.size();
    std::size_t lineStart = 0, x = 0, lastBlank = kNone;
    for (std::size_t i = 0; i < length; ++i) {
        ++x;
        if (blank(description[i])) lastBlank = i;
        std::size_t breakAt = kNone, nextLine = kNone;
        if (x > max && lastBlank != kNone) {  // time to break, and where is known
            breakAt = lastBlank;
            nextLine = lastBlank + 1;
        } else if ((x > max - 1 && lastBlank == kNone) || i == length - 1) {  // nowhere to break, or the end
            breakAt = nextLine = i + 1;
        } else if (description[i] == '\n') {
            breakAt = i;
            nextLine = i + 1;
        }
        if (breakAt == kNone) continue;
        std::string column = nextNames();
        column.resize(std::max(column.size(), width), ' ');
        text += "  " + column + ' ' + description.substr(lineStart, breakAt - lineStart) + '\n';
        x = 0;
        lastBlank = kNone;
        lineStart = nextLine;
        if (lineStart < length && blank(description[lineStart])) ++lineStart;  // no line starts blank
        i = lineStart;
    }
    while (nameAt < names.size()) text += "  " + nextNames() + '\n';
    return text;
}

std::string helpText(const std::string& program, std::string_view about) {
    std::string text = "Usage: " + program + " [options]\n" + std::string(about) + "\n\nOptions:\n";
    std::vector<std::string> names;
    std::size_t widest = 0;
    for (const OptionDef& o : options()) {
        std::string n = o.shortName.empty() ? "" : "-" + o.shortName + ", ";
        n += "--" + o.name + (o.valueName.empty() ? "" : " <" + o.valueName + ">");
        widest = std::max(widest, n.size());
        names.push_back(std::move(n));
    }
    const std::size_t width = std::min<std::size_t>(50, widest + 1);
    for (std::size_t i = 0; i < names.size(); ++i) text += helpLines(names[i], width, options()[i].help);
    return text;
}

// The argument as the player typed it ("-x", "--bogus=1" gives "--bogus"), for the error line.
std::string asTyped(const std::vector<std::string>& arguments, const std::string& name) {
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--") break;
        if (a.empty() || a[0] != '-') continue;
        std::string typed = a.substr(0, a.find('='));
        std::string bare = typed;
        bare.erase(0, bare.find_first_not_of('-'));
        if (bare == name) return typed;
    }
    return name;
}

// A speed as the player typed it: a decimal number, blanks around it allowed.
std::optional<double> readSpeed(std::string_view text) {
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double x = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), x);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return x;
}

}  // namespace

GivenOptions readOptions(const std::vector<std::string>& arguments) {
    GivenOptions given;
    given.values.resize(options().size());
    given.set.resize(options().size());
    bool onlyPositional = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (onlyPositional || a.size() < 2 || a[0] != '-') {
            given.positional.push_back(a);
            continue;
        }
        if (a == "--") {
            onlyPositional = true;
            continue;
        }
        const std::size_t dashes = a[1] == '-' ? 2 : 1;
        const std::size_t assign = a.find('=');
        const std::string name = a.substr(dashes, assign == std::string::npos ? std::string::npos : assign - dashes);
        const std::optional<std::size_t> o = optionNamed(name);
        if (!o) {
            given.unknown.push_back(name);
            continue;
        }
        given.set[*o] = true;
        if (options()[*o].valueName.empty()) {
            if (assign != std::string::npos) given.error = "Unexpected value after '" + a.substr(0, assign) + "'.";
        } else if (assign != std::string::npos) {
            given.values[*o].push_back(a.substr(assign + 1));
        } else if (i + 1 < arguments.size()) {
            given.values[*o].push_back(arguments[++i]);
        } else {
            given.error = "Missing value after '" + a + "'.";
        }
    }
    return given;
}

bool readViewOptions(const GivenOptions& given, ViewChoice& view, std::ostream& err) {
    ViewChoice chosen = view;
    if (given.set[Scale]) {
        const std::string text = given.values[Scale].empty() ? "" : given.values[Scale].back();
        const std::optional<int> n = readScale(text);
        if (!n) {
            err << "verminadia: --scale takes a whole number from " << kMinScale << " to " << kMaxScale << ", not '"
                << text << "'\n";
            return false;
        }
        chosen.scale = *n;
        chosen.fullscreen = false;
    }
    if (given.set[Fullscreen]) chosen.fullscreen = true;
    view = chosen;
    return true;
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments, const ProgramText& program, std::ostream& out,
                             std::ostream& err) {
    CommandLine line;
    const auto refuse = [&](const std::string& what) {
        err << "verminadia: " << what << " (see verminadia --help)\n";
        line.exitStatus = 2;
    };
    const GivenOptions given = readOptions(arguments);
    const auto value = [&](Option o) { return given.values[o].empty() ? std::string() : given.values[o].back(); };
    if (!given.ok()) {
        if (given.unknown.empty()) {
            refuse(given.error);
        } else {
            refuse("unknown option '" + asTyped(arguments, given.unknown.front()) + "'");
        }
        return line;
    }
    if (given.set[Help]) {
        out << helpText(arguments.empty() ? "verminadia" : arguments.front(), program.about) << std::flush;
        line.exitStatus = 0;
        return line;
    }
    if (given.set[Version]) {
        out << "verminadia " << program.version << '\n' << std::flush;
        line.exitStatus = 0;
        return line;
    }
    if (!given.positional.empty()) {
        refuse("unexpected argument '" + given.positional.front() + "'");
        return line;
    }
    line.continueLast = given.set[Continue];
    line.recordPath = value(Record);
    line.language = value(Language);
    ViewChoice chosen;
    if (!readViewOptions(given, chosen, err)) {  // it has said what is wrong
        line.exitStatus = 2;
        return line;
    }
    if (given.set[Scale] || given.set[Fullscreen]) line.view = chosen;
    line.replayPath = value(Replay);
    std::optional<double> speed = line.speed;
    if (given.set[Speed]) speed = readSpeed(value(Speed));
    if (speed) line.speed = *speed;
    if (given.set[Record] && line.recordPath.empty()) {
        refuse("bad file '' for --record: a file name is needed");
    } else if (given.set[Replay] && line.replayPath.empty()) {
        refuse("bad file '' for --replay: a file name is needed");
    } else if (!line.recordPath.empty() && isLastSessionRecord(line.recordPath)) {
        refuse("bad file '" + line.recordPath +
               "' for --record: it is the last session's record, which the game keeps itself");
    } else if (!speed || !(line.speed >= kMinSpeed && line.speed <= kMaxSpeed)) {
        refuse("bad speed '" + value(Speed) + "': a number from " + number(kMinSpeed) + " to " + number(kMaxSpeed));
    } else if (given.set[Language] && !knownLanguage(line.language)) {
        refuse("unknown language '" + line.language + "' (" + knownLanguages() + ")");
    } else if (given.set[Speed] && line.replayPath.empty()) {
        refuse("--speed goes with --replay");
    } else if (!line.replayPath.empty() && (line.continueLast || !line.recordPath.empty())) {
        refuse("--replay only watches a record: not with --continue or --record");
    }
    return line;
}

}  // namespace verminadia::frontend
