// The whole detail flow on real widgets against two sites on 127.0.0.1: a
// double-click on the search results, the four requests in order with their
// exact addresses while neither window is visible, every caption of
// DetailWindow afterwards, and Esc bringing SearchWindow back unchanged.
#include <gtest/gtest.h>

#include <QTableView>
#include <QTest>
#include <QTimer>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/picture_box.h"
#include "app/program.h"
#include "app/search_window.h"
#include "app/site_addresses.h"
#include "app/toolkit.h"
#include "detail/detail_handlers.h"
#include "detail/detail_window.h"
#include "detail/tests/fixture_pages.h"
#include "detail/tests/loopback_site.h"
#include "text/literal.h"

namespace {

Text gbk(const std::string& utf8) {
  return Literal_ToText(utf8);
}

using Captions = std::map<std::string, Text>;

// What DetailWindow showed once it was on screen.
struct DetailSnapshot {
  Captions captions;  // every label, by layout name
  bool badgeShown = false;
  bool hasPicture = false;
  bool searchWindowVisible = true;
};

DetailSnapshot snapshotDetailWindow() {
  DetailSnapshot shot;
  for (const ControlSpec& spec : DetailWindow.spec().controls) {
    if (spec.kind == ControlKind::Label)
      shot.captions[spec.name] = Control_GetText(DetailWindow.control(spec.name));
  }
  shot.badgeShown = !DetailWindow.control("标签4").widget()->isHidden();
  auto* avatar = qobject_cast<PictureBox*>(DetailWindow.control("图片框_头像").widget());
  shot.hasPicture = avatar != nullptr && avatar->hasPicture();
  shot.searchWindowVisible = SearchWindow.widget()->isVisible();
  return shot;
}

// The captions of a fresh DetailWindow, as its layout gives them.
Captions layoutCaptions() {
  Captions captions;
  for (const ControlSpec& spec : DetailWindow.spec().controls) {
    if (spec.kind == ControlKind::Label) captions[spec.name] = gbk(spec.startText);
  }
  return captions;
}

// One line of the result list: page id, name, server, tier, points, avatar.
struct ResultLine {
  std::string id, name, server, tier, points, avatar;
};

class DetailFlow : public testing::Test {
 protected:
  void SetUp() override {
    log_.sample = [](RequestRecord& record) {
      record.searchWindowVisible = SearchWindow.widget() && SearchWindow.widget()->isVisible();
      record.detailWindowVisible = DetailWindow.widget() && DetailWindow.widget()->isVisible();
    };
    stats_.setHandler([this](const httplib::Request& request, httplib::Response& response) {
      if (request.path.starts_with("/img/")) {
        response.set_content(avatarBytes_, "image/png");
      } else if (request.path.starts_with("/db/birth/")) {
        response.set_content(fixture::birthdayPage("1990-05-17"), "text/html; charset=utf-8");
      } else if (request.path.starts_with("/db/summoner/")) {
        response.set_content(fixture::summonerPage(), "text/html; charset=utf-8");
      } else {
        response.status = 404;
      }
    });
    score_.setHandler([](const httplib::Request&, httplib::Response& response) {
      response.set_content(fixture::hiddenScorePage("1520"), "text/html; charset=utf-8");
    });
    Site_UseAddresses(Text(stats_.base()), Text(score_.base()));

    SearchWindow.unbindAll();
    DetailWindow.unbindAll();
    SearchWindow.bind("超级列表框1", ControlEvent::DoubleClicked, OnResultDoubleClicked);
    DetailWindow.bind(WindowEvent::Created, OnDetailWindowCreated);
    DetailWindow.bind(WindowEvent::Destroying, OnDetailWindowDestroying);
    Window_Open(SearchWindow);
    ASSERT_NE(SearchWindow.widget(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(SearchWindow.widget()));
    Control_SetText(SearchWindow.control("标签2"), gbk("搜索:张三"));
  }

  void TearDown() override {
    if (QWidget* window = SearchWindow.widget()) window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SearchWindow.unbindAll();
    DetailWindow.unbindAll();
  }

  QTableView* list() const {
    return qobject_cast<QTableView*>(SearchWindow.control("超级列表框1").widget());
  }

  void fillList(const std::vector<ResultLine>& lines) {
    const Control control = SearchWindow.control("超级列表框1");
    List_Clear(control);
    for (const ResultLine& l : lines) {
      const std::int64_t line = List_AppendLine(control);
      const std::string* columns[] = {&l.id, &l.name, &l.server, &l.tier, &l.points, &l.avatar};
      for (int column = 0; column < 6; ++column)
        List_SetCell(control, line, column, gbk(*columns[column]));
    }
    QCoreApplication::processEvents();  // the view learns of new lines on the next turn
  }

  std::string avatarAddress(const std::string& id) const { return stats_.base() + "/img/" + id; }

  // Double-clicks the list (on line `line`, or below the lines when none is
  // given), waits for DetailWindow to be shown, records what it shows and
  // closes it with Esc. Returns once the double-click handler has returned.
  std::optional<DetailSnapshot> doubleClickAndClose(std::optional<int> line) {
    std::optional<DetailSnapshot> shot;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      QWidget* detail = DetailWindow.widget();
      if (detail == nullptr || !detail->isVisible() || shot) return;
      shot = snapshotDetailWindow();
      QTest::keyClick(detail, Qt::Key_Escape);
    });
    poll.start();
    QTableView* view = list();
    QCoreApplication::processEvents();  // lay the lines out before aiming at one
    const QPoint where = line ? view->visualRect(view->model()->index(*line, 1)).center()
                              : QPoint(20, view->viewport()->height() - 5);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, where);
    poll.stop();
    return shot;
  }

  RequestLog log_;
  LoopbackSite stats_{"stats", log_};
  LoopbackSite score_{"score", log_};
  std::string avatarBytes_ = fixture::pngPicture();
};

RequestRecord hidden(std::string site, std::string target) {
  return {std::move(site), std::move(target), false, false};
}

Captions summonerCaptions() {
  return {
      {"标签_战斗力", gbk("3215")},         {"标签_经典模式场次", gbk("1200")},
      {"标签_经典胜率", gbk("51%")},        {"标签_经典胜场", gbk("612")},
      {"标签_经典负场", gbk("588")},        {"标签_大乱斗模式场次", gbk("300")},
      {"标签_大乱斗模式胜率1", gbk("49%")}, {"标签_大乱斗模式胜场1", gbk("147")},
      {"标签_大乱斗模式负场1", gbk("153")}, {"标签_S6排位模式场次2", gbk("210")},
      {"标签_S6排位胜率2", gbk("52%")},     {"标签_S6排位胜场2", gbk("109")},
      {"标签_S6排位负场2", gbk("101")},     {"标签_S6排位段位2", gbk("白银II")},
      {"标签_S6排位胜点2", gbk("68")},      {"标签_S5排位模式场次3", gbk("95")},
      {"标签_S5排位胜率3", gbk("47%")},     {"标签_S5排位胜场3", gbk("45")},
      {"标签_S5排位负场3", gbk("50")},      {"标签_S5排位段位3", gbk("黄金I")},
      {"标签_S5排位胜点3", gbk("12")},
  };
}

Captions merged(Captions base, const Captions& over) {
  for (const auto& [name, text] : over) base[name] = text;
  return base;
}

TEST_F(DetailFlow, RankedAndUnrankedLines) {
  struct Case {
    const char* name;
    ResultLine line;
    std::string expectedScoreTarget;
    bool badgeShown;
    Captions header;
  } cases[] = {
      {"ranked, server shared by many lines",
       {"12", "张三", "电信十", "黄金III", "45", ""},
       "/rank.php?server=14&name=%E5%BC%A0%E4%B8%89&result=true",
       true,
       {{"标签_ID", gbk("张三")},
        {"标签_段位", gbk("黄金III  45点")},
        {"标签_服务器", gbk("电信十")},
        {"标签4", gbk("30")}}},
      {"unranked, empty server",
       {"7", "a b", "", "无段位", "", ""},
       "/rank.php?server=1&name=a%20b&result=true",
       false,
       {{"标签_ID", gbk("a b")}, {"标签_段位", gbk("无段位  点")}, {"标签_服务器", gbk("")}}},
  };
  for (auto& c : cases) {
    c.line.avatar = avatarAddress(c.line.id + ".png");
    fillList({{"1", "other", "祖安", "青铜", "1", ""}, c.line});
    list()->selectRow(1);

    const auto shot = doubleClickAndClose(1);
    ASSERT_TRUE(shot) << c.name;

    const std::vector<RequestRecord> expectedRequests = {
        hidden("stats", "/img/" + c.line.id + ".png"),
        hidden("stats", "/db/birth/" + c.line.id + ".html"),
        hidden("score", c.expectedScoreTarget),
        hidden("stats", "/db/summoner/" + c.line.id + ".html"),
    };
    EXPECT_EQ(log_.take(), expectedRequests) << c.name;

    const Captions expected = merged(merged(layoutCaptions(), c.header),
                                     merged(summonerCaptions(), {{"标签_生日", gbk("1990-05-17")},
                                                                 {"标签_隐藏分", gbk("1520")}}));
    EXPECT_EQ(shot->captions, expected) << c.name;
    EXPECT_EQ(shot->badgeShown, c.badgeShown) << c.name;
    EXPECT_TRUE(shot->hasPicture) << c.name;
    EXPECT_FALSE(shot->searchWindowVisible) << c.name;

    // Esc closed DetailWindow; SearchWindow is back as it was.
    EXPECT_EQ(DetailWindow.widget(), nullptr) << c.name;
    EXPECT_TRUE(SearchWindow.widget()->isVisible()) << c.name;
    EXPECT_TRUE(SearchWindow.widget()->isEnabled()) << c.name;
    EXPECT_EQ(List_Selection(SearchWindow.control("超级列表框1")), 1) << c.name;
    EXPECT_EQ(List_GetCell(SearchWindow.control("超级列表框1"), 1, 1), gbk(c.line.name)) << c.name;
    EXPECT_EQ(Control_GetText(SearchWindow.control("标签2")), gbk("搜索:张三")) << c.name;
  }
}

TEST_F(DetailFlow, SelectedPlayerRecordKeepsTheLine) {
  fillList({{"12", "张三", "班德尔城", "黄金III", "45", avatarAddress("12.png")}});
  list()->selectRow(0);
  ASSERT_TRUE(doubleClickAndClose(0));
  EXPECT_EQ(g_SelSummonerId, Text("12"));
  EXPECT_EQ(g_SelName, gbk("张三"));
  EXPECT_EQ(g_SelServer, gbk("班德尔城"));
  EXPECT_EQ(g_SelTier, gbk("黄金III"));
  EXPECT_EQ(g_SelPoints, gbk("45点"));
  EXPECT_EQ(g_SelAvatarUrl, Text(avatarAddress("12.png")));
  EXPECT_EQ(g_SelLevelBadge, Text("30"));
  EXPECT_EQ(log_.take().at(2).target, "/rank.php?server=5&name=%E5%BC%A0%E4%B8%89&result=true");
}

// Nothing selected: every column reads empty, the avatar address is empty and
// so never requested, and the window opens all the same.
TEST_F(DetailFlow, DoubleClickWithNoLineSelected) {
  fillList({});
  const auto shot = doubleClickAndClose(std::nullopt);
  ASSERT_TRUE(shot);
  const std::vector<RequestRecord> expectedRequests = {
      hidden("stats", "/db/birth/.html"),
      hidden("score", "/rank.php?server=1&name=&result=true"),
      hidden("stats", "/db/summoner/.html"),
  };
  EXPECT_EQ(log_.take(), expectedRequests);
  EXPECT_EQ(shot->captions.at("标签_段位"), gbk("  点"));
  EXPECT_EQ(shot->captions.at("标签4"), Text("30"));
  EXPECT_TRUE(shot->badgeShown);
  EXPECT_FALSE(shot->hasPicture);
  EXPECT_EQ(g_SelLevelBadge, Text("30"));
}

TEST_F(DetailFlow, SameLineTwiceMakesEveryRequestAgain) {
  fillList({{"3", "x", "祖安", "白银", "9", avatarAddress("3.png")}});
  list()->selectRow(0);
  ASSERT_TRUE(doubleClickAndClose(0));
  const auto first = log_.take();
  ASSERT_TRUE(doubleClickAndClose(0));
  EXPECT_EQ(log_.take(), first);
  EXPECT_EQ(first.size(), 4u);
}

// Whatever the sites answer, the window opens; captions that their pages
// should have filled show nothing, and the layout's own texts stay.
TEST_F(DetailFlow, BadAnswersLeaveLayoutTextsAndOpenTheWindow) {
  const std::string binary("\x00\xff\xfe<tbody><tr><td\x80", 14);
  struct Case {
    const char* name;
    int status;
    std::string body;
  } cases[] = {
      {"error page", 500, "<html>Internal error</html>"},
      {"binary bytes", 200, binary},
      {"empty answer", 200, ""},
      {"markers moved", 200,
       "<span class='time fwr f30'>x</span>td>隐藏分</td>\n<td>1</td>"
       "战斗力</strong> <strong>1</strong><tbody><tr class=\"a\"><td>1</td></tr></tbody>"},
  };
  for (const auto& c : cases) {
    const auto answer = [&c](const httplib::Request&, httplib::Response& response) {
      response.status = c.status;
      response.set_content(c.body, "text/html");
    };
    stats_.setHandler(answer);
    score_.setHandler(answer);
    fillList({{"5", "n", "祖安", "无段位", "1", avatarAddress("5.png")}});
    list()->selectRow(0);
    const auto shot = doubleClickAndClose(0);
    ASSERT_TRUE(shot) << c.name;
    EXPECT_EQ(log_.take().size(), 4u) << c.name;
    const Captions expected = merged(
        layoutCaptions(),
        {{"标签_ID", Text("n")}, {"标签_段位", gbk("无段位  1点")}, {"标签_服务器", gbk("祖安")}});
    EXPECT_EQ(shot->captions, expected) << c.name;
    EXPECT_FALSE(shot->hasPicture) << c.name;
    EXPECT_TRUE(SearchWindow.widget()->isVisible()) << c.name;
  }
}

}  // namespace
