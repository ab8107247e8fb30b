#pragma once
// The window and everything on it, as data: every widget with its place, size, caption,
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
    GameTitle, StoryLine, Start, King, Storekeeper, Innkeeper, HundredYenManPicture, ZundaraPicture,
    SlimePicture, FloatingFacePicture, CockroachPicture, ZombiePicture, TigerPicture, AlienPicture,
    CannibalPicture, FanManPicture, SoldierPicture, GreatDoctorPicture, MasterPicture, FishmongerPicture,
    DairyFarmerPicture, DragonGodsBrotherPicture, WizardPicture, SpringHermitPicture, RuinsGodPicture,
    MysteriousManPicture, DemonKingPicture, FrogPicture, EyeballPicture, ZundaraDeluxePicture, HarePicture,
    YellowDemonPicture, ChampionAppears, ChippoPicture, SnakeDemonPicture, MerchantPicture, PoronePicture,
    ZundaraRedPicture, ZundaraWhitePicture, MukkaPicture, WigZundaraPicture, MohawkZundaraPicture,
    RokurokubiPicture, MizelChallengerPicture, OldMoanerChallengerPicture, RoninChallengerPicture,
    TorubaChallengerPicture, ChallengerAppears, CasinoOwner, RoninFarewell, MizelFarewell,
    OldMoanerFarewell, TorubaFarewell, FalseSunPicture, LifeFormPicture, StarPicture, PyonPicture,
    AlarmClockDemonPicture, NantokaAlienPicture, OlympicHopefulPicture, PipiPicture,
    HeroChoicePanel, TorubaChoice, OldMoanerChoice, RoninChoice, MizelChoice, HeroChoicePrompt,
    TownBar, TorubaPortrait, BarHeroName, BarLevel, BarHp, BarMp, BarMoney, BarRank, OldMoanerPortrait,
    RoninPortrait, MizelPortrait, StatusButton,
    StatusScreen, TorubaStatusPortrait, StatusName, StatusJob, StatusHp, StatusMp, StatusRank, StatusExp,
    StatusGearHeading, StatusWeapon, StatusArmor, StatusAttack, StatusDefense, StatusWisdom, StatusSpeed,
    StatusSkillsHeading, StatusItemsHeading, StatusMoney, StatusItem1, StatusItem2, StatusItem3,
    StatusSkill1, StatusSkill2, StatusSkill3, StatusSkill4, OldMoanerStatusPortrait, RoninStatusPortrait,
    MizelStatusPortrait, StatusTears, StatusOkButton,
    TownButtons, TownName, KingButton, StoreButton, InnButton, ArenaButton, CasinoButton,
    MessagePanel, MessageLine1, MessageLine2, MessageLine3,
    StorePanel, StoreWeapon1, StoreWeapon2, StoreWeapon3, StoreWeapon4, StoreWeapon5, StoreArmor1,
    StoreArmor2, StoreItem2, StoreItem3, LeaveStore, StoreArmor3, StoreName,
    InnPanel, InnName, StayButton, LeaveInnButton,
    ClassChoicePanel, ClassChoicePrompt, ArenaName, AmateurButton, LightButton, FlyButton, BantamButton,
    MiddleButton, HeavyButton, LeaveArenaButton, FeatherButton,
    CommandPanel, AttackCommand, SkillCommand, ItemCommand, TalkCommand,
    ItemPanel, Item1Entry, Item2Entry, Item3Entry, ItemCancel, TearEntry,
    SkillPanel, SkillCancel, Skill1Entry, Skill2Entry, Skill3Entry, Skill4Entry,
    OfferPanel, BuyWaltherButton, BuyLingerieButton, BuyTearButton, DeclineOfferButton,
    CasinoPanel, OwnerHand, CasinoResult, CasinoName, RockButton, ScissorsButton, PaperButton,
    LeaveCasinoButton,
    Window,  // the window itself: the parent of everything placed directly on it
};
// clang-format on

inline constexpr std::size_t kWidgetCount = static_cast<std::size_t>(W::Window);
inline constexpr std::string_view kWindowDesigned = "Form1";  // the window's own designed name
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
    std::string_view designed;
    Kind kind;
    W parent;  // W::Window for the window
    int left, top, width, height;
    std::string_view caption = {};
    Font font = kWindowFont;
    bool visible = false;
    Rgb color = kButtonFace;  // panels
    Bevel bevel = Bevel::None;
    bool stretch = false;  // pictures
    int bitmapWidth = 0, bitmapHeight = 0;
    W bitmap = W::Window;       // the picture whose bitmap this one shows (itself, or the one it shares)
    Align align = Align::Left;  // labels
    Column column = {};         // labels
};

extern const std::array<WidgetDef, kWidgetCount> kWidgets;
inline const WidgetDef& def(W w) { return kWidgets[index(w)]; }

// The five timers, by what they keep time for; their designed names are data in the table.
enum class Timer : std::uint8_t { Opening, TownMusic, BattleMusic, CasinoLights, Ending };
inline constexpr std::size_t kTimerCount = 5;
struct TimerDef {
    Timer id;
    std::string_view designed;
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
// The designed name, as scripts, records and accessibility ids spell it.
inline const char* designed(W w) { return w == W::Window ? kWindowDesigned.data() : def(w).designed.data(); }
inline const char* designed(Timer t) { return def(t).designed.data(); }
inline const char* designed(Player p) { return def(p).designed.data(); }

}  // namespace verminadia
