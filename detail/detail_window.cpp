#include "detail/detail_window.h"

WindowDef DetailWindow(DetailWindow_Layout());
