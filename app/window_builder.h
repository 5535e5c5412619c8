// The one builder of windows: creates the top-level window and every control
// of a layout, in the layout's order.
//
// Stacking: among controls with the same parent, each control lies above
// every control created after it, so each new control goes to the bottom of
// its siblings. A tab control's own strip and page lie below the controls
// placed on it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/layout.h"
#include "app/window_widget.h"

struct WindowBuilderHooks {
  // Runs when a control is clicked / double-clicked, with its layout name.
  std::function<void(const std::string& name)> clicked;
  std::function<void(const std::string& name)> doubleClicked;
};

// The window is not shown. owner: nullptr for a window of its own, or the
// hidden owner window of dialog-mode windows.
std::unique_ptr<WindowWidget> Window_Build(const WindowSpec& spec, QWidget* owner,
                                           const WindowBuilderHooks& hooks);
