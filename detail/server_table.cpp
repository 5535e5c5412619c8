#include "detail/server_table.h"

#include "text/literal.h"

const Text& ServerTable() {
  return "\t\t\t\t\t<option  value=\"1\">艾欧尼亚 电信一</option>\r\n"
         "\t\t\t\t\t<option  value=\"2\">比尔吉沃特 网通一</option>\r\n"
         "\t\t\t\t\t<option  value=\"3\">祖安 电信二</option>\r\n"
         "\t\t\t\t\t<option  value=\"4\">诺克萨斯 电信三</option>\r\n"
         "\t\t\t\t\t<option  value=\"5\">班德尔城 电信四</option>\r\n"
         "\t\t\t\t\t<option  value=\"6\">德玛西亚 网通二</option>\r\n"
         "\t\t\t\t\t<option  value=\"7\">皮尔特沃夫 电信五</option>\r\n"
         "\t\t\t\t\t<option  value=\"8\">战争学院 电信六</option>\r\n"
         "\t\t\t\t\t<option  value=\"9\">弗雷尔卓德 网通三</option>\r\n"
         "\t\t\t\t\t<option  value=\"10\">巨神峰 电信七</option>\r\n"
         "\t\t\t\t\t<option  value=\"11\">雷瑟守备 电信八</option>\r\n"
         "\t\t\t\t\t<option  value=\"12\">无畏先锋 网通四</option>\r\n"
         "\t\t\t\t\t<option  value=\"13\">裁决之地 电信九</option>\r\n"
         "\t\t\t\t\t<option  value=\"14\">黑色玫瑰 电信十</option>\r\n"
         "\t\t\t\t\t<option  value=\"15\">暗影岛 电信十一</option>\r\n"
         "\t\t\t\t\t<option  value=\"16\">恕瑞玛 网通五</option>\r\n"
         "\t\t\t\t\t<option  value=\"17\">钢铁烈阳 电信十二</option>\r\n"
         // The site lists 十四 before 十三; the numbers follow the site.
         "\t\t\t\t\t<option  value=\"18\">水晶之痕 电信十四</option>\r\n"
         "\t\t\t\t\t<option  value=\"19\">均衡教派 电信十三</option>\r\n"
         "\t\t\t\t\t<option  value=\"20\">扭曲丛林 网通六</option>\r\n"
         "\t\t\t\t\t<option  value=\"21\">教育网专区</option>\r\n"
         "\t\t\t\t\t<option  value=\"22\">影流 电信十五</option>\r\n"
         "\t\t\t\t\t<option  value=\"23\">守望之海 电信十六</option>\r\n"
         "\t\t\t\t\t<option  value=\"24\">征服之海 电信十七</option>\r\n"
         "\t\t\t\t\t<option  value=\"25\">卡拉曼达 电信十八</option>\r\n"
         "\t\t\t\t\t<option  value=\"26\">巨龙之巢 网通七</option>\r\n"
         "\t\t\t\t\t<option  value=\"27\">皮城警备 电信十九</option>\r\n"_gbk;
}
