#include "desktop/menu/window_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

#include "core/game.h"
#include "desktop/window/game_window.h"
#include "desktop/window/qtext.h"
#include "frontend/menu_texts.h"

namespace verminadia::desktop {

WindowMenu::WindowMenu(QWidget* window) : QObject(window), window_(window), scaleGroup_(new QActionGroup(this)) {
    for (int n = kMinScale; n <= kMaxScale; ++n) {
        auto* a = new QAction(this);
        a->setCheckable(true);
        a->setActionGroup(scaleGroup_);
        connect(a, &QAction::triggered, this, [this, n] { choose({n, false}); });
        scales_[static_cast<std::size_t>(n - kMinScale)] = a;
    }
    fullscreen_ = new QAction(this);
    fullscreen_->setCheckable(true);
    fullscreen_->setShortcut(QKeySequence(Qt::Key_F11));
    connect(fullscreen_, &QAction::triggered, this, [this](bool on) { choose({view_.scale, on}); });

    showView(view_);
}

void WindowMenu::showView(const ViewChoice& v) {
    view_ = v;
    for (int n = kMinScale; n <= kMaxScale; ++n) {
        scales_[static_cast<std::size_t>(n - kMinScale)]->setChecked(!v.fullscreen && v.scale == n);
    }
    fullscreen_->setChecked(v.fullscreen);
}

QMenu* WindowMenu::menu() {
    if (!menu_) {
        menu_ = new QMenu(window_);
        menu_->setFont(gameFont(12, false));
        for (QAction* a : scales_) menu_->addAction(a);
        menu_->addSeparator();
        menu_->addAction(fullscreen_);
        name();
        // In the language the game speaks when the menu opens.
        connect(menu_, &QMenu::aboutToShow, this, &WindowMenu::name);
    }
    return menu_;
}

void WindowMenu::name() {
    const auto* window = qobject_cast<const GameWindow*>(window_);
    const Catalogue& c = window ? window->game().catalogue() : untranslated();
    for (int n = kMinScale; n <= kMaxScale; ++n)
        scales_[static_cast<std::size_t>(n - kMinScale)]->setText(qtext(frontend::scaleItem(n, c)));
    fullscreen_->setText(qtext(c.translate(frontend::kFullscreenItem)));
}

void WindowMenu::choose(ViewChoice v) {
    if (v == view_) {
        showView(view_);  // a click on the checked scale keeps its mark
        return;
    }
    emit viewChosen(v);
}

}  // namespace verminadia::desktop
