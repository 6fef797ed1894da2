#pragma once
// The explanatory picture of the drilled-shaft properties: a belled shaft below the ground
// with the quantities the fields ask for (B, Bb, Ang, Lue, Lle).
#include <QWidget>

class TBelledShaftPicture : public QWidget {
 public:
  explicit TBelledShaftPicture(QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
