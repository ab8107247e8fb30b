#include "desktop/window/game_window.h"

#include <algorithm>
#include <map>

#include <QAccessible>
#include <QCloseEvent>
#include <QFocusFrame>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>

#include "core/title.h"
#include "desktop/menu/context_menu.h"
#include "desktop/window/accessibility.h"
#include "desktop/window/app_style.h"
#include "desktop/window/qtext.h"
#include "desktop/window/widget_views.h"
#include "frontend/focus_order.h"
#include "frontend/mirror.h"
#include "frontend/screen_reader/accessible.h"
#include "frontend/screen_reader/announcements.h"

namespace verminadia::desktop {

namespace {

constexpr frontend::Capabilities kCapabilities{.scale = true, .fullscreen = true};

}  // namespace

QFont gameFont(int px, bool bold) {
    // IPA P Gothic draws kana and digits wider than MS P Gothic, for which the window was laid
    // out; narrowed a little it keeps the store's price lines inside their panel.
    static const bool haveMsPGothic = QFontDatabase::hasFamily(QStringLiteral("ＭＳ Ｐゴシック")) ||
                                      QFontDatabase::hasFamily(QStringLiteral("MS PGothic"));
    QFont f;
    f.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                   QStringLiteral("IPA Pゴシック"), QStringLiteral("IPAGothic")});
    f.setPixelSize(px);
    f.setBold(bold);
    if (!haveMsPGothic) f.setStretch(90);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

GameWindow::GameWindow(frontend::Shell& shell, QWidget* parent) : GameWindow(&shell, nullptr, parent) {}

GameWindow::GameWindow(Game& game, QWidget* parent)
    : GameWindow(nullptr, std::make_unique<frontend::Shell>(game, kCapabilities), parent) {}

GameWindow::GameWindow(frontend::Shell* shell, std::unique_ptr<frontend::Shell> own, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      ownShell_(std::move(own)),
      shell_(shell ? *shell : *ownShell_),
      menu_(new ContextMenu(shell_, this)) {
    installAccessibility();
    setObjectName(QString::fromLatin1(designed(W::Window)));
    setWindowTitle(qtext(game().catalogue().translate(kGameTitle)));
    setView(ViewChoice{});
    for (const TimerDef& d : kTimers) {
        auto* t = new QTimer(this);
        t->setTimerType(Qt::PreciseTimer);
        t->setInterval(d.intervalMs);
        const Timer id = d.id;
        connect(t, &QTimer::timeout, this, [this, id] { shell_.tick(id); });
        timers_[static_cast<std::size_t>(d.id)] = t;
    }
    shell_.onEffects([this](const frontend::Effects& e) { apply(e); });
    shell_.sync();
}

void GameWindow::ensureBuilt() {
    if (built_) return;
    built_ = true;
    // Fonts are first looked up here, after the empty first frame: the font database takes a
    // few milliseconds to wake.
    setFont(gameFont(kWindowFont.px, false));
    buildWidgets();
    mirror();
    // The window holds the keys until there is a stop.
    focusOn(shell_.focus(), Qt::OtherFocusReason);
}

QWidget* GameWindow::widget(W w) {
    ensureBuilt();
    return widgets_[index(w)];
}

QMenu* GameWindow::contextMenu() { return menu_->menu(); }

frontend::Menu& GameWindow::menu() { return menu_->model(); }

void GameWindow::buildWidgets() {
    const ClickSink sink = [this](W w) { shell_.click(w); };
    for (const WidgetDef& d : kWidgets) {
        QWidget* parent = d.parent == W::Window ? static_cast<QWidget*>(this) : widgets_[index(d.parent)];
        QWidget* w = nullptr;
        switch (d.kind) {
            case Kind::Panel: w = new PanelView(d, stage_, sink, parent); break;
            case Kind::Label: w = new LabelView(d, stage_, sink, parent); break;
            case Kind::Picture: w = new PictureView(d, stage_, parent); break;
            case Kind::Button: {
                auto* b = new ButtonView(d, stage_, parent);
                const W id = d.id;
                connect(b, &QPushButton::clicked, this, [this, id] { shell_.click(id); });
                w = b;
                break;
            }
            case Kind::Edit: w = new EditView(d, stage_, parent); break;
        }
        w->setFocusPolicy(frontend::isStop(d.id) ? Qt::TabFocus : Qt::NoFocus);
        w->setObjectName(qtext(d.designed));
        w->setVisible(d.visible);
        widgets_[index(d.id)] = w;
    }
    for (const W w : frontend::stackingOrder()) widgets_[index(w)]->raise();
    focusFrame_ = new QFocusFrame(this);
}

void GameWindow::applyWidget(const WidgetDef& d, const std::optional<WidgetState>& before, const WidgetState& now) {
    QWidget* view = widgets_[index(d.id)];
    if (view == nullptr) return;  // the views are made at once by buildWidgets
    const auto changed = [&](auto member) { return !before || (*before).*member != now.*member; };
    auto* label = dynamic_cast<LabelView*>(view);
    if (label) label->setTranslated(mirror_.translated());
    if (changed(&WidgetState::caption)) {
        const QString text = QString::fromStdString(now.caption);
        if (label)
            label->setText(text);
        else if (auto* b = dynamic_cast<QPushButton*>(view))
            b->setText(text);
        else if (auto* e = dynamic_cast<QLineEdit*>(view))
            e->setText(text);
    }
    if (label) {
        if (changed(&WidgetState::fontColor)) label->setTextColor(now.fontColor);
        if (changed(&WidgetState::fontPx)) label->setFontPx(now.fontPx);
        if (changed(&WidgetState::top)) label->setTopEdge(now.top);
    }
    if (d.kind == Kind::Picture && changed(&WidgetState::stretch))
        static_cast<PictureView*>(view)->setStretch(now.stretch);
    if (d.kind == Kind::Panel && changed(&WidgetState::color)) static_cast<PanelView*>(view)->setColor(now.color);
    if (changed(&WidgetState::visible)) {
        if (before && now.visible) renewAccess(view);
        if (now.visible || !syncing_)
            view->setVisible(now.visible);
        else
            hiding_.push_back(view);
    }
}

void GameWindow::mirror(std::optional<W> arriving) {
    // Views are all made at once by buildWidgets; until then there is nothing to mirror into.
    // The new screen is put in place and given the focus before the old one goes, so that the
    // focus moves straight from the one to the other: a screen reader told of a passing focus on
    // the window may never tell of the next.
    syncing_ = true;
    mirror_.follow(game().form, [this](const WidgetDef& d, const std::optional<WidgetState>& before,
                                       const WidgetState& now) { applyWidget(d, before, now); });
    if (arriving && widgets_[index(*arriving)]->isVisible()) focusOn(arriving, Qt::TabFocusReason);
    for (QWidget* view : hiding_) view->setVisible(false);
    hiding_.clear();
    syncing_ = false;
    if (const std::optional<Rgb> color = mirror_.newWindowColor(game().form)) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, toQColor(*color));
        setPalette(pal);
        update();
    }
}

void GameWindow::apply(const frontend::Effects& e) {
    if (e.stage && built_) mirror(e.focus ? *e.focus : std::nullopt);
    if (e.messageRenamed && built_) {
        // A reader that caches the message panel's name hears of each change.
        QAccessibleEvent renamed(widgets_[index(W::MessagePanel)], QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
    // Qt 6.4 has no urgent announcement of its own: both are notifications, in order.
    announcer_.announce(e.said);
    for (const frontend::Urgency u : {frontend::Urgency::Polite, frontend::Urgency::Assertive}) {
        if (const std::string text = e.saidAt(u); !text.empty())
            emit announced(qtext(text), u != frontend::Urgency::Polite);
    }
    if (e.focusCues) {
        focusCues_ = true;
        setAttribute(Qt::WA_KeyboardFocusChange);
    }
    if ((e.focus || e.focusCues) && built_) {
        focusOn(shell_.focus(), e.focus ? Qt::TabFocusReason : Qt::OtherFocusReason);
        if (QWidget* f = focusWidget()) f->update();
    }
    for (const auto& [t, interval] : e.startTimers) timers_[static_cast<std::size_t>(t)]->start(interval);
    for (const Timer t : e.stopTimers) timers_[static_cast<std::size_t>(t)]->stop();
    if (e.view) {
        setView(*e.view);
        emit viewChosen(view_);
    }
    if (e.openMenu) {
        const QWidget* at = focusWidget() && focusWidget() != this ? focusWidget() : nullptr;
        popupMenu(at ? at->mapToGlobal(at->rect().center()) : mapToGlobal(stage_.area().center()), true);
    }
    if (e.language) setWindowTitle(qtext(game().catalogue().translate(kGameTitle)));
    if (e.view || e.language || e.mute) menu_->sync();
    if (e.closed && isVisible()) close();
}

// ---- The view: scale and fullscreen ----

void GameWindow::setView(const ViewChoice& v) {
    const ViewChoice next{std::clamp(v.scale, kMinScale, kMaxScale), v.fullscreen};
    const bool entering = next.fullscreen && !view_.fullscreen;
    const bool leaving = !next.fullscreen && view_.fullscreen;
    if (entering && isVisible()) windowedPos_ = pos();
    view_ = next;
    if (next.fullscreen) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowState(windowState() | Qt::WindowFullScreen);
        stage_ = Stage::fitting(size());
    } else {
        const QPoint wanted = leaving ? windowedPos_ : isVisible() ? pos() : kDesignPosition;
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        stage_ = Stage::windowed(next.scale);
        setFixedSize(kDesignSize * next.scale);
        move(windowedPosition(wanted));
    }
    applyStage();
}

QPoint GameWindow::windowedPosition(QPoint wanted) const {
    if (!screen()) return wanted;
    return qrect(frontend::keptInside(view_.scale, box(QRect(wanted, QSize())), box(screen()->availableGeometry())))
        .topLeft();
}

void GameWindow::applyStage() {
    setProperty(kStageScaleProperty, stage_.scale);
    if (built_) {
        for (QWidget* w : widgets_) dynamic_cast<StagedView*>(w)->relayout();
    }
    update();
}

void GameWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (!view_.fullscreen) return;
    stage_ = Stage::fitting(size());
    applyStage();
}

void GameWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect area = stage_.area();
    // Fullscreen: black bars around the game's area.
    if (area != rect()) p.fillRect(rect(), Qt::black);
    p.fillRect(area, palette().color(QPalette::Window));
    // The first frame is the empty white window; its widgets are made right after it, long
    // before the title shows anything.
    if (!built_) QTimer::singleShot(0, this, &GameWindow::ensureBuilt);
}

void GameWindow::closeEvent(QCloseEvent* e) {
    shell_.close();
    for (QTimer* t : timers_) t->stop();
    e->accept();
    emit gameClosed();
}

void GameWindow::contextMenuEvent(QContextMenuEvent* e) {
    popupMenu(e->globalPos(), e->reason() != QContextMenuEvent::Mouse);
}

void GameWindow::popupMenu(const QPoint& global, bool byKeyboard) {
    QMenu* menu = menu_->menu();
    menu->popup(global);
    if (!byKeyboard) return;
    // Opened by keyboard, the menu starts on its first entry, which a screen reader then says.
    // Not at once: the reader would take the window's activation that follows the popup for the
    // news. The mouse player's menu opens as it always did.
    QTimer::singleShot(50, menu, [menu] {
        if (menu->isVisible() && !menu->actions().isEmpty()) menu->setActiveAction(menu->actions().first());
    });
}

// ---- The keyboard ----

void GameWindow::focusOn(std::optional<W> w, Qt::FocusReason reason) {
    if (!w) {
        setFocus(reason);
        if (focusFrame_) focusFrame_->setWidget(nullptr);
        return;
    }
    QWidget* view = widgets_[index(*w)];
    view->setFocus(reason);
    // Buttons mark their focus themselves; labels and the message panel get a ring around them.
    const Kind k = def(*w).kind;
    focusFrame_->setWidget(focusCues_ && (k == Kind::Label || k == Kind::Panel) ? view : nullptr);
}

bool GameWindow::focusNextPrevChild(bool next) {
    if (syncing_) {
        // The focused widget is being hidden: the focus waits on the window until the new screen
        // is in place.
        setFocus(Qt::OtherFocusReason);
        return true;
    }
    shell_.key(frontend::Key::Tab, {.shift = !next});
    return true;
}

void GameWindow::keyPressEvent(QKeyEvent* e) {
    static const std::map<int, frontend::Key> keys = {
        {Qt::Key_Return, frontend::Key::Enter}, {Qt::Key_Enter, frontend::Key::Enter},
        {Qt::Key_Select, frontend::Key::Enter}, {Qt::Key_Space, frontend::Key::Space},
        {Qt::Key_Up, frontend::Key::Up},        {Qt::Key_Down, frontend::Key::Down},
        {Qt::Key_Left, frontend::Key::Left},    {Qt::Key_Right, frontend::Key::Right},
        {Qt::Key_S, frontend::Key::S},          {Qt::Key_M, frontend::Key::M},
        {Qt::Key_Menu, frontend::Key::Menu},    {Qt::Key_F10, frontend::Key::F10},
        {Qt::Key_F11, frontend::Key::F11},      {Qt::Key_Escape, frontend::Key::Escape},
        {Qt::Key_Plus, frontend::Key::Plus},    {Qt::Key_Equal, frontend::Key::Equal},
        {Qt::Key_Minus, frontend::Key::Minus},
    };
    const auto k = keys.find(e->key());
    const Qt::KeyboardModifiers m = e->modifiers();
    const bool taken = k != keys.end() && shell_.key(k->second,
                                                     {.shift = m.testFlag(Qt::ShiftModifier),
                                                      .ctrl = m.testFlag(Qt::ControlModifier),
                                                      .alt = m.testFlag(Qt::AltModifier),
                                                      .meta = m.testFlag(Qt::MetaModifier)},
                                                     e->isAutoRepeat());
    if (!taken) QWidget::keyPressEvent(e);
}

QString GameWindow::accessibleText(W w) const { return qtext(frontend::accessibleName(w, game())); }

}  // namespace verminadia::desktop
