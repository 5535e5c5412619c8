#include "app/window_widget.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "app/system_look.h"

WindowWidget::WindowWidget(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kButtonFace);
  setPalette(colours);
  setAutoFillBackground(true);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  event->accept();
  if (closed_) return;
  closed_ = true;
  if (onClosed_) onClosed_();
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
  // A dialog frame: Esc closes the window. Enter presses nothing, as the
  // window has no default button.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}
