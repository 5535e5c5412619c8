// The search command against a real server on 127.0.0.1: what it sends, and
// the list lines it makes of the pages it gets back.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <array>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/search_command.h"
#include "app/search_window.h"
#include "app/site_addresses.h"
#include "http/tests/raw_server.h"
#include "text/literal.h"

namespace {

using Line = std::array<const char*, 6>;  // UTF-8, as the cells should read

std::string okReply(const std::string& body) {
  return "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

std::string link(const std::string& id, const std::string& text) {
  return "<a href=\"/db/summoner/" + id + ".html\">" + text + "</a>";
}

// A result row: the avatar link, then one link per further text.
std::string row(const std::string& id, const std::vector<std::string>& texts) {
  std::string cells = "<td>" + link(id, "<img src=\"http://img.test/" + id + ".png\" />") + "</td>";
  for (const std::string& t : texts) cells += "<td>" + link(id, t) + "</td>";
  return "<tr>" + cells + "</tr>";
}

std::string page(const std::string& rows) {
  return "<html><body><table><thead><tr><th>x</th></tr></thead><tbody>" + rows +
         "</tbody></table></body></html>";
}

class SearchCommandTest : public testing::Test {
 protected:
  void SetUp() override {
    server_ = std::make_unique<RawServer>(
        [this](const std::string&) { return RawServer::Reply{okReply(body_)}; });
    base_ = "http://127.0.0.1:" + std::to_string(server_->port());
    Site_UseAddresses(Text(base_), Text("http://127.0.0.1:1"));
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
  }

  void search(const char* name, const std::string& body) {
    body_ = body;
    qobject_cast<QLineEdit*>(SearchWindow.control("编辑框1").widget())
        ->setText(QString::fromUtf8(name));
    QTest::mouseClick(SearchWindow.control("按钮1").widget(), Qt::LeftButton);
  }

  void expectLines(const std::vector<Line>& lines, const char* caseName) {
    Control list = SearchWindow.control("超级列表框1");
    QCoreApplication::processEvents();  // the view learns of the lines once the handler is over
    ASSERT_EQ(list.widget()->findChild<QAbstractItemModel*>()->rowCount(),
              static_cast<int>(lines.size()))
        << caseName;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      for (int column = 0; column < 6; ++column) {
        EXPECT_EQ(List_GetCell(list, std::int64_t(i), column), Literal_ToText(lines[i][column]))
            << caseName << ", line " << i << ", column " << column;
      }
    }
  }

  Text caption() { return Control_GetText(SearchWindow.control("标签2")); }

  std::unique_ptr<RawServer> server_;
  std::string base_;
  std::string body_;
};

TEST_F(SearchCommandTest, SendsThePlainGetOfTheSearchPage) {
  struct Case {
    const char* name;
    const char* typed;
    const char* query;
  };
  const Case cases[] = {
      {"default name", "示例玩家", "%E7%A4%BA%E4%BE%8B%E7%8E%A9%E5%AE%B6"},
      {"space inside", "a b", "a%20b"},
      {"empty name", "", ""},
  };
  for (const Case& c : cases) {
    std::size_t before = server_->requests().size();
    search(c.typed, page(""));
    std::vector<std::string> requests = server_->requests();
    ASSERT_EQ(requests.size(), before + 1) << c.name;
    const std::string& request = requests.back();
    std::string path = std::string("/db/so.html?a=&k=") + c.query;
    std::string url = base_ + path;
    EXPECT_EQ(request.substr(0, request.find("\r\n")), "GET " + path + " HTTP/1.1") << c.name;
    for (const std::string& header :
         {"Referer: " + url, std::string("Accept: */*"), std::string("Accept-Language: zh-cn"),
          std::string("Content-Type: application/x-www-form-urlencoded"),
          std::string("Host: 127.0.0.1:") + std::to_string(server_->port()),
          std::string("User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; TULVO; "
                      ".NET CLR 2.0.50727; .NET CLR 3.0.04506.648; .NET CLR 3.5.21022)")}) {
      EXPECT_NE(request.find("\r\n" + header + "\r\n"), std::string::npos)
          << c.name << ": " << header << "\n"
          << request;
    }
    EXPECT_EQ(request.find("Cookie:"), std::string::npos) << c.name;
    EXPECT_EQ(caption(), Literal_ToText((std::string("搜索:") + c.typed).c_str())) << c.name;
  }
}

TEST_F(SearchCommandTest, RowsBecomeLines) {
  const std::string full = row("7", {"张三", "艾欧尼亚", "黄金&nbsp;III", "45", "more"});
  struct Case {
    const char* name;
    std::string body;
    std::vector<Line> lines;
  };
  const std::vector<Case> cases = {
      {"six link texts",
       page(full),
       {{"7", "张三", "艾欧尼亚", "黄金III", "45", "http://img.test/7.png"}}},
      {"five link texts: no tier",
       page(row("8", {"李四", "祖安", "12", "more"})),
       {{"8", "李四", "祖安", "无段位", "12", "http://img.test/8.png"}}},
      {"&NBSP; is kept, every &nbsp; goes",
       page(row("1", {"a", "s", "黄金&NBSP;II", "1", "m"}) +
            row("2", {"b", "s", "黄金&nbsp;&nbsp;I", "2", "m"})),
       {{"1", "a", "s", "黄金&NBSP;II", "1", "http://img.test/1.png"},
        {"2", "b", "s", "黄金I", "2", "http://img.test/2.png"}}},
      {"a blank name link ends the link scan",
       page(row("7", {" ", "艾欧尼亚", "x", "45", "m"})),
       {{"7", "", "", "", "", ""}}},
      {"seven and four link texts keep column 0 only",
       page(row("3", {"a", "b", "c", "d", "e", "f"}) + row("4", {"a", "b", "c"})),
       {{"3", "", "", "", "", ""}, {"4", "", "", "", "", ""}}},
      {"upper-case markers",
       "<TBODY><TR>" + full.substr(4, full.size() - 9) + "</TR></TBODY>",
       {{"7", "张三", "艾欧尼亚", "黄金III", "45", "http://img.test/7.png"}}},
      {"only the first table body",
       page(full) + page(row("9", {"x", "y", "z", "1", "m"})),
       {{"7", "张三", "艾欧尼亚", "黄金III", "45", "http://img.test/7.png"}}},
      {"an empty first row ends the rows", page("<tr> </tr>" + full), {}},
      {"a row without a page id",
       page("<tr><td>nothing here</td></tr>"),
       {{"", "", "", "", "", ""}}},
      {"no table body", "<html>no results</html>", {}},
      {"binary and invalid UTF-8",
       std::string("\xff\xfe\x01<tbody><tr>\xc3\x28</tr></tbody>"),
       {{"", "", "", "", "", ""}}},
      // The page text ends at its first zero byte.
      {"a zero byte before the table", std::string("\x01\x00<tbody>", 9) + full + "</tbody>", {}},
  };
  for (const Case& c : cases) {
    search("张三", c.body);
    expectLines(c.lines, c.name);
    EXPECT_EQ(caption(), "搜索:张三"_gbk) << c.name;
    EXPECT_EQ(TextArray_Count(g_ResultRows), static_cast<std::int64_t>(c.lines.size())) << c.name;
  }
}

TEST_F(SearchCommandTest, ASecondSearchReplacesTheFirst) {
  search("a", page(row("1", {"a", "s", "t", "1", "m"}) + row("2", {"b", "s", "t", "2", "m"})));
  search("b", page(row("3", {"c", "s", "12", "m"})));
  expectLines({{"3", "c", "s", "无段位", "12", "http://img.test/3.png"}}, "second search");
  EXPECT_EQ(caption(), "搜索:b"_gbk);
  // The name box is never written.
  EXPECT_EQ(Control_GetText(SearchWindow.control("编辑框1")), Text("b"));
}

TEST_F(SearchCommandTest, AFailedRequestLeavesTheListEmpty) {
  search("a", page(row("1", {"a", "s", "t", "1", "m"})));
  Site_UseAddresses(Text("http://127.0.0.1:" + std::to_string(RawServer::refusedPort())),
                    Text("http://127.0.0.1:1"));
  search("无此人", page(""));
  expectLines({}, "refused connection");
  EXPECT_EQ(caption(), "搜索:无此人"_gbk);
}

TEST_F(SearchCommandTest, ThousandsOfRowsAllBecomeLines) {
  std::string rows;
  for (int i = 0; i < 3000; ++i) {
    rows += row(std::to_string(i), {"n" + std::to_string(i), "s", "t", "p", "m"});
  }
  search("many", page(rows));
  Control list = SearchWindow.control("超级列表框1");
  EXPECT_EQ(TextArray_Count(g_ResultRows), 3000);
  EXPECT_EQ(List_GetCell(list, 2999, 0), Text("2999"));
  EXPECT_EQ(List_GetCell(list, 2999, 1), Text("n2999"));
  EXPECT_EQ(List_GetCell(list, 3000, 0), Text());
}

// A huge page without the closing markers: the list stays empty, in time.
TEST_F(SearchCommandTest, AFiftyMegabytePageWithoutMarkersListsNothing) {
  std::string huge = "<tbody><tr>" + std::string(50 * 1024 * 1024, 'x');
  search("big", huge);
  EXPECT_EQ(TextArray_Count(g_ResultRows), 0);
  EXPECT_EQ(List_GetCell(SearchWindow.control("超级列表框1"), 0, 0), Text());
  EXPECT_EQ(caption(), "搜索:big"_gbk);
}

}  // namespace
