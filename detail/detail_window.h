// DetailWindow: one player's avatar, header fields and game statistics,
// opened in dialog mode from a double-click on the search results.
#pragma once

#include "app/toolkit.h"
#include "detail/detail_layout.h"

extern WindowDef DetailWindow;
