// The search command: the typed name becomes the lines of the result list.
#pragma once

// Clicked handler of 按钮1 in SearchWindow.
void OnQueryClicked();
