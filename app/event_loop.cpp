#include "app/event_loop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace {

int liveWindows = 0;
QPointer<QEventLoop> mainLoop;
QPointer<QWidget> owner;  // never shown; made on first use

}  // namespace

QWidget* EventLoop_Owner() {
  if (owner.isNull()) {
    owner = new QWidget(nullptr, Qt::Tool);
    owner->setObjectName("pellumar_owner");
    owner->setAttribute(Qt::WA_DontShowOnScreen);
  }
  return owner.data();
}

void EventLoop_ReleaseOwner() {
  delete owner.data();
}

void EventLoop_Run() {
  if (liveWindows > 0) {
    QEventLoop loop;
    mainLoop = &loop;
    loop.exec();
    mainLoop = nullptr;
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int EventLoop_LiveWindows() {
  return liveWindows;
}

void EventLoop_WindowCreated() {
  ++liveWindows;
}

void EventLoop_WindowDestroyed() {
  if (liveWindows > 0) --liveWindows;
  if (liveWindows == 0 && mainLoop) mainLoop->quit();
}
