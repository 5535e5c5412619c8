#include "app/window_builder.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

#include <map>

#include "app/label_widget.h"
#include "app/picture_box.h"
#include "app/report_list.h"
#include "app/system_look.h"
#include "app/window_metrics.h"

namespace {

QColor textColourOf(const ControlSpec& spec) {
  return spec.textColour ? toQColor(*spec.textColour) : QColor(Qt::black);
}

QColor backgroundOf(const ControlSpec& spec, QColor fallback) {
  return spec.backgroundColour ? toQColor(*spec.backgroundColour) : fallback;
}

Qt::Alignment horizontalOf(Align align) {
  return align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft;
}

QWidget* makeLabel(const ControlSpec& spec, QWidget* parent) {
  auto* label = new LabelWidget(parent, horizontalOf(spec.align), spec.border == Border::Single,
                                textColourOf(spec), backgroundOf(spec, kButtonFace));
  label->setCaption(QString::fromUtf8(spec.startText ? spec.startText : ""));
  return label;
}

QWidget* makeEditBox(const ControlSpec& spec, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setText(QString::fromUtf8(spec.startText ? spec.startText : ""));
  edit->setAlignment(horizontalOf(spec.align) | Qt::AlignVCenter);
  edit->setFrame(spec.border != Border::None);
  edit->setMaxLength(std::numeric_limits<int>::max());
  QPalette colours = edit->palette();
  colours.setColor(QPalette::Text, textColourOf(spec));
  colours.setColor(QPalette::Base, backgroundOf(spec, Qt::white));
  // The selection is not shown while the box has no focus.
  colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Base));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText, colours.color(QPalette::Text));
  edit->setPalette(colours);
  edit->setCursorPosition(0);
  return edit;
}

QWidget* makePushButton(const ControlSpec& spec, QWidget* parent, const WindowBuilderHooks& hooks) {
  auto* button = new QPushButton(QString::fromUtf8(spec.startText ? spec.startText : ""), parent);
  button->setAutoDefault(false);
  button->setDefault(false);
  std::string name = spec.name;
  QObject::connect(button, &QPushButton::clicked, button, [hooks, name] {
    if (hooks.clicked) hooks.clicked(name);
  });
  return button;
}

QWidget* makeReportList(const ControlSpec& spec, const WindowSpec& window, QWidget* parent,
                        const WindowBuilderHooks& hooks) {
  auto* list = new ReportListView(parent, window.listColumns);
  list->setFrameShape(spec.border == Border::None ? QFrame::NoFrame : QFrame::Box);
  if (spec.border != Border::None) list->setLineWidth(1);
  std::string name = spec.name;
  list->setDoubleClickHandler([hooks, name] {
    if (hooks.doubleClicked) hooks.doubleClicked(name);
  });
  return list;
}

QWidget* makeTabControl(const ControlSpec& spec, QWidget* parent) {
  auto* tabs = new QTabWidget(parent);
  tabs->setTabPosition(QTabWidget::North);
  tabs->setUsesScrollButtons(false);
  auto* page = new QWidget;
  page->setAutoFillBackground(false);
  tabs->addTab(page, QString::fromUtf8(spec.startText ? spec.startText : ""));
  tabs->setCurrentIndex(0);
  return tabs;
}

QWidget* makeControl(const ControlSpec& spec, const WindowSpec& window, QWidget* parent,
                     const WindowBuilderHooks& hooks) {
  switch (spec.kind) {
    case ControlKind::Label:
      return makeLabel(spec, parent);
    case ControlKind::EditBox:
      return makeEditBox(spec, parent);
    case ControlKind::PushButton:
      return makePushButton(spec, parent, hooks);
    case ControlKind::ReportList:
      return makeReportList(spec, window, parent, hooks);
    case ControlKind::TabControl:
      return makeTabControl(spec, parent);
    case ControlKind::PictureBox:
      return new PictureBox(parent, spec.border == Border::Single);
  }
  return new QWidget(parent);
}

// The controls placed on a tab control lie above its strip and page.
void lowerTabControlInnards(QWidget* window) {
  for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
    for (QObject* child : tabs->children()) {
      if (auto* inner = qobject_cast<QStackedWidget*>(child)) inner->lower();
      if (auto* inner = qobject_cast<QTabBar*>(child)) inner->lower();
    }
  }
}

// A control may come before its parent in the layout (the detail window
// creates its tab control and picture box after the controls placed on
// them); such a control starts on the window and gets its parent here, once
// every control exists. The named parents' children are then restacked in
// layout order, each to the bottom of its siblings.
void adoptChildrenOfLaterParents(const WindowSpec& spec,
                                 const std::map<std::string, QWidget*>& byName) {
  for (const ControlSpec& control : spec.controls) {
    if (control.parent == nullptr) continue;
    auto parent = byName.find(control.parent);
    auto widget = byName.find(control.name);
    if (parent == byName.end() || widget == byName.end()) continue;
    if (widget->second->parentWidget() != parent->second) {
      widget->second->setParent(parent->second);
      widget->second->setGeometry(control.left, control.top, control.width, control.height);
    }
    widget->second->lower();
  }
}

void placeWindow(WindowWidget& window, const WindowSpec& spec) {
  QSize client = Metrics_ClientSize(spec.outerWidth, spec.outerHeight);
  QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry()
                                                  : QRect(0, 0, 1024, 768);
  QPoint frame = Metrics_CentredFrameOrigin(screen, spec.outerWidth, spec.outerHeight);
  window.setGeometry(QRect(Metrics_ClientOrigin(frame), client));
  window.setFixedSize(client);
}

}  // namespace

std::unique_ptr<WindowWidget> Window_Build(const WindowSpec& spec, QWidget* owner,
                                           const WindowBuilderHooks& hooks) {
  auto window = std::make_unique<WindowWidget>(owner);
  window->setWindowTitle(QString::fromUtf8(spec.title));
  window->setFont(Font_FromSpec(kDefaultGuiFont));
  placeWindow(*window, spec);

  std::map<std::string, QWidget*> byName;
  for (const ControlSpec& control : spec.controls) {
    QWidget* parent = window.get();
    if (control.parent != nullptr) {
      auto found = byName.find(control.parent);
      if (found != byName.end()) parent = found->second;
    }
    QWidget* widget = makeControl(control, spec, parent, hooks);
    widget->setObjectName(QString::fromUtf8(control.name));
    widget->setFont(Font_FromSpec(control.font));
    widget->setGeometry(control.left, control.top, control.width, control.height);
    widget->lower();
    byName.emplace(control.name, widget);
  }
  adoptChildrenOfLaterParents(spec, byName);
  lowerTabControlInnards(window.get());
  return window;
}
