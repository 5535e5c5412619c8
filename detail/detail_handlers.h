// The three handlers that carry a search result into DetailWindow.
#pragma once

// Double-click on the result list: copies the selected line into the
// selected-player record and opens DetailWindow in dialog mode; returns when
// DetailWindow has been closed.
void OnResultDoubleClicked();

// DetailWindow created: hides SearchWindow, then fills every field from the
// selected-player record and four requests (avatar, birthday, hidden score,
// summoner page), in that order. DetailWindow is shown after it returns.
void OnDetailWindowCreated();

// DetailWindow about to be destroyed: shows SearchWindow again.
void OnDetailWindowDestroying();
