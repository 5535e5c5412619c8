// The top-level window of a WindowDef: a fixed-size dialog-frame window on
// the button-face colour that Esc closes. Closing only tells the toolkit
// (onClosed); the toolkit decides when the window is destroyed.
#pragma once

#include <QWidget>

#include <functional>

class WindowWidget : public QWidget {
  Q_OBJECT

 public:
  explicit WindowWidget(QWidget* owner);

  void setOnClosed(std::function<void()> onClosed) { onClosed_ = std::move(onClosed); }
  bool closed() const { return closed_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::function<void()> onClosed_;
  bool closed_ = false;
};
