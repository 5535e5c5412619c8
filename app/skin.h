// The flat control skin: push buttons and edit boxes drawn flat in one of
// three colour schemes. Labels, report lists, tab controls and picture boxes
// are never skinned. Once on, the skin also reaches windows created later.
#pragma once

#include "app/layout.h"

// The frame colour of scheme 1, 2 or 3.
Rgb Skin_FrameColour(int scheme);
// Scheme 1, 2 or 3 switches the skin on (true); any other number switches it
// off and tells whether a skin was removed.
bool Skin_Apply(int scheme);
