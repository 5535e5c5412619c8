// SearchWindow held against its layout: the window, its controls, the list
// columns, the skin, the keys and the end of the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/label_widget.h"
#include "app/program.h"
#include "app/report_list.h"
#include "app/search_window.h"
#include "text/literal.h"

namespace {

QString utf8(const char* s) {
  return QString::fromUtf8(s);
}

QColor pixelAt(QWidget* w, QPoint p) {
  return w->grab().toImage().pixelColor(p);
}

class SearchWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    SearchWindow.unbindAll();
    SearchWindow.bind(WindowEvent::Created, OnSearchWindowCreated);
    Window_Open(SearchWindow);
    ASSERT_NE(SearchWindow.widget(), nullptr);
  }
  void TearDown() override {
    if (QWidget* window = SearchWindow.widget()) window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SearchWindow.unbindAll();
    Skin_Apply(0);
  }
  Control control(const char* name) { return SearchWindow.control(name); }
  template <class W>
  W* widget(const char* name) {
    return qobject_cast<W*>(control(name).widget());
  }
};

TEST_F(SearchWindowTest, WindowIsAFixedCentredDialogFrame) {
  QWidget* window = SearchWindow.widget();
  EXPECT_EQ(window->windowTitle(), utf8("PellumarLOL查询"));
  // 377 x 439 outer, less a 3 px fixed frame on each side and a 19 px caption.
  EXPECT_EQ(window->size(), QSize(371, 414));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
  QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(window->geometry().topLeft(),
            QPoint((screen.width() - 377) / 2 + 3, (screen.height() - 439) / 2 + 22));
  EXPECT_EQ(window->palette().color(QPalette::Window), QColor(240, 240, 240));
  EXPECT_TRUE(window->isVisible());
}

TEST_F(SearchWindowTest, ControlsFollowTheLayoutTable) {
  struct Case {
    const char* name;
    const char* className;
    QRect rect;
    const char* startText;
    const char* firstFamily;
    int pixelSize;
    bool bold;
  };
  const Case cases[] = {
      {"标签2", "LabelWidget", {31, 47, 312, 32}, "标签", "宋体", 21, true},
      {"超级列表框1", "ReportListView", {29, 80, 315, 296}, "", "Tahoma", 12, false},
      {"按钮1", "QPushButton", {267, 11, 75, 32}, "查询", "Tahoma", 12, false},
      {"编辑框1", "QLineEdit", {80, 11, 187, 32}, "示例玩家", "宋体", 12, true},
      {"标签1", "LabelWidget", {32, 11, 48, 32}, "ID:", "宋体", 14, true},
  };
  for (const Case& c : cases) {
    QWidget* w = control(c.name).widget();
    ASSERT_NE(w, nullptr) << c.name;
    EXPECT_STREQ(w->metaObject()->className(), c.className) << c.name;
    EXPECT_EQ(w->geometry(), c.rect) << c.name;
    EXPECT_EQ(Control_GetText(control(c.name)), Literal_ToText(c.startText)) << c.name;
    EXPECT_EQ(w->font().families().value(0), utf8(c.firstFamily)) << c.name;
    EXPECT_TRUE(w->font().families().contains("WenQuanYi Zen Hei")) << c.name;
    EXPECT_EQ(w->font().pixelSize(), c.pixelSize) << c.name;
    EXPECT_EQ(w->font().bold(), c.bold) << c.name;
  }
  // Creation order decides stacking: each control lies above the later ones,
  // so the window's children run from the last created (bottom) to the first.
  std::vector<QString> bottomFirst;
  for (QObject* child : SearchWindow.widget()->children()) {
    if (child->isWidgetType()) bottomFirst.push_back(child->objectName());
  }
  const std::vector<QString> expected = {utf8("标签1"), utf8("编辑框1"), utf8("按钮1"),
                                         utf8("超级列表框1"), utf8("标签2")};
  EXPECT_EQ(bottomFirst, expected);
}

TEST_F(SearchWindowTest, ColoursAlignmentAndFocus) {
  auto* caption = widget<LabelWidget>("标签2");
  EXPECT_EQ(caption->textColour(), QColor(192, 192, 192));
  EXPECT_EQ(caption->backgroundColour(), QColor(240, 240, 240));
  EXPECT_EQ(caption->horizontalAlignment(), Qt::AlignLeft);
  EXPECT_TRUE(caption->bordered());
  auto* idLabel = widget<LabelWidget>("标签1");
  EXPECT_EQ(idLabel->textColour(), QColor(Qt::black));
  EXPECT_EQ(idLabel->horizontalAlignment(), Qt::AlignHCenter);
  EXPECT_EQ(idLabel->focusPolicy(), Qt::NoFocus);

  auto* edit = widget<QLineEdit>("编辑框1");
  EXPECT_EQ(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(Qt::black));
  EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(Qt::white));
  EXPECT_EQ(edit->echoMode(), QLineEdit::Normal);
  EXPECT_NE(edit->focusPolicy(), Qt::NoFocus);

  auto* button = widget<QPushButton>("按钮1");
  EXPECT_FALSE(button->isDefault());
  EXPECT_FALSE(button->autoDefault());
}

TEST_F(SearchWindowTest, ListHasSixColumnsOfWhichFourShow) {
  auto* list = widget<ReportListView>("超级列表框1");
  struct Column {
    const char* title;
    int width;
    Qt::Alignment align;
  };
  const Column columns[] = {{"", 0, Qt::AlignLeft},           {"ID", 80, Qt::AlignHCenter},
                            {"服务器", 80, Qt::AlignHCenter}, {"段位", 75, Qt::AlignHCenter},
                            {"胜点", 60, Qt::AlignHCenter},   {"", 0, Qt::AlignLeft}};
  QHeaderView* header = list->horizontalHeader();
  ASSERT_EQ(list->model()->columnCount(), 6);
  for (int i = 0; i < 6; ++i) {
    const Column& c = columns[i];
    EXPECT_EQ(list->model()->headerData(i, Qt::Horizontal).toString(), utf8(c.title)) << i;
    EXPECT_EQ(header->sectionSize(i), c.width) << i;
    auto align = list->model()->headerData(i, Qt::Horizontal, Qt::TextAlignmentRole);
    EXPECT_EQ(align.value<Qt::Alignment>() & Qt::AlignHorizontal_Mask, c.align) << i;
  }
  EXPECT_TRUE(header->isVisible());
  EXPECT_TRUE(header->sectionsClickable());
  EXPECT_FALSE(list->isSortingEnabled());
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_TRUE(list->showGrid());
  EXPECT_EQ(list->model()->rowCount(), 0);
  EXPECT_EQ(List_Selection(control("超级列表框1")), -1);

  // A header click sorts nothing.
  Control rows = control("超级列表框1");
  for (const char* id : {"b", "a"}) List_SetCell(rows, List_AppendLine(rows), 1, Text(id));
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(1) + 5, 5));
  EXPECT_EQ(List_GetCell(rows, 0, 1), Text("b"));
}

TEST_F(SearchWindowTest, SkinFramesOnlyTheButtonAndTheEditBox) {
  const QColor frame3(198, 197, 215);
  auto* button = widget<QPushButton>("按钮1");
  auto* edit = widget<QLineEdit>("编辑框1");
  auto leftEdge = [](QWidget* w) { return pixelAt(w, {0, w->height() / 2}); };
  EXPECT_EQ(leftEdge(button), frame3);
  EXPECT_EQ(leftEdge(edit), frame3);
  EXPECT_EQ(pixelAt(edit, {1, edit->height() / 2}), QColor(Qt::white));  // the inner frame
  for (const char* name : {"标签1", "标签2", "超级列表框1"}) {
    EXPECT_NE(leftEdge(control(name).widget()), frame3) << name;
  }

  EXPECT_TRUE(Skin_Apply(1));
  EXPECT_EQ(leftEdge(button), QColor(123, 158, 189));
  EXPECT_TRUE(Skin_Apply(2));
  EXPECT_EQ(leftEdge(edit), QColor(164, 185, 127));
  // Off: the first removal reports a skin that was on, the second none.
  EXPECT_TRUE(Skin_Apply(0));
  EXPECT_NE(leftEdge(button), QColor(164, 185, 127));
  EXPECT_FALSE(Skin_Apply(7));

  // A window created after the skin was switched on gets it too.
  EXPECT_TRUE(Skin_Apply(3));
  QLineEdit later;
  later.resize(100, 30);
  EXPECT_EQ(leftEdge(&later), frame3);
}

TEST_F(SearchWindowTest, EnterPressesNothingAndClicksRunTheHandlerUnderTheBusyCursor) {
  int clicks = 0;
  bool busyWhileRunning = false;
  SearchWindow.bind("按钮1", ControlEvent::Clicked, [&] {
    ++clicks;
    busyWhileRunning = QGuiApplication::overrideCursor() != nullptr &&
                       QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
  });
  auto* edit = widget<QLineEdit>("编辑框1");
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClick(edit, Qt::Key_Enter);
  EXPECT_EQ(clicks, 0);
  QTest::mouseClick(widget<QPushButton>("按钮1"), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(busyWhileRunning);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(SearchWindowTest, DoubleClickAnywhereInTheListRunsTheHandler) {
  int doubleClicks = 0;
  SearchWindow.bind("超级列表框1", ControlEvent::DoubleClicked, [&] { ++doubleClicks; });
  auto* list = widget<ReportListView>("超级列表框1");
  Control rows = control("超级列表框1");
  List_AppendLine(rows);
  QCoreApplication::processEvents();
  QPoint onLine(list->columnViewportPosition(1) + 5, list->rowViewportPosition(0) + 3);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onLine);
  EXPECT_EQ(doubleClicks, 1);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, 250));  // below the line
  EXPECT_EQ(doubleClicks, 2);
}

TEST_F(SearchWindowTest, F2EditsTheLineLabelInColumnZero) {
  auto* list = widget<ReportListView>("超级列表框1");
  Control rows = control("超级列表框1");
  for (const char* id : {"7", "8"}) List_SetCell(rows, List_AppendLine(rows), 0, Text(id));
  QCoreApplication::processEvents();  // the view learns of new lines once the GUI thread is free
  list->setFocus();
  list->selectRow(1);
  list->setCurrentIndex(list->model()->index(1, 2));
  EXPECT_EQ(List_Selection(rows), 1);
  QTest::keyClick(list, Qt::Key_F2);
  auto* editor = list->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, "42");
  QTest::keyClick(editor, Qt::Key_Return);  // the view commits on its next turn
  EXPECT_TRUE(QTest::qWaitFor([&] { return List_GetCell(rows, 1, 0) == Text("42"); }));
  EXPECT_EQ(List_GetCell(rows, 0, 0), Text("7"));
  EXPECT_EQ(List_GetCell(rows, 1, 2), Text());
}

TEST_F(SearchWindowTest, EscClosesTheWindowFromEveryControl) {
  for (const char* name : {"编辑框1", "按钮1", "超级列表框1"}) {
    if (SearchWindow.widget() == nullptr) Window_Open(SearchWindow);
    QWidget* window = SearchWindow.widget();
    QWidget* focused = control(name).widget();
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key_Escape);
    EXPECT_EQ(SearchWindow.widget(), nullptr) << name;
    EXPECT_FALSE(window->isVisible()) << name;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

// The whole program: Esc in SearchWindow ends the event loop and OnShutdown
// frees the program-wide state.
TEST(ProgramRun, EscEndsTheProgramAndShutdownFreesTheState) {
  SearchWindow.unbindAll();
  bool shown = false;
  SearchWindow.bind(WindowEvent::Created, [&] {
    OnSearchWindowCreated();
    QTimer::singleShot(0, [&] {
      shown = SearchWindow.widget() != nullptr && SearchWindow.widget()->isVisible();
      TextArray_Append(g_ResultRows, Text("<td>row</td>"));
      g_SelName = Text("name");
      g_SelLevelBadge = Text("30");
      QTest::keyClick(SearchWindow.control("编辑框1").widget(), Qt::Key_Escape);
    });
  });
  char arg0[] = "pellumar-lol";
  char* argv[] = {arg0, nullptr};
  EXPECT_EQ(Program_Run(1, argv), 0);
  EXPECT_TRUE(shown);
  EXPECT_EQ(SearchWindow.widget(), nullptr);
  EXPECT_EQ(TextArray_Count(g_ResultRows), 0);
  EXPECT_EQ(g_SelName, Text());
  EXPECT_EQ(g_SelLevelBadge, Text());
  SearchWindow.unbindAll();
  Skin_Apply(0);
}

}  // namespace
