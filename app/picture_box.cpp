#include "app/picture_box.h"

#include <QPainter>

#include "app/system_look.h"

namespace {

// Browsers show frames with delays under 20 ms at 100 ms; so do we.
constexpr int kShortestDelayMs = 20;
constexpr int kDelayForShortOnesMs = 100;

}  // namespace

PictureBox::PictureBox(QWidget* parent, bool bordered) : QWidget(parent), bordered_(bordered) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &PictureBox::advance);
}

void PictureBox::setFrames(std::vector<PictureBoxFrame> frames, int loopCount) {
  timer_.stop();
  frames_ = std::move(frames);
  current_ = 0;
  loopsLeft_ = loopCount;
  scheduleNext();
  update();
}

void PictureBox::clearPicture() {
  setFrames({}, 0);
}

QRect PictureBox::pictureRect() const {
  return bordered_ ? rect().adjusted(1, 1, -1, -1) : rect();
}

void PictureBox::scheduleNext() {
  if (frames_.size() < 2) return;
  int delay = frames_[static_cast<std::size_t>(current_)].delayMs;
  timer_.start(delay < kShortestDelayMs ? kDelayForShortOnesMs : delay);
}

void PictureBox::advance() {
  int next = current_ + 1;
  if (next >= frameCount()) {
    if (loopsLeft_ == 0) return;  // the animation has run its course; the last frame stays
    if (loopsLeft_ > 0) --loopsLeft_;
    next = 0;
  }
  current_ = next;
  update();
  scheduleNext();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kButtonFace);
  if (!frames_.empty()) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pictureRect(), frames_[static_cast<std::size_t>(current_)].image);
  }
  if (bordered_) {
    painter.setPen(kSingleBorder);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}
