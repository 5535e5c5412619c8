#include "app/event_loop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace {

int liveWindows = 0;
QPointer<QEventLoop> mainLoop;

}  // namespace

QWidget* EventLoop_Owner() {
  // Never shown; it lives as long as the program's GUI layer.
  static QPointer<QWidget> owner;
  if (owner.isNull()) {
    owner = new QWidget(nullptr, Qt::Tool);
    owner->setObjectName("pellumar_owner");
    owner->setAttribute(Qt::WA_DontShowOnScreen);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, owner.data(), &QObject::deleteLater);
  }
  return owner.data();
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
