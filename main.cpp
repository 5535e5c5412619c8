// The tool's entry point: binds the handlers of both windows to their
// layouts and runs the program.
#include "app/program.h"
#include "app/search_command.h"
#include "app/search_window.h"
#include "detail/detail_handlers.h"
#include "detail/detail_window.h"

int main(int argc, char** argv) {
  SearchWindow.bind(WindowEvent::Created, OnSearchWindowCreated);
  SearchWindow.bind("按钮1", ControlEvent::Clicked, OnQueryClicked);
  SearchWindow.bind("超级列表框1", ControlEvent::DoubleClicked, OnResultDoubleClicked);
  DetailWindow.bind(WindowEvent::Created, OnDetailWindowCreated);
  DetailWindow.bind(WindowEvent::Destroying, OnDetailWindowDestroying);
  return Program_Run(argc, argv);
}
