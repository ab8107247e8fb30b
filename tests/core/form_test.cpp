// The window model: the widget table's shape and the operations the handlers use.

#include "core/widgets/form.h"

#include <gtest/gtest.h>

#include <set>

#include "core/random.h"

namespace verminadia {
namespace {

TEST(WidgetTable, IsIndexedByIdAndEveryParentIsAPanelListedBeforeItsChildren) {
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < kWidgets.size(); ++i) {
        const WidgetDef& d = kWidgets[i];
        EXPECT_EQ(index(d.id), i) << d.designed;
        EXPECT_TRUE(names.insert(d.designed).second) << "duplicate " << d.designed;
        if (d.parent != W::Window) {
            EXPECT_EQ(def(d.parent).kind, Kind::Panel) << d.designed;
            EXPECT_LT(index(d.parent), i) << d.designed;
        }
        if (d.kind == Kind::Picture) {
            const WidgetDef& shown = def(d.bitmap);
            EXPECT_EQ(shown.bitmap, shown.id) << d.designed << " shares a picture that is itself shared";
            EXPECT_EQ(shown.bitmapWidth, d.bitmapWidth) << d.designed;
            EXPECT_EQ(shown.bitmapHeight, d.bitmapHeight) << d.designed;
        }
    }
    EXPECT_EQ(names.size(), 178u);
    W w;
    EXPECT_TRUE(widgetByName(designed(W::MessageLine1), w));
    EXPECT_EQ(w, W::MessageLine1);
    EXPECT_FALSE(widgetByName("Label72", w));
    EXPECT_FALSE(widgetByName(designed(W::Window), w));  // the window is not a widget that can be clicked
}

TEST(Form, HidingAPanelKeepsItsChildrensOwnFlags) {
    Form f;
    EXPECT_FALSE(f.visible(W::StatusItem2));
    f.show(W::StatusScreen);
    EXPECT_TRUE(f.showing(W::StatusItem1));
    EXPECT_FALSE(f.showing(W::StatusItem2));  // hidden inside a hidden panel stays hidden
    f.show(W::StatusItem2);
    f.hide(W::StatusScreen);
    EXPECT_TRUE(f.visible(W::StatusItem2));
    EXPECT_FALSE(f.showing(W::StatusItem2));
    f.show(W::StatusScreen);
    EXPECT_TRUE(f.showing(W::StatusItem2));
}

TEST(Form, EnablingARunningTimerDoesNotRestartItsInterval) {
    Form f;
    const auto starts = f.timer(Timer::TownMusic).starts;
    f.enable(Timer::TownMusic);
    EXPECT_EQ(f.timer(Timer::TownMusic).starts, starts + 1);
    f.enable(Timer::TownMusic);
    EXPECT_EQ(f.timer(Timer::TownMusic).starts, starts + 1);
    f.disable(Timer::TownMusic);
    f.enable(Timer::TownMusic);
    EXPECT_EQ(f.timer(Timer::TownMusic).starts, starts + 2);
}

TEST(Form, FontPointsBecomePixelsAtNinetySixDpiAndClosingStopsEveryTimer) {
    Form f;
    f.setFontSizePt(W::GameTitle, 20);
    EXPECT_EQ(f.state(W::GameTitle).fontPx, 27);
    f.setFontSizePt(W::GameTitle, 12);
    EXPECT_EQ(f.state(W::GameTitle).fontPx, 16);
    f.enable(Timer::Ending);
    f.close();
    EXPECT_FALSE(f.open());
    for (const TimerDef& t : kTimers) EXPECT_FALSE(f.enabled(t.id)) << t.designed;
}

TEST(Random, QueuedValuesComeFirstAndAValueNotBelowTheDrawIsReported) {
    ClockRandom r([] { return std::uint64_t{42}; });
    r.queue(2);
    r.queue(5);
    EXPECT_EQ(r.draw(3), 2);
    EXPECT_EQ(r.badValue(), nullptr);
    const int fallback = r.draw(5);  // 5 is not a draw of 5
    EXPECT_GE(fallback, 0);
    EXPECT_LT(fallback, 5);
    ASSERT_NE(r.badValue(), nullptr);
    EXPECT_EQ(r.badValue()->value, 5);
    EXPECT_EQ(r.badValue()->n, 5);
}

TEST(Random, TheClockReseedsEveryDrawButASeedMakesARunRepeat) {
    std::uint64_t now = 7;
    ClockRandom a([&] { return now; });
    const int first = a.draw(1000);
    EXPECT_EQ(a.draw(1000), first);  // the same clock reading gives the same draw

    ClockRandom b([&] { return now++; }), c([&] { return now++; });
    b.seed(99);
    c.seed(99);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(b.draw(1000), c.draw(1000));
}

}  // namespace
}  // namespace verminadia
