// The session record through the real window and its file: what the player does is recorded, the
// driver replays it to the same state, and a new window continues it showing the same screen.

#include "desktop/session.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <fstream>
#include <iostream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "desktop/window/game_window.h"
#include "desktop/window/qtext.h"
#include "desktop/window/widget_views.h"
#include "support/play.h"

namespace verminadia::desktop {
namespace {

using frontend::RecordFile;

// The last session's record, where the game keeps it.
QString lastSessionPath() { return QString::fromStdString(frontend::lastSessionPath()); }

// What a player sees of a widget: shown or not, and its text.
QString seen(GameWindow& w, W id) {
    QWidget* v = w.widget(id);
    QString text;
    if (auto* l = dynamic_cast<LabelView*>(v))
        text = l->text();
    else if (auto* b = dynamic_cast<QPushButton*>(v))
        text = b->text();
    else if (auto* e = dynamic_cast<QLineEdit*>(v))
        text = e->text();
    return QString("%1 %2 %3").arg(qtext(def(id).designed)).arg(v->isVisibleTo(&w) ? "shown" : "hidden").arg(text);
}

std::string fileText(const QString& path) {
    std::ifstream in(QFile::encodeName(path).toStdString());
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Records what reaches the window's game from now on in `log`; when the game closes the window
// at the end of the credits, there is nothing left to continue and the last record goes.
void recordWindow(frontend::SessionLog& log, GameWindow& window) {
    window.shell().setObserver([&log](W w) { log.clicked(w); }, [&log](Timer t) { log.ticked(t); });
    QObject::connect(&window, &GameWindow::gameClosed, &window, [&log, &window] {
        if (window.shell().endedByGame()) log.gameEnded();
    });
}

using Played = verminadia::Session;

// A game in the real window, recorded in the last session's file as the game records it.
struct Recorded {
    explicit Recorded(Played& s) : log(s, file, std::cerr), window(s.game()) {
        log.open(nullptr, nullptr);
        recordWindow(log, window);
        window.ensureBuilt();
        window.show();
    }
    void ticks(Timer t, int n) {
        for (int i = 0; i < n; ++i) window.shell().tick(t);
    }
    RecordFile file;
    frontend::SessionLog log;
    GameWindow window;
};

struct Session : ::testing::Test {
    QTemporaryDir state;
    void SetUp() override {
        ASSERT_TRUE(state.isValid());
        qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
        QDir().mkpath(state.path() + "/verminadia");
    }

    // The player on the real window: the title, スタート, a hero, the arena and a few blows.
    static void playSome(GameWindow& window) {
        for (int i = 0; i < 18; ++i) window.shell().tick(Timer::Opening);
        const auto press = [&](W w) {
            QWidget* v = window.widget(w);
            if (v->isVisible()) QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(2, 2));
        };
        press(W::Start);
        for (int i = 0; i < 11; ++i) window.shell().tick(Timer::Opening);
        press(W::RoninChoice);
        for (int i = 0; i < 3; ++i) window.shell().tick(Timer::TownMusic);
        press(W::ArenaButton);
        press(W::AmateurButton);
        for (int blow = 0; blow < 4; ++blow) {
            press(W::AttackCommand);
            press(W::MessageLine2);
            window.shell().tick(Timer::BattleMusic);
        }
    }
};

TEST_F(Session, APlayedSessionReplaysToTheSameStateAndContinuesOnTheSameScreen) {
    Played played;
    Recorded session(played);
    GameWindow& window = session.window;
    playSome(window);
    ASSERT_GT(played.game().state.AmateurBouts, 0) << "the session never reached the arena";

    const std::string record = fileText(lastSessionPath());
    auto replayed = test::play(record);
    ASSERT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(replayed.script->dump(), Script(played).dump());

    frontend::Resumed continued = frontend::continueLastSession(RecordFile(), std::cerr);
    EXPECT_TRUE(continued.fromRecord);
    EXPECT_GE(continued.record.lastTime, 0);
    EXPECT_EQ(Script(*continued.session).dump(), Script(played).dump());
    GameWindow again(continued.session->game());
    again.ensureBuilt();
    again.shell().sync();
    for (const WidgetDef& d : kWidgets) EXPECT_EQ(seen(again, d.id), seen(window, d.id));
    EXPECT_EQ(again.palette().color(QPalette::Window), window.palette().color(QPalette::Window));
}

TEST_F(Session, ContinuingFromTheTitlesMenuShowsTheLastSessionAndGoesOnInItsRecord) {
    std::string before;
    {
        Played played;
        Recorded session(played);
        session.ticks(Timer::Opening, 18);
        session.window.shell().click(W::Start);
        session.ticks(Timer::Opening, 11);
        session.window.shell().click(W::OldMoanerChoice);
        before = Script(played).dump();
    }
    Played fresh;
    Recorded title(fresh);
    title.ticks(Timer::Opening, 3);
    ASSERT_TRUE(title.log.canContinue());
    SilentOutput speakers;
    title.log.continueLast(speakers);
    title.window.shell().sync();
    EXPECT_EQ(Script(fresh).dump(), before);
    EXPECT_TRUE(title.window.widget(W::TownBar)->isVisible());
    EXPECT_FALSE(title.log.canContinue());
    title.window.shell().click(W::InnButton);  // the inn
    auto replayed = test::play(fileText(lastSessionPath()));
    EXPECT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(replayed.script->dump(), Script(fresh).dump());
}

TEST_F(Session, TheEndOfTheCreditsClearsTheRecord) {
    {
        Played played;
        Recorded session(played);
        session.ticks(Timer::Opening, 18);
        session.window.shell().click(W::Start);
        ASSERT_TRUE(QFile::exists(lastSessionPath()));
        // A window closed by hand keeps the record to continue from.
        session.window.close();
        EXPECT_TRUE(QFile::exists(lastSessionPath()));
    }
    Played ending;
    Recorded credits(ending);
    ending.game().form.hide(W::HeroChoicePanel);
    ending.game().state.EndingTick = 146;
    ending.game().form.enable(Timer::Ending);
    credits.window.shell().sync();
    credits.ticks(Timer::Ending, 1);
    EXPECT_FALSE(ending.game().form.open());
    EXPECT_FALSE(QFile::exists(lastSessionPath()));
}

TEST_F(Session, AReplayWaitsOutAGapLongerThanATimerCanWait) {
    const QString path = state.filePath(QStringLiteral("long.script"));
    std::ofstream(QFile::encodeName(path).toStdString()) << std::string("tick ") + designed(Timer::Opening) +
                                                                "\n# @3000000.000\ntick " + designed(Timer::Opening) +
                                                                "\n";
    Played played;
    Script script(played);
    GameWindow window(played.game());
    Replayer replayer(script, window, 1);
    std::string error;
    ASSERT_TRUE(replayer.load(path.toStdString(), error)) << error;
    bool ended = false;
    QObject::connect(&replayer, &Replayer::finished, [&ended] { ended = true; });
    static int qtSaid = 0;
    const QtMessageHandler before =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) { ++qtSaid; });
    replayer.start();
    QTest::qWait(20);
    qInstallMessageHandler(before);
    EXPECT_EQ(played.game().state.TitleTick, 1);
    EXPECT_FALSE(ended) << "the second tick is 35 days away";
    EXPECT_EQ(qtSaid, 0) << "the timer was refused its wait";
}

TEST_F(Session, AWatchedRecordTakesNoClickOrKeyOfThePlayers) {
    const QString path = state.filePath(QStringLiteral("watched.script"));
    {
        std::ofstream record(QFile::encodeName(path).toStdString());
        for (int i = 0; i < 18; ++i) record << std::string("tick ") + designed(Timer::Opening) + "\n";
        record << std::string("click ") + designed(W::Start) + "\n";
        for (int i = 0; i < 11; ++i) record << std::string("tick ") + designed(Timer::Opening) + "\n";
        record << std::string("# @3600.000\nclick ") + designed(W::OldMoanerChoice) +
                      "\n";  // an hour on: the replay is still going
    }
    Played played;
    Script script(played);
    GameWindow window(played.game());
    window.ensureBuilt();
    window.shell().setWatchOnly(true);
    window.show();
    Replayer replayer(script, window, 1);
    std::string error;
    ASSERT_TRUE(replayer.load(path.toStdString(), error)) << error;
    replayer.start();
    QWidget* hero = window.widget(W::TorubaChoice);
    ASSERT_TRUE(hero->isVisible()) << "the record should stand at the hero choice";
    const std::string before = script.dump();
    QTest::mouseClick(hero, Qt::LeftButton, {}, QPoint(2, 2));
    hero->setFocus(Qt::TabFocusReason);
    QTest::keyClick(hero, Qt::Key_Return);
    EXPECT_EQ(script.dump(), before);
    EXPECT_TRUE(hero->isVisible());
}

// The full-disk shim's switch, found when window.full_disk preloads it: from now on the files in
// `folder` may take `bytes` more; a null folder lets every write through.
using FillDisk = void (*)(const char* folder, long long bytes);

TEST_F(Session, AFullDiskIsSaidOnceAndTheRecordIsNeverLost) {
    const auto fill = reinterpret_cast<FillDisk>(dlsym(RTLD_DEFAULT, "verminadia_fill_disk"));
    if (fill == nullptr) GTEST_SKIP() << "needs the full-disk shim preloaded: ctest -R window.full_disk";
    const QString folder = QFileInfo(state.path() + "/verminadia").canonicalFilePath();
    const std::string full = QFile::encodeName(folder).toStdString(), where = lastSessionPath().toStdString();
    std::ostringstream said;
    struct Restore {
        std::streambuf* cerr;
        FillDisk fill;
        ~Restore() {
            fill(nullptr, 0);
            std::cerr.rdbuf(cerr);
        }
    } restore{std::cerr.rdbuf(said.rdbuf()), fill};

    std::string whole;  // the game at the last event the record took whole
    {
        Played played;
        Recorded session(played);
        session.ticks(Timer::Opening, 18);
        session.window.shell().click(W::Start);
        fill(full.c_str(), 34);  // one more tick, and a line and a half of the next one
        session.ticks(Timer::Opening, 1);
        whole = Script(played).dump();
        session.ticks(Timer::Opening, 5);
        EXPECT_EQ(played.game().state.TitleTick, 24) << "the game plays on";
    }
    EXPECT_EQ(said.str(), "verminadia: cannot write the session record " + where +
                              ": No space left on device; it holds this session only up to here\n");

    said.str({});
    frontend::Resumed resumed = frontend::continueLastSession(RecordFile(), said);
    EXPECT_TRUE(resumed.fromRecord);
    EXPECT_EQ(Script(*resumed.session).dump(), whole);
    EXPECT_EQ(said.str(),
              "verminadia: " + where + ": line 43: no newline at its end, so it may be cut short: dropped\n");

    // A new session while the disk is full leaves the last record as it was, and nothing beside it.
    const std::string before = fileText(lastSessionPath());
    said.str({});
    fill(full.c_str(), 0);
    {
        Played fresh;
        Recorded session(fresh);
        session.ticks(Timer::Opening, 18);
        session.window.shell().click(W::Start);
    }
    EXPECT_EQ(fileText(lastSessionPath()), before);
    EXPECT_EQ(said.str(), "verminadia: cannot write the session record " + where +
                              ": No space left on device; this session cannot be continued\n");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("last-session.script")});
}

TEST_F(Session, ARecordThatIsNoRegularFileIsRefusedAtOnceAndANewSessionReplacesIt) {
    const QByteArray last = QFile::encodeName(lastSessionPath());
    for (const char* kind : {"a FIFO", "a link to /dev/zero", "a directory"}) {
        const int made = kind[2] == 'F'   ? mkfifo(last.constData(), 0600)
                         : kind[2] == 'l' ? symlink("/dev/zero", last.constData())
                                          : mkdir(last.constData(), 0700);
        ASSERT_EQ(made, 0) << kind;
        std::ostringstream said;
        EXPECT_FALSE(frontend::continueLastSession(RecordFile(), said).fromRecord);  // at once, whole
        EXPECT_EQ(said.str(), "verminadia: cannot continue, starting afresh: cannot read " + last.toStdString() +
                                  (kind[2] == 'd' ? ": it is a directory\n" : ": it is not a regular file\n"))
            << kind;
        Played played;
        {
            Recorded session(played);
            session.ticks(Timer::Opening, 18);
            session.window.shell().click(W::Start);
        }
        if (kind[2] == 'd') {
            EXPECT_TRUE(QFileInfo(lastSessionPath()).isDir()) << "a directory is never replaced";
            ASSERT_TRUE(QDir().rmdir(lastSessionPath()));
            continue;
        }
        EXPECT_EQ(test::play(fileText(lastSessionPath())).script->dump(), Script(played).dump()) << kind;
        ASSERT_TRUE(QFile::remove(lastSessionPath()));
    }
}

TEST_F(Session, ThePlayersOwnRecordBehindALinkIsReplacedAndTheLinkKept) {
    const QString own = state.filePath("mine.script"), link = state.filePath("link.script");
    ASSERT_TRUE(QFile(own).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link(own, link));
    RecordFile file(link.toStdString(), RecordFile::Whose::Player);
    std::string why;
    std::unique_ptr<std::ostream> out = file.replace("# verminadia session record\n", why);
    ASSERT_TRUE(out) << why;
    *out << std::string("tick ") + designed(Timer::Opening) + "\n" << std::flush;
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(fileText(own), std::string("# verminadia session record\ntick ") + designed(Timer::Opening) + "\n");
}

}  // namespace
}  // namespace verminadia::desktop
