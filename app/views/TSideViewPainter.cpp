#include "TSideViewPainter.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>

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

void DrawQuad(QPainter& painter, const QPoint& tl, const QPoint& tr, const QPoint& br,
              const QPoint& bl, const QColor& color) {
  painter.setBrush(QBrush(color, Qt::SolidPattern));
  painter.drawPolygon(QPolygon({tl, tr, br, bl}));
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

    const QString label = LayerLabel(int(i), top, layer.Bottom, layer.SoilType);
    const int textTop = R((yt + yb) / 2.0L) - R(metrics.height() / 2.0L);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(FaceColor);
    painter.drawText(10, textTop + metrics.ascent(), label);
    painter.setBackgroundMode(Qt::TransparentMode);

    if (i == 0) {
      const int yg = g.ScreenY(g.WorldY(0), H);
      painter.drawLine(0, yg, W, yg);
      for (int x = 20; x < W - 25; x += 20) painter.drawLine(x, yg, x + 5, yg + 5);
    }
  }

  if (!g.Degenerate()) {
    painter.setPen(black);
    for (std::size_t part = 0; part < g.ShaftSegments().size(); ++part) {
      const TShaftQuad& q = g.ShaftSegments()[part];
      const auto at = [&](const TWorldPoint& p) {
        return QPoint(g.ScreenX(p.x, W), g.ScreenY(p.y, H));
      };
      DrawQuad(painter, at(q.TopLeft), at(q.TopRight), at(q.BottomRight), at(q.BottomLeft),
               PartColor(int(part)));
    }
  }
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

    const QString label = LayerLabel(int(i), top, layer.Bottom, layer.SoilType, unitWord);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(FaceColor);
    painter.drawText(R(0.15L * PH), yt + metrics.height() + metrics.ascent(), label);
    painter.setBackgroundMode(Qt::TransparentMode);

    if (i == 0) {
      const int yg = Y(g.WorldY(0));
      painter.drawLine(left, yg, right, yg);
      const int tick = R(0.01L * PH), step = R(0.02L * PH);
      if (step > 0)
        for (int x = left + 2 * step; x < right - 3 * step; x += step)
          painter.drawLine(x, yg, x + tick, yg + tick);
    }
  }

  for (std::size_t part = 0; part < g.ShaftSegments().size(); ++part) {
    const TShaftQuad& q = g.ShaftSegments()[part];
    const auto at = [&](const TWorldPoint& p) { return QPoint(X(p.x), Y(p.y)); };
    DrawQuad(painter, at(q.TopLeft), at(q.TopRight), at(q.BottomRight), at(q.BottomLeft),
             PartColor(int(part)));
  }
  painter.restore();
}
