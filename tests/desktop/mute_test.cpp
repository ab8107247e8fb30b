// Mute: the key M and the context menu's entry, the sound they turn off and on, and the setting
// that remembers it.

#include <gtest/gtest.h>

#include <QMenu>

#include "audio/system/system_sound.h"
#include "frontend/menu_texts.h"
#include "frontend/native/settings_file.h"
#include "live_window.h"

namespace verminadia::desktop::fixtures {
namespace {

struct Muting : LiveWindow {
    QString file = freshSettingsFile();  // before the settings are read
    audio::SystemSound sound;            // never started: no stream, only the mixer's switch
    frontend::FileSettings settings;

    void SetUp() override {
        ASSERT_FALSE(file.isEmpty()) << "XDG_CONFIG_HOME is not a folder of the tests' own";
        LiveWindow::SetUp();
    }
    // The shell remembers mute in `settings` and turns `out` off and on, as the program's does.
    void hearMute(audio::SystemSound& out) {
        game.sound.setOutput(out);
        window.shell().useSettings(settings);
    }
    QAction* menuEntry() {
        for (QAction* a : window.contextMenu()->actions())
            if (a->isCheckable() && a->shortcut() == QKeySequence(Qt::Key_M)) return a;
        return nullptr;
    }
};

TEST_F(Muting, MTurnsAllSoundOffAndOnAndTheNextRunRemembers) {
    {
        hearMute(sound);
        EXPECT_FALSE(sound.muted()) << "muted without a saved choice";
        press(Qt::Key_M);
        EXPECT_TRUE(sound.muted());
        EXPECT_TRUE(frontend::FileSettings().muted());
        press(Qt::Key_M);
        EXPECT_FALSE(sound.muted());
        EXPECT_FALSE(frontend::FileSettings().muted());
        press(Qt::Key_M);
    }
    // The next run starts muted, its entry ticked.
    audio::SystemSound next;
    hearMute(next);
    EXPECT_TRUE(next.muted());
    EXPECT_TRUE(menuEntry()->isChecked());
}

TEST_F(Muting, TheMenusEntryIsTickedAsTheSoundIsAndSwitchesIt) {
    hearMute(sound);
    QAction* entry = menuEntry();
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), qname(frontend::kMuteItem));
    EXPECT_FALSE(entry->isChecked());
    entry->trigger();
    EXPECT_TRUE(sound.muted());
    EXPECT_TRUE(frontend::FileSettings().muted());
    press(Qt::Key_M);
    EXPECT_FALSE(entry->isChecked()) << "M and the entry disagree";
}

TEST_F(Muting, WorksWhileARecordIsWatchedAndAfterAHeadingIsClicked) {
    hearMute(sound);
    window.shell().setWatchOnly(true);
    press(Qt::Key_M);
    EXPECT_TRUE(sound.muted()) << "watching a record, M did nothing";
    window.shell().setWatchOnly(false);
    // A heading is a sign, not a box to type in: an M after a click on it is still the switch.
    QWidget* heading = view(W::HeroChoicePrompt);
    QTest::mouseClick(heading, Qt::LeftButton, {}, heading->rect().center());
    press(Qt::Key_M);
    EXPECT_FALSE(sound.muted());
}

}  // namespace
}  // namespace verminadia::desktop::fixtures
