#include "sites/score_pages.h"

#include "sites/html.h"

namespace {

// One table line as the site writes it: four TABs, two cells, CR LF between.
std::string resultLine(std::string_view label, std::string_view value) {
  std::string line = "\t\t\t<tr>\r\n\t\t\t\t<td>";
  line += label;
  line += "</td>\r\n\t\t\t\t<td>";
  line += value;
  line += "</td>\r\n\t\t\t</tr>\r\n";
  return line;
}

}  // namespace

std::string scoreFormPage() {
  return scorePageFrame("隐藏分查询", "<p>请选择服务器并输入召唤师名称。</p>\r\n");
}

std::string scorePage(std::string_view serverName, std::string_view name, int score) {
  std::string content = "\t\t<table class=\"result\">\r\n";
  content += resultLine("召唤师", htmlEscape(name));
  content += resultLine("服务器", htmlEscape(serverName));
  content += resultLine("隐藏分", std::to_string(score));
  content += "\t\t</table>\r\n";
  return scorePageFrame("隐藏分查询结果", content);
}

std::string scoreNotFoundPage(std::string_view serverName, std::string_view name) {
  std::string content = "<p class=\"error\">未找到召唤师“" + htmlEscape(name) + "”（" +
                        htmlEscape(serverName) + "）的隐藏分数据。</p>\r\n";
  return scorePageFrame("未找到召唤师", content);
}
