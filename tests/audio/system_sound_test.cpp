// The sound output the window uses, started and torn down as the game does, with commands
// arriving while its loader thread is still at work. Under the sanitizer build this is where a
// race or a leak between the UI thread, the loader and the audio thread shows.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "ui/sound_output.h"

namespace verminadia::ui {
namespace {

using namespace std::chrono_literals;

TEST(SystemSound, ClosingWhileTheSoundStillLoadsIsClean) {
    SystemSound sound;
    sound.start();
    sound.seekToStart(Player::MediaPlayer1);
    sound.play(Player::MediaPlayer1);
    sound.beep();
}

TEST(SystemSound, CommandsDuringAndAfterLoadingAreClean) {
    SystemSound sound;
    sound.start();
    for (int tick = 0; tick < 30; ++tick) {
        sound.seekToStart(Player::MediaPlayer1);
        sound.play(Player::MediaPlayer1);
        sound.play(Player::MediaPlayer15);
        if (tick % 7 == 0) sound.stop(Player::MediaPlayer2);
        if (tick % 5 == 0) sound.play(Player::MediaPlayer2);
        std::this_thread::sleep_for(50ms);
    }
    sound.stop(Player::MediaPlayer1);
    sound.stop(Player::MediaPlayer2);
}

TEST(SystemSound, NeverStartedIsSilentAndClean) {
    SystemSound sound;
    sound.play(Player::MediaPlayer3);
    sound.stop(Player::MediaPlayer3);
    sound.beep();
}

}  // namespace
}  // namespace verminadia::ui
