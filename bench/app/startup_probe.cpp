// One process start, for the start-up benchmark:
//   startup_probe tool        the tool's start-up sequence; ends once SearchWindow is shown
//   startup_probe baseline    an empty Qt window of the same size with a 6-column table
//   startup_probe memory URL  the tool searching the page at URL (its k names the rows),
//                             then prints its peak resident memory in KiB
#include <sys/resource.h>

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/program.h"
#include "app/search_command.h"
#include "app/search_window.h"
#include "app/site_addresses.h"

namespace {

void closeSearchWindowWhenShown() {
  QTimer::singleShot(0, [] {
    if (QWidget* window = SearchWindow.widget()) window->close();
  });
}

int baseline(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(371, 414);
  auto* table = new QTableWidget(0, 6, &window);
  table->setGeometry(29, 80, 315, 296);
  window.show();
  QTimer::singleShot(0, &app, &QCoreApplication::quit);
  return app.exec();
}

int memory(int argc, char** argv, const char* url) {
  QApplication app(argc, argv);
  std::string address(url);
  std::string base = address.substr(0, address.find("/db/"));
  Site_UseAddresses(Text(base), Site_ScoreBase());
  SearchWindow.bind(WindowEvent::Created, [address] {
    OnSearchWindowCreated();
    QTimer::singleShot(0, [address] {
      auto* name = qobject_cast<QLineEdit*>(SearchWindow.control("编辑框1").widget());
      name->setText(QString::fromStdString(address.substr(address.rfind('=') + 1)));
      SearchWindow.fire("按钮1", ControlEvent::Clicked);
      SearchWindow.widget()->repaint();
      rusage usage{};
      getrusage(RUSAGE_SELF, &usage);
      std::printf("%ld %lld\n", usage.ru_maxrss,
                  static_cast<long long>(TextArray_Count(g_ResultRows)));
      SearchWindow.widget()->close();
    });
  });
  SearchWindow.bind("按钮1", ControlEvent::Clicked, OnQueryClicked);
  return Program_Run(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const char* mode = argc > 1 ? argv[1] : "tool";
  if (std::strcmp(mode, "baseline") == 0) return baseline(argc, argv);
  if (std::strcmp(mode, "memory") == 0 && argc > 2) return memory(argc, argv, argv[2]);
  SearchWindow.bind(WindowEvent::Created, [] {
    OnSearchWindowCreated();
    closeSearchWindowWhenShown();
  });
  return Program_Run(argc, argv);
}
