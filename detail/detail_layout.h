// The layout of the detail window: the window and its 45 controls in
// creation order. Among siblings an earlier control lies above every later
// one. Children of the tab control are placed relative to the tab control's
// own top-left corner, not its page's.
#pragma once

#include "app/layout.h"

const WindowSpec& DetailWindow_Layout();
