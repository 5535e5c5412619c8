// The start-up sequence, the program-wide state and the end of the program.
#pragma once

#include "text/text.h"

// The rows of the last search (written by the search command).
extern TextArray g_ResultRows;
// The selected-player record, written by the result list's double-click.
extern Text g_SelName;
extern Text g_SelServer;
extern Text g_SelAvatarUrl;
extern Text g_SelTier;
extern Text g_SelPoints;
extern Text g_SelSummonerId;
extern Text g_SelLevelBadge;

// The start-up routine: does nothing, returns 0.
int OnStartup();
// Frees the rows of the last search and the selected-player record.
void OnShutdown();

// Initialises the GUI layer (unless a QApplication exists already), creates
// the program-wide state, runs OnStartup, opens SearchWindow, serves events
// until the last window of the program is destroyed, runs OnShutdown once and
// returns the exit code (0).
int Program_Run(int argc, char** argv);
