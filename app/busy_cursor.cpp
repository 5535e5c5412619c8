#include "app/busy_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

int depth = 0;  // override cursors this layer has pushed and not popped

void push() {
  QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  ++depth;
}

void pop() {
  QGuiApplication::restoreOverrideCursor();
  --depth;
}

}  // namespace

BusyCursor::BusyCursor() {
  push();
}
BusyCursor::~BusyCursor() {
  if (depth > 0) pop();
}

BusyCursorSuspension::BusyCursorSuspension() {
  while (depth > 0) {
    pop();
    ++lifted_;
  }
}

BusyCursorSuspension::~BusyCursorSuspension() {
  for (int i = 0; i < lifted_; ++i) push();
}

int BusyCursor_Depth() {
  return depth;
}
