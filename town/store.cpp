// The general store: five weapons, three armours and two counted goods, named for the hero;
// prices and effects are the same for everyone.

#include "town/store.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/career.h"
#include "core/game.h"
#include "core/town_bar_texts.h"
#include "core/whole_numbers.h"
#include "town/handlers.h"

namespace verminadia {

namespace {

// TRANSLATORS: the shopkeeper, named over what he says; Japanese calls him by his shop.
constexpr std::string_view kShopkeeper = NC_("shopkeeper", "雑貨屋");
constexpr std::string_view kGreeting2 = N_("　「いらっしゃい。大会に出るならなんか買った方がいいと");
constexpr std::string_view kGreeting3 = N_("思うぜ。いい品ばかりだからヨロシク！！」");
constexpr std::string_view kThanks = N_("　「毎度あり。絶対、役に立つと思うぜ！」");
constexpr std::string_view kShortOfMoney = N_("  「お金が足りないよ。出直して来な！」");

// A weapon or an armour: equipped at once, whatever the hero wore, and never offered again.
struct Equipment {
    W label;
    std::string GameState::*name;
    std::string_view line;  // on the shelf: the name, then the price as its number
    int price;
    bool weapon;
    int bonus;     // WeaponAttack or ArmorDefense
    int weaponId;  // picks the attack messages of the fight
};

// clang-format off
constexpr std::array kEquipment = {
    Equipment{W::Label34, &GameState::ShopWeapon1Name, N_("{ShopWeapon1Name}　　100"), 100, true, 2, 1},
    Equipment{W::Label35, &GameState::ShopWeapon2Name, N_("{ShopWeapon2Name}　　200"), 200, true, 4, 2},
    Equipment{W::Label36, &GameState::ShopWeapon3Name, N_("{ShopWeapon3Name}　　500"), 500, true, 7, 3},
    Equipment{W::Label37, &GameState::ShopWeapon4Name, N_("{ShopWeapon4Name}　 1000"), 1000, true, 10, 4},
    Equipment{W::Label38, &GameState::ShopWeapon5Name, N_("{ShopWeapon5Name}　 2500"), 2500, true, 15, 5},
    Equipment{W::Label39, &GameState::ShopArmor1Name, N_("{ShopArmor1Name}    100"), 100, false, 2, 0},
    Equipment{W::Label40, &GameState::ShopArmor2Name, N_("{ShopArmor2Name}    500"), 500, false, 6, 0},
    Equipment{W::Label67, &GameState::ShopArmor3Name, N_("{ShopArmor3Name}    300"), 300, false, 4, 0},
};
// clang-format on

// A counted good: one more in the hero's stock, up to a cap that the shelf keeps by hiding it.
struct Counted {
    W label;
    std::string GameState::*name;
    std::string_view line;
    int price;
    std::int32_t GameState::*count;
    int cap;
    W itemLine, statusLine;  // in the fight's item panel and on the status screen
};

// clang-format off
constexpr std::array kCounted = {
    Counted{W::Label41, &GameState::Item2Name, N_("{Item2Name}                   15"), 15, &GameState::Item2Count, 5, W::Label50, W::Label54},
    Counted{W::Label42, &GameState::Item3Name, N_("{Item3Name}               100"), 100, &GameState::Item3Count, 3, W::Label51, W::Label55},
};
// clang-format on

template <typename Good, std::size_t N>
const Good& find(const std::array<Good, N>& goods, W label) {
    for (const Good& good : goods) {
        if (good.label == label) return good;
    }
    return goods.front();  // unreachable: every handler names a label of the table
}

// A refusal tells it and changes nothing else.
bool refused(Game& g, int price) {
    if (g.state.Gold >= price) return false;
    g.form.setCaption(W::Label32, g.text(&GameState::PendingLine3));
    g.form.setCaption(W::Label33, "");
    return true;
}

void buy(Game& g, const Equipment& e) {
    if (refused(g, e.price)) return;
    GameState& s = g.state;
    g.sound.beep();
    s.Gold -= e.price;
    if (e.weapon) {
        s.WeaponAttack = e.bonus;
        s.WeaponId = e.weaponId;
    } else {
        s.ArmorDefense = e.bonus;
    }
    g.form.setCaption(W::Label32, g.text(&GameState::PendingLine2));
    g.form.setCaption(W::Label33, "");
    g.form.hide(e.label);
    g.setText(e.weapon ? &GameState::WeaponName : &GameState::ArmorName, g.text(e.name));
    showMoney(g);
}

void buy(Game& g, const Counted& c) {
    if (refused(g, c.price)) return;
    GameState& s = g.state;
    g.sound.beep();
    s.Gold -= c.price;
    addClamped(s.*c.count, 1);
    g.form.setCaption(W::Label32, g.text(&GameState::PendingLine2));
    g.form.setCaption(W::Label33, "");
    showMoney(g);
    g.form.show(c.itemLine, c.statusLine);
    // The label comes back when one is used in a fight, so the stock never passes the cap.
    if (s.*c.count >= c.cap) g.form.hide(c.label);
}

void buyEquipment(Game& g, W label) { buy(g, find(kEquipment, label)); }
void buyCounted(Game& g, W label) { buy(g, find(kCounted, label)); }

}  // namespace

void Button4Click(Game& g) {
    // Every caption, offered or not, so the second stage is ready whenever it comes.
    for (const Equipment& e : kEquipment) g.caption(e.label, e.line);
    for (const Counted& c : kCounted) g.caption(c.label, c.line);
    g.form.hide(W::Panel4);
    g.form.show(W::Panel6);
    g.state.TalkState = talk::kNothing;
    g.form.show(W::Image4, W::Panel5);
    g.form.hide(W::Button1);
    g.caption(W::Label31, kShopkeeper);
    g.caption(W::Label32, kGreeting2);
    g.caption(W::Label33, kGreeting3);
    prepareSellerReplies(g);
}

void prepareSellerReplies(Game& g) {
    g.setText(&GameState::PendingLine2, Text(kThanks));
    g.setText(&GameState::PendingLine3, Text(kShortOfMoney));
}

void Label34Click(Game& g) { buyEquipment(g, W::Label34); }
void Label35Click(Game& g) { buyEquipment(g, W::Label35); }
void Label36Click(Game& g) { buyEquipment(g, W::Label36); }
void Label37Click(Game& g) { buyEquipment(g, W::Label37); }
void Label38Click(Game& g) { buyEquipment(g, W::Label38); }
void Label39Click(Game& g) { buyEquipment(g, W::Label39); }
void Label40Click(Game& g) { buyEquipment(g, W::Label40); }
void Label67Click(Game& g) { buyEquipment(g, W::Label67); }
void Label41Click(Game& g) { buyCounted(g, W::Label41); }
void Label42Click(Game& g) { buyCounted(g, W::Label42); }

void Label43Click(Game& g) {
    g.form.show(W::Button1);
    g.form.hide(W::Panel5, W::Panel6, W::Image4);
    g.form.show(W::Panel4);
}

void changeStoreStock(Game& g) {
    g.form.hide(W::Label34, W::Label35, W::Label39, W::Label67);
    g.form.show(W::Label37, W::Label40, W::Label38, W::Label36);
}

}  // namespace verminadia
