// The program's event loop and the count of its live windows. The loop ends
// when the last window of the program has been destroyed, whichever it was
// and whether or not the others were visible.
#pragma once

// The invisible window that owns every window opened in dialog mode.
class QWidget;
QWidget* EventLoop_Owner();
// Destroys the owner, before the GUI layer itself goes.
void EventLoop_ReleaseOwner();

// Serves events until no window of the program exists (returns at once when
// none exists), then lets the destroyed windows go.
void EventLoop_Run();

int EventLoop_LiveWindows();
void EventLoop_WindowCreated();
void EventLoop_WindowDestroyed();
