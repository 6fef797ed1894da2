#pragma once
// The legend list of a plot window: one row per legend entry in the entry's palette colour,
// starred while its line is drawn. A double-click on a row shows or hides the row's line;
// pressing a button on the list and moving drags the box, kept inside the window.
#include <QWidget>

class TPlotForm;

class TPlotLegendList : public QWidget {
  Q_OBJECT

 public:
  TPlotLegendList(TPlotForm& form, QWidget* parent);

  // The row at a point of the list, -1 on none.
  int RowAt(QPoint point) const;
  bool Dragging() const { return fDragLegend; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  TPlotForm& fForm;
  bool fDragLegend = false;
  QPoint fDragPoint;  // grab point inside the box
};
