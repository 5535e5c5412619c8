// Renders SearchWindow after a search and saves it as a PNG picture.
//
//   search-window-screenshot <statistics site address> <name> <picture.png>
//
// It runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another;
// the first result line is selected before the window is rendered. The
// picture in docs/ is made with the stand-in sites running on their default
// ports:
//   pellumar-sites &
//   search-window-screenshot http://127.0.0.1:18360 猎手 docs/search-window.png
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTableView>

#include <cstdio>
#include <cstdlib>

#include "app/program.h"
#include "app/search_command.h"
#include "app/search_window.h"
#include "app/site_addresses.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <statistics site address> <name> <picture.png>\n", argv[0]);
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  Site_UseAddresses(Text(argv[1]), Site_ScoreBase());
  SearchWindow.bind(WindowEvent::Created, OnSearchWindowCreated);
  SearchWindow.bind("按钮1", ControlEvent::Clicked, OnQueryClicked);
  Window_Open(SearchWindow);

  auto* name = qobject_cast<QLineEdit*>(SearchWindow.control("编辑框1").widget());
  name->setText(QString::fromUtf8(argv[2]));
  SearchWindow.fire("按钮1", ControlEvent::Clicked);
  QApplication::processEvents();
  if (auto* list = qobject_cast<QTableView*>(SearchWindow.control("超级列表框1").widget())) {
    list->setFocus();
    list->selectRow(0);
  }
  QApplication::processEvents();
  QImage picture = SearchWindow.widget()->grab().toImage();
  if (!picture.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[3]);
    return 1;
  }
  std::printf("%s: %lld lines\n", argv[3], static_cast<long long>(TextArray_Count(g_ResultRows)));
  return 0;
}
