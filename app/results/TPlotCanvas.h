#pragma once
// The client area of a plot window: paints the plot as the window's state says, with the
// rubber band of a zoom drawn over it by inverting pixels, and hands the mouse and the size
// to the window. The plot is drawn once into a picture and the picture is repainted until
// something changes, so the read-out and the rubber band cost no redraw of the plot.
#include <QImage>
#include <QWidget>

class TPlotForm;

class TPlotCanvas : public QWidget {
  Q_OBJECT

 public:
  explicit TPlotCanvas(TPlotForm& form, QWidget* parent);

  // The plot changed: draw it again at the next paint.
  void Invalidate();
  // The picture of the plot as the window shows it now (without the rubber band).
  const QImage& Picture();
  // A graph of 7 by 5 inches: the size a restored or cascaded window takes.
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Render();

  TPlotForm& fForm;
  QImage fPicture;
  bool fDirty = true;
};
