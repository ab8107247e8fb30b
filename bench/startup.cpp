// Start-up benchmark: how long from the process's start until the first frame is painted,
// for the game's window and for an empty Qt window of the same size, in the same program.
// Usage: verminadia-bench-startup game|empty [--stay] [--scale N] [--fullscreen]
//   prints the milliseconds and quits; with --stay it prints nothing and keeps the window open,
//   as the reference that bench/audio/startup.sh launches and measures from outside. --scale and
//   --fullscreen open either window as the game's options do.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include "desktop/window/app_style.h"
#include "desktop/window/game_window.h"
#include "desktop/window/stage.h"
#include "game/events.h"

namespace {

// Milliseconds since the process started, from the kernel's own record of the start.
double sinceProcessStart() {
    std::FILE* f = std::fopen("/proc/self/stat", "r");
    unsigned long long start = 0;
    if (f) {
        char buf[1024];
        const std::size_t n = std::fread(buf, 1, sizeof buf - 1, f);
        std::fclose(f);
        buf[n] = 0;
        const char* p = std::strrchr(buf, ')');
        for (int field = 2; p && field < 22; ++field) p = std::strchr(p + 1, ' ');
        if (p) start = std::strtoull(p + 1, nullptr, 10);
    }
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
    return nowMs - static_cast<double>(start) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

class FirstFrame : public QObject {
public:
    explicit FirstFrame(bool stay) : stay_(stay) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !done_ && !stay_) {
            done_ = true;
            // Report once the paint has been handled and the frame flushed.
            QTimer::singleShot(0, [] {
                std::printf("%.1f\n", sinceProcessStart());
                QApplication::quit();
            });
        }
        return false;
    }

private:
    bool stay_;
    bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const bool game = argc > 1 && std::strcmp(argv[1], "game") == 0;
    bool stay = false, fullscreen = false;
    int scale = 1;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--stay") == 0) stay = true;
        if (std::strcmp(argv[i], "--fullscreen") == 0) fullscreen = true;
        if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc) scale = std::atoi(argv[++i]);
    }
    QApplication app(argc, argv);
    FirstFrame probe(stay);
    verminadia::SilentOutput silence;
    verminadia::ClockRandom random;
    std::unique_ptr<verminadia::Game> g;
    std::unique_ptr<QWidget> window;
    if (game) {
        verminadia::desktop::applyClassicLook();
        g = std::make_unique<verminadia::Game>(silence, random);
        auto w = std::make_unique<verminadia::desktop::GameWindow>(*g);
        w->setView({scale, fullscreen});
        verminadia::startGame(*g);
        w->shell().sync();
        window = std::move(w);
    } else {
        window = std::make_unique<QWidget>();
        window->setWindowTitle(QStringLiteral("empty reference window"));
        window->setFixedSize(verminadia::desktop::kDesignSize * scale);
        if (fullscreen) {
            window->setMinimumSize(0, 0);
            window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            window->setWindowState(Qt::WindowFullScreen);
        }
    }
    window->installEventFilter(&probe);
    window->show();
    return QApplication::exec();
}
