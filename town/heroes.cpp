// The roster: every value a hero brings to the game. The names of weapons and armours end in the
// spaces that line the store's prices up; they are part of the names.

#include "town/heroes.h"

#include "core/game_state.h"

namespace verminadia {

// clang-format off
const std::array<Hero, kHeroCount> kHeroes = {
    // Hero 0
    Hero{"トルバさん", "会社員", "街の人",
         16, 5, 10, 9, 2, 9,
         W::Image1, W::Image2, Player::MediaPlayer3, 71,
         "木の枝　　　　", "臭そうなTシャツ",
         {"ひのきの棒　　　", "困惑の杖 　　 　", "悲しみの剣　　　", "悪夢のつるぎ 　", "無力のつるぎ 　"},
         {"呪われた鎧　 　", "悪魔の鎧　　　　", "死亡の鎧　　　　"},
         {"食塩", "麻薬", "密輸品"},
         {"負け犬", "街の力持ち", "街の有名人", "街の人気者", "街の代表", "国の象徴", "神様"},
         {"サンダ―ストーム", "リラクゼーション", "トルバサンダ―", "トルバジック"}},
    // Hero 1
    Hero{"嘆きの老人", "無職", "老いぼれ",
         14, 12, 8, 9, 15, 10,
         W::Image30, W::Image33, Player::MediaPlayer7, 60,
         "木のつえ　　　", "ローブ",
         {"嘆きの杖　　　  ", "女神の杖 　　 　", "究極のムチ　　 ", "神を呼ぶ杖　 　", "ドラゴンの杖    "},
         {"嘆きの羽衣　 　", "ドラゴンの羽衣 ", "光の羽衣　　　　"},
         {"柿の種", "焼酎", "胃腸薬"},
         {"ボケ老人", "エロじじい", "街の長", "老師", "物知り仙人", "無天老師", "伝説の老師"},
         {"ムロマチバクファー", "ナゲキックス", "マリリンサンダー", "ポルカミニョン"}},
    // Hero 2
    Hero{"ミゼル先生", "高校教師", "森の管理人",
         20, 7, 11, 10, 10, 19,
         W::Image32, W::Image35, Player::MediaPlayer8, 81,
         "鎌　　　　　　", "作業服",
         {"キコリの斧　　  ", "夢心地の斧 　  ", "迷いの斧　　　  ", "迷子の斧　　    ", "覇王神の斧　   "},
         {"迷いの鎧　　    ", "ミゼル専用スーツ　 ", "満月の鎧　　　　"},
         {"鮭弁当", "緑茶", "烏龍茶"},
         {"役立たず", "森の重役", "森の議長", "森のクマさん", "城の委員長", "国の知事", "総理大臣"},
         {"イソノワカメデューム", "さえずりの歌", "ミゼル戦術", "究極のワナ"}},
    // Hero 3
    Hero{"サスライの剣士", "無職", "奴隷",
         18, 6, 13, 8, 8, 12,
         W::Image31, W::Image34, Player::MediaPlayer9, 71,
         "銅のつるぎ　　", "皮の鎧",
         {"銀のつるぎ　　  ", "金のつるぎ 　   ", "破壊のつるぎ　 ", "魔神のつるぎ   ", "覇王神の剣　   "},
         {"光の鎧　　　     ", "ドラゴンの鎧　  ", "サスライの鎧　　"},
         {"柿の種", "薬草", "超薬草"},
         {"クズ以下", "城の門番", "城の剣士", "城の将軍", "特攻隊長", "王の右腕", "伝説の剣士"},
         {"ダイナマイトクラッシュ", "リフレッシュ", "パナソニックス", "奥義・覇王絶滅拳"}},
};
// clang-format on

const Hero* chosenHero(const GameState& s) {
    if (s.HeroId < 0 || s.HeroId >= kHeroCount) return nullptr;
    return &kHeroes[static_cast<std::size_t>(s.HeroId)];
}

}  // namespace verminadia
