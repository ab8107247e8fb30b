#include "ui/game_window.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "core/title.h"
#include "ui/widget_views.h"

namespace verminadia::ui {

namespace {

QString qtext(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Labels and pictures lie beneath the panels, buttons and edit boxes of the same parent.
bool drawnBeneath(Kind k) { return k == Kind::Label || k == Kind::Picture; }

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

GameWindow::GameWindow(Game& game, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      game_(game) {
    setObjectName(QStringLiteral("Form1"));
    setAccessibleName(QStringLiteral("Form1"));
    setWindowTitle(qtext(game.catalogue().translate(kGameTitle)));
    setFont(gameFont(kWindowFont.px, false));
    setFixedSize(521, 351);
    move(276, 201);
    buildTimers();
    sync();
}

void GameWindow::ensureBuilt() {
    if (built_) return;
    built_ = true;
    buildWidgets();
    appliedRevision_ = ~std::uint64_t{0};
    sync();
}

QWidget* GameWindow::widget(W w) {
    ensureBuilt();
    return widgets_[index(w)];
}

void GameWindow::buildWidgets() {
    const ClickSink sink = [this](W w) { clickWidget(w); };
    for (const WidgetDef& d : kWidgets) {
        QWidget* parent = d.parent == W::Form1 ? static_cast<QWidget*>(this) : widgets_[index(d.parent)];
        QWidget* w = nullptr;
        switch (d.kind) {
            case Kind::Panel: w = new PanelView(d, sink, parent); break;
            case Kind::Label: w = new LabelView(d, sink, parent); break;
            case Kind::Picture: w = new PictureView(d, parent); break;
            case Kind::Button: {
                auto* b = new QPushButton(qtext(d.caption), parent);
                b->setFocusPolicy(Qt::NoFocus);
                const W id = d.id;
                connect(b, &QPushButton::clicked, this, [this, id] { clickWidget(id); });
                w = b;
                break;
            }
            case Kind::Edit: {
                auto* e = new QLineEdit(qtext(d.caption), parent);
                e->setFrame(true);
                e->setCursorPosition(0);
                w = e;
                break;
            }
        }
        if (d.kind == Kind::Button || d.kind == Kind::Edit) {
            w->setFont(gameFont(d.font.px, d.font.bold));
            QPalette pal = w->palette();
            pal.setColor(QPalette::ButtonText, toQColor(d.font.color));
            pal.setColor(QPalette::Text, toQColor(d.font.color));
            w->setPalette(pal);
        }
        if (d.kind != Kind::Label) w->setGeometry(d.left, d.top, d.width, d.height);
        w->setObjectName(qtext(d.name));
        w->setAccessibleName(qtext(d.name));
        w->setVisible(d.visible);
        widgets_[index(d.id)] = w;
    }
    // Stacking within each parent: labels and pictures first, in table order, then the rest.
    for (const bool beneath : {true, false}) {
        for (const WidgetDef& d : kWidgets) {
            if (drawnBeneath(d.kind) == beneath) widgets_[index(d.id)]->raise();
        }
    }
}

void GameWindow::buildTimers() {
    for (const TimerDef& d : kTimers) {
        auto* t = new QTimer(this);
        t->setTimerType(Qt::PreciseTimer);
        t->setInterval(d.intervalMs);
        const Timer id = d.id;
        connect(t, &QTimer::timeout, this, [this, id] { tickTimer(id); });
        timers_[static_cast<std::size_t>(d.id)] = t;
    }
}

void GameWindow::setObserver(std::function<void(W)> clicked, std::function<void(Timer)> ticked) {
    clicked_ = std::move(clicked);
    ticked_ = std::move(ticked);
}

void GameWindow::clickWidget(W w) {
    if (watchOnly_) return;
    if (click(game_, w) == ClickResult::Handled && clicked_) clicked_(w);
    sync();
}

void GameWindow::tickTimer(Timer t) {
    if (watchOnly_) return;
    if (tick(game_, t) && ticked_) ticked_(t);
    sync();
}

void GameWindow::applyWidget(W w, const WidgetState& now) {
    const WidgetDef& d = def(w);
    const std::optional<WidgetState>& before = applied_[index(w)];
    QWidget* view = widgets_[index(w)];
    const auto changed = [&](auto member) { return !before || (*before).*member != now.*member; };
    if (before && *before == now) return;

    if (changed(&WidgetState::caption)) {
        const QString text = QString::fromStdString(now.caption);
        if (auto* l = dynamic_cast<LabelView*>(view)) l->setText(text);
        else if (auto* b = dynamic_cast<QPushButton*>(view)) b->setText(text);
        else if (auto* e = dynamic_cast<QLineEdit*>(view)) e->setText(text);
    }
    if (auto* l = dynamic_cast<LabelView*>(view)) {
        if (changed(&WidgetState::fontColor)) l->setTextColor(now.fontColor);
        if (changed(&WidgetState::fontPx)) l->setFontPx(now.fontPx);
        if (changed(&WidgetState::top)) l->setTopEdge(now.top);
    }
    if (d.kind == Kind::Picture && changed(&WidgetState::stretch)) static_cast<PictureView*>(view)->setStretch(now.stretch);
    if (d.kind == Kind::Panel && changed(&WidgetState::color)) static_cast<PanelView*>(view)->setColor(now.color);
    if (changed(&WidgetState::visible)) view->setVisible(now.visible);
    applied_[index(w)] = now;
}

void GameWindow::sync() {
    if (built_ && game_.form.revision() != appliedRevision_) {
        appliedRevision_ = game_.form.revision();
        for (const WidgetDef& d : kWidgets) applyWidget(d.id, game_.form.state(d.id));
        const QColor color = toQColor(game_.form.windowColor());
        if (palette().color(QPalette::Window) != color) {
            QPalette pal = palette();
            pal.setColor(QPalette::Window, color);
            setPalette(pal);
            update();
        }
    }
    for (const TimerDef& d : kTimers) {
        const std::size_t i = static_cast<std::size_t>(d.id);
        const TimerState& now = game_.form.timer(d.id);
        const auto& before = appliedTimers_[i];
        if (before && before->enabled == now.enabled && before->starts == now.starts) continue;
        // A timer switched on afresh starts a full interval; one switched off stops at once.
        if (now.enabled) timers_[i]->start();
        else timers_[i]->stop();
        appliedTimers_[i] = now;
    }
    if (!game_.form.open() && isVisible()) {
        close();
    }
}

void GameWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    // The first frame is the empty white window; its widgets are made right after it, long
    // before the title shows anything.
    if (!built_) QTimer::singleShot(0, this, &GameWindow::ensureBuilt);
}

void GameWindow::closeEvent(QCloseEvent* e) {
    // Closing the window by hand ends the game too: the timers stop and the players close.
    endedByGame_ = !game_.form.open();
    if (game_.form.open()) game_.form.close();
    for (QTimer* t : timers_) t->stop();
    e->accept();
    emit gameClosed();
}

}  // namespace verminadia::ui
