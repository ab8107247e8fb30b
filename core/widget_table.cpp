#include <algorithm>

#include "core/text.h"
#include "core/widgets.h"

namespace verminadia {
namespace {

constexpr WidgetDef label(W id, std::string_view name, W parent, int left, int top, int width, int height,
                          std::string_view caption, Font font, bool visible) {
    return WidgetDef{id, name, Kind::Label, parent, left, top, width, height, caption, font, visible};
}
constexpr WidgetDef button(W id, std::string_view name, W parent, int left, int top, int width, int height,
                           std::string_view caption, Font font, bool visible) {
    return WidgetDef{id, name, Kind::Button, parent, left, top, width, height, caption, font, visible};
}
constexpr WidgetDef edit(W id, std::string_view name, W parent, int left, int top, int width, int height,
                         std::string_view caption, Font font, bool visible) {
    return WidgetDef{id, name, Kind::Edit, parent, left, top, width, height, caption, font, visible};
}
// Panels lie on the window and are all hidden until a screen shows them.
constexpr WidgetDef panel(W id, std::string_view name, int left, int top, int width, int height, Rgb color,
                          Bevel bevel) {
    WidgetDef d{id, name, Kind::Panel, W::Form1, left, top, width, height, "", kWindowFont, false};
    d.color = color;
    d.bevel = bevel;
    return d;
}
// Pictures are all hidden at start; "bitmap" names the picture whose image this one shows.
constexpr WidgetDef picture(W id, std::string_view name, W parent, int left, int top, int width, int height,
                            bool stretch, int bitmapWidth, int bitmapHeight, W bitmap) {
    WidgetDef d{id, name, Kind::Picture, parent, left, top, width, height, "", kWindowFont, false};
    d.stretch = stretch;
    d.bitmapWidth = bitmapWidth;
    d.bitmapHeight = bitmapHeight;
    d.bitmap = bitmap;
    return d;
}

}  // namespace

// clang-format off
const std::array<WidgetDef, kWidgetCount> kWidgets = {
    label(W::Label1, "Label1", W::Form1, 128, 145, 51, 16, "", Font{16, kWindowText, true}, false),
    label(W::Label2, "Label2", W::Form1, 168, 160, 159, 15, N_("～ルーメンティアの灯～"), Font{15, kYellow, false}, false),
    label(W::Label3, "Label3", W::Form1, 240, 264, 40, 12, N_("スタート"), Font{12, kAqua, false}, false),
    picture(W::Image3, "Image3", W::Form1, 8, 256, 65, 89, false, 59, 89, W::Image3),
    picture(W::Image4, "Image4", W::Form1, 8, 256, 65, 89, false, 59, 89, W::Image4),
    picture(W::Image5, "Image5", W::Form1, 8, 256, 65, 89, false, 59, 89, W::Image5),
    picture(W::Image6, "Image6", W::Form1, 216, 144, 65, 73, true, 44, 49, W::Image6),
    picture(W::Image7, "Image7", W::Form1, 216, 160, 49, 49, false, 41, 45, W::Image7),
    picture(W::Image8, "Image8", W::Form1, 216, 168, 41, 33, true, 30, 25, W::Image8),
    picture(W::Image9, "Image9", W::Form1, 224, 160, 41, 49, true, 32, 39, W::Image9),
    picture(W::Image10, "Image10", W::Form1, 208, 136, 73, 89, false, 69, 84, W::Image10),
    picture(W::Image11, "Image11", W::Form1, 208, 120, 89, 105, false, 79, 101, W::Image11),
    picture(W::Image12, "Image12", W::Form1, 192, 128, 81, 97, false, 71, 92, W::Image12),
    picture(W::Image13, "Image13", W::Form1, 200, 112, 57, 121, false, 48, 114, W::Image13),
    picture(W::Image14, "Image14", W::Form1, 176, 120, 113, 105, false, 109, 98, W::Image14),
    picture(W::Image15, "Image15", W::Form1, 208, 104, 81, 137, true, 59, 142, W::Image15),
    picture(W::Image16, "Image16", W::Form1, 192, 120, 73, 113, false, 71, 110, W::Image16),
    picture(W::Image17, "Image17", W::Form1, 200, 104, 65, 137, true, 50, 116, W::Image17),
    picture(W::Image18, "Image18", W::Form1, 208, 112, 57, 137, false, 54, 131, W::Image18),
    picture(W::Image19, "Image19", W::Form1, 200, 104, 57, 137, false, 53, 129, W::Image19),
    picture(W::Image20, "Image20", W::Form1, 192, 128, 73, 105, true, 62, 92, W::Image20),
    picture(W::Image21, "Image21", W::Form1, 208, 136, 57, 89, true, 34, 61, W::Image21),
    picture(W::Image22, "Image22", W::Form1, 200, 120, 57, 105, true, 41, 81, W::Image22),
    picture(W::Image23, "Image23", W::Form1, 200, 128, 60, 89, true, 47, 76, W::Image23),
    picture(W::Image24, "Image24", W::Form1, 184, 96, 105, 153, false, 98, 147, W::Image24),
    picture(W::Image25, "Image25", W::Form1, 192, 104, 81, 137, false, 74, 132, W::Image25),
    picture(W::Image26, "Image26", W::Form1, 208, 136, 57, 89, false, 51, 84, W::Image26),
    picture(W::Image27, "Image27", W::Form1, 240, 152, 70, 65, false, 43, 38, W::Image27),
    picture(W::Image28, "Image28", W::Form1, 208, 152, 41, 49, false, 31, 43, W::Image28),
    picture(W::Image29, "Image29", W::Form1, 216, 136, 89, 105, false, 45, 52, W::Image29),
    picture(W::Image36, "Image36", W::Form1, 208, 160, 49, 57, false, 43, 52, W::Image36),
    picture(W::Image37, "Image37", W::Form1, 216, 152, 41, 57, false, 32, 49, W::Image37),
    label(W::Label65, "Label65", W::Form1, 176, 168, 204, 27, N_("チャンピオン登場"), Font{27, kYellow, true}, false),
    picture(W::Image38, "Image38", W::Form1, 216, 144, 41, 65, false, 37, 63, W::Image38),
    picture(W::Image39, "Image39", W::Form1, 208, 144, 49, 81, false, 43, 76, W::Image39),
    picture(W::Image40, "Image40", W::Form1, 192, 112, 73, 121, false, 64, 114, W::Image40),
    picture(W::Image41, "Image41", W::Form1, 192, 104, 73, 137, false, 70, 128, W::Image41),
    picture(W::Image42, "Image42", W::Form1, 216, 168, 49, 49, false, 41, 45, W::Image42),
    picture(W::Image43, "Image43", W::Form1, 216, 168, 49, 49, false, 41, 45, W::Image43),
    picture(W::Image44, "Image44", W::Form1, 200, 120, 65, 113, true, 54, 98, W::Image44),
    picture(W::Image45, "Image45", W::Form1, 216, 168, 41, 49, false, 39, 46, W::Image45),
    picture(W::Image46, "Image46", W::Form1, 216, 168, 41, 49, false, 39, 46, W::Image46),
    picture(W::Image47, "Image47", W::Form1, 208, 112, 49, 121, true, 35, 91, W::Image47),
    picture(W::Image48, "Image48", W::Form1, 192, 104, 81, 137, false, 76, 128, W::Image48),
    picture(W::Image49, "Image49", W::Form1, 192, 96, 73, 145, true, 41, 97, W::Image49),
    picture(W::Image50, "Image50", W::Form1, 200, 104, 65, 129, true, 44, 90, W::Image50),
    picture(W::Image51, "Image51", W::Form1, 176, 96, 89, 153, true, 47, 90, W::Image51),
    label(W::Label66, "Label66", W::Form1, 152, 168, 229, 27, N_("チャレンジャー登場"), Font{27, kYellow, true}, false),
    picture(W::Image52, "Image52", W::Form1, 8, 256, 65, 92, false, 61, 90, W::Image2),
    picture(W::Image53, "Image53", W::Form1, 216, 17, 65, 97, false, 59, 89, W::Image34),
    picture(W::Image54, "Image54", W::Form1, 216, 17, 65, 97, false, 59, 89, W::Image35),
    picture(W::Image55, "Image55", W::Form1, 216, 17, 65, 97, false, 59, 89, W::Image33),
    picture(W::Image56, "Image56", W::Form1, 216, 17, 65, 97, false, 61, 90, W::Image2),
    picture(W::Image57, "Image57", W::Form1, 200, 104, 97, 137, true, 51, 64, W::Image57),
    picture(W::Image58, "Image58", W::Form1, 224, 144, 73, 73, true, 26, 25, W::Image58),
    picture(W::Image59, "Image59", W::Form1, 224, 152, 65, 57, true, 25, 26, W::Image59),
    picture(W::Image60, "Image60", W::Form1, 232, 168, 41, 41, true, 27, 29, W::Image60),
    picture(W::Image61, "Image61", W::Form1, 208, 136, 97, 97, true, 25, 25, W::Image61),
    picture(W::Image62, "Image62", W::Form1, 216, 128, 57, 113, false, 48, 114, W::Image62),
    picture(W::Image63, "Image63", W::Form1, 216, 104, 73, 137, false, 70, 128, W::Image63),
    picture(W::Image64, "Image64", W::Form1, 224, 152, 49, 73, false, 42, 70, W::Image64),
    panel(W::Panel1, "Panel1", 168, 88, 185, 153, kBlack, Bevel::Lowered2),
    label(W::Label4, "Label4", W::Panel1, 56, 48, 60, 15, N_("トルバさん"), Font{15, kWhite, true}, true),
    label(W::Label5, "Label5", W::Panel1, 48, 72, 79, 15, N_("嘆きの老人"), Font{15, kWhite, true}, true),
    label(W::Label6, "Label6", W::Panel1, 40, 120, 105, 15, N_("サスライの剣士"), Font{15, kWhite, true}, true),
    label(W::Label7, "Label7", W::Panel1, 64, 96, 49, 15, N_("ミゼル先生"), Font{15, kWhite, true}, true),
    edit(W::Edit1, "Edit1", W::Panel1, 16, 16, 153, 20, N_("参加する人物を選んで下さい"), kWindowFont, true),
    panel(W::Panel2, "Panel2", 0, 0, 249, 81, kButtonFace, Bevel::None),
    picture(W::Image1, "Image1", W::Panel2, 8, 5, 65, 81, false, 56, 71, W::Image1),
    label(W::Label8, "Label8", W::Panel2, 80, 8, 45, 12, "", kWindowFont, true),
    label(W::Label9, "Label9", W::Panel2, 80, 24, 44, 12, "", kWindowFont, true),
    label(W::Label11, "Label11", W::Panel2, 80, 40, 53, 12, "", kWindowFont, true),
    label(W::Label10, "Label10", W::Panel2, 160, 40, 54, 12, "", kWindowFont, true),
    label(W::Label12, "Label12", W::Panel2, 80, 56, 56, 12, "", kWindowFont, true),
    label(W::Label13, "Label13", W::Panel2, 160, 24, 36, 12, "", kWindowFont, true),
    picture(W::Image30, "Image30", W::Panel2, 8, 5, 65, 81, false, 56, 71, W::Image30),
    picture(W::Image31, "Image31", W::Panel2, 8, 5, 65, 81, false, 56, 71, W::Image31),
    picture(W::Image32, "Image32", W::Panel2, 8, 5, 65, 73, false, 56, 71, W::Image32),
    button(W::Button1, "Button1", W::Panel2, 160, 56, 65, 15, N_("ステータス"), Font{11, kWindowText, false}, true),
    panel(W::Panel3, "Panel3", 128, 16, 273, 313, kButtonFace, Bevel::None),
    picture(W::Image2, "Image2", W::Panel3, 8, 8, 65, 97, false, 61, 90, W::Image2),
    label(W::Label14, "Label14", W::Panel3, 88, 8, 93, 12, "", kWindowFont, true),
    label(W::Label15, "Label15", W::Panel3, 88, 24, 84, 12, "", kWindowFont, true),
    label(W::Label16, "Label16", W::Panel3, 88, 40, 77, 12, "", kWindowFont, true),
    label(W::Label17, "Label17", W::Panel3, 88, 56, 78, 12, "", kWindowFont, true),
    label(W::Label18, "Label18", W::Panel3, 88, 72, 82, 12, "", kWindowFont, true),
    label(W::Label19, "Label19", W::Panel3, 88, 88, 78, 12, "", kWindowFont, true),
    label(W::Label20, "Label20", W::Panel3, 8, 112, 24, 12, N_("装備"), kWindowFont, true),
    label(W::Label21, "Label21", W::Panel3, 16, 128, 60, 12, "", kWindowFont, true),
    label(W::Label22, "Label22", W::Panel3, 16, 144, 60, 12, "", kWindowFont, true),
    label(W::Label23, "Label23", W::Panel3, 184, 112, 72, 12, "", kWindowFont, true),
    label(W::Label24, "Label24", W::Panel3, 184, 128, 72, 12, "", kWindowFont, true),
    label(W::Label25, "Label25", W::Panel3, 184, 144, 72, 12, "", kWindowFont, true),
    label(W::Label26, "Label26", W::Panel3, 184, 160, 73, 12, "", kWindowFont, true),
    label(W::Label27, "Label27", W::Panel3, 8, 176, 24, 12, N_("特技"), kWindowFont, true),
    label(W::Label28, "Label28", W::Panel3, 160, 176, 24, 12, N_("道具"), kWindowFont, true),
    label(W::Label29, "Label29", W::Panel3, 8, 296, 96, 12, "", kWindowFont, true),
    label(W::Label53, "Label53", W::Panel3, 168, 192, 39, 12, "", kWindowFont, true),
    label(W::Label54, "Label54", W::Panel3, 168, 208, 39, 12, "", kWindowFont, false),
    label(W::Label55, "Label55", W::Panel3, 168, 224, 39, 12, "", kWindowFont, false),
    label(W::Label56, "Label56", W::Panel3, 16, 192, 39, 12, "", kWindowFont, false),
    label(W::Label57, "Label57", W::Panel3, 16, 208, 39, 12, "", kWindowFont, false),
    label(W::Label58, "Label58", W::Panel3, 16, 224, 39, 12, "", kWindowFont, false),
    label(W::Label59, "Label59", W::Panel3, 16, 240, 39, 12, "", kWindowFont, false),
    picture(W::Image33, "Image33", W::Panel3, 8, 8, 65, 97, false, 59, 89, W::Image33),
    picture(W::Image34, "Image34", W::Panel3, 8, 8, 65, 97, false, 59, 89, W::Image34),
    picture(W::Image35, "Image35", W::Panel3, 8, 8, 65, 97, false, 59, 89, W::Image35),
    label(W::Label68, "Label68", W::Panel3, 168, 240, 39, 12, "", kWindowFont, false),
    button(W::Button2, "Button2", W::Panel3, 184, 288, 67, 17, N_("OK"), kWindowFont, true),
    panel(W::Panel4, "Panel4", 249, 0, 272, 81, kButtonFace, Bevel::None),
    label(W::Label30, "Label30", W::Panel4, 16, 8, 57, 12, N_("ドラゴン城"), Font{12, kWindowText, true}, true),
    button(W::Button3, "Button3", W::Panel4, 16, 32, 81, 17, N_("王の部屋"), kWindowFont, true),
    button(W::Button4, "Button4", W::Panel4, 16, 56, 81, 17, N_("雑貨屋"), kWindowFont, true),
    button(W::Button5, "Button5", W::Panel4, 104, 32, 81, 17, N_("宿屋"), kWindowFont, true),
    button(W::Button6, "Button6", W::Panel4, 104, 56, 81, 17, N_("闘技場"), kWindowFont, true),
    button(W::Button25, "Button25", W::Panel4, 192, 32, 73, 17, N_("カジノ"), kWindowFont, false),
    panel(W::Panel5, "Panel5", 72, 256, 441, 89, kBlack, Bevel::Lowered),
    label(W::Label31, "Label31", W::Panel5, 16, 8, 69, 15, "", Font{15, kWhite, true}, true),
    label(W::Label32, "Label32", W::Panel5, 16, 32, 21, 15, "", Font{15, kWhite, true}, true),
    label(W::Label33, "Label33", W::Panel5, 16, 56, 57, 15, "", Font{15, kWhite, true}, true),
    panel(W::Panel6, "Panel6", 176, 88, 145, 161, kButtonFace, Bevel::None),
    label(W::Label34, "Label34", W::Panel6, 16, 72, 114, 12, "", kWindowFont, true),
    label(W::Label35, "Label35", W::Panel6, 16, 88, 114, 12, "", kWindowFont, true),
    label(W::Label36, "Label36", W::Panel6, 16, 72, 114, 12, "", kWindowFont, false),
    label(W::Label37, "Label37", W::Panel6, 16, 88, 114, 12, "", kWindowFont, false),
    label(W::Label38, "Label38", W::Panel6, 16, 104, 113, 12, "", kWindowFont, false),
    label(W::Label39, "Label39", W::Panel6, 16, 104, 113, 12, "", kWindowFont, true),
    label(W::Label40, "Label40", W::Panel6, 16, 120, 114, 12, "", kWindowFont, false),
    label(W::Label41, "Label41", W::Panel6, 16, 40, 112, 12, "", kWindowFont, true),
    label(W::Label42, "Label42", W::Panel6, 16, 56, 114, 12, "", kWindowFont, true),
    label(W::Label43, "Label43", W::Panel6, 16, 136, 62, 12, N_("店から出る"), Font{12, kWindowText, true}, true),
    label(W::Label67, "Label67", W::Panel6, 16, 120, 39, 12, "", kWindowFont, true),
    edit(W::Edit2, "Edit2", W::Panel6, 24, 8, 97, 20, N_("エドソンの雑貨屋"), kWindowFont, true),
    panel(W::Panel7, "Panel7", 176, 104, 145, 129, kButtonFace, Bevel::None),
    edit(W::Edit3, "Edit3", W::Panel7, 32, 8, 73, 20, N_("おフクの宿屋"), kWindowFont, true),
    button(W::Button7, "Button7", W::Panel7, 16, 40, 113, 25, N_("宿泊する"), kWindowFont, true),
    button(W::Button8, "Button8", W::Panel7, 16, 80, 113, 25, N_("宿屋から出る"), kWindowFont, true),
    panel(W::Panel8, "Panel8", 120, 120, 265, 129, kButtonFace, Bevel::None),
    label(W::Label44, "Label44", W::Panel8, 88, 8, 147, 12, N_("出場する階級を選んで下さい"), kWindowFont, true),
    edit(W::Edit4, "Edit4", W::Panel8, 8, 8, 45, 20, N_("闘技場"), kWindowFont, true),
    button(W::Button9, "Button9", W::Panel8, 16, 32, 75, 25, N_("アマチュア級"), kWindowFont, true),
    button(W::Button10, "Button10", W::Panel8, 96, 32, 75, 25, N_("ライト級"), kWindowFont, true),
    button(W::Button11, "Button11", W::Panel8, 176, 32, 75, 25, N_("フライ級"), kWindowFont, true),
    button(W::Button12, "Button12", W::Panel8, 16, 64, 75, 25, N_("バンダム級"), kWindowFont, true),
    button(W::Button13, "Button13", W::Panel8, 176, 64, 75, 25, N_("ミドル級"), kWindowFont, true),
    button(W::Button14, "Button14", W::Panel8, 16, 96, 75, 25, N_("ヘビー級"), kWindowFont, true),
    button(W::Button15, "Button15", W::Panel8, 136, 96, 115, 25, N_("闘技場から出る"), kWindowFont, true),
    button(W::Button16, "Button16", W::Panel8, 96, 64, 75, 25, N_("フェザー級"), kWindowFont, true),
    panel(W::Panel9, "Panel9", 8, 256, 57, 89, kBlack, Bevel::Lowered),
    label(W::Label45, "Label45", W::Panel9, 14, 8, 27, 12, N_("攻撃"), Font{12, kWhite, true}, true),
    label(W::Label46, "Label46", W::Panel9, 14, 26, 27, 12, N_("特技"), Font{12, kWhite, true}, true),
    label(W::Label47, "Label47", W::Panel9, 14, 45, 27, 12, N_("道具"), Font{12, kWhite, true}, true),
    label(W::Label48, "Label48", W::Panel9, 14, 64, 27, 12, N_("話す"), Font{12, kWhite, true}, true),
    panel(W::Panel10, "Panel10", 72, 256, 185, 89, kBlack, Bevel::Lowered),
    label(W::Label49, "Label49", W::Panel10, 16, 8, 15, 13, "", Font{13, kWhite, true}, true),
    label(W::Label50, "Label50", W::Panel10, 16, 24, 29, 13, "", Font{13, kWhite, true}, false),
    label(W::Label51, "Label51", W::Panel10, 16, 40, 43, 13, "", Font{13, kWhite, true}, false),
    label(W::Label52, "Label52", W::Panel10, 112, 72, 64, 13, N_("キャンセル"), Font{13, kWhite, true}, true),
    label(W::Label69, "Label69", W::Panel10, 16, 56, 75, 13, "", Font{13, kWhite, true}, false),
    panel(W::Panel11, "Panel11", 72, 256, 185, 89, kBlack, Bevel::Lowered),
    label(W::Label60, "Label60", W::Panel11, 112, 72, 64, 13, N_("キャンセル"), Font{13, kWhite, true}, true),
    label(W::Label61, "Label61", W::Panel11, 16, 8, 51, 13, "", Font{13, kWhite, true}, false),
    label(W::Label62, "Label62", W::Panel11, 16, 24, 51, 13, "", Font{13, kWhite, true}, false),
    label(W::Label63, "Label63", W::Panel11, 16, 40, 51, 13, "", Font{13, kWhite, true}, false),
    label(W::Label64, "Label64", W::Panel11, 16, 56, 51, 13, "", Font{13, kWhite, true}, false),
    panel(W::Panel12, "Panel12", 144, 128, 225, 121, kButtonFace, Bevel::None),
    button(W::Button17, "Button17", W::Panel12, 16, 16, 193, 25, N_("ワルサーP38（5000円）を買う"), kWindowFont, false),
    button(W::Button18, "Button18", W::Panel12, 16, 16, 193, 25, N_("セクシーランジェリー（5000円）を買う"), kWindowFont, false),
    button(W::Button19, "Button19", W::Panel12, 16, 48, 193, 25, N_("ドラゴンの涙（150円）を買う"), kWindowFont, true),
    button(W::Button20, "Button20", W::Panel12, 16, 80, 193, 25, N_("買わない"), kWindowFont, true),
    panel(W::Panel13, "Panel13", 164, 128, 181, 113, kButtonFace, Bevel::None),
    label(W::Label70, "Label70", W::Panel13, 80, 32, 60, 16, "", Font{16, kWindowText, true}, true),
    label(W::Label71, "Label71", W::Panel13, 72, 56, 60, 16, "", Font{16, kWindowText, true}, true),
    edit(W::Edit5, "Edit5", W::Panel13, 8, 8, 150, 20, N_("トルバさんのじゃんけんカジノ"), kWindowFont, true),
    button(W::Button21, "Button21", W::Panel13, 8, 32, 49, 25, N_("グー"), Font{12, kRed, true}, true),
    button(W::Button22, "Button22", W::Panel13, 8, 56, 49, 25, N_("チョキ"), Font{12, kBlue, true}, true),
    button(W::Button23, "Button23", W::Panel13, 8, 80, 49, 25, N_("パー"), Font{12, kGreen, true}, true),
    button(W::Button24, "Button24", W::Panel13, 80, 80, 89, 25, N_("カジノから出る"), kWindowFont, true),
};

const std::array<TimerDef, kTimerCount> kTimers = {
    TimerDef{Timer::Opening, "Timer1", 1500, true},
    TimerDef{Timer::TownMusic, "Timer2", 1000, false},
    TimerDef{Timer::BattleMusic, "Timer3", 1000, false},
    TimerDef{Timer::CasinoLights, "Timer4", 500, false},
    TimerDef{Timer::Ending, "Timer5", 1000, false},
};

const std::array<PlayerDef, kPlayerCount> kPlayers = {
    PlayerDef{Player::MediaPlayer1, "MediaPlayer1", "gun.mid"},
    PlayerDef{Player::MediaPlayer2, "MediaPlayer2", "hakushu.mid"},
    PlayerDef{Player::MediaPlayer3, "MediaPlayer3", "toruba.mid"},
    PlayerDef{Player::MediaPlayer4, "MediaPlayer4", "yado Lvup.mid"},
    PlayerDef{Player::MediaPlayer5, "MediaPlayer5", "Sen3.mid"},
    PlayerDef{Player::MediaPlayer6, "MediaPlayer6", "make.mid"},
    PlayerDef{Player::MediaPlayer7, "MediaPlayer7", "roujin.mid"},
    PlayerDef{Player::MediaPlayer8, "MediaPlayer8", "sensei.mid"},
    PlayerDef{Player::MediaPlayer9, "MediaPlayer9", "kensi.mid"},
    PlayerDef{Player::MediaPlayer10, "MediaPlayer10", "Sen1.mid"},
    PlayerDef{Player::MediaPlayer11, "MediaPlayer11", "Sen2.mid"},
    PlayerDef{Player::MediaPlayer12, "MediaPlayer12", "Sen4.mid"},
    PlayerDef{Player::MediaPlayer13, "MediaPlayer13", "END1.mid"},
    PlayerDef{Player::MediaPlayer14, "MediaPlayer14", "約束の場所へ.mid"},
    PlayerDef{Player::MediaPlayer15, "MediaPlayer15", "ジュバ.wav"},
    PlayerDef{Player::MediaPlayer16, "MediaPlayer16", "ピロリロリン.wav"},
    PlayerDef{Player::MediaPlayer17, "MediaPlayer17", "うあー.wav"},
    PlayerDef{Player::MediaPlayer18, "MediaPlayer18", "トルバサンダー.wav"},
    PlayerDef{Player::MediaPlayer19, "MediaPlayer19", "ムロマチバクファー.wav"},
    PlayerDef{Player::MediaPlayer20, "MediaPlayer20", "イソノ.wav"},
    PlayerDef{Player::MediaPlayer21, "MediaPlayer21", "ンー.wav"},
    PlayerDef{Player::MediaPlayer22, "MediaPlayer22", "んーりろ.wav"},
};
// clang-format on

namespace {
template <typename Table, typename Id>
bool findByName(const Table& table, std::string_view name, Id& out) {
    auto it = std::find_if(table.begin(), table.end(), [&](const auto& d) { return d.name == name; });
    if (it == table.end()) return false;
    out = it->id;
    return true;
}
}  // namespace

bool widgetByName(std::string_view name, W& out) { return findByName(kWidgets, name, out); }
bool timerByName(std::string_view name, Timer& out) { return findByName(kTimers, name, out); }
bool playerByName(std::string_view name, Player& out) { return findByName(kPlayers, name, out); }

}  // namespace verminadia
