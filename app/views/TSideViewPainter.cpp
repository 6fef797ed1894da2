#include "TSideViewPainter.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <vector>

#include "TSoilBandStyle.h"

namespace {

// Resolution of the screen the program was laid out for, and the pitch of the hatch
// patterns there in pixels; on paper the hatch has the same size on the page.
constexpr qreal kScreenDpi = 96;
constexpr qreal kHatchPitch = 8;

int R(long double value) { return RoundHalfEven(value); }

// A font for `device`: the window's font at its point size.
QFont FontAtPointSize(QFont font) {
  if (font.pointSizeF() <= 0 && font.pixelSize() > 0)
    font.setPointSizeF(font.pixelSize() * 72.0 / kScreenDpi);
  return font;
}

// The hatch of a band on paper, drawn as lines: a printer's own pattern cells are a few
// printer pixels wide, which on paper is a grey tone rather than a hatch. `pitch` is the
// distance of the lines in device pixels.
void DrawHatchLines(QPainter& painter, const QRect& band, Qt::BrushStyle style,
                    const QColor& color, qreal pitch) {
  if (band.isEmpty() || pitch <= 0) return;
  painter.save();
  painter.setClipRect(band);
  painter.setPen(QPen(color, std::max<qreal>(1, pitch / 8)));
  const bool vertical = style == Qt::VerPattern || style == Qt::CrossPattern;
  const bool horizontal = style == Qt::HorPattern || style == Qt::CrossPattern;
  const bool rising = style == Qt::BDiagPattern || style == Qt::DiagCrossPattern;
  const bool falling = style == Qt::FDiagPattern || style == Qt::DiagCrossPattern;
  // Lines on multiples of the pitch, so that neighbouring bands line up.
  const auto first = [pitch](qreal from) { return std::floor(from / pitch) * pitch; };
  const qreal l = band.left(), r = band.right() + 1, t = band.top(), b = band.bottom() + 1;
  if (vertical)
    for (qreal x = first(l); x <= r; x += pitch) painter.drawLine(QPointF(x, t), QPointF(x, b));
  if (horizontal)
    for (qreal y = first(t); y <= b; y += pitch) painter.drawLine(QPointF(l, y), QPointF(r, y));
  const qreal height = b - t;
  if (rising)  // x + y constant: up to the right
    for (qreal c = first(l + t); c <= r + b; c += pitch)
      painter.drawLine(QPointF(c - t, t), QPointF(c - t - height, b));
  if (falling)  // x - y constant: down to the right
    for (qreal c = first(l - b); c <= r - t; c += pitch)
      painter.drawLine(QPointF(c + t, t), QPointF(c + t + height, b));
  painter.restore();
}

// Share of the face colour in a label's patch where the label crosses the shaft: the text
// stays readable and the shaft's colours still show through.
constexpr qreal kPatchOverShaft = 0.6;

// A layer label: its text and the top left of its box.
struct TLabel {
  QString text;
  QPoint topLeft;
};

// The shaft's four parts drawn through `map` (world point to device pixel); gives the area
// they cover.
template <typename Map>
QRegion DrawShaft(QPainter& painter, const TSideViewGeometry& g, Map map) {
  QRegion covered;
  for (std::size_t part = 0; part < g.ShaftSegments().size(); ++part) {
    const TShaftQuad& q = g.ShaftSegments()[part];
    const QPolygon polygon({map(q.TopLeft), map(q.TopRight), map(q.BottomRight), map(q.BottomLeft)});
    painter.setBrush(QBrush(TSideViewPainter::PartColor(int(part)), Qt::SolidPattern));
    painter.drawPolygon(polygon);
    covered += QRegion(polygon);
  }
  return covered;
}

// The labels, written last so that neither the shaft nor a neighbouring band hides them,
// each on a patch of the face colour; where a patch lies over the shaft it lets the shaft's
// colours through.
void DrawLabels(QPainter& painter, const std::vector<TLabel>& labels, const QFontMetrics& metrics,
                const QColor& face, const QRegion& shaft) {
  QColor veil = face;
  veil.setAlphaF(kPatchOverShaft);
  for (const TLabel& label : labels) {
    const QRect box(label.topLeft, QSize(metrics.horizontalAdvance(label.text), metrics.height()));
    const QRegion overShaft = shaft.intersected(box);
    painter.save();
    painter.setClipRegion(QRegion(box).subtracted(overShaft));
    painter.fillRect(box, face);
    painter.setClipRegion(overShaft);
    painter.fillRect(box, veil);
    painter.restore();
    painter.drawText(label.topLeft.x(), label.topLeft.y() + metrics.ascent(), label.text);
  }
}

}  // namespace

QColor TSideViewPainter::PartColor(int part) {
  switch (part) {
    case kShaftTopZone:
      return QColor(255, 0, 0);
    case kShaftBottomZone:
      return QColor(0, 0, 255);
    default:  // middle part and bell
      return QColor(128, 128, 128);
  }
}

QBrush TSideViewPainter::BandBrush(int soilType) const {
  if (OmitHatches) return Qt::NoBrush;
  const TSoilBandStyle style = SoilBandStyle(soilType);
  return QBrush(style.Color, style.Hatch);
}

void TSideViewPainter::PaintWindow(QPainter& painter, int W, int H) const {
  if (fGeometry.NoDraw()) return;
  const TSideViewGeometry& g = fGeometry;
  painter.save();
  painter.fillRect(0, 0, W, H, FaceColor);
  painter.setFont(Font);
  const QFontMetrics metrics(Font, painter.device());
  const QPen black(Qt::black, 0);
  std::vector<TLabel> labels;

  for (std::size_t i = 0; i < fProfile.Layers.size(); ++i) {
    const TSoilLayerRow& layer = fProfile.Layers[i];
    const long double top = fProfile.LayerTop(i);
    const int yb = g.ScreenY(g.WorldY(layer.Bottom), H);
    const int yt = g.ScreenY(g.WorldY(top), H);
    painter.setPen(black);
    painter.drawLine(0, yb, W, yb);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrush(BandBrush(layer.SoilType));
    painter.drawRect(QRect(QPoint(0, std::min(yt, yb)), QPoint(W - 1, std::max(yt, yb))));

    const int textTop = R((yt + yb) / 2.0L) - R(metrics.height() / 2.0L);
    labels.push_back({LayerLabel(int(i), top, layer.Bottom, layer.SoilType), {10, textTop}});

    if (i == 0) {
      const int yg = g.ScreenY(g.WorldY(0), H);
      painter.drawLine(0, yg, W, yg);
      for (int x = 20; x < W - 25; x += 20) painter.drawLine(x, yg, x + 5, yg + 5);
    }
  }

  QRegion shaft;
  if (!g.Degenerate()) {
    painter.setPen(black);
    shaft = DrawShaft(painter, g, [&](const TWorldPoint& p) {
      return QPoint(g.ScreenX(p.x, W), g.ScreenY(p.y, H));
    });
  }
  painter.setPen(black);
  DrawLabels(painter, labels, metrics, FaceColor, shaft);
  painter.restore();
}

void TSideViewPainter::PaintPage(QPainter& painter, int PW, int PH) const {
  const TSideViewGeometry& g = fGeometry;
  painter.save();
  painter.fillRect(QRect(QPoint(R(0.1L * PW), R(0.1L * PH)), QPoint(R(0.9L * PW), R(0.9L * PH))),
                   FaceColor);
  const long double Z = 2 * g.Diameter() + fProfile.LastBottom();
  if (!(Z > 0) || !std::isfinite(Z)) {
    painter.restore();
    return;
  }
  const QFont font = FontAtPointSize(Font);
  painter.setFont(font);
  const QFontMetrics metrics(font, painter.device());
  painter.setPen(QPen(Qt::black, kPrintPenWidth));
  const qreal hatchScale = painter.device()->logicalDpiX() / kScreenDpi;

  const auto Y = [&](long double y) { return R(y / Z * 0.8L * PH) + R(0.1L * PH); };
  const auto X = [&](long double x) { return R(0.5L * PW) + R(x / Z * 0.8L * PH); };
  const int left = R(0.1L * PW), right = R(0.9L * PW);
  const QString unitWord = DepthUnitWord(fProfile.Units);
  std::vector<TLabel> labels;

  for (std::size_t i = 0; i < fProfile.Layers.size(); ++i) {
    const TSoilLayerRow& layer = fProfile.Layers[i];
    const long double top = fProfile.LayerTop(i);
    const int yb = Y(g.WorldY(layer.Bottom));
    const int yt = Y(g.WorldY(top));
    painter.drawLine(left, yb, right, yb);
    const QRect band(QPoint(left, std::min(yt, yb)), QPoint(right, std::max(yt, yb)));
    if (!OmitHatches) {
      const TSoilBandStyle style = SoilBandStyle(layer.SoilType);
      DrawHatchLines(painter, band, style.Hatch, style.Color, kHatchPitch * hatchScale);
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(band);

    labels.push_back({LayerLabel(int(i), top, layer.Bottom, layer.SoilType, unitWord),
                      {R(0.15L * PH), yt + metrics.height()}});

    if (i == 0) {
      const int yg = Y(g.WorldY(0));
      painter.drawLine(left, yg, right, yg);
      const int tick = R(0.01L * PH), step = R(0.02L * PH);
      if (step > 0)
        for (int x = left + 2 * step; x < right - 3 * step; x += step)
          painter.drawLine(x, yg, x + tick, yg + tick);
    }
  }

  const QRegion shaft =
      DrawShaft(painter, g, [&](const TWorldPoint& p) { return QPoint(X(p.x), Y(p.y)); });
  DrawLabels(painter, labels, metrics, FaceColor, shaft);
  painter.restore();
}
