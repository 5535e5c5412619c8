// Control_SetPicture: the picture box shows what the picture decoder makes
// of the bytes, or no picture at all.
#include "app/picture/picture_decoder.h"
#include "app/picture_box.h"
#include "app/toolkit.h"

void Control_SetPicture(Control pictureBox, const ByteSet& bytes) {
  auto* box = qobject_cast<PictureBox*>(pictureBox.widget());
  if (box == nullptr) return;
  DecodedPicture picture = Picture_Decode(bytes.view());
  if (picture.status != DecodeStatus::Ok || picture.frames.empty()) {
    box->clearPicture();
    return;
  }
  std::vector<PictureBoxFrame> frames;
  frames.reserve(picture.frames.size());
  for (PictureFrame& frame : picture.frames) {
    frames.push_back({std::move(frame.image), frame.delayMs});
  }
  box->setFrames(std::move(frames), picture.loopCount);
}
