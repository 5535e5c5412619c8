// WindowDef, Window_Open and Window_OpenModal.
#include <QApplication>
#include <QEventLoop>

#include <vector>

#include "app/busy_cursor.h"
#include "app/event_loop.h"
#include "app/toolkit.h"
#include "app/window_builder.h"

void WindowDef::bind(WindowEvent event, std::function<void()> handler) {
  windowHandlers_[event] = std::move(handler);
}

void WindowDef::bind(const char* controlName, ControlEvent event, std::function<void()> handler) {
  controlHandlers_[{controlName, event}] = std::move(handler);
}

void WindowDef::unbindAll() {
  windowHandlers_.clear();
  controlHandlers_.clear();
}

Control WindowDef::control(const char* layoutName) const {
  if (window_.isNull() || layoutName == nullptr) return {};
  for (const ControlSpec& spec : spec_->controls) {
    if (std::string_view(spec.name) != layoutName) continue;
    auto* widget = window_->findChild<QWidget*>(QString::fromUtf8(layoutName));
    return widget != nullptr ? Control(widget, spec.kind) : Control();
  }
  return {};
}

QWidget* WindowDef::detach() {
  QWidget* window = window_.data();
  window_ = nullptr;
  return window;
}

void WindowDef::fire(WindowEvent event) const {
  auto found = windowHandlers_.find(event);
  if (found == windowHandlers_.end() || !found->second) return;
  std::function<void()> handler = found->second;  // the handler may rebind
  BusyCursor busy;
  handler();
}

void WindowDef::fire(const std::string& controlName, ControlEvent event) const {
  auto found = controlHandlers_.find({controlName, event});
  if (found == controlHandlers_.end() || !found->second) return;
  std::function<void()> handler = found->second;
  BusyCursor busy;
  handler();
}

namespace {

std::unique_ptr<WindowWidget> create(WindowDef& window, QWidget* owner) {
  WindowBuilderHooks hooks;
  hooks.clicked = [&window](const std::string& name) { window.fire(name, ControlEvent::Clicked); };
  hooks.doubleClicked = [&window](const std::string& name) {
    window.fire(name, ControlEvent::DoubleClicked);
  };
  auto widget = Window_Build(window.spec(), owner, hooks);
  window.attach(widget.get());
  EventLoop_WindowCreated();
  return widget;
}

void destroy(WindowDef& window, QWidget* widget, bool now) {
  window.fire(WindowEvent::Destroying);
  window.detach();
  if (now) {
    delete widget;
  } else {
    widget->deleteLater();
  }
  EventLoop_WindowDestroyed();
}

struct DisabledWindow {
  QPointer<QWidget> widget;
  bool wasEnabled;
};

std::vector<DisabledWindow> disableOthers(QWidget* except) {
  std::vector<DisabledWindow> disabled;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    // The owner is skipped: disabling it would disable the window it owns.
    if (top == except || top->parentWidget() != nullptr || top == EventLoop_Owner()) continue;
    disabled.push_back({top, top->isEnabled()});
    top->setEnabled(false);
  }
  return disabled;
}

void restore(const std::vector<DisabledWindow>& disabled) {
  for (const DisabledWindow& entry : disabled) {
    if (entry.widget) entry.widget->setEnabled(entry.wasEnabled);
  }
}

}  // namespace

void Window_Open(WindowDef& window) {
  if (QWidget* existing = window.widget()) {
    existing->show();
    return;
  }
  WindowWidget* widget = create(window, nullptr).release();
  widget->setOnClosed([&window, widget] { destroy(window, widget, false); });
  window.fire(WindowEvent::Created);
  if (window.widget() == widget) widget->show();
}

void Window_OpenModal(WindowDef& window) {
  if (window.widget() != nullptr) return;  // already open: its opening call is still waiting
  std::unique_ptr<WindowWidget> widget = create(window, EventLoop_Owner());
  QEventLoop inner;
  widget->setOnClosed([&inner] { inner.quit(); });
  window.fire(WindowEvent::Created);
  std::vector<DisabledWindow> disabled = disableOthers(widget.get());
  if (!widget->closed()) {
    BusyCursorSuspension userReads;
    widget->show();
    inner.exec();
  }
  widget->hide();
  restore(disabled);
  destroy(window, widget.release(), true);
}
