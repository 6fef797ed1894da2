#include "TBelledShaftPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

// The drawing is laid out in a frame of these many font heights, and scaled to the widget.
constexpr qreal kFrameWidth = 16;
constexpr qreal kFrameHeight = 24;

void Arrow(QPainter& p, QPointF from, QPointF to, qreal head) {
  p.drawLine(from, to);
  const QLineF line(to, from);
  for (qreal turn : {-25.0, 25.0}) {
    QLineF wing = QLineF::fromPolar(head, line.angle() + turn);
    wing.translate(to);
    p.drawLine(wing);
  }
}

void DimensionArrows(QPainter& p, QPointF a, QPointF b, qreal head) {
  const QPointF mid = (a + b) / 2;
  Arrow(p, mid, a, head);
  Arrow(p, mid, b, head);
}

}  // namespace

TBelledShaftPicture::TBelledShaftPicture(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

QSize TBelledShaftPicture::sizeHint() const {
  const int h = fontMetrics().height();
  return QSize(int(kFrameWidth * h), int(kFrameHeight * h));
}

QSize TBelledShaftPicture::minimumSizeHint() const {
  const int h = fontMetrics().height();
  return QSize(int(kFrameWidth * h * 0.7), int(kFrameHeight * h * 0.7));
}

void TBelledShaftPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), palette().base());

  // Units of one font height in the frame, scaled uniformly into the widget.
  const qreal u = std::min(width() / kFrameWidth, height() / kFrameHeight);
  p.translate((width() - kFrameWidth * u) / 2, (height() - kFrameHeight * u) / 2);
  QFont font = this->font();
  font.setPixelSize(std::max(9, int(u * 0.75)));
  p.setFont(font);
  const QColor ink = palette().color(QPalette::Text);
  const qreal head = u * 0.4;

  const qreal ground = 2 * u;
  const qreal cx = 8 * u;
  const qreal halfB = 1.5 * u;    // stem radius
  const qreal halfBb = 4 * u;     // bell radius
  const qreal bellTop = 15 * u;   // where the bell begins to widen
  const qreal bellBase = 19 * u;  // the bell's slope ends here
  const qreal base = 20 * u;      // the base of the shaft

  // Ground and soil.
  p.setPen(QPen(ink, u * 0.12));
  p.drawLine(QPointF(0.5 * u, ground), QPointF(15.5 * u, ground));
  p.setPen(QPen(ink, u * 0.06));
  for (qreal x = 0.8 * u; x < 15.5 * u; x += 0.8 * u)
    p.drawLine(QPointF(x, ground), QPointF(x - 0.4 * u, ground + 0.4 * u));

  // The shaft: stem, bell, base.
  QPainterPath shaft;
  shaft.moveTo(cx - halfB, ground);
  shaft.lineTo(cx - halfB, bellTop);
  shaft.lineTo(cx - halfBb, bellBase);
  shaft.lineTo(cx - halfBb, base);
  shaft.lineTo(cx + halfBb, base);
  shaft.lineTo(cx + halfBb, bellBase);
  shaft.lineTo(cx + halfB, bellTop);
  shaft.lineTo(cx + halfB, ground);
  shaft.closeSubpath();
  p.setPen(QPen(ink, u * 0.12));
  p.setBrush(QColor(200, 200, 200));
  p.drawPath(shaft);

  // Zones without side friction: the upper exclusion zone and the bottom portion.
  const qreal lue = ground + 3 * u;
  const qreal lle = bellTop - 3 * u;
  p.setBrush(QBrush(QColor(120, 120, 120), Qt::BDiagPattern));
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(cx - halfB, ground, 2 * halfB, lue - ground));
  p.drawRect(QRectF(cx - halfB, lle, 2 * halfB, bellTop - lle));
  p.setBrush(Qt::NoBrush);

  p.setPen(QPen(ink, u * 0.06));
  const QFontMetricsF fm(font);
  auto text = [&](QPointF at, const QString& s) { p.drawText(at, s); };

  // B across the stem.
  const qreal bY = 8 * u;
  DimensionArrows(p, QPointF(cx - halfB, bY), QPointF(cx + halfB, bY), head);
  text(QPointF(cx - fm.horizontalAdvance(QStringLiteral("B")) / 2, bY - 0.3 * u),
       QStringLiteral("B"));

  // Bb across the base.
  const qreal bbY = base + 1.2 * u;
  p.drawLine(QPointF(cx - halfBb, base + 0.2 * u), QPointF(cx - halfBb, bbY + 0.4 * u));
  p.drawLine(QPointF(cx + halfBb, base + 0.2 * u), QPointF(cx + halfBb, bbY + 0.4 * u));
  DimensionArrows(p, QPointF(cx - halfBb, bbY), QPointF(cx + halfBb, bbY), head);
  text(QPointF(cx - fm.horizontalAdvance(QStringLiteral("Bb")) / 2, bbY + 1.3 * u),
       QStringLiteral("Bb"));

  // Ang: the bell's slope against the vertical.
  const QPointF pivot(cx + halfB, bellTop);
  p.setPen(QPen(ink, u * 0.05, Qt::DashLine));
  p.drawLine(pivot, QPointF(cx + halfB, bellBase));
  p.setPen(QPen(ink, u * 0.06));
  const qreal radius = 2.2 * u;
  const qreal slope = qRadiansToDegrees(qAtan2(halfBb - halfB, bellBase - bellTop));
  p.drawArc(QRectF(pivot.x() - radius, pivot.y() - radius, 2 * radius, 2 * radius), -90 * 16,
            int(slope * 16));
  // The label sits left of the vertical, clear of the bell's slope.
  text(QPointF(pivot.x() - fm.horizontalAdvance(QStringLiteral("Ang")) - 0.3 * u,
               pivot.y() + radius),
       QStringLiteral("Ang"));

  // Lue and Lle at the left of the stem.
  const qreal dimX = cx - halfB - 1.2 * u;
  for (auto [top, bottom, name] : {std::tuple{ground, lue, QStringLiteral("Lue")},
                                   std::tuple{lle, bellTop, QStringLiteral("Lle")}}) {
    p.drawLine(QPointF(dimX - 0.4 * u, top), QPointF(cx - halfB, top));
    p.drawLine(QPointF(dimX - 0.4 * u, bottom), QPointF(cx - halfB, bottom));
    DimensionArrows(p, QPointF(dimX, top), QPointF(dimX, bottom), head);
    text(QPointF(dimX - fm.horizontalAdvance(name) - 0.5 * u, (top + bottom) / 2 + fm.ascent() / 2),
         name);
  }
}
