// Geometry of a top-level window with a fixed dialog frame.
//
// The layouts give each window's outer size, frame included, as a Windows
// fixed dialog frame would have it. Qt places and sizes the client area, and
// some platforms (offscreen among them) report no frame at all, so the client
// area is derived here from the classic metrics:
//   fixed frame  SM_CXFIXEDFRAME = SM_CYFIXEDFRAME = 3 px on every side,
//   caption      SM_CYCAPTION = 19 px above the client area.
// SearchWindow 377 x 439 outer -> 371 x 414 client; DetailWindow 483 x 438
// outer -> 477 x 413 client. The window is centred by its outer frame on the
// whole primary screen (not the work area): left = (screen width - outer
// width) / 2, top likewise, cut toward zero; the client's top-left then lies
// 3 px to the right and 22 px lower.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

inline constexpr int kFixedFrame = 3;
inline constexpr int kCaptionHeight = 19;

inline QSize Metrics_ClientSize(int outerWidth, int outerHeight) {
  return {outerWidth - 2 * kFixedFrame, outerHeight - 2 * kFixedFrame - kCaptionHeight};
}

// The outer frame's top-left when centred on a screen of the given geometry.
inline QPoint Metrics_CentredFrameOrigin(const QRect& screen, int outerWidth, int outerHeight) {
  // C++ division cuts toward zero, as the rule asks, also for a small screen.
  return {screen.left() + (screen.width() - outerWidth) / 2,
          screen.top() + (screen.height() - outerHeight) / 2};
}

inline QPoint Metrics_ClientOrigin(QPoint frameOrigin) {
  return frameOrigin + QPoint(kFixedFrame, kFixedFrame + kCaptionHeight);
}
