#include "sites/html.h"

namespace {

constexpr std::string_view kStatsStyle =
    "body{font-family:sans-serif;margin:0;background:#f4f4f4}"
    ".header{background:#1d2a3a;color:#fff;padding:8px 16px}.header a{color:#fff}"
    ".main{background:#fff;margin:12px auto;max-width:960px;padding:12px}"
    "table{border-collapse:collapse;width:100%}td,th{border-bottom:1px solid #ddd;padding:4px 8px}"
    ".footer{color:#888;font-size:12px;max-width:960px;margin:0 auto}";

std::string reasonPhrase(int status) {
  switch (status) {
    case 400:
      return "Bad Request";
    case 404:
      return "Not Found";
    case 405:
      return "Method Not Allowed";
    case 414:
      return "URI Too Long";
    case 500:
      return "Internal Server Error";
    default:
      return status >= 500 ? "Server Error" : "Client Error";
  }
}

}  // namespace

std::string htmlEscape(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string statsPageFrame(std::string_view title, std::string_view content) {
  std::string page;
  page.reserve(content.size() + 2048);
  page += "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
  page += htmlEscape(title);
  page += " - 召唤师数据库</title>\n<style>";
  page += kStatsStyle;
  page +=
      "</style>\n</head>\n<body>\n"
      "<div class=\"header\"><a class=\"logo\" href=\"/\">召唤师数据库</a>\n"
      "<form class=\"search\" action=\"/db/so.html\" method=\"get\"><input type=\"hidden\" "
      "name=\"a\" value=\"\">"
      "<input type=\"text\" name=\"k\" placeholder=\"输入召唤师名称\"><button "
      "type=\"submit\">搜索</button></form>\n"
      "</div>\n<div class=\"main\">\n";
  page += content;
  page +=
      "</div>\n<div class=\"footer\">\n<table class=\"footer-links\">\n<tbody>\n"
      "<tr><td>数据来自公开战绩</td><td>每日更新</td><td>仅供参考</td></tr>\n"
      "</tbody>\n</table>\n<p>召唤师数据库 &copy; 2016</p>\n</div>\n</body>\n</html>\n";
  return page;
}

std::string scorePageFrame(std::string_view title, std::string_view content) {
  std::string page;
  page.reserve(content.size() + 1024);
  page += "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>";
  page += htmlEscape(title);
  page +=
      "</title>\r\n</head>\r\n<body>\r\n<h1>隐藏分查询</h1>\r\n"
      "<form action=\"/rank.php\" method=\"get\">服务器编号 <input name=\"server\"> 召唤师 <input "
      "name=\"name\">"
      "<input type=\"hidden\" name=\"result\" value=\"true\"><input type=\"submit\" "
      "value=\"查询\"></form>\r\n";
  page += content;
  page += "<p class=\"note\">隐藏分每局更新，仅供参考。</p>\r\n</body>\r\n</html>\r\n";
  return page;
}

std::string errorPage(int status, std::string_view reason) {
  const std::string code = std::to_string(status) + " " + reasonPhrase(status);
  std::string page = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + code +
                     "</title>\n</head>\n<body>\n<h1>" + code + "</h1>\n<p>";
  page += htmlEscape(reason);
  page += "</p>\n</body>\n</html>\n";
  return page;
}
