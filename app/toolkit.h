// Windows and controls of the tool over Qt 6 Widgets.
//
// A WindowDef is one window of the system: its layout (app/layout.h), the
// handlers bound to its events and, while it exists, the live Qt window.
// A Control is a handle to one live control; it watches the widget through a
// QPointer, so a destroyed control is a null handle and every operation on it
// does nothing or returns the empty value. No operation reports an error.
//
// Every bound handler runs under the busy cursor, restored while a modal
// window waits for the user (app/busy_cursor.h).
#pragma once

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "app/layout.h"
#include "text/text.h"

enum class WindowEvent { Created, Destroying };
enum class ControlEvent { Clicked, DoubleClicked };

class Control {
 public:
  Control() = default;
  Control(QWidget* widget, ControlKind kind) : widget_(widget), kind_(kind) {}

  QWidget* widget() const { return widget_.data(); }
  ControlKind kind() const { return kind_; }
  explicit operator bool() const { return !widget_.isNull(); }

 private:
  QPointer<QWidget> widget_;
  ControlKind kind_ = ControlKind::Label;
};

class WindowDef {
 public:
  explicit WindowDef(const WindowSpec& spec) : spec_(&spec) {}
  WindowDef(const WindowDef&) = delete;
  WindowDef& operator=(const WindowDef&) = delete;

  void bind(WindowEvent event, std::function<void()> handler);
  void bind(const char* controlName, ControlEvent event, std::function<void()> handler);
  // Removes every binding (tests rebind the same global windows).
  void unbindAll();

  // Null Control when the window does not exist or has no such control.
  Control control(const char* layoutName) const;
  // nullptr when the window does not exist.
  QWidget* widget() const { return window_.data(); }
  const WindowSpec& spec() const { return *spec_; }

  // Toolkit internals: the window's life and the dispatch of its events.
  void attach(QWidget* window) { window_ = window; }
  QWidget* detach();
  void fire(WindowEvent event) const;
  void fire(const std::string& controlName, ControlEvent event) const;

 private:
  const WindowSpec* spec_;
  QPointer<QWidget> window_;
  std::map<WindowEvent, std::function<void()>> windowHandlers_;
  std::map<std::pair<std::string, ControlEvent>, std::function<void()>> controlHandlers_;
};

// Creates the window from its layout, runs its created handler, shows it and
// returns at once. A window that already exists is only shown.
void Window_Open(WindowDef& window);
// Creates the window owned by the program's hidden owner window, runs its
// created handler, disables every other parentless top-level window, shows
// it and serves events until it is closed; then restores the disabled
// windows, runs the destroying handler, destroys the window and returns.
void Window_OpenModal(WindowDef& window);

// A label's caption or an edit box's content (a button's caption too).
Text Control_GetText(Control c);
void Control_SetText(Control c, const Text& t);
void Control_SetVisible(Control c, bool visible);
void Control_SetVisible(WindowDef& w, bool visible);
// Decodes bytes as a picture file and shows it in a picture box; bytes that
// cannot be decoded leave the box without a picture.
void Control_SetPicture(Control pictureBox, const ByteSet& bytes);

// Report lists; lines and columns count from 0.
void List_Clear(Control list);
// Adds an empty line after the last one; its index, or -1.
std::int64_t List_AppendLine(Control list);
void List_SetCell(Control list, std::int64_t line, std::int64_t column, const Text& t);
// The empty Text for a line or column that does not exist.
Text List_GetCell(Control list, std::int64_t line, std::int64_t column);
// The first selected line, -1 when none is selected.
std::int64_t List_Selection(Control list);
