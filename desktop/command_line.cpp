#include "desktop/command_line.h"

#include <cstdio>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include "dist/description.h"
#include "frontend/native/record_file.h"
#include "frontend/settings/languages.h"

#ifndef VERMINADIA_VERSION
#define VERMINADIA_VERSION ""
#endif

namespace verminadia::desktop {

namespace {

const QString kScale = QStringLiteral("scale");
const QString kFullscreen = QStringLiteral("fullscreen");

// The argument as the player typed it ("-x", "--bogus=1" gives "--bogus"), for the error line;
// the parser itself only keeps the bare name.
QString asTyped(const QStringList& arguments, const QString& name) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--")) break;
        if (!a.startsWith(u'-')) continue;
        QString typed = a.section(u'=', 0, 0);
        QString bare = typed;
        while (bare.startsWith(u'-')) bare.remove(0, 1);
        if (bare == name) return typed;
    }
    return name;
}

int refuse(const QString& what) {
    std::fprintf(stderr, "verminadia: %s (see verminadia --help)\n", qPrintable(what));
    return 2;
}

}  // namespace

CommandLine parseCommandLine(int& argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("verminadia"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VERMINADIA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(VERMINADIA_HELP_ABOUT "\n\nThe files it reads and the environment it heeds: man 6 verminadia."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption continueLast(QStringLiteral("continue"),
                                          QStringLiteral("Pick up the last session where it was left."));
    const QCommandLineOption record(QStringLiteral("record"),
                                    QStringLiteral("Also write this session's record to <file>."),
                                    QStringLiteral("file"));
    const QCommandLineOption replay(QStringLiteral("replay"),
                                    QStringLiteral("Watch the session recorded in <file>; clicks are ignored."),
                                    QStringLiteral("file"));
    const QCommandLineOption speed(
        QStringLiteral("speed"),
        QStringLiteral("With --replay: play <x> times faster, %1 to %2 (default 1).").arg(kMinSpeed).arg(kMaxSpeed),
        QStringLiteral("x"));
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("Play in <code>: %1.").arg(QString::fromStdString(frontend::knownLanguages())),
        QStringLiteral("code"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(continueLast);
    parser.addOption(record);
    parser.addOption(replay);
    parser.addOption(speed);
    parser.addOption(language);
    addViewOptions(parser);

    // The arguments in the locale's encoding, as QCoreApplication would read them; no application
    // is made for it, which would cost the first frame half a millisecond.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    CommandLine line;
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        line.exitStatus =
            refuse(unknown.isEmpty() ? parser.errorText()
                                     : QStringLiteral("unknown option '%1'").arg(asTyped(arguments, unknown.first())));
        return line;
    }
    if (parser.isSet(help)) {
        const QCoreApplication named(argc, argv);  // the help names the program as it was called
        std::fputs(qPrintable(parser.helpText()), stdout);
        line.exitStatus = 0;
    } else if (parser.isSet(version)) {
        std::printf("verminadia %s\n", VERMINADIA_VERSION);
        line.exitStatus = 0;
    } else if (!parser.positionalArguments().isEmpty()) {
        line.exitStatus = refuse(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    } else {
        line.continueLast = parser.isSet(continueLast);
        line.recordPath = parser.value(record);
        line.language = parser.value(language);
        frontend::ViewChoice given;
        if (!readViewOptions(parser, given)) {  // it has said what is wrong
            line.exitStatus = 2;
            return line;
        }
        if (parser.isSet(kScale) || parser.isSet(kFullscreen)) line.view = given;
        line.replayPath = parser.value(replay);
        bool number = true;
        if (parser.isSet(speed)) line.speed = parser.value(speed).toDouble(&number);
        if (parser.isSet(record) && line.recordPath.isEmpty()) {
            line.exitStatus = refuse(QStringLiteral("bad file '' for --record: a file name is needed"));
        } else if (parser.isSet(replay) && line.replayPath.isEmpty()) {
            line.exitStatus = refuse(QStringLiteral("bad file '' for --replay: a file name is needed"));
        } else if (!line.recordPath.isEmpty() && frontend::isLastSessionRecord(line.recordPath.toStdString())) {
            line.exitStatus =
                refuse(QStringLiteral(
                           "bad file '%1' for --record: it is the last session's record, which the game keeps itself")
                           .arg(line.recordPath));
        } else if (!number || !(line.speed >= kMinSpeed && line.speed <= kMaxSpeed)) {
            line.exitStatus = refuse(QStringLiteral("bad speed '%1': a number from %2 to %3")
                                         .arg(parser.value(speed))
                                         .arg(kMinSpeed)
                                         .arg(kMaxSpeed));
        } else if (parser.isSet(language) && !frontend::knownLanguage(line.language.toStdString())) {
            line.exitStatus = refuse(QStringLiteral("unknown language '%1' (%2)")
                                         .arg(line.language, QString::fromStdString(frontend::knownLanguages())));
        } else if (parser.isSet(speed) && line.replayPath.isEmpty()) {
            line.exitStatus = refuse(QStringLiteral("--speed goes with --replay"));
        } else if (!line.replayPath.isEmpty() && (line.continueLast || !line.recordPath.isEmpty())) {
            line.exitStatus = refuse(QStringLiteral("--replay only watches a record: not with --continue or --record"));
        }
    }
    return line;
}

void addViewOptions(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption(kScale, QStringLiteral("Open the window at N times its size (1 to 4)."),
                                        QStringLiteral("N")));
    parser.addOption(
        QCommandLineOption(kFullscreen, QStringLiteral("Open the game fullscreen (F11 toggles, Esc leaves).")));
}

bool readViewOptions(const QCommandLineParser& parser, frontend::ViewChoice& view) {
    frontend::ViewChoice chosen = view;
    if (parser.isSet(kScale)) {
        const QString text = parser.value(kScale);
        const std::optional<int> n = frontend::readScale(text.toStdString());
        if (!n) {
            std::fprintf(stderr, "verminadia: --scale takes a whole number from %d to %d, not '%s'\n",
                         frontend::kMinScale, frontend::kMaxScale, qPrintable(text));
            return false;
        }
        chosen.scale = *n;
        chosen.fullscreen = false;
    }
    if (parser.isSet(kFullscreen)) chosen.fullscreen = true;
    view = chosen;
    return true;
}

}  // namespace verminadia::desktop
