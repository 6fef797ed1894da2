#include "ToolIcons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <cmath>

namespace {

// Colours of the icon set.
const QColor kInk(0x33, 0x33, 0x33);
const QColor kPaper(0xfd, 0xfd, 0xfb);
const QColor kBlue(0x2f, 0x6f, 0xb3);
const QColor kOrange(0xe0, 0x8a, 0x1e);
const QColor kGreen(0x2f, 0x8f, 0x3a);
const QColor kRed(0xc8, 0x35, 0x2b);
const QColor kSand(0xe6, 0xc8, 0x7a);
const QColor kClay(0xa5, 0x76, 0x4a);
const QColor kRock(0x8c, 0x8c, 0x8c);
const QColor kWater(0x4a, 0x90, 0xd9);
const QColor kConcrete(0x9a, 0x9a, 0x9a);
const QColor kFolder(0xe8, 0xb8, 0x4a);

QPen Pen(const QColor& colour, double width = 1.2) {
  QPen pen(colour, width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

void Page(QPainter& p) {
  QPainterPath page;
  page.moveTo(5, 2.5);
  page.lineTo(15, 2.5);
  page.lineTo(19.5, 7);
  page.lineTo(19.5, 21.5);
  page.lineTo(5, 21.5);
  page.closeSubpath();
  p.setPen(Pen(kInk));
  p.setBrush(kPaper);
  p.drawPath(page);
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({{15, 2.5}, {15, 7}, {19.5, 7}}));
}

void TextLines(QPainter& p, double top, int count) {
  p.setPen(Pen(kRock, 1.2));
  for (int i = 0; i < count; ++i) p.drawLine(QPointF(8, top + 3 * i), QPointF(16.5, top + 3 * i));
}

void Magnifier(QPainter& p, QPointF centre, double radius) {
  p.setPen(Pen(kInk, 2.2));
  const QPointF handle = centre + QPointF(radius * 0.75, radius * 0.75);
  p.drawLine(handle, handle + QPointF(radius * 0.9, radius * 0.9));
  p.setPen(Pen(kInk, 1.4));
  p.setBrush(QColor(0xdd, 0xea, 0xf7));
  p.drawEllipse(centre, radius, radius);
  p.setBrush(Qt::NoBrush);
}

// Axes of a depth plot: the load axis along the top, depth growing downward.
void DepthAxes(QPainter& p) {
  p.setPen(Pen(kInk, 1.3));
  p.drawLine(QPointF(3, 3), QPointF(21, 3));
  p.drawLine(QPointF(3, 3), QPointF(3, 21));
}

// Axes of a curve plot: origin at the bottom left.
void CurveAxes(QPainter& p) {
  p.setPen(Pen(kInk, 1.3));
  p.drawLine(QPointF(3, 21), QPointF(21, 21));
  p.drawLine(QPointF(3, 21), QPointF(3, 3));
}

void ThreeCapacityCurves(QPainter& p) {
  DepthAxes(p);
  const QColor colours[] = {kRed, kGreen, kBlue};
  const double reach[] = {9, 5, 15};
  for (int c = 0; c < 3; ++c) {
    QPainterPath curve;
    curve.moveTo(3, 3);
    curve.cubicTo(3 + reach[c] * 0.2, 10, 3 + reach[c] * 0.7, 15, 3 + reach[c], 20);
    p.setPen(Pen(colours[c], 1.6));
    p.drawPath(curve);
  }
}

void Shield(QPainter& p, QRectF box) {
  QPainterPath shield;
  shield.moveTo(box.center().x(), box.top());
  shield.lineTo(box.right(), box.top() + box.height() * 0.2);
  shield.cubicTo(box.right(), box.top() + box.height() * 0.7, box.center().x() + box.width() * 0.2,
                 box.bottom() - box.height() * 0.1, box.center().x(), box.bottom());
  shield.cubicTo(box.center().x() - box.width() * 0.2, box.bottom() - box.height() * 0.1,
                 box.left(), box.top() + box.height() * 0.7, box.left(),
                 box.top() + box.height() * 0.2);
  shield.closeSubpath();
  p.setPen(Pen(kInk, 1.2));
  p.setBrush(kOrange);
  p.drawPath(shield);
  p.setBrush(Qt::NoBrush);
  p.setPen(Pen(Qt::white, 1.6));
  const double w = box.width();
  p.drawPolyline(QPolygonF({box.topLeft() + QPointF(w * 0.25, box.height() * 0.5),
                            box.topLeft() + QPointF(w * 0.45, box.height() * 0.7),
                            box.topLeft() + QPointF(w * 0.78, box.height() * 0.3)}));
}

void Draw(QPainter& p, TToolIcon icon) {
  switch (icon) {
    case TToolIcon::NewFile: {
      Page(p);
      p.setPen(Pen(kOrange, 2));
      p.drawLine(QPointF(12.25, 10.5), QPointF(12.25, 17.5));
      p.drawLine(QPointF(8.75, 14), QPointF(15.75, 14));
      break;
    }
    case TToolIcon::OpenFile: {
      p.setPen(Pen(kInk));
      p.setBrush(kFolder.darker(115));
      p.drawPolygon(QPolygonF({{2.5, 6}, {9, 6}, {11, 8}, {19.5, 8}, {19.5, 19.5}, {2.5, 19.5}}));
      p.setBrush(kFolder);
      p.drawPolygon(QPolygonF({{5, 11}, {22, 11}, {19.5, 19.5}, {2.5, 19.5}}));
      break;
    }
    case TToolIcon::SaveFile: {
      p.setPen(Pen(kInk));
      p.setBrush(kBlue);
      p.drawPolygon(QPolygonF({{3, 3}, {18, 3}, {21, 6}, {21, 21}, {3, 21}}));
      p.setBrush(kPaper);
      p.drawRect(QRectF(6.5, 3, 10, 6.5));
      p.setBrush(QColor(0xdd, 0xea, 0xf7));
      p.drawRect(QRectF(6, 13, 12, 8));
      p.setPen(Pen(kInk, 1.6));
      p.drawLine(QPointF(13.5, 4.5), QPointF(13.5, 8));
      break;
    }
    case TToolIcon::Title: {
      Page(p);
      p.setPen(Pen(kBlue, 2.2));
      p.drawLine(QPointF(8, 7.5), QPointF(15.5, 7.5));
      p.drawLine(QPointF(11.75, 7.5), QPointF(11.75, 13));
      TextLines(p, 16, 2);
      break;
    }
    case TToolIcon::DrilledShaft: {
      p.setPen(Qt::NoPen);
      p.setBrush(kSand);
      p.drawRect(QRectF(2, 6, 20, 16));
      p.setPen(Pen(QColor(0x5a, 0x8a, 0x2a), 1.6));
      p.drawLine(QPointF(2, 6), QPointF(22, 6));
      p.setPen(Pen(kInk));
      p.setBrush(kConcrete);
      p.drawPolygon(QPolygonF({{9.5, 3}, {14.5, 3}, {14.5, 15}, {18, 20.5}, {6, 20.5}, {9.5, 15}}));
      break;
    }
    case TToolIcon::SoilLayers: {
      const QColor bands[] = {kSand, kClay, kRock};
      p.setPen(Pen(kInk, 1));
      for (int i = 0; i < 3; ++i) {
        p.setBrush(bands[i]);
        p.drawRect(QRectF(2.5, 3 + 6 * i, 19, 6));
      }
      p.setPen(Pen(kInk, 0.9));
      for (double x = 5; x < 21; x += 4) p.drawPoint(QPointF(x, 6));
      break;
    }
    case TToolIcon::FactorOfSafety:
      Shield(p, QRectF(4, 2.5, 16, 19));
      break;
    case TToolIcon::Run: {
      p.setPen(Pen(kGreen.darker(130)));
      p.setBrush(kGreen);
      p.drawPolygon(QPolygonF({{6, 3}, {20, 12}, {6, 21}}));
      break;
    }
    case TToolIcon::ViewOutput: {
      Page(p);
      TextLines(p, 7, 4);
      Magnifier(p, QPointF(14.5, 15.5), 3.6);
      break;
    }
    case TToolIcon::Elevation: {
      p.setPen(Qt::NoPen);
      p.setBrush(kSand);
      p.drawRect(QRectF(2, 6, 20, 7));
      p.setBrush(kClay);
      p.drawRect(QRectF(2, 13, 20, 9));
      p.setPen(Pen(kInk));
      p.setBrush(kConcrete);
      p.drawRect(QRectF(10, 3, 4, 16));
      p.setPen(Pen(kWater, 1.2));
      p.setBrush(kWater);
      p.drawPolygon(QPolygonF({{3.5, 8}, {8, 8}, {5.75, 10.5}}));
      p.drawLine(QPointF(2.5, 11.5), QPointF(9, 11.5));
      break;
    }
    case TToolIcon::View3D: {
      p.setPen(Pen(kInk, 1));
      p.setBrush(kSand);
      p.drawPolygon(QPolygonF({{12, 3}, {21, 7.5}, {12, 12}, {3, 7.5}}));
      p.setBrush(kClay);
      p.drawPolygon(QPolygonF({{3, 7.5}, {12, 12}, {12, 21.5}, {3, 17}}));
      p.setBrush(kClay.darker(120));
      p.drawPolygon(QPolygonF({{21, 7.5}, {12, 12}, {12, 21.5}, {21, 17}}));
      p.setBrush(kConcrete);
      p.drawEllipse(QPointF(12, 7.5), 2.2, 1.1);
      break;
    }
    case TToolIcon::CombinedUltimate:
      ThreeCapacityCurves(p);
      break;
    case TToolIcon::CombinedDesign:
      ThreeCapacityCurves(p);
      Shield(p, QRectF(13, 12.5, 9, 10));
      break;
    case TToolIcon::LoadSettlement: {
      DepthAxes(p);
      QPainterPath curve;
      curve.moveTo(3, 3);
      curve.cubicTo(12, 5, 17, 8, 19, 20);
      p.setPen(Pen(kBlue, 1.8));
      p.drawPath(curve);
      break;
    }
    case TToolIcon::TzCurves: {
      CurveAxes(p);
      QPainterPath curve;
      curve.moveTo(3, 21);
      curve.cubicTo(5, 8, 8, 5, 11, 5);
      curve.cubicTo(14, 5, 16, 9, 21, 9);
      p.setPen(Pen(kGreen, 1.8));
      p.drawPath(curve);
      break;
    }
    case TToolIcon::QwCurves: {
      CurveAxes(p);
      QPainterPath curve;
      curve.moveTo(3, 21);
      curve.cubicTo(8, 12, 13, 7, 21, 5);
      p.setPen(Pen(kBlue, 1.8));
      p.drawPath(curve);
      p.setPen(Pen(kInk, 1));
      p.setBrush(kConcrete);
      p.drawRect(QRectF(15, 13, 4, 4));
      break;
    }
  }
}

// Paints its icon at whatever size is asked for.
class TPaintedIconEngine : public QIconEngine {
 public:
  explicit TPaintedIconEngine(TToolIcon icon) : fIcon(icon) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const QPixmap pm = Render(rect.size(), ratio, mode, state);
    painter->drawPixmap(rect, pm);
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Render(size, 1.0, mode, state);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return Render(size, scale, mode, state);
  }

  QIconEngine* clone() const override { return new TPaintedIconEngine(fIcon); }

 private:
  QPixmap Render(const QSize& size, qreal ratio, QIcon::Mode mode, QIcon::State) const {
    QPixmap pm(size * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    {
      QPainter p(&pm);
      p.setRenderHint(QPainter::Antialiasing);
      p.scale(size.width() / 24.0, size.height() / 24.0);
      Draw(p, fIcon);
    }
    if (mode == QIcon::Disabled) {
      QStyleOption option;
      option.palette = QApplication::palette();
      return QApplication::style()->generatedIconPixmap(QIcon::Disabled, pm, &option);
    }
    return pm;
  }

  TToolIcon fIcon;
};

}  // namespace

QIcon ToolIcon(TToolIcon icon) { return QIcon(new TPaintedIconEngine(icon)); }
