// The flat skin as an application style sheet: it selects push buttons and
// line edits only, so labels, lists, tab controls and picture boxes keep
// their own drawing, and it reaches every window created later.
#include "app/skin.h"

#include <QApplication>
#include <QString>

#include "app/system_look.h"

namespace {

struct Palette {
  Rgb frame;
  Rgb faceTop, faceBottom;        // button face gradient, at rest
  Rgb hoverTop, hoverBottom;      // pointer over the button
  Rgb pressedTop, pressedBottom;  // button held down
  Rgb focusFrame;                 // frame of the button with the keyboard focus
};

// Scheme 1 blue, 2 green, 3 lavender grey.
const Palette kPalettes[3] = {
    {{123, 158, 189},
     {255, 255, 255},
     {214, 227, 240},
     {240, 246, 252},
     {190, 212, 234},
     {190, 212, 234},
     {236, 242, 250},
     {79, 121, 160}},
    {{164, 185, 127},
     {255, 255, 255},
     {226, 236, 208},
     {246, 250, 238},
     {206, 224, 176},
     {206, 224, 176},
     {244, 248, 236},
     {120, 146, 80}},
    {{198, 197, 215},
     {255, 255, 255},
     {228, 227, 238},
     {246, 246, 252},
     {210, 208, 230},
     {210, 208, 230},
     {244, 244, 250},
     {140, 138, 172}},
};

int currentScheme = 0;  // 0: no skin

QString css(Rgb c) {
  return QString("rgb(%1,%2,%3)").arg(c.red).arg(c.green).arg(c.blue);
}

QString gradient(Rgb top, Rgb bottom) {
  return QString("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
      .arg(css(top), css(bottom));
}

Rgb darkened(QColor c, int by) {
  auto down = [by](int v) { return static_cast<std::uint8_t>(std::max(0, v - by)); };
  return {down(c.red()), down(c.green()), down(c.blue())};
}

QString styleSheet(const Palette& p) {
  Rgb face{static_cast<std::uint8_t>(kButtonFace.red()),
           static_cast<std::uint8_t>(kButtonFace.green()),
           static_cast<std::uint8_t>(kButtonFace.blue())};
  Rgb disabledFrame = darkened(kButtonFace, 32);
  return QString(
             "QPushButton { border: 1px solid %1; border-radius: 2px; background: %2; "
             "color: black; padding: 0px; }\n"
             "QPushButton:hover { background: %3; }\n"
             "QPushButton:pressed { background: %4; }\n"
             "QPushButton:focus { border-color: %5; }\n"
             "QPushButton:disabled { border-color: %6; background: %7; color: gray; }\n"
             // The edit box's padding is its inner frame, in the window
             // background colour of an edit box.
             "QLineEdit { border: 1px solid %1; padding: 1px; }\n"
             "QLineEdit:disabled { border-color: %6; background: %7; }\n")
      .arg(css(p.frame), gradient(p.faceTop, p.faceBottom), gradient(p.hoverTop, p.hoverBottom),
           gradient(p.pressedTop, p.pressedBottom), css(p.focusFrame), css(disabledFrame),
           css(face));
}

}  // namespace

Rgb Skin_FrameColour(int scheme) {
  if (scheme < 1 || scheme > 3) return {};
  return kPalettes[scheme - 1].frame;
}

bool Skin_Apply(int scheme) {
  bool wasOn = currentScheme != 0;
  if (scheme >= 1 && scheme <= 3) {
    currentScheme = scheme;
    qApp->setStyleSheet(styleSheet(kPalettes[scheme - 1]));
    return true;
  }
  currentScheme = 0;
  qApp->setStyleSheet(QString());
  return wasOn;
}
