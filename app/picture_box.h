// A picture box: a button-face background, the picture stretched over the
// whole client area whatever its proportions, and the frames of an animation
// played in turn by a timer on the GUI thread.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <vector>

struct PictureBoxFrame {
  QImage image;
  int delayMs = 0;
};

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  PictureBox(QWidget* parent, bool bordered);

  // Shows the frames (one frame: a still picture); loopCount: -1 forever,
  // otherwise the number of extra runs through the frames after the first.
  void setFrames(std::vector<PictureBoxFrame> frames, int loopCount);
  void clearPicture();
  bool hasPicture() const { return !frames_.empty(); }
  int frameCount() const { return static_cast<int>(frames_.size()); }
  int currentFrame() const { return current_; }
  // The area the picture is stretched over: the client area inside the border.
  QRect pictureRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void advance();
  void scheduleNext();

  bool bordered_;
  std::vector<PictureBoxFrame> frames_;
  int current_ = 0;
  int loopsLeft_ = 0;
  QTimer timer_;
};
