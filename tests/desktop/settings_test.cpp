// The settings file from outside the game: one that is no regular file is never opened, and a
// value is read as its text, whatever it holds; either is said in the game's own one line.

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "frontend/native/settings_file.h"
#include "live_window.h"

namespace verminadia::desktop {
namespace {

int qtSaid = 0;

struct SavedFile : ::testing::Test {
    QString file = fixtures::freshSettingsFile();
    std::ostringstream said;
    std::streambuf* cerr = nullptr;
    QtMessageHandler qt = nullptr;

    void SetUp() override {
        ASSERT_FALSE(file.isEmpty()) << "XDG_CONFIG_HOME is not a folder of the tests' own";
        QDir().mkpath(QFileInfo(file).absolutePath());
        cerr = std::cerr.rdbuf(said.rdbuf());
        qtSaid = 0;
        qt = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) { ++qtSaid; });
    }
    void TearDown() override {
        std::cerr.rdbuf(cerr);
        qInstallMessageHandler(qt);
    }
};

TEST_F(SavedFile, OneThatIsNoRegularFileIsNeverOpenedAndTheDefaultsAreUsed) {
    const QByteArray path = QFile::encodeName(file);
    for (const char* kind : {"a FIFO", "a directory"}) {
        said.str({});
        ASSERT_EQ(kind[2] == 'F' ? mkfifo(path.constData(), 0600) : mkdir(path.constData(), 0700), 0);
        frontend::FileSettings settings;  // a FIFO would keep it waiting here
        EXPECT_EQ(settings.view(), ViewChoice{});
        EXPECT_FALSE(settings.muted());
        settings.setMuted(true);
        EXPECT_EQ(said.str(), "verminadia: cannot read the settings in " + file.toStdString() + ": it is " +
                                  (kind[2] == 'F' ? "not a regular file" : "a directory") +
                                  "; using the defaults\nverminadia: cannot save the settings to " +
                                  file.toStdString() + "\n")
            << kind;
        EXPECT_EQ(QFileInfo(file).isDir(), kind[2] == 'd') << "the file was touched";
        ASSERT_TRUE(kind[2] == 'F' ? QFile::remove(file) : QDir().rmdir(file));
    }
}

TEST_F(SavedFile, AValueIsReadAsItsTextNeverAsQtsOwnEncoding) {
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[view]\nscale=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\aNoSuchType\\0)\n");
    }
    frontend::FileSettings settings;
    EXPECT_EQ(settings.view(), ViewChoice{});
    EXPECT_EQ(said.str(),
              "verminadia: the saved scale '@Variant(\\\\0\\\\0\\\\0\\\\x7f\\\\0\\\\0\\\\0\\\\aNoSuchType\\\\0)' is "
              "not a whole number from 1 to 4; using 1\n");
    EXPECT_EQ(qtSaid, 0) << "Qt spoke for the game";
    settings.setView({2, false});
    EXPECT_EQ(frontend::FileSettings().view(), (ViewChoice{2, false}));
}

}  // namespace
}  // namespace verminadia::desktop
