// End to end against the stand-in sites program on free ports: a search, a
// double-click on a ranked player's line, and every caption of DetailWindow
// equal to what the sites' database holds for that player.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <map>
#include <optional>
#include <string>

#include "app/picture_box.h"
#include "app/search_command.h"
#include "app/search_window.h"
#include "app/site_addresses.h"
#include "app/toolkit.h"
#include "detail/detail_handlers.h"
#include "detail/detail_window.h"
#include "text/literal.h"
#include "text/text_ops.h"

namespace {

Text gbk(const std::string& utf8) {
  return Literal_ToText(utf8);
}

// pellumar-sites on two free loopback ports with a database file of its own.
class SitesProgram {
 public:
  explicit SitesProgram(const QString& dbPath) {
    process_.start(QString::fromUtf8(PELLUMAR_SITES_PROGRAM),
                   {"--stats-port", "0", "--score-port", "0", "--db", dbPath});
    if (!process_.waitForStarted(10000)) return;
    std::string output;
    while (output.find('\n') == std::string::npos && process_.waitForReadyRead(10000))
      output += process_.readAllStandardOutput().toStdString();
    std::sscanf(output.c_str(), "pellumar-sites listening: stats port %d, score port %d",
                &statsPort_, &scorePort_);
  }
  ~SitesProgram() {
    process_.terminate();
    if (!process_.waitForFinished(5000)) process_.kill();
    process_.waitForFinished(5000);
  }
  bool listening() const { return statsPort_ > 0 && scorePort_ > 0; }
  Text statsBase() const { return Text("http://127.0.0.1:" + std::to_string(statsPort_)); }
  Text scoreBase() const { return Text("http://127.0.0.1:" + std::to_string(scorePort_)); }

 private:
  QProcess process_;
  int statsPort_ = 0, scorePort_ = 0;
};

// One row of a query, as UTF-8 texts (NULL as nullopt).
using Row = std::vector<std::optional<std::string>>;

std::vector<Row> query(const std::string& dbPath, const std::string& sql) {
  std::vector<Row> rows;
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(dbPath.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
      while (sqlite3_step(statement) == SQLITE_ROW) {
        Row row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
          const auto* text = sqlite3_column_text(statement, i);
          row.push_back(text ? std::optional<std::string>(reinterpret_cast<const char*>(text))
                             : std::nullopt);
        }
        rows.push_back(std::move(row));
      }
    }
    sqlite3_finalize(statement);
  }
  sqlite3_close(db);
  return rows;
}

std::string withoutNbsp(const std::string& s) {
  std::string out = s;
  for (auto at = out.find("&nbsp;"); at != std::string::npos; at = out.find("&nbsp;", at))
    out.erase(at, 6);
  return out;
}

// The site rounds the win rate to the nearest whole per cent.
std::string winRate(long games, long wins) {
  if (games <= 0) return "0%";
  return std::to_string((wins * 100 + games / 2) / games) + "%";
}

const char* const kModeLabels[4][6] = {
    {"标签_经典模式场次", "标签_经典胜率", "标签_经典胜场", "标签_经典负场", nullptr, nullptr},
    {"标签_大乱斗模式场次", "标签_大乱斗模式胜率1", "标签_大乱斗模式胜场1", "标签_大乱斗模式负场1",
     nullptr, nullptr},
    {"标签_S6排位模式场次2", "标签_S6排位胜率2", "标签_S6排位胜场2", "标签_S6排位负场2",
     "标签_S6排位段位2", "标签_S6排位胜点2"},
    {"标签_S5排位模式场次3", "标签_S5排位胜率3", "标签_S5排位胜场3", "标签_S5排位负场3",
     "标签_S5排位段位3", "标签_S5排位胜点3"},
};

TEST(DetailEndToEnd, CaptionsShowWhatTheDatabaseHolds) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string dbPath = dir.filePath("sites.db").toStdString();
  SitesProgram sites(QString::fromStdString(dbPath));
  ASSERT_TRUE(sites.listening());
  Site_UseAddresses(sites.statsBase(), sites.scoreBase());

  // A ranked player whose name needs no HTML escaping.
  const auto players = query(dbPath,
                             "SELECT p.id, p.name, s.name, p.tier, p.points, p.combat_power, "
                             "p.birthday, p.hidden_score FROM players p JOIN servers s ON "
                             "s.number = p.server WHERE p.tier IS NOT NULL AND p.name NOT GLOB "
                             "'*[&<>\"'' ]*' ORDER BY p.id LIMIT 1");
  ASSERT_EQ(players.size(), 1u);
  const Row& player = players[0];
  const std::string id = *player[0];
  const auto modes = query(dbPath,
                           "SELECT mode, games, wins, losses, tier, points FROM mode_stats "
                           "WHERE player = " +
                               id + " ORDER BY mode");
  ASSERT_EQ(modes.size(), 4u);

  SearchWindow.unbindAll();
  DetailWindow.unbindAll();
  SearchWindow.bind(WindowEvent::Created, OnSearchWindowCreated);
  SearchWindow.bind("按钮1", ControlEvent::Clicked, OnQueryClicked);
  SearchWindow.bind("超级列表框1", ControlEvent::DoubleClicked, OnResultDoubleClicked);
  DetailWindow.bind(WindowEvent::Created, OnDetailWindowCreated);
  DetailWindow.bind(WindowEvent::Destroying, OnDetailWindowDestroying);
  Window_Open(SearchWindow);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(SearchWindow.widget()));

  Control_SetText(SearchWindow.control("编辑框1"), gbk(*player[1]));
  QTest::mouseClick(SearchWindow.control("按钮1").widget(), Qt::LeftButton);
  QCoreApplication::processEvents();  // the view learns of new lines on the next turn
  const Control list = SearchWindow.control("超级列表框1");
  auto* view = qobject_cast<QTableView*>(list.widget());
  int line = -1;
  for (int i = 0; i < view->model()->rowCount(); ++i) {
    if (List_GetCell(list, i, 0) == Text(id)) line = i;
  }
  ASSERT_GE(line, 0) << "the search lists the player; lines: " << view->model()->rowCount()
                     << " caption: " << Control_GetText(SearchWindow.control("标签2"));
  view->selectRow(line);
  QCoreApplication::processEvents();  // lay the lines out before aiming at one

  std::map<std::string, Text> shown;
  bool badgeShown = false, hasPicture = false;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* detail = DetailWindow.widget();
    if (detail == nullptr || !detail->isVisible() || !shown.empty()) return;
    for (const ControlSpec& spec : DetailWindow.spec().controls) {
      if (spec.kind == ControlKind::Label)
        shown[spec.name] = Control_GetText(DetailWindow.control(spec.name));
    }
    badgeShown = !DetailWindow.control("标签4").widget()->isHidden();
    hasPicture =
        qobject_cast<PictureBox*>(DetailWindow.control("图片框_头像").widget())->hasPicture();
    QTest::keyClick(detail, Qt::Key_Escape);
  });
  poll.start();
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                     view->visualRect(view->model()->index(line, 1)).center());
  poll.stop();
  ASSERT_FALSE(shown.empty());

  std::map<std::string, std::string> expected = {
      {"标签_ID", *player[1]},
      {"标签_段位", withoutNbsp(*player[3]) + "  " + *player[4] + "点"},
      {"标签_服务器", *player[2]},
      {"标签_生日", *player[6]},
      {"标签_隐藏分", *player[7]},
      {"标签_战斗力", *player[5]},
      {"标签4", "30"},
  };
  for (int m = 0; m < 4; ++m) {
    const Row& mode = modes[m];
    const long games = std::stol(*mode[1]), wins = std::stol(*mode[2]);
    const std::string values[6] = {*mode[1],
                                   winRate(games, wins),
                                   *mode[2],
                                   *mode[3],
                                   mode[4] ? withoutNbsp(*mode[4]) : "无段位",
                                   mode[4] ? *mode[5] : "0"};
    for (int k = 0; k < 6; ++k) {
      if (kModeLabels[m][k] != nullptr) expected[kModeLabels[m][k]] = values[k];
    }
  }
  for (const auto& [label, text] : expected) EXPECT_EQ(shown.at(label), gbk(text)) << label;
  EXPECT_TRUE(badgeShown);
  EXPECT_TRUE(hasPicture);

  SearchWindow.widget()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  SearchWindow.unbindAll();
  DetailWindow.unbindAll();
}

}  // namespace
