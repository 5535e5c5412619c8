// The toolkit's window life (open, dialog mode, the end of the event loop)
// and the operations on controls, on a small window of the tests' own.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "app/event_loop.h"
#include "app/label_widget.h"
#include "app/picture_box.h"
#include "app/toolkit.h"
#include "text/literal.h"
#include "text/text_ops.h"

namespace {

constexpr FontSpec kBold14{false, nullptr, -14, true};

constexpr ControlSpec kDialogControls[] = {
    {"标签1", ControlKind::Label, nullptr, 4, 4, 120, 24, "开始", Border::Single, kBold14,
     Align::Left, std::nullopt, std::nullopt},
    {"编辑框1", ControlKind::EditBox, nullptr, 4, 30, 120, 24, "", Border::Single, kDefaultGuiFont,
     Align::Left, std::nullopt, std::nullopt},
    {"列表", ControlKind::ReportList, nullptr, 4, 60, 200, 100, nullptr, Border::Single,
     kDefaultGuiFont, Align::Left, std::nullopt, std::nullopt},
    {"选择夹1", ControlKind::TabControl, nullptr, 210, 4, 150, 150, "页", Border::Own,
     kDefaultGuiFont, Align::Left, std::nullopt, std::nullopt},
    {"标签_页上", ControlKind::Label, "选择夹1", 4, 25, 60, 20, "上", Border::None, kDefaultGuiFont,
     Align::Center, std::nullopt, std::nullopt},
    {"图片框", ControlKind::PictureBox, nullptr, 4, 170, 40, 30, nullptr, Border::Single,
     kDefaultGuiFont, Align::Left, std::nullopt, std::nullopt},
    {"标签_图上", ControlKind::Label, "图片框", 20, 10, 16, 16, "", Border::Single, kDefaultGuiFont,
     Align::Left, std::nullopt, std::nullopt},
};
constexpr ListColumnSpec kDialogColumns[] = {{nullptr, 0, Align::Left}, {"A", 50, Align::Center}};
const WindowSpec kMainSpec{"主", 300, 300, kDialogControls, kDialogColumns};
const WindowSpec kDialogSpec{"对话", 400, 260, kDialogControls, kDialogColumns};

class ToolkitTest : public testing::Test {
 protected:
  void TearDown() override {
    for (WindowDef* w : {&main_, &dialog_}) {
      if (QWidget* widget = w->widget()) widget->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  WindowDef main_{kMainSpec};
  WindowDef dialog_{kDialogSpec};
};

TEST_F(ToolkitTest, DialogModeRunsItsFiveStepsInOrder) {
  std::vector<std::string> steps;
  Window_Open(main_);
  dialog_.bind(WindowEvent::Created, [&] {
    steps.push_back(dialog_.widget()->isVisible() ? "created, shown" : "created, not shown");
    EXPECT_TRUE(main_.widget()->isEnabled());
    // A handler that hides the opener, as the detail window's does.
    Control_SetVisible(main_, false);
    QTimer::singleShot(0, [&] {
      steps.push_back("inner loop");
      EXPECT_TRUE(dialog_.widget()->isVisible());
      EXPECT_FALSE(main_.widget()->isEnabled());
      EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "no busy cursor while reading";
      QTest::keyClick(dialog_.control("编辑框1").widget(), Qt::Key_Escape);
    });
  });
  dialog_.bind(WindowEvent::Destroying, [&] {
    steps.push_back("destroying");
    EXPECT_TRUE(main_.widget()->isEnabled()) << "enabled again before destruction";
    EXPECT_TRUE(dialog_.control("标签1")) << "controls still exist";
    Control_SetVisible(main_, true);
  });
  main_.bind("列表", ControlEvent::DoubleClicked, [&] {
    Window_OpenModal(dialog_);
    steps.push_back("returned");
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr) << "busy again in the opener";
  });
  QTest::mouseDClick(main_.control("列表").widget()->findChild<QWidget*>("qt_scrollarea_viewport"),
                     Qt::LeftButton, {}, QPoint(10, 10));
  const std::vector<std::string> expected = {"created, not shown", "inner loop", "destroying",
                                             "returned"};
  EXPECT_EQ(steps, expected);
  EXPECT_EQ(dialog_.widget(), nullptr);
  EXPECT_TRUE(main_.widget()->isVisible());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ToolkitTest, DialogModeWindowIsOwnedByTheHiddenOwner) {
  bool checked = false;
  dialog_.bind(WindowEvent::Created, [&] {
    QWidget* window = dialog_.widget();
    EXPECT_EQ(window->parentWidget(), EventLoop_Owner());
    EXPECT_FALSE(EventLoop_Owner()->isVisible());
    // 400 x 260 outer leaves 394 x 235.
    EXPECT_EQ(window->size(), QSize(394, 235));
    QTimer::singleShot(0, [&] {
      checked = true;
      dialog_.widget()->close();
    });
  });
  Window_OpenModal(dialog_);
  EXPECT_TRUE(checked);
}

// The event loop ends with the last destroyed window, not with the last
// visible one: a hidden window keeps it running.
TEST_F(ToolkitTest, EventLoopOutlivesHiddenWindowsAndEndsWithTheLast) {
  Window_Open(main_);
  bool dialogClosedWhileMainHidden = false;
  QTimer::singleShot(0, [&] {
    dialog_.bind(WindowEvent::Created, [&] {
      Control_SetVisible(main_, false);
      QTimer::singleShot(0, [&] { dialog_.widget()->close(); });
    });
    Window_OpenModal(dialog_);
    dialogClosedWhileMainHidden = main_.widget() != nullptr && !main_.widget()->isVisible();
    QTimer::singleShot(0, [&] { main_.widget()->close(); });
  });
  EventLoop_Run();
  EXPECT_TRUE(dialogClosedWhileMainHidden);
  EXPECT_EQ(main_.widget(), nullptr);
  EXPECT_EQ(EventLoop_LiveWindows(), 0);
}

TEST_F(ToolkitTest, TextCrossesTheToolkitAsCodePage936) {
  Window_Open(main_);
  Control label = main_.control("标签1");
  EXPECT_EQ(Control_GetText(label), "开始"_gbk);
  Control_SetText(label, "搜索:张三"_gbk);
  EXPECT_EQ(qobject_cast<LabelWidget*>(label.widget())->caption(), QString::fromUtf8("搜索:张三"));
  EXPECT_EQ(Control_GetText(label), "搜索:张三"_gbk);
  auto* edit = qobject_cast<QLineEdit*>(main_.control("编辑框1").widget());
  edit->setText(QString::fromUtf8("艾欧尼亚 a b"));
  EXPECT_EQ(Control_GetText(main_.control("编辑框1")), "艾欧尼亚 a b"_gbk);
}

TEST_F(ToolkitTest, ListOperationsStayInsideTheLines) {
  Window_Open(main_);
  Control list = main_.control("列表");
  EXPECT_EQ(List_Selection(list), -1);
  EXPECT_EQ(List_AppendLine(list), 0);
  EXPECT_EQ(List_AppendLine(list), 1);
  List_SetCell(list, 1, 1, "黄金III"_gbk);
  struct Case {
    const char* name;
    std::int64_t line, column;
    Text expected;
  };
  const Case cases[] = {{"written cell", 1, 1, "黄金III"_gbk},
                        {"empty new cell", 0, 1, Text()},
                        {"line -1", -1, 0, Text()},
                        {"line past the end", 2, 0, Text()},
                        {"column past the end", 1, 2, Text()},
                        {"column -1", 1, -1, Text()}};
  // Writes outside the lines do nothing.
  List_SetCell(list, 2, 0, Text("x"));
  List_SetCell(list, 0, 2, Text("x"));
  List_SetCell(list, -1, 0, Text("x"));
  for (const Case& c : cases) {
    EXPECT_EQ(List_GetCell(list, c.line, c.column), c.expected) << c.name;
  }
  QCoreApplication::processEvents();  // the view learns of the lines
  qobject_cast<QAbstractItemView*>(list.widget())
      ->selectionModel()
      ->select(qobject_cast<QAbstractItemView*>(list.widget())->model()->index(1, 0),
               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  EXPECT_EQ(List_Selection(list), 1);
  List_Clear(list);
  EXPECT_EQ(List_Selection(list), -1);
  EXPECT_EQ(List_GetCell(list, 0, 1), Text());
  EXPECT_EQ(List_AppendLine(list), 0);
}

TEST_F(ToolkitTest, OperationsOnControlsThatAreGoneDoNothing) {
  Window_Open(main_);
  Control label = main_.control("标签1");
  Control list = main_.control("列表");
  main_.widget()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(label);
  Control_SetText(label, Text("x"));
  Control_SetVisible(label, true);
  Control_SetVisible(main_, true);
  Control_SetPicture(main_.control("图片框"), ByteSet("GIF89a"));
  EXPECT_EQ(Control_GetText(label), Text());
  EXPECT_EQ(List_AppendLine(list), -1);
  EXPECT_EQ(List_Selection(list), -1);
  EXPECT_EQ(List_GetCell(list, 0, 0), Text());
  EXPECT_FALSE(main_.control("标签1"));
  // Operations of the wrong kind of control do nothing either.
  Window_Open(main_);
  EXPECT_EQ(List_AppendLine(main_.control("标签1")), -1);
  EXPECT_EQ(Control_GetText(main_.control("列表")), Text());
}

TEST_F(ToolkitTest, ChildrenOfTabControlsAndPictureBoxesLieOnTop) {
  Window_Open(main_);
  QWidget* onTab = main_.control("标签_页上").widget();
  QWidget* onPicture = main_.control("标签_图上").widget();
  EXPECT_EQ(onTab->parentWidget(), main_.control("选择夹1").widget());
  EXPECT_EQ(onPicture->parentWidget(), main_.control("图片框").widget());
  // The last child of a parent is drawn on top.
  EXPECT_EQ(onTab->parentWidget()->children().back(), onTab);
  EXPECT_EQ(onTab->mapTo(main_.widget(), QPoint(0, 0)), QPoint(214, 29));
  EXPECT_TRUE(onTab->isVisible());
}

TEST_F(ToolkitTest, PictureBoxStretchesAndPlaysFrames) {
  Window_Open(main_);
  auto* box = qobject_cast<PictureBox*>(main_.control("图片框").widget());
  QImage red(4, 2, QImage::Format_RGB32);
  red.fill(Qt::red);
  QImage blue(4, 2, QImage::Format_RGB32);
  blue.fill(Qt::blue);
  box->setFrames({{red, 30}, {blue, 30}}, -1);
  QImage shown = box->grab().toImage();
  // Stretched over the client area inside the one-pixel border.
  EXPECT_EQ(shown.pixelColor(1, 1), QColor(Qt::red));
  EXPECT_EQ(shown.pixelColor(box->width() - 2, box->height() - 2), QColor(Qt::red));
  EXPECT_NE(shown.pixelColor(0, 0), QColor(Qt::red));
  EXPECT_TRUE(QTest::qWaitFor([&] { return box->currentFrame() == 1; }, 2000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return box->currentFrame() == 0; }, 2000));
  box->clearPicture();
  EXPECT_FALSE(box->hasPicture());
}

// A label draws one line, vertically centred and cut at its edges: a caption
// with a line break or far too long still leaves the rows above and below
// the one line empty.
TEST_F(ToolkitTest, LabelDrawsOneCentredLine) {
  Window_Open(main_);
  Control label = main_.control("标签1");  // 120 x 24, 14 px bold, single border
  Control_SetText(label, "第一行\n第二行很长很长很长很长很长很长很长很长很长"_gbk);
  QImage drawn = label.widget()->grab().toImage();
  const QColor face(240, 240, 240);
  int inkRows = 0;
  for (int y = 1; y < drawn.height() - 1; ++y) {
    bool ink = false;
    for (int x = 1; x < drawn.width() - 1; ++x) ink = ink || drawn.pixelColor(x, y) != face;
    if (ink) {
      ++inkRows;
      EXPECT_GE(y, 2) << "text touches the top";
      EXPECT_LE(y, drawn.height() - 3) << "text touches the bottom";
    }
  }
  EXPECT_GT(inkRows, 6);
  EXPECT_LE(inkRows, 16);
  // Cut off at the right edge rather than wrapped or shortened.
  bool inkAtRightEdge = false;
  for (int y = 1; y < drawn.height() - 1; ++y) {
    inkAtRightEdge = inkAtRightEdge || drawn.pixelColor(drawn.width() - 3, y) != face;
  }
  EXPECT_TRUE(inkAtRightEdge);
}

ByteSet pictureFile(const char* name) {
  const char* root = std::getenv("PELLUMAR_SOURCE_DIR");
  std::string path = std::string(root ? root : ".") + "/app/picture/tests/data/" + name;
  std::ifstream in(path, std::ios::binary);
  return ByteSet(std::string(std::istreambuf_iterator<char>(in), {}));
}

// The picture box shows what the decoders make of the bytes; what they
// cannot decode takes the previous picture away.
TEST_F(ToolkitTest, SetPictureShowsEachFormatAndNothingForOtherBytes) {
  Window_Open(main_);
  Control control = main_.control("图片框");
  auto* box = qobject_cast<PictureBox*>(control.widget());
  struct Case {
    const char* name;
    ByteSet bytes;
    int frames;  // 0: no picture
  };
  const ByteSet gif = pictureFile("animated.gif");
  ASSERT_FALSE(gif.empty());
  const Case cases[] = {
      {"png", pictureFile("rgb.png"), 1},
      {"jpeg", pictureFile("baseline.jpg"), 1},
      {"bmp", pictureFile("rgb24.bmp"), 1},
      {"ico", pictureFile("two_sizes.ico"), 1},
      {"cur", pictureFile("arrow.cur"), 1},
      {"pcx", pictureFile("rgb24.pcx"), 1},
      {"gif 87a", pictureFile("still87a.gif"), 1},
      {"unknown signature", ByteSet("not a picture at all"), 0},
      {"empty bytes", ByteSet(), 0},
      {"png signature only", Bytes_Left(pictureFile("rgb.png"), 8), 0},
  };
  for (const Case& c : cases) {
    Control_SetPicture(control, gif);
    EXPECT_GT(box->frameCount(), 1) << "animated gif before " << c.name;
    Control_SetPicture(control, c.bytes);
    EXPECT_EQ(box->frameCount(), c.frames) << c.name;
  }
}
}  // namespace
