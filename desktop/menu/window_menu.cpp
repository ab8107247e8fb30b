#include "desktop/menu/window_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
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

    // Keys without an entry of their own.
    leaveFullscreen_ = new QAction(this);
    leaveFullscreen_->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(leaveFullscreen_, &QAction::triggered, this, [this] { choose({view_.scale, false}); });
    bigger_ = new QAction(this);
    bigger_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(bigger_, &QAction::triggered, this, [this] { choose({std::min(view_.scale + 1, kMaxScale), false}); });
    smaller_ = new QAction(this);
    smaller_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    connect(smaller_, &QAction::triggered, this, [this] { choose({std::max(view_.scale - 1, kMinScale), false}); });
    menuKey_ = new QAction(this);
    menuKey_->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    connect(menuKey_, &QAction::triggered, this, &WindowMenu::menuKeyPressed);

    window->addActions({fullscreen_, leaveFullscreen_, bigger_, smaller_, menuKey_});
    showView(view_);
}

void WindowMenu::showView(const ViewChoice& v) {
    view_ = v;
    for (int n = kMinScale; n <= kMaxScale; ++n) {
        scales_[static_cast<std::size_t>(n - kMinScale)]->setChecked(!v.fullscreen && v.scale == n);
    }
    fullscreen_->setChecked(v.fullscreen);
    leaveFullscreen_->setEnabled(v.fullscreen);
    // Fullscreen already fills the screen; the scale keys are for the window.
    bigger_->setEnabled(!v.fullscreen);
    smaller_->setEnabled(!v.fullscreen);
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
    for (int n = kMinScale; n <= kMaxScale; ++n) {
        const QSize size = kDesignSize * n;
        const Text entry =
            Text(frontend::kScaleItem).with("scale", n).with("width", size.width()).with("height", size.height());
        scales_[static_cast<std::size_t>(n - kMinScale)]->setText(qtext(entry.render(c)));
    }
    fullscreen_->setText(qtext(c.translate(frontend::kFullscreenItem)));
}

bool WindowMenu::handleKey(const QKeyEvent& e) {
    const Qt::KeyboardModifiers mods = e.modifiers() & ~Qt::KeypadModifier;
    // "+" is a shifted key on most keyboards: Ctrl+Shift+plus is Ctrl+plus.
    const QKeySequence pressed[] = {QKeySequence(QKeyCombination(mods, Qt::Key(e.key()))),
                                    QKeySequence(QKeyCombination(mods & ~Qt::ShiftModifier, Qt::Key(e.key())))};
    for (QAction* a : {fullscreen_, leaveFullscreen_, bigger_, smaller_, menuKey_}) {
        if (!a->isEnabled()) continue;
        for (const QKeySequence& keys : a->shortcuts()) {
            if (keys == pressed[0] || (e.key() == Qt::Key_Plus && keys == pressed[1])) {
                a->trigger();
                return true;
            }
        }
    }
    return false;
}

void WindowMenu::choose(ViewChoice v) {
    if (v == view_) {
        showView(view_);  // a click on the checked scale keeps its mark
        return;
    }
    emit viewChosen(v);
}

}  // namespace verminadia::desktop
