// The system colours and fonts the layouts refer to.
#pragma once

#include <QColor>
#include <QFont>

#include "app/layout.h"

// The button-face colour: the background of windows, labels and picture boxes.
inline const QColor kButtonFace(240, 240, 240);
// The one-pixel single-line border of labels and picture boxes.
inline const QColor kSingleBorder(100, 100, 100);

inline QColor toQColor(Rgb c) {
  return QColor(c.red, c.green, c.blue);
}

// The font a layout row asks for:
// - a LOGFONT height -h becomes a pixel size of h (positive heights are
//   cell heights and are taken as pixel sizes too);
// - the face "宋体" and fonts without a face name (GB2312 character set) use
//   the face with CJK fallbacks, as a Windows system without that face would;
// - the default GUI font (an 8-point Tahoma-like face at 96 dpi, about 11 px
//   high) is 12 px, the smallest size at which the CJK fallback face stays
//   legible.
QFont Font_FromSpec(const FontSpec& spec);
