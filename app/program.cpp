#include "app/program.h"

#include <QApplication>

#include <memory>

#include "app/event_loop.h"
#include "app/search_window.h"
#include "app/toolkit.h"

TextArray g_ResultRows;
Text g_SelName;
Text g_SelServer;
Text g_SelAvatarUrl;
Text g_SelTier;
Text g_SelPoints;
Text g_SelSummonerId;
Text g_SelLevelBadge;

int OnStartup() {
  return 0;
}

void OnShutdown() {
  TextArray_Clear(g_ResultRows);
  g_ResultRows = TextArray();
  for (Text* selected : {&g_SelName, &g_SelServer, &g_SelAvatarUrl, &g_SelTier, &g_SelPoints,
                         &g_SelSummonerId, &g_SelLevelBadge}) {
    if (!selected->empty()) *selected = Text();
  }
}

namespace {

// The routine registered to run once when the program ends normally.
void (*endRoutine)() = nullptr;

void runEndRoutine() {
  if (endRoutine == nullptr) return;
  void (*routine)() = endRoutine;
  endRoutine = nullptr;
  routine();
}

}  // namespace

int Program_Run(int argc, char** argv) {
  // The GUI layer, with the invisible owner of dialog-mode windows.
  std::unique_ptr<QApplication> ownApplication;
  if (QApplication::instance() == nullptr) {
    ownApplication = std::make_unique<QApplication>(argc, argv);
  }
  // The loop ends with the last destroyed window, not with the last visible one.
  QApplication::setQuitOnLastWindowClosed(false);
  EventLoop_Owner();
  // The rows start empty, the clean-up is registered, the start-up routine runs.
  g_ResultRows = TextArray();
  endRoutine = OnShutdown;
  OnStartup();
  // SearchWindow opens; events run until the last window is destroyed.
  Window_Open(SearchWindow);
  EventLoop_Run();
  // The normal end: the clean-up runs once.
  runEndRoutine();
  if (ownApplication) EventLoop_ReleaseOwner();
  return 0;
}
