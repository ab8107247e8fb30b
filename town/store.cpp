// The general store: five weapons, three armours and two counted goods, named for the hero;
// prices and effects are the same for everyone.

#include "town/store.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/career.h"
#include "core/game.h"
#include "core/text/town_bar.h"
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
    Text GameState::*name;
    std::string_view line;  // on the shelf: the name, then {price}, in the price column in a translation
    int price;
    bool weapon;
    int bonus;         // WeaponAttack or ArmorDefense
    int weaponId = 0;  // picks the attack messages of the fight
};

// clang-format off
constexpr std::array kEquipment = {
    // TRANSLATORS: {price} is the good's price in yen, a plain number; a tab before it puts it
    // in the shelf's price column.
    Equipment{.label = W::StoreWeapon1, .name = &GameState::ShopWeapon1Name, .line = N_("{ShopWeapon1Name}　　{price}"), .price = 100, .weapon = true, .bonus = 2, .weaponId = 1},
    Equipment{.label = W::StoreWeapon2, .name = &GameState::ShopWeapon2Name, .line = N_("{ShopWeapon2Name}　　{price}"), .price = 200, .weapon = true, .bonus = 4, .weaponId = 2},
    Equipment{.label = W::StoreWeapon3, .name = &GameState::ShopWeapon3Name, .line = N_("{ShopWeapon3Name}　　{price}"), .price = 500, .weapon = true, .bonus = 7, .weaponId = 3},
    Equipment{.label = W::StoreWeapon4, .name = &GameState::ShopWeapon4Name, .line = N_("{ShopWeapon4Name}　 {price}"), .price = 1000, .weapon = true, .bonus = 10, .weaponId = 4},
    Equipment{.label = W::StoreWeapon5, .name = &GameState::ShopWeapon5Name, .line = N_("{ShopWeapon5Name}　 {price}"), .price = 2500, .weapon = true, .bonus = 15, .weaponId = 5},
    Equipment{.label = W::StoreArmor1, .name = &GameState::ShopArmor1Name, .line = N_("{ShopArmor1Name}    {price}"), .price = 100, .weapon = false, .bonus = 2},
    Equipment{.label = W::StoreArmor2, .name = &GameState::ShopArmor2Name, .line = N_("{ShopArmor2Name}    {price}"), .price = 500, .weapon = false, .bonus = 6},
    Equipment{.label = W::StoreArmor3, .name = &GameState::ShopArmor3Name, .line = N_("{ShopArmor3Name}    {price}"), .price = 300, .weapon = false, .bonus = 4},
};
// clang-format on

// A counted good: one more in the hero's stock, up to a cap that the shelf keeps by hiding it.
struct Counted {
    W label;
    Text GameState::*name;
    std::string_view line;  // as the equipment's
    int price;
    std::int32_t GameState::*count;
    int cap;
    W itemLine, statusLine;  // in the fight's item panel and on the status screen
};

// clang-format off
constexpr std::array kCounted = {
    Counted{.label = W::StoreItem2, .name = &GameState::Item2Name, .line = N_("{Item2Name}                   {price}"), .price = 15, .count = &GameState::Item2Count, .cap = 5, .itemLine = W::Item2Entry, .statusLine = W::StatusItem2},
    Counted{.label = W::StoreItem3, .name = &GameState::Item3Name, .line = N_("{Item3Name}               {price}"), .price = 100, .count = &GameState::Item3Count, .cap = 3, .itemLine = W::Item3Entry, .statusLine = W::StatusItem3},
};
// clang-format on

template <typename Good, std::size_t N>
const Good& find(const std::array<Good, N>& goods, W label) {
    for (const Good& good : goods) {
        if (good.label == label) return good;
    }
    return goods.front();  // unreachable: every handler names a label of the table
}

// A good's line on the shelf: its name and its price.
template <typename Good>
void putOnShelf(Game& g, const Good& good) {
    g.form.setCaption(good.label, g.text(good.line).with("price", good.price));
}

// A refusal tells it and changes nothing else.
bool refused(Game& g, int price) {
    if (g.state.Gold >= price) return false;
    g.form.setCaption(W::MessageLine2, g.state.PendingLine3);
    g.form.setCaption(W::MessageLine3, "");
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
    g.form.setCaption(W::MessageLine2, g.state.PendingLine2);
    g.form.setCaption(W::MessageLine3, "");
    g.form.hide(e.label);
    g.state.*(e.weapon ? &GameState::WeaponName : &GameState::ArmorName) = g.state.*e.name;
    showMoney(g);
}

void buy(Game& g, const Counted& c) {
    if (refused(g, c.price)) return;
    GameState& s = g.state;
    g.sound.beep();
    s.Gold -= c.price;
    addClamped(s.*c.count, 1);
    g.form.setCaption(W::MessageLine2, g.state.PendingLine2);
    g.form.setCaption(W::MessageLine3, "");
    showMoney(g);
    g.form.show(c.itemLine, c.statusLine);
    // The label comes back when one is used in a fight, so the stock never passes the cap.
    if (s.*c.count >= c.cap) g.form.hide(c.label);
}

void buyEquipment(Game& g, W label) { buy(g, find(kEquipment, label)); }
void buyCounted(Game& g, W label) { buy(g, find(kCounted, label)); }

}  // namespace

void openStore(Game& g) {
    // Every caption, offered or not, so the second stage is ready whenever it comes.
    for (const Equipment& e : kEquipment) putOnShelf(g, e);
    for (const Counted& c : kCounted) putOnShelf(g, c);
    g.form.hide(W::TownButtons);
    g.form.show(W::StorePanel);
    g.state.TalkState = talk::kNothing;
    g.form.show(W::Storekeeper, W::MessagePanel);
    g.form.hide(W::StatusButton);
    g.caption(W::MessageLine1, kShopkeeper);
    g.caption(W::MessageLine2, kGreeting2);
    g.caption(W::MessageLine3, kGreeting3);
    prepareSellerReplies(g);
}

void prepareSellerReplies(Game& g) {
    g.state.PendingLine2 = Text(kThanks);
    g.state.PendingLine3 = Text(kShortOfMoney);
}

void buyWeapon1(Game& g) { buyEquipment(g, W::StoreWeapon1); }
void buyWeapon2(Game& g) { buyEquipment(g, W::StoreWeapon2); }
void buyWeapon3(Game& g) { buyEquipment(g, W::StoreWeapon3); }
void buyWeapon4(Game& g) { buyEquipment(g, W::StoreWeapon4); }
void buyWeapon5(Game& g) { buyEquipment(g, W::StoreWeapon5); }
void buyArmor1(Game& g) { buyEquipment(g, W::StoreArmor1); }
void buyArmor2(Game& g) { buyEquipment(g, W::StoreArmor2); }
void buyArmor3(Game& g) { buyEquipment(g, W::StoreArmor3); }
void buyItem2(Game& g) { buyCounted(g, W::StoreItem2); }
void buyItem3(Game& g) { buyCounted(g, W::StoreItem3); }

void leaveStore(Game& g) {
    g.form.show(W::StatusButton);
    g.form.hide(W::MessagePanel, W::StorePanel, W::Storekeeper);
    g.form.show(W::TownButtons);
}

void changeStoreStock(Game& g) {
    g.form.hide(W::StoreWeapon1, W::StoreWeapon2, W::StoreArmor1, W::StoreArmor3);
    g.form.show(W::StoreWeapon4, W::StoreArmor2, W::StoreWeapon5, W::StoreWeapon3);
}

}  // namespace verminadia
