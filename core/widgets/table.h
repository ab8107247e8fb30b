#pragma once
// The window Form1 and everything on it, as data: every widget with its place, size, caption,
// font, colours, starting visibility and stretching, in drawing order; the five timers; the 22
// sound players (made from music/sounds.tsv). The real window is built from these tables by desktop/,
// the script driver plays against them directly. Which handler a click or a tick runs is bound a
// layer up, in game/.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "music/sounds.h"

namespace verminadia {

// The window's designed inside, in pixels: every widget is placed within it.
inline constexpr int kFormWidth = 521;
inline constexpr int kFormHeight = 351;

// Widgets, in drawing order: first the labels and pictures placed on the window (bottom first),
// then the panels in stacking order, each followed by its children.
// clang-format off
enum class W : std::uint8_t {
    Label1, Label2, Label3, Image3, Image4, Image5, Image6, Image7,
    Image8, Image9, Image10, Image11, Image12, Image13, Image14, Image15,
    Image16, Image17, Image18, Image19, Image20, Image21, Image22, Image23,
    Image24, Image25, Image26, Image27, Image28, Image29, Image36, Image37,
    Label65, Image38, Image39, Image40, Image41, Image42, Image43, Image44,
    Image45, Image46, Image47, Image48, Image49, Image50, Image51, Label66,
    Image52, Image53, Image54, Image55, Image56, Image57, Image58, Image59,
    Image60, Image61, Image62, Image63, Image64, Panel1, Label4, Label5,
    Label6, Label7, Edit1, Panel2, Image1, Label8, Label9, Label11,
    Label10, Label12, Label13, Image30, Image31, Image32, Button1, Panel3,
    Image2, Label14, Label15, Label16, Label17, Label18, Label19, Label20,
    Label21, Label22, Label23, Label24, Label25, Label26, Label27, Label28,
    Label29, Label53, Label54, Label55, Label56, Label57, Label58, Label59,
    Image33, Image34, Image35, Label68, Button2, Panel4, Label30, Button3,
    Button4, Button5, Button6, Button25, Panel5, Label31, Label32, Label33,
    Panel6, Label34, Label35, Label36, Label37, Label38, Label39, Label40,
    Label41, Label42, Label43, Label67, Edit2, Panel7, Edit3, Button7,
    Button8, Panel8, Label44, Edit4, Button9, Button10, Button11, Button12,
    Button13, Button14, Button15, Button16, Panel9, Label45, Label46, Label47,
    Label48, Panel10, Label49, Label50, Label51, Label52, Label69, Panel11,
    Label60, Label61, Label62, Label63, Label64, Panel12, Button17, Button18,
    Button19, Button20, Panel13, Label70, Label71, Edit5, Button21, Button22,
    Button23, Button24,
    Form1,  // the window itself: the parent of everything placed directly on it
};
// clang-format on

inline constexpr std::size_t kWidgetCount = static_cast<std::size_t>(W::Form1);
constexpr std::size_t index(W w) { return static_cast<std::size_t>(w); }

using Rgb = std::uint32_t;
inline constexpr Rgb kWhite = 0xFFFFFF;
inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kYellow = 0xFFFF00;
inline constexpr Rgb kAqua = 0x00FFFF;
inline constexpr Rgb kRed = 0xFF0000;
inline constexpr Rgb kBlue = 0x0000FF;
inline constexpr Rgb kGreen = 0x008000;
// The desktop's own colours, as the classic grey desktop has them.
inline constexpr Rgb kWindowText = 0x000000;
inline constexpr Rgb kButtonFace = 0xD4D0C8;

enum class Kind : std::uint8_t { Panel, Label, Picture, Button, Edit };
// The game's own language shows every caption where it was designed, its columns lined up by
// spaces. A translation follows the layout the design implies: a label's caption from the
// designed left edge, or centred where the designed caption's centre is (or ending at its right
// edge); and what follows a tab in its caption in the label's column.
enum class Align : std::uint8_t { Left, Centre, Right };
inline constexpr char kColumnBreak = '\t';
// A column of values at `at` pixels across the label's panel: the values' left edge, or their
// right edge (Align::Right), shared by the rows of the panel that line up.
struct Column {
    int at = 0;  // 0: none
    Align align = Align::Left;
};
// Every panel has a raised outer bevel; some also have a lowered inner one.
enum class Bevel : std::uint8_t { None, Lowered, Lowered2 };

struct Font {
    int px;  // character height in pixels at 96 dpi
    Rgb color;
    bool bold = false;
};
inline constexpr Font kWindowFont{.px = 12, .color = kWindowText};

// One widget as designed. What a row of the table leaves out is the default below: no caption,
// the window's font, hidden. Panels lie on the window and are all hidden until a screen shows
// them; so are the pictures.
struct WidgetDef {
    W id;
    std::string_view name;
    Kind kind;
    W parent;  // W::Form1 for the window
    int left, top, width, height;
    std::string_view caption = {};
    Font font = kWindowFont;
    bool visible = false;
    Rgb color = kButtonFace;  // panels
    Bevel bevel = Bevel::None;
    bool stretch = false;  // pictures
    int bitmapWidth = 0, bitmapHeight = 0;
    W bitmap = W::Form1;        // the picture whose bitmap this one shows (itself, or the one it shares)
    Align align = Align::Left;  // labels
    Column column = {};         // labels
};

extern const std::array<WidgetDef, kWidgetCount> kWidgets;
inline const WidgetDef& def(W w) { return kWidgets[index(w)]; }

// The five timers, by what they keep time for; the designed names (Timer1 to Timer5) are data in
// the table.
enum class Timer : std::uint8_t { Opening, TownMusic, BattleMusic, CasinoLights, Ending };
inline constexpr std::size_t kTimerCount = 5;
struct TimerDef {
    Timer id;
    std::string_view name;
    int intervalMs;
    bool enabled;
};
extern const std::array<TimerDef, kTimerCount> kTimers;
inline const TimerDef& def(Timer t) { return kTimers[static_cast<std::size_t>(t)]; }

// The 22 sound players, their files, loops and levels, and the sounds by meaning: made from
// music/sounds.tsv.
inline const PlayerDef& def(Player p) { return kPlayers[static_cast<std::size_t>(p)]; }

// Look-ups by name, for the script driver; false when there is no such widget, timer or player.
bool widgetByName(std::string_view name, W& out);
bool timerByName(std::string_view name, Timer& out);
bool playerByName(std::string_view name, Player& out);

}  // namespace verminadia
