#include "PlotPatterns.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdint>
#include <map>
#include <tuple>

namespace {

enum Pattern { kDots = 7, kDashes = 8, kBrick = 9, kBrickDiagonals = 10, kDotsPebbles = 11,
               kPebbles = 12 };

// A small deterministic generator, so that every run draws the same scatter.
class Scatter {
 public:
  explicit Scatter(std::uint32_t seed) : fState(seed) {}
  qreal Next() {  // in [0, 1)
    fState = fState * 1664525u + 1013904223u;
    return (fState >> 8) / static_cast<qreal>(1u << 24);
  }

 private:
  std::uint32_t fState;
};

// Single dots in a jittered grid of `cell` pixels.
void DrawDots(QPainter& p, QSizeF tile, qreal cell, qreal dot, std::uint32_t seed) {
  Scatter s(seed);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  for (qreal y = 0; y + cell <= tile.height() + 0.01; y += cell)
    for (qreal x = 0; x + cell <= tile.width() + 0.01; x += cell) {
      const qreal dx = s.Next() * (cell - dot);
      const qreal dy = s.Next() * (cell - dot);
      p.drawRect(QRectF(x + dx, y + dy, dot, dot));
    }
}

// Black pebbles of irregular oval shape, each wholly inside the tile.
void DrawPebbles(QPainter& p, QSizeF tile, int count, qreal minSize, qreal maxSize,
                 std::uint32_t seed) {
  Scatter s(seed);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::black);
  const int columns = std::max(1, static_cast<int>(std::lround(std::sqrt(count * tile.width() / tile.height()))));
  const int rows = (count + columns - 1) / columns;
  const qreal cw = tile.width() / columns;
  const qreal ch = tile.height() / rows;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      const qreal w = minSize + s.Next() * (maxSize - minSize);
      const qreal h = w * (0.55 + 0.35 * s.Next());
      const qreal x = c * cw + 1 + s.Next() * std::max<qreal>(0, cw - w - 2);
      const qreal y = r * ch + 1 + s.Next() * std::max<qreal>(0, ch - h - 2);
      p.save();
      p.translate(x + w / 2, y + h / 2);
      p.rotate(-40 + 80 * s.Next());
      p.drawEllipse(QRectF(-w / 2, -h / 2, w, h));
      p.restore();
    }
}

// Short horizontal dashes in staggered rows, `perRow` to the tile width.
void DrawDashes(QPainter& p, QSizeF tile, int rows, int perRow, qreal dash) {
  p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
  const qreal rowHeight = tile.height() / rows;
  const qreal period = tile.width() / perRow;
  for (int r = 0; r < rows; ++r) {
    const qreal y = std::floor(r * rowHeight + rowHeight / 2) + 0.5;
    const qreal shift = (r % 2) * period / 2;
    for (qreal x = shift - period; x < tile.width(); x += period)
      p.drawLine(QPointF(x + (period - dash) / 2, y), QPointF(x + (period + dash) / 2, y));
  }
}

// Brick courses: an even number of courses, bricks `columns` to the tile width, the joints
// of alternate courses half a brick apart; with diagonals a stroke across each brick.
void DrawBricks(QPainter& p, QSizeF tile, int courses, int columns, bool diagonals) {
  p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
  const qreal courseHeight = tile.height() / courses;
  const qreal brick = tile.width() / columns;
  for (int c = 0; c < courses; ++c) {
    const qreal top = std::floor(c * courseHeight) + 0.5;
    const qreal bottom = std::floor((c + 1) * courseHeight) + 0.5;
    p.drawLine(QPointF(0, top), QPointF(tile.width(), top));
    const qreal shift = (c % 2) * brick / 2;
    for (qreal x = shift - brick; x < tile.width(); x += brick) {
      const qreal jx = std::floor(x) + 0.5;
      if (jx > 0) p.drawLine(QPointF(jx, top), QPointF(jx, bottom));
      if (diagonals) {
        const qreal inset = brick * 0.25;
        p.drawLine(QPointF(x + inset, bottom - 2), QPointF(x + brick - inset, top + 2));
      }
    }
  }
}

// The print versions draw the screen motifs at the same size in their larger tiles, so a
// print pixel stands for a screen pixel.
void DrawPattern(QPainter& p, int code, bool print, QSizeF tile) {
  switch (code) {
    case kDots:
      DrawDots(p, tile, 8, print ? 1.5 : 1, 7);
      break;
    case kDashes:
      DrawDashes(p, tile, print ? 10 : 6, print ? 6 : 2, 8);
      break;
    case kBrick:
      DrawBricks(p, tile, print ? 6 : 4, print ? 3 : 1, false);
      break;
    case kBrickDiagonals:
      DrawBricks(p, tile, print ? 6 : 4, print ? 3 : 1, true);
      break;
    case kDotsPebbles:
      DrawDots(p, tile, 8, print ? 1.5 : 1, 11);
      DrawPebbles(p, tile, print ? 14 : 5, 5, 9, 23);
      break;
    case kPebbles:
      DrawPebbles(p, tile, print ? 30 : 11, 5, 11, 12);
      break;
    default:
      break;
  }
}

}  // namespace

TFillKind FillKind(int fillCode) {
  if (fillCode >= 1 && fillCode <= 6) return TFillKind::Hatch;
  if (fillCode >= kDots && fillCode <= kPebbles) return TFillKind::Bitmap;
  return TFillKind::None;
}

QSize PatternTileSize(int fillCode, bool printVersion) {
  switch (fillCode) {
    case kDots: return printVersion ? QSize(96, 96) : QSize(80, 80);
    case kDashes:
    case kBrick:
    case kBrickDiagonals: return printVersion ? QSize(96, 69) : QSize(30, 42);
    case kDotsPebbles:
    case kPebbles: return printVersion ? QSize(96, 192) : QSize(80, 80);
    default: return {};
  }
}

QImage PatternImage(int fillCode, bool printVersion, qreal scale) {
  if (FillKind(fillCode) != TFillKind::Bitmap) return {};
  if (!(scale >= 1)) scale = 1;
  // Drawn once per code, version and scale.
  static std::map<std::tuple<int, bool, int>, QImage> cache;
  const int scaleKey = static_cast<int>(std::lround(scale * 100));
  const auto key = std::make_tuple(fillCode, printVersion, scaleKey);
  if (auto found = cache.find(key); found != cache.end()) return found->second;

  const QSize tile = PatternTileSize(fillCode, printVersion);
  QImage image(QSize(static_cast<int>(std::lround(tile.width() * scale)),
                     static_cast<int>(std::lround(tile.height() * scale))),
               QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, scale > 1);
    p.scale(static_cast<qreal>(image.width()) / tile.width(),
            static_cast<qreal>(image.height()) / tile.height());
    DrawPattern(p, fillCode, printVersion, QSizeF(tile));
  }
  return cache[key] = image;
}
