// Small UTF-8 pages in the shape the statistics and hidden-score sites send.
#pragma once

#include <QBuffer>
#include <QImage>

#include <initializer_list>
#include <string>

namespace fixture {

inline std::string birthdayPage(const std::string& birthday) {
  return "<html><body><div><span class=\"time fwr f30\">" + birthday +
         "</span></div></body></html>";
}

inline std::string hiddenScorePage(const std::string& score) {
  return "<table><tr>\r\n\t\t\t\t<td>隐藏分</td>\r\n\t\t\t\t<td>" + score +
         "</td>\r\n</tr></table>";
}

inline std::string tableRow(std::initializer_list<const char*> cells) {
  std::string row = "\r\n<tr>";
  for (const char* cell : cells) row += std::string("<td>") + cell + "</td>";
  return row + "</tr>";
}

// Combat power 3215 and the four mode rows: classic, all random, season 6,
// season 5.
inline std::string summonerPage() {
  return "<html><body><div><strong>战斗力</strong><strong class=\"num\">3215</strong></div>"
         "<table><thead><tr><td>类型</td></tr></thead><tbody>" +
         tableRow({"经典模式", "1200", "51%", "612", "588", "-", "-"}) +
         tableRow({"大乱斗", "300", "49%", "147", "153", "-", "-"}) +
         tableRow({"S6排位赛", "210", "52%", "109", "101", "白银&nbsp;II", "68"}) +
         tableRow({"S5排位赛", "95", "47%", "45", "50", "黄金&nbsp;I", "12"}) +
         "\r\n</tbody></table></body></html>";
}

inline std::string pngPicture(int width = 20, int height = 10) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(QColor(200, 40, 40));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

}  // namespace fixture
