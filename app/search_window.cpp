#include "app/search_window.h"

namespace {

constexpr FontSpec kCaptionFont{false, "宋体", -21, true};
constexpr FontSpec kNameFont{false, "宋体", -12, true};
constexpr FontSpec kIdLabelFont{false, nullptr, -14, true};
constexpr Rgb kSilver{192, 192, 192};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// Creation order.
constexpr ControlSpec kControls[] = {
    {"标签2", ControlKind::Label, nullptr, 31, 47, 312, 32, "标签", Border::Single, kCaptionFont,
     Align::Left, kSilver, std::nullopt},
    {"超级列表框1", ControlKind::ReportList, nullptr, 29, 80, 315, 296, nullptr, Border::Single,
     kDefaultGuiFont, Align::Left, kBlack, kWhite},
    {"按钮1", ControlKind::PushButton, nullptr, 267, 11, 75, 32, "查询", Border::Own,
     kDefaultGuiFont, Align::Center, std::nullopt, std::nullopt},
    {"编辑框1", ControlKind::EditBox, nullptr, 80, 11, 187, 32, "示例玩家", Border::Single,
     kNameFont, Align::Center, kBlack, kWhite},
    {"标签1", ControlKind::Label, nullptr, 32, 11, 48, 32, "ID:", Border::Single, kIdLabelFont,
     Align::Center, kBlack, std::nullopt},
};

// Page id, display name, server, tier, points, avatar address.
constexpr ListColumnSpec kColumns[] = {
    {nullptr, 0, Align::Left},   {"ID", 80, Align::Center},   {"服务器", 80, Align::Center},
    {"段位", 75, Align::Center}, {"胜点", 60, Align::Center}, {nullptr, 0, Align::Left},
};

}  // namespace

const WindowSpec kSearchWindowSpec{"PellumarLOL查询", 377, 439, kControls, kColumns};

WindowDef SearchWindow(kSearchWindowSpec);

void OnSearchWindowCreated() {
  Skin_Apply(3);
}
