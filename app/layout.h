// Window layouts as data: one constant row per control, in creation order,
// built by one generic builder (app/window_builder.h). Names and texts are
// UTF-8 source literals; they reach the widgets as QString, never as Text.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

enum class ControlKind { Label, EditBox, PushButton, ReportList, TabControl, PictureBox };
enum class Border { None, Single, Own };  // Own: the control's own frame (button, tab control)
enum class Align { Left, Center };

struct Rgb {
  std::uint8_t red, green, blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A font as the layout tables give it. face nullptr: no face name; height is
// the LOGFONT height (-h asks for characters h pixels high); defaultGuiFont
// selects the system's default GUI font and ignores the other fields.
struct FontSpec {
  bool defaultGuiFont = true;
  const char* face = nullptr;
  int height = 0;
  bool bold = false;
};

inline constexpr FontSpec kDefaultGuiFont{};

struct ControlSpec {
  const char* name;  // layout name, also the widget's objectName
  ControlKind kind;
  const char* parent;            // layout name of the parent control; nullptr: the window
  int left, top, width, height;  // in the parent's client area
  const char* startText;         // caption, content, or the tab control's one page title
  Border border;
  FontSpec font;
  Align align;
  std::optional<Rgb> textColour;        // nullopt: black, or the system colour for buttons
  std::optional<Rgb> backgroundColour;  // nullopt: the button-face colour (white for edit/list)
};

struct ListColumnSpec {
  const char* title;  // nullptr: no title
  int width;
  Align align;
};

struct WindowSpec {
  const char* title;
  int outerWidth, outerHeight;
  std::span<const ControlSpec> controls;        // creation order
  std::span<const ListColumnSpec> listColumns;  // of the window's report list, if any
};
