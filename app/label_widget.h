// A label as the layouts describe it: it fills its client area with its
// background colour and draws its caption as one line, vertically centred,
// with its alignment, clipped at its edges and never wrapped.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class LabelWidget : public QWidget {
  Q_OBJECT

 public:
  LabelWidget(QWidget* parent, Qt::Alignment horizontal, bool bordered, QColor text,
              QColor background);

  const QString& caption() const { return caption_; }
  void setCaption(const QString& caption);
  Qt::Alignment horizontalAlignment() const { return horizontal_; }
  bool bordered() const { return bordered_; }
  QColor textColour() const { return text_; }
  QColor backgroundColour() const { return background_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  Qt::Alignment horizontal_;
  bool bordered_;
  QColor text_;
  QColor background_;
};
