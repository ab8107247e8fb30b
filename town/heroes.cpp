// The roster: every value a hero brings to the game. The names of weapons and armours end in the
// spaces that line the store's prices up; they are part of the names.

#include "town/heroes.h"

#include "core/game_state.h"
#include "core/text/text.h"

namespace verminadia {

// clang-format off
const std::array<Hero, kHeroCount> kHeroes = {
    // Hero 0
    Hero{.name = N_("トルバさん"), .job = N_("会社員"), .startTitle = N_("街の人"),
         .hp = 16, .mp = 5, .attack = 10, .defense = 9, .wisdom = 2, .speed = 9,
         .portrait = W::TorubaPortrait, .statusPortrait = W::TorubaStatusPortrait, .theme = Tune::TorubaTheme,
         .weapon = N_("木の枝　　　　"), .startArmor = N_("臭そうなTシャツ"),
         .shopWeapons = {N_("ひのきの棒　　　"), N_("困惑の杖 　　 　"), N_("悲しみの剣　　　"), N_("悪夢のつるぎ 　"), N_("無力のつるぎ 　")},
         .shopArmors = {N_("呪われた鎧　 　"), N_("悪魔の鎧　　　　"), N_("死亡の鎧　　　　")},
         .items = {N_("食塩"), N_("麻薬"), N_("密輸品")},
         .titles = {N_("負け犬"), N_("街の力持ち"), N_("街の有名人"), N_("街の人気者"), N_("街の代表"), N_("国の象徴"), N_("神様")},
         .skills = {N_("サンダ―ストーム"), N_("リラクゼーション"), N_("トルバサンダ―"), N_("トルバジック")}},
    // Hero 1
    Hero{.name = N_("嘆きの老人"), .job = N_("無職"), .startTitle = N_("老いぼれ"),
         .hp = 14, .mp = 12, .attack = 8, .defense = 9, .wisdom = 15, .speed = 10,
         .portrait = W::OldMoanerPortrait, .statusPortrait = W::OldMoanerStatusPortrait, .theme = Tune::OldManTheme,
         .weapon = N_("木のつえ　　　"), .startArmor = N_("ローブ"),
         .shopWeapons = {N_("嘆きの杖　　　  "), N_("女神の杖 　　 　"), N_("究極のムチ　　 "), N_("神を呼ぶ杖　 　"), N_("ドラゴンの杖    ")},
         .shopArmors = {N_("嘆きの羽衣　 　"), N_("ドラゴンの羽衣 "), N_("光の羽衣　　　　")},
         .items = {N_("柿の種"), N_("焼酎"), N_("胃腸薬")},
         .titles = {N_("ボケ老人"), N_("エロじじい"), N_("街の長"), N_("老師"), N_("物知り仙人"), N_("無天老師"), N_("伝説の老師")},
         .skills = {N_("ムロマチバクファー"), N_("ナゲキックス"), N_("マリリンサンダー"), N_("ポルカミニョン")}},
    // Hero 2
    Hero{.name = N_("ミゼル先生"), .job = N_("高校教師"), .startTitle = N_("森の管理人"),
         .hp = 20, .mp = 7, .attack = 11, .defense = 10, .wisdom = 10, .speed = 19,
         .portrait = W::MizelPortrait, .statusPortrait = W::MizelStatusPortrait, .theme = Tune::TeacherTheme,
         .weapon = N_("鎌　　　　　　"), .startArmor = N_("作業服"),
         .shopWeapons = {N_("キコリの斧　　  "), N_("夢心地の斧 　  "), N_("迷いの斧　　　  "), N_("迷子の斧　　    "), N_("覇王神の斧　   ")},
         .shopArmors = {N_("迷いの鎧　　    "), N_("ミゼル専用スーツ　 "), N_("満月の鎧　　　　")},
         .items = {N_("鮭弁当"), N_("緑茶"), N_("烏龍茶")},
         .titles = {N_("役立たず"), N_("森の重役"), N_("森の議長"), N_("森のクマさん"), N_("城の委員長"), N_("国の知事"), N_("総理大臣")},
         .skills = {N_("イソノワカメデューム"), N_("さえずりの歌"), N_("ミゼル戦術"), N_("究極のワナ")}},
    // Hero 3
    Hero{.name = N_("サスライの剣士"), .job = N_("無職"), .startTitle = N_("奴隷"),
         .hp = 18, .mp = 6, .attack = 13, .defense = 8, .wisdom = 8, .speed = 12,
         .portrait = W::RoninPortrait, .statusPortrait = W::RoninStatusPortrait, .theme = Tune::SwordsmanTheme,
         .weapon = N_("銅のつるぎ　　"), .startArmor = N_("皮の鎧"),
         .shopWeapons = {N_("銀のつるぎ　　  "), N_("金のつるぎ 　   "), N_("破壊のつるぎ　 "), N_("魔神のつるぎ   "), N_("覇王神の剣　   ")},
         .shopArmors = {N_("光の鎧　　　     "), N_("ドラゴンの鎧　  "), N_("サスライの鎧　　")},
         .items = {N_("柿の種"), N_("薬草"), N_("超薬草")},
         .titles = {N_("クズ以下"), N_("城の門番"), N_("城の剣士"), N_("城の将軍"), N_("特攻隊長"), N_("王の右腕"), N_("伝説の剣士")},
         .skills = {N_("ダイナマイトクラッシュ"), N_("リフレッシュ"), N_("パナソニックス"), N_("奥義・覇王絶滅拳")}},
};
// clang-format on

const Hero* chosenHero(const GameState& s) {
    if (s.HeroId < 0 || s.HeroId >= kHeroCount) return nullptr;
    return &kHeroes[static_cast<std::size_t>(s.HeroId)];
}

}  // namespace verminadia
