#include "detail/detail_layout.h"

#include <array>

namespace {

constexpr const char* kTab = "选择夹1";
constexpr const char* kAvatar = "图片框_头像";

constexpr FontSpec kHeadingFont{false, "宋体", -20, true};  // 标签5 "战斗力"
constexpr FontSpec kBold12{false, nullptr, -12, true};
constexpr FontSpec kBold14{false, nullptr, -14, true};
constexpr FontSpec kPlain14{false, nullptr, -14, false};

constexpr Rgb kDarkGrey{96, 96, 96};
constexpr Rgb kSilver{192, 192, 192};

// A header label of the window.
constexpr ControlSpec headerLabel(const char* name, int left, int top, int width, int height,
                                  const char* text, Align align) {
  return {name, ControlKind::Label, nullptr,         left,  top,          width,       height,
          text, Border::Single,     kDefaultGuiFont, align, std::nullopt, std::nullopt};
}

// A row title or a value label of the statistics table: borderless, centred.
constexpr ControlSpec cellLabel(const char* name, const char* parent, int left, int top, int width,
                                const char* text = "") {
  return {name, ControlKind::Label, parent,   left,          top,          width,       32,
          text, Border::None,       kPlain14, Align::Center, std::nullopt, std::nullopt};
}

// The bordered, empty frame behind one row of the statistics table.
constexpr ControlSpec rowFrame(const char* name, int top) {
  return {name,
          ControlKind::Label,
          kTab,
          4,
          top,
          464,
          56,
          "",
          Border::Single,
          kDefaultGuiFont,
          Align::Left,
          std::nullopt,
          std::nullopt};
}

constexpr std::array<ControlSpec, 45> kControls{{
    headerLabel("标签_生日", 344, 40, 104, 32, "", Align::Left),
    headerLabel("标签11", 296, 40, 48, 32, "生  日：", Align::Left),
    headerLabel("标签_隐藏分", 344, 8, 104, 32, "", Align::Left),
    headerLabel("标签8", 296, 8, 48, 32, "隐藏分：", Align::Left),

    cellLabel("标签_经典模式3", kTab, 18, 247, 63, "S5排位赛"),
    cellLabel("标签_S5排位模式场次3", kTab, 86, 247, 63),
    cellLabel("标签_S5排位胜率3", kTab, 156, 247, 63),
    cellLabel("标签_S5排位胜场3", kTab, 220, 247, 63),
    cellLabel("标签_S5排位负场3", kTab, 287, 247, 63),
    cellLabel("标签_S5排位段位3", kTab, 351, 247, 71),
    cellLabel("标签_S5排位胜点3", kTab, 422, 247, 40),
    rowFrame("标签7", 234),

    cellLabel("标签_经典模式2", kTab, 18, 192, 63, "S6排位赛"),
    cellLabel("标签_S6排位模式场次2", kTab, 86, 192, 63),
    cellLabel("标签_S6排位胜率2", kTab, 156, 192, 63),
    cellLabel("标签_S6排位胜场2", kTab, 220, 192, 63),
    cellLabel("标签_S6排位负场2", kTab, 287, 192, 63),
    cellLabel("标签_S6排位段位2", kTab, 351, 192, 71),
    cellLabel("标签_S6排位胜点2", kTab, 422, 192, 40),
    rowFrame("标签6", 179),

    cellLabel("标签_经典模式1", kTab, 18, 137, 63, "大乱斗 "),
    cellLabel("标签_大乱斗模式场次", kTab, 86, 137, 63),
    cellLabel("标签_大乱斗模式胜率1", kTab, 156, 137, 63),
    cellLabel("标签_大乱斗模式胜场1", kTab, 220, 137, 63),
    cellLabel("标签_大乱斗模式负场1", kTab, 287, 137, 63),
    cellLabel("标签_大乱斗模式段位1", kTab, 355, 137, 63, "-"),
    cellLabel("标签_大乱斗模式胜点1", kTab, 422, 137, 40, "0"),
    rowFrame("标签3", 124),

    {"标签5", ControlKind::Label, nullptr, 195, 8, 80, 32, "战斗力", Border::Single, kHeadingFont,
     Align::Center, std::nullopt, kDarkGrey},
    {"标签_战斗力", ControlKind::Label, nullptr, 195, 40, 80, 35, "", Border::Single, kBold12,
     Align::Center, std::nullopt, std::nullopt},

    // The classic row's values are children of the window, laid over the
    // tab control at its top (83) plus the row's top (82).
    cellLabel("标签_经典胜点", nullptr, 422, 165, 40, "0"),
    cellLabel("标签_经典段位", nullptr, 357, 165, 63, "-"),
    cellLabel("标签_经典负场", nullptr, 287, 165, 63),
    cellLabel("标签_经典胜场", nullptr, 222, 165, 63),
    cellLabel("标签_经典胜率", nullptr, 158, 165, 63),
    cellLabel("标签_经典模式场次", nullptr, 88, 165, 63),

    cellLabel("标签_经典模式", kTab, 18, 82, 63, "经典模式"),
    rowFrame("标签2", 69),
    {"标签1", ControlKind::Label, kTab, 4, 25, 464, 45,
     "    类型    总场次    胜率    胜场     负场    段位   胜点", Border::Single, kBold14,
     Align::Left, std::nullopt, kSilver},

    {kTab, ControlKind::TabControl, nullptr, 2, 83, 472, 320, "游戏统计", Border::Own,
     kDefaultGuiFont, Align::Left, std::nullopt, std::nullopt},
    headerLabel("标签_服务器", 85, 53, 108, 24, "", Align::Center),
    {"标签4", ControlKind::Label, kAvatar, 66, 52, 16, 16, "", Border::Single, kDefaultGuiFont,
     Align::Left, std::nullopt, std::nullopt},
    headerLabel("标签_段位", 85, 30, 108, 24, "", Align::Center),
    headerLabel("标签_ID", 85, 7, 108, 24, "", Align::Center),
    {kAvatar, ControlKind::PictureBox, nullptr, 1, 7, 83, 70, "", Border::Single, kDefaultGuiFont,
     Align::Left, std::nullopt, std::nullopt},
}};

constexpr WindowSpec kDetailWindow{"PellumarLOL查询", 483, 438, kControls, {}};

}  // namespace

const WindowSpec& DetailWindow_Layout() {
  return kDetailWindow;
}
