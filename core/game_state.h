#pragma once
// The one record of the game's variables: 44 whole numbers, then 34 texts, in this order.
// Every handler reads and writes it directly; nothing of the game lives anywhere else
// but here and in the widgets of the window. A text is kept as what it is made of (a line of
// the catalogue with the values of its fields, or a value given from outside the game) and put
// into words only when it is shown, in whatever language the game speaks then.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "core/text/text.h"

namespace verminadia {

// clang-format off
#define VERMINADIA_INT_FIELDS(X) \
    X(TitleTick) X(TownMusicTick) X(BattleMusicTick) X(HeroId) X(Hp) X(MaxHp) X(Mp) X(MaxMp) \
    X(Exp) X(Gold) X(Attack) X(Defense) X(Speed) X(Wisdom) X(TalkState) X(Roll) X(EnemyPower) \
    X(EnemyHp) X(AmateurBouts) X(Level) X(LastAmount) X(WeaponId) X(EnemyExp) X(WeaponAttack) \
    X(ArmorDefense) X(Item2Count) X(TearCount) X(Item3Count) X(ChallengerWins) X(EnemyDefense) \
    X(BattleTheme) X(ChampionBout) X(ChampionWins) X(LightBouts) X(FlyBouts) X(BantamBouts) \
    X(FeatherBouts) X(MiddleBouts) X(HeavyBouts) X(EnemyKind) X(TitleIndex) X(CasinoTick) \
    X(EndingTick) X(ChallengerBout)

#define VERMINADIA_TEXT_FIELDS(X) \
    X(Skill1Name) X(Skill2Name) X(Skill3Name) X(Skill4Name) X(StartArmorName) \
    X(MerchantItem1Name) X(MerchantItem2Name) X(TearName) X(PendingLine2) X(PendingLine3) \
    X(HeroName) X(WeaponName) X(ShopWeapon1Name) X(ShopWeapon2Name) X(ShopWeapon3Name) \
    X(ShopWeapon4Name) X(ShopWeapon5Name) X(ShopArmor1Name) X(ShopArmor2Name) X(ShopArmor3Name) \
    X(EnemyName) X(TitleName) X(JobName) X(Title0Name) X(Title1Name) X(Title2Name) X(Title3Name) \
    X(Title4Name) X(Title5Name) X(Title6Name) X(ArmorName) X(Item1Name) X(Item2Name) \
    X(Item3Name)
// clang-format on

struct GameState {
#define VERMINADIA_DECLARE_INT(name) std::int32_t name = 0;
#define VERMINADIA_DECLARE_TEXT(name) Text name;
    VERMINADIA_INT_FIELDS(VERMINADIA_DECLARE_INT)
    VERMINADIA_TEXT_FIELDS(VERMINADIA_DECLARE_TEXT)
#undef VERMINADIA_DECLARE_INT
#undef VERMINADIA_DECLARE_TEXT
};

// The fields by name, in record order, for the script driver and the state dump.
struct IntField {
    std::string_view name;
    std::int32_t GameState::*member;
};
struct TextField {
    std::string_view name;
    Text GameState::*member;
};

inline constexpr IntField kIntFields[] = {
#define VERMINADIA_INT_ENTRY(name) IntField{#name, &GameState::name},
    VERMINADIA_INT_FIELDS(VERMINADIA_INT_ENTRY)
#undef VERMINADIA_INT_ENTRY
};
inline constexpr TextField kTextFields[] = {
#define VERMINADIA_TEXT_ENTRY(name) TextField{#name, &GameState::name},
    VERMINADIA_TEXT_FIELDS(VERMINADIA_TEXT_ENTRY)
#undef VERMINADIA_TEXT_ENTRY
};

static_assert(std::size(kIntFields) == 44);
static_assert(std::size(kTextFields) == 34);

}  // namespace verminadia
