// The busy cursor shown while a handler runs. Handlers may nest (a modal
// window's handlers run inside the handler that opened it), so the override
// cursors are counted; a modal window lifts them all while it waits for the
// user and puts them back when it returns.
#pragma once

class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

class BusyCursorSuspension {
 public:
  BusyCursorSuspension();
  ~BusyCursorSuspension();
  BusyCursorSuspension(const BusyCursorSuspension&) = delete;
  BusyCursorSuspension& operator=(const BusyCursorSuspension&) = delete;

 private:
  int lifted_ = 0;
};

// How many busy cursors are in force now.
int BusyCursor_Depth();
