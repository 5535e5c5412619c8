#include "app/label_widget.h"

#include <QPainter>

#include "app/system_look.h"

LabelWidget::LabelWidget(QWidget* parent, Qt::Alignment horizontal, bool bordered, QColor text,
                         QColor background)
    : QWidget(parent),
      horizontal_(horizontal),
      bordered_(bordered),
      text_(text),
      background_(background) {
  setFocusPolicy(Qt::NoFocus);
}

void LabelWidget::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void LabelWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), background_);
  QRect inner = rect();
  if (bordered_) {
    painter.setPen(kSingleBorder);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    inner = rect().adjusted(1, 1, -1, -1);
  }
  painter.setClipRect(inner);
  painter.setFont(font());
  painter.setPen(text_);
  // A caption with line breaks still draws as one line.
  painter.drawText(inner, int(horizontal_ | Qt::AlignVCenter | Qt::TextSingleLine), caption_);
}
