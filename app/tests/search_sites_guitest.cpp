// The search command end to end against the stand-in sites program.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <string>

#include "app/program.h"
#include "app/search_command.h"
#include "app/search_window.h"
#include "app/site_addresses.h"
#include "text/literal.h"

namespace {

class StandInSites : public testing::Test {
 protected:
  void SetUp() override {
    const QString program = QString::fromUtf8(PELLUMAR_SITES_PROGRAM);
    if (program.isEmpty()) GTEST_SKIP() << "the stand-in sites are not part of this build";
    sites_.start(program, {"--stats-port", "0", "--score-port", "0"});
    ASSERT_TRUE(sites_.waitForStarted(10000));
    // One line once both sites listen: "... stats port N, score port M".
    ASSERT_TRUE(QTest::qWaitFor([&] { return sites_.canReadLine(); }, 10000));
    QString line = QString::fromUtf8(sites_.readLine());
    auto match = QRegularExpression("stats port (\\d+), score port (\\d+)").match(line);
    ASSERT_TRUE(match.hasMatch()) << line.toStdString();
    statsBase_ = "http://127.0.0.1:" + match.captured(1).toStdString();
    Site_UseAddresses(Text(statsBase_),
                      Text("http://127.0.0.1:" + match.captured(2).toStdString()));

    SearchWindow.unbindAll();
    SearchWindow.bind(WindowEvent::Created, OnSearchWindowCreated);
    SearchWindow.bind("按钮1", ControlEvent::Clicked, OnQueryClicked);
    Window_Open(SearchWindow);
  }
  void TearDown() override {
    if (QWidget* window = SearchWindow.widget()) window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SearchWindow.unbindAll();
    Skin_Apply(0);
    if (sites_.state() != QProcess::NotRunning) {
      sites_.terminate();
      if (!sites_.waitForFinished(5000)) sites_.kill();
    }
  }
  void search(const char* name) {
    qobject_cast<QLineEdit*>(SearchWindow.control("编辑框1").widget())
        ->setText(QString::fromUtf8(name));
    QTest::mouseClick(SearchWindow.control("按钮1").widget(), Qt::LeftButton);
  }
  int lineOf(const char* pageId) {
    Control list = SearchWindow.control("超级列表框1");
    for (std::int64_t i = 0; i < TextArray_Count(g_ResultRows); ++i) {
      if (List_GetCell(list, i, 0) == Text(pageId)) return static_cast<int>(i);
    }
    return -1;
  }

  QProcess sites_;
  std::string statsBase_;
};

TEST_F(StandInSites, ASearchListsTheSeededPlayers) {
  search("暗夜猎手");
  Control list = SearchWindow.control("超级列表框1");
  int line = lineOf("4090067");
  ASSERT_GE(line, 0);
  const char* expected[] = {"4090067", "暗夜猎手", "班德尔城 电信四", "白银II", "86", ""};
  for (int column = 0; column < 5; ++column) {
    EXPECT_EQ(List_GetCell(list, line, column), Literal_ToText(expected[column])) << column;
  }
  EXPECT_EQ(List_GetCell(list, line, 5), Text(statsBase_ + "/avatars/a06.jpg"));
  EXPECT_EQ(Control_GetText(SearchWindow.control("标签2")), "搜索:暗夜猎手"_gbk);
}

TEST_F(StandInSites, ANameNobodyHasListsNothing) {
  search("示例玩家");
  EXPECT_EQ(TextArray_Count(g_ResultRows), 0);
  EXPECT_EQ(List_GetCell(SearchWindow.control("超级列表框1"), 0, 0), Text());
}

}  // namespace
