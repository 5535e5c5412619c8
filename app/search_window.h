// SearchWindow: the start-up window where a name is typed and a player is
// picked from the result list.
#pragma once

#include "app/skin.h"
#include "app/toolkit.h"

extern const WindowSpec kSearchWindowSpec;
extern WindowDef SearchWindow;

// Created handler of SearchWindow: switches the flat control skin on.
void OnSearchWindowCreated();
