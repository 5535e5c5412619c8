// DetailWindow as the builder makes it from its layout: every control's kind,
// parent, place, start text and stacking, checked against a table written
// out independently of the layout.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTabWidget>

#include <map>
#include <string>
#include <vector>

#include "app/label_widget.h"
#include "app/picture_box.h"
#include "app/toolkit.h"
#include "app/window_metrics.h"
#include "detail/detail_window.h"
#include "text/literal.h"

namespace {

constexpr const char* kWindow = "";  // parent: the window itself
constexpr const char* kTab = "选择夹1";

struct Expected {
  const char* name;
  const char* parent;
  int left, top, width, height;
  const char* text;
};

// Creation order, which also gives the stacking among siblings.
const Expected kExpected[] = {
    {"标签_生日", kWindow, 344, 40, 104, 32, ""},
    {"标签11", kWindow, 296, 40, 48, 32, "生  日："},
    {"标签_隐藏分", kWindow, 344, 8, 104, 32, ""},
    {"标签8", kWindow, 296, 8, 48, 32, "隐藏分："},
    {"标签_经典模式3", kTab, 18, 247, 63, 32, "S5排位赛"},
    {"标签_S5排位模式场次3", kTab, 86, 247, 63, 32, ""},
    {"标签_S5排位胜率3", kTab, 156, 247, 63, 32, ""},
    {"标签_S5排位胜场3", kTab, 220, 247, 63, 32, ""},
    {"标签_S5排位负场3", kTab, 287, 247, 63, 32, ""},
    {"标签_S5排位段位3", kTab, 351, 247, 71, 32, ""},
    {"标签_S5排位胜点3", kTab, 422, 247, 40, 32, ""},
    {"标签7", kTab, 4, 234, 464, 56, ""},
    {"标签_经典模式2", kTab, 18, 192, 63, 32, "S6排位赛"},
    {"标签_S6排位模式场次2", kTab, 86, 192, 63, 32, ""},
    {"标签_S6排位胜率2", kTab, 156, 192, 63, 32, ""},
    {"标签_S6排位胜场2", kTab, 220, 192, 63, 32, ""},
    {"标签_S6排位负场2", kTab, 287, 192, 63, 32, ""},
    {"标签_S6排位段位2", kTab, 351, 192, 71, 32, ""},
    {"标签_S6排位胜点2", kTab, 422, 192, 40, 32, ""},
    {"标签6", kTab, 4, 179, 464, 56, ""},
    {"标签_经典模式1", kTab, 18, 137, 63, 32, "大乱斗 "},
    {"标签_大乱斗模式场次", kTab, 86, 137, 63, 32, ""},
    {"标签_大乱斗模式胜率1", kTab, 156, 137, 63, 32, ""},
    {"标签_大乱斗模式胜场1", kTab, 220, 137, 63, 32, ""},
    {"标签_大乱斗模式负场1", kTab, 287, 137, 63, 32, ""},
    {"标签_大乱斗模式段位1", kTab, 355, 137, 63, 32, "-"},
    {"标签_大乱斗模式胜点1", kTab, 422, 137, 40, 32, "0"},
    {"标签3", kTab, 4, 124, 464, 56, ""},
    {"标签5", kWindow, 195, 8, 80, 32, "战斗力"},
    {"标签_战斗力", kWindow, 195, 40, 80, 35, ""},
    {"标签_经典胜点", kWindow, 422, 165, 40, 32, "0"},
    {"标签_经典段位", kWindow, 357, 165, 63, 32, "-"},
    {"标签_经典负场", kWindow, 287, 165, 63, 32, ""},
    {"标签_经典胜场", kWindow, 222, 165, 63, 32, ""},
    {"标签_经典胜率", kWindow, 158, 165, 63, 32, ""},
    {"标签_经典模式场次", kWindow, 88, 165, 63, 32, ""},
    {"标签_经典模式", kTab, 18, 82, 63, 32, "经典模式"},
    {"标签2", kTab, 4, 69, 464, 56, ""},
    {"标签1", kTab, 4, 25, 464, 45, "    类型    总场次    胜率    胜场     负场    段位   胜点"},
    {"选择夹1", kWindow, 2, 83, 472, 320, nullptr},
    {"标签_服务器", kWindow, 85, 53, 108, 24, ""},
    {"标签4", "图片框_头像", 66, 52, 16, 16, ""},
    {"标签_段位", kWindow, 85, 30, 108, 24, ""},
    {"标签_ID", kWindow, 85, 7, 108, 24, ""},
    {"图片框_头像", kWindow, 1, 7, 83, 70, nullptr},
};

class DetailLayout : public testing::Test {
 protected:
  void SetUp() override {
    DetailWindow.unbindAll();
    Window_Open(DetailWindow);
    ASSERT_NE(DetailWindow.widget(), nullptr);
  }
  void TearDown() override {
    if (QWidget* window = DetailWindow.widget()) window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  QWidget* widget(const char* name) const { return DetailWindow.control(name).widget(); }
};

TEST_F(DetailLayout, LayoutTableListsTheControlsInCreationOrder) {
  const auto& controls = DetailWindow.spec().controls;
  ASSERT_EQ(controls.size(), std::size(kExpected));
  for (std::size_t i = 0; i < controls.size(); ++i)
    EXPECT_STREQ(controls[i].name, kExpected[i].name) << "position " << i;
}

TEST_F(DetailLayout, EveryControlHasItsParentPlaceAndStartText) {
  for (const Expected& c : kExpected) {
    QWidget* w = widget(c.name);
    ASSERT_NE(w, nullptr) << c.name;
    QWidget* parent = *c.parent ? widget(c.parent) : DetailWindow.widget();
    EXPECT_EQ(w->parentWidget(), parent) << c.name;
    EXPECT_EQ(w->geometry(), QRect(c.left, c.top, c.width, c.height)) << c.name;
    EXPECT_TRUE(w->isVisible()) << c.name;
    if (c.text != nullptr) {
      EXPECT_EQ(Control_GetText(DetailWindow.control(c.name)), Literal_ToText(c.text)) << c.name;
    }
  }
}

// Among siblings an earlier control lies above every later one: Qt keeps a
// parent's children in stacking order, bottom first.
TEST_F(DetailLayout, EarlierSiblingsLieAbove) {
  std::map<QWidget*, std::vector<QString>> expectedBottomFirst;
  for (const Expected& c : kExpected) {
    QWidget* w = widget(c.name);
    ASSERT_NE(w, nullptr) << c.name;
    auto& siblings = expectedBottomFirst[w->parentWidget()];
    siblings.insert(siblings.begin(), QString::fromUtf8(c.name));
  }
  for (const auto& [parent, names] : expectedBottomFirst) {
    std::vector<QString> actual;
    for (QObject* child : parent->children()) {
      auto* w = qobject_cast<QWidget*>(child);
      if (w && std::find(names.begin(), names.end(), w->objectName()) != names.end())
        actual.push_back(w->objectName());
    }
    EXPECT_EQ(actual, names) << parent->objectName().toStdString();
  }
}

TEST_F(DetailLayout, TextsByteForByte) {
  const Control heading = DetailWindow.control("标签1");
  EXPECT_EQ(Text_Length(Control_GetText(heading)), 58);
  // Two ASCII spaces, then the full-width colon A3 BA.
  EXPECT_EQ(Control_GetText(DetailWindow.control("标签11")).view(), "\xC9\xFA  \xC8\xD5\xA3\xBA");
  EXPECT_EQ(Control_GetText(DetailWindow.control("标签_经典模式1")).view().back(), ' ');
  EXPECT_EQ(DetailWindow.widget()->windowTitle(), QString::fromUtf8("PellumarLOL查询"));
}

TEST_F(DetailLayout, WindowTabControlAndPictureBox) {
  QWidget* window = DetailWindow.widget();
  EXPECT_EQ(window->size(), Metrics_ClientSize(483, 438));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());

  auto* tabs = qobject_cast<QTabWidget*>(widget("选择夹1"));
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(tabs->count(), 1);
  EXPECT_EQ(tabs->tabText(0), QString::fromUtf8("游戏统计"));
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_EQ(tabs->tabPosition(), QTabWidget::North);

  auto* avatar = qobject_cast<PictureBox*>(widget("图片框_头像"));
  ASSERT_NE(avatar, nullptr);
  EXPECT_FALSE(avatar->hasPicture());
}

TEST_F(DetailLayout, FontsColoursBordersAndAlignments) {
  struct Case {
    const char* name;
    int pixelSize;
    bool bold;
    bool bordered;
    Qt::Alignment align;
    QColor background;
  } cases[] = {
      {"标签5", 20, true, true, Qt::AlignHCenter, QColor(96, 96, 96)},
      {"标签_战斗力", 12, true, true, Qt::AlignHCenter, QColor(240, 240, 240)},
      {"标签1", 14, true, true, Qt::AlignLeft, QColor(192, 192, 192)},
      {"标签_经典模式", 14, false, false, Qt::AlignHCenter, QColor(240, 240, 240)},
      {"标签_S6排位段位2", 14, false, false, Qt::AlignHCenter, QColor(240, 240, 240)},
      {"标签_经典胜点", 14, false, false, Qt::AlignHCenter, QColor(240, 240, 240)},
      {"标签_隐藏分", 12, false, true, Qt::AlignLeft, QColor(240, 240, 240)},
      {"标签_ID", 12, false, true, Qt::AlignHCenter, QColor(240, 240, 240)},
      {"标签2", 12, false, true, Qt::AlignLeft, QColor(240, 240, 240)},
      {"标签4", 12, false, true, Qt::AlignLeft, QColor(240, 240, 240)},
  };
  for (const auto& c : cases) {
    auto* label = qobject_cast<LabelWidget*>(widget(c.name));
    ASSERT_NE(label, nullptr) << c.name;
    EXPECT_EQ(label->font().pixelSize(), c.pixelSize) << c.name;
    EXPECT_EQ(label->font().bold(), c.bold) << c.name;
    EXPECT_EQ(label->bordered(), c.bordered) << c.name;
    EXPECT_EQ(label->horizontalAlignment(), c.align) << c.name;
    EXPECT_EQ(label->backgroundColour(), c.background) << c.name;
    EXPECT_EQ(label->textColour(), QColor(Qt::black)) << c.name;
  }
  EXPECT_TRUE(widget("标签5")->font().families().contains(QString::fromUtf8("宋体")));
}

}  // namespace
