#include "DrawPlot.h"

#include <QFontMetrics>
#include <QPainter>
#include <QLine>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <vector>

#include "PlotLayout.h"
#include "PlotMarkers.h"
#include "PlotMarks.h"
#include "PlotNumberText.h"
#include "PlotPalette.h"
#include "PlotPatterns.h"
#include "PlotScale.h"
#include "TGraphPlot.h"

namespace {

constexpr int kMajorEvery = 5;

QRect ToQRect(const TIntRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

// A rectangle drawn as outline and fill from (l, t) up to, not including, (r, b).
void FramedRect(QPainter& p, int l, int t, int r, int b) {
  if (r - l < 1 || b - t < 1) return;
  p.drawRect(QRect(l, t, r - l - 1, b - t - 1));
}

// Text with its top-left corner at (x, top).
void TextAt(QPainter& p, int x, int top, const QString& text) {
  p.drawText(QPoint(x, top + p.fontMetrics().ascent()), text);
}

// Text turned 90 degrees counter-clockwise, reading upward from (x, startY), its top toward x.
void UpwardTextAt(QPainter& p, int x, int startY, const QString& text) {
  p.save();
  p.translate(x, startY);
  p.rotate(-90);
  p.drawText(QPoint(0, p.fontMetrics().ascent()), text);
  p.restore();
}

bool Finite(const TFloatPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

class PlotPainter {
 public:
  PlotPainter(const TPlotPicture& picture, const TDrawArea& area)
      : fPlot(*picture.Plot),
        fPicture(picture),
        fArea(area),
        fP(*area.Canvas),
        fMap{area.GraphArea, picture.LogicBounds, picture.Plot->XOnTop()},
        fPX(area.PixelsPerInch.x()),
        fPY(area.PixelsPerInch.y()),
        fH(FontPixels(area.FontHeight, picture.Plot->SizeFont())),
        fPenWidth(DataPenWidth(fPX, picture.Plot->WidthLine())) {}

  void Draw() {
    const TIntRect& b = fArea.Bounds;
    fP.setRenderHint(QPainter::Antialiasing, false);
    fP.setRenderHint(QPainter::TextAntialiasing, true);
    fP.fillRect(ToQRect(b), Qt::white);
    if (b.Width() < fPX || b.Height() < fPY) return;
    DrawCaptions();
    TMarkSpacing marks;
    if (ComputeMarkSpacing(fArea.GraphArea, fPicture.LogicBounds, fPlot.Yreversed(), fH, marks))
      DrawMarks(marks);
    DrawLines();
    if (fArea.PrintLegend) DrawLegendBox();
    if (fPlot.ShowLayers()) DrawLayers();
    fP.setPen(QPen(Qt::black, 1));
    fP.setBrush(Qt::NoBrush);
    const TIntRect& g = fArea.GraphArea;
    fP.drawRect(QRect(g.Left, g.Top, g.Width(), g.Height()));
  }

 private:
  bool CaptionShown() const { return !fPlot.UserCaption().isEmpty(); }

  int CentredLeft(int textWidth) const {
    return (std::abs(fArea.Bounds.Right + fArea.Bounds.Left) - textWidth) / 2;
  }

  void DrawCaptions() {
    const TIntRect& b = fArea.Bounds;
    fP.setFont(PlotFont(fH, true));
    fP.setPen(Qt::black);
    const QFontMetrics fm = fP.fontMetrics();
    const int band = fH / 8 + fH;

    const QString xTitle = fPlot.XAxisTitle();
    int top = 0;
    if (fPlot.XOnTop())
      top = b.Top + (CaptionShown() && fPlot.UserCaptionOnTop() ? band : 0);
    else
      top = b.Bottom - fm.height() - (CaptionShown() && !fPlot.UserCaptionOnTop() ? band : 0);
    TextAt(fP, CentredLeft(fm.horizontalAdvance(xTitle)), top, xTitle);

    if (CaptionShown()) {
      const QString& caption = fPlot.UserCaption();
      const int captionTop = fPlot.UserCaptionOnTop() ? b.Top : b.Bottom - fm.height();
      TextAt(fP, CentredLeft(fm.horizontalAdvance(caption)), captionTop, caption);
    }

    const QString yTitle = fPlot.YAxisTitle();
    UpwardTextAt(fP, b.Left, (b.Bottom + b.Top + fm.horizontalAdvance(yTitle)) / 2, yTitle);
  }

  void DrawMarks(const TMarkSpacing& marks) {
    const TIntRect& g = fArea.GraphArea;
    const QPen solid(Qt::black, 1);
    const QPen dotted(Qt::black, 1, Qt::DotLine);
    fP.setFont(PlotFont(fH, false));
    const QFontMetrics fm = fP.fontMetrics();
    const TFloatRect& r = fPicture.LogicBounds;

    if (marks.Finish.x() > marks.Start.x()) {
      const TTickRange ticks = VisibleTicks(r.Left, r.Right, marks.MarkSpacing.x);
      const long long first = std::max<long long>(ticks.First, marks.Start.x());
      const long long last = std::min<long long>(ticks.Last, marks.Finish.x());
      for (long long k = first; k <= last; ++k) {
        const long double value = k * marks.MarkSpacing.x;
        const int px = fMap.ToPixel(value, r.Top).x();
        if (px < g.Left || px > g.Right) continue;
        if (k % kMajorEvery == 0) {
          fP.setPen(dotted);
          fP.drawLine(px, g.Top, px, g.Bottom);
          fP.setPen(solid);
          const QString label = PlotNumberText(value, kMarkLabelDigits);
          const int top = fPlot.XOnTop() ? g.Top - fm.height() - fPY / 32 : g.Bottom + fPY / 16;
          TextAt(fP, px - fm.horizontalAdvance(label) / 2, top, label);
        }
        fP.setPen(solid);
        if (fPlot.XOnTop())
          fP.drawLine(px, g.Top, px, g.Top + fPY / 16);
        else
          fP.drawLine(px, g.Bottom, px, g.Bottom - fPY / 16);
      }
    }

    if (marks.Finish.y() > marks.Start.y()) {
      const long double lower = fPlot.Yreversed() ? r.Bottom : r.Top;
      const long double upper = fPlot.Yreversed() ? r.Top : r.Bottom;
      const TTickRange ticks = VisibleTicks(lower, upper, marks.MarkSpacing.y);
      const long long first = std::max<long long>(ticks.First, marks.Start.y());
      const long long last = std::min<long long>(ticks.Last, marks.Finish.y());
      for (long long k = first; k <= last; ++k) {
        const long double value = k * marks.MarkSpacing.y;
        const int py = fMap.ToPixel(r.Left, value).y();
        if (py < g.Top || py > g.Bottom) continue;
        if (k % kMajorEvery == 0) {
          fP.setPen(dotted);
          fP.drawLine(g.Left, py, g.Right, py);
          fP.setPen(solid);
          const QString label = PlotNumberText(value, kMarkLabelDigits);
          UpwardTextAt(fP, g.Left - fm.height() - fPX / 32,
                       py + fm.horizontalAdvance(label) / 2, label);
        }
        fP.setPen(solid);
        fP.drawLine(g.Left, py, g.Left + fPX / 16, py);
      }
    }
  }

  QPen LinePen(const QColor& colour) const {
    return QPen(colour, fPenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  }

  void DrawMarker(QPoint at, int lineIndex) {
    const std::vector<QPoint> vertices = MarkerVertices(lineIndex, fArea.PixelsPerInch);
    QPolygon polygon(static_cast<int>(vertices.size()));
    for (int i = 0; i < polygon.size(); ++i) polygon[i] = at + vertices[static_cast<std::size_t>(i)];
    fP.drawPolyline(polygon);
  }

  void DrawLines() {
    if (fPlot.LineCount() == 0 || fPlot.Lines(0).Count() < 2) return;
    const TIntRect& g = fArea.GraphArea;
    fP.save();
    fP.setClipRect(QRect(g.Left, g.Top, g.Width() + 1, g.Height() + 1));
    fP.setBrush(Qt::NoBrush);
    const int markers = fPlot.Markers();
    int k = 0;  // active lines so far, drawn or not: the colour of the line
    QPolygon run;
    std::vector<QLine> edges;
    for (int i = 0; i < fPlot.LineCount(); ++i) {
      const TLine& line = fPlot.Lines(i);
      if (!line.Active()) continue;
      const int colourIndex = k++;
      if (!line.Visible()) continue;
      fP.setPen(LinePen(PlotPalette(colourIndex)));
      run.clear();
      for (int j = 0; j < line.Count(); ++j) {
        const TFloatPoint& v = line.Point(j);
        if (!Finite(v)) {  // a gap in the line
          if (run.size() > 1) fP.drawPolyline(run);
          run.clear();
          continue;
        }
        run << fMap.ToPixel(v.x, v.y);
      }
      if (run.size() > 1) fP.drawPolyline(run);
      if (markers > 0) {
        // All markers of the line in one call: the outlines as segments.
        const std::vector<QPoint> shape = MarkerVertices(i, fArea.PixelsPerInch);
        edges.clear();
        for (int j = 0; j < line.Count(); j += markers) {
          if (!Finite(line.Point(j))) continue;
          const QPoint at = fMap.ToPixel(line.Point(j).x, line.Point(j).y);
          for (std::size_t v = 1; v < shape.size(); ++v) edges.emplace_back(at + shape[v - 1], at + shape[v]);
        }
        fP.drawLines(edges.data(), static_cast<int>(edges.size()));
      }
    }
    fP.restore();
  }

  void DrawLegendBox() {
    struct Entry {
      int legendIndex;
      int line;
      QString text;
    };
    std::vector<Entry> entries;
    for (std::size_t j = 0; j < fPicture.LegendLines.size(); ++j) {
      const int line = fPicture.LegendLines[j];
      if (line < 0 || line >= fPlot.LineCount() || !fPlot.Lines(line).Visible()) continue;
      entries.push_back({static_cast<int>(j), line, fPlot.Lines(line).LineName().trimmed()});
    }
    fP.setFont(PlotFont(fH, false));
    const QFontMetrics fm = fP.fontMetrics();
    int widest = 0;
    for (const Entry& e : entries) widest = std::max(widest, fm.horizontalAdvance(e.text));
    const int h = fm.height();
    const TIntRect box = KeepBoxInside(
        LegendBoxRect(fArea.GraphArea, fPicture.LegendPlace, widest, h,
                      static_cast<int>(entries.size()), fArea.PixelsPerInch),
        fArea.Bounds);
    fP.setPen(QPen(Qt::black, 1));
    fP.setBrush(Qt::white);
    FramedRect(fP, box.Left, box.Top, box.Right, box.Bottom);
    fP.setBrush(Qt::NoBrush);

    const int x = box.Left + fPX / 16;
    int y = box.Top + fPY / 32;
    for (const Entry& e : entries) {
      const QColor colour = PlotPalette(e.legendIndex);
      fP.setPen(LinePen(colour));
      DrawMarker(QPoint(x, y + h / 2), e.line);
      fP.setPen(colour);
      TextAt(fP, x + fPX / 16, y, e.text);
      y += fPY / 32 + h;
    }
    fP.setPen(Qt::black);
  }

  // Hatch lines over a band, aligned to the target's origin so that bands join up.
  void DrawHatch(const QRect& band, int code, int scale) {
    const int s = kHatchSpacing * scale;
    fP.save();
    fP.setClipRect(band, Qt::IntersectClip);
    fP.setPen(QPen(Qt::black, scale, Qt::SolidLine, Qt::FlatCap));
    const int l = band.left(), t = band.top(), r = band.right() + 1, b = band.bottom() + 1;
    auto first = [s](int from) { return from >= 0 ? from / s * s : -((-from + s - 1) / s) * s; };
    const bool rising = code == 1 || code == 4;
    const bool falling = code == 2 || code == 4;
    const bool horizontal = code == 3 || code == 5;
    const bool vertical = code == 3 || code == 6;
    if (rising)  // x + y = c
      for (int c = first(l + t); c <= r + b; c += s) fP.drawLine(c - t, t, c - b, b);
    if (falling)  // x - y = c
      for (int c = first(l - b); c <= r - t; c += s) fP.drawLine(c + t, t, c + b, b);
    if (horizontal)
      for (int y = first(t); y <= b; y += s) fP.drawLine(l, y, r, y);
    if (vertical)
      for (int x = first(l); x <= r; x += s) fP.drawLine(x, t, x, b);
    fP.restore();
  }

  void FillBand(const QRect& inner, int code) {
    const bool printing = fArea.PrintLegend && !fArea.MessedUp;
    switch (FillKind(code)) {
      case TFillKind::Hatch:
        fP.fillRect(inner, Qt::white);
        DrawHatch(inner, code, printing ? std::max(1, fPX / 96) : 1);
        break;
      case TFillKind::Bitmap: {
        const qreal scale = printing ? std::max<qreal>(1, fPX / 96.0) : 1;
        fP.fillRect(inner, QBrush(PatternImage(code, printing, scale)));
        break;
      }
      case TFillKind::None:
        break;
    }
  }

  void DrawLayers() {
    bool anyPoint = false;
    for (int i = 0; i < fPlot.LayerLineCount(); ++i) anyPoint = anyPoint || fPlot.LayerLines(i).Count() > 0;
    if (!anyPoint) return;
    const TIntRect& la = fArea.LayersArea;
    fP.save();
    fP.setClipRect(QRect(la.Left, la.Top, la.Width(), la.Height() + 1));
    const QFont labelFont = PlotFont(fArea.FontHeight, false);

    int lastLine = -1;
    int lastPoint = -1;
    for (int i = 0; i < fPlot.LayerLineCount(); ++i)
      if (fPlot.LayerLines(i).Count() > 0) {
        lastLine = i;
        lastPoint = fPlot.LayerLines(i).Count() - 1;
      }

    int top = fMap.ToPixel(0, fPlot.LayersTop()).y();
    for (int i = 0; i < fPlot.LayerLineCount(); ++i) {
      const TLine& layer = fPlot.LayerLines(i);
      for (int j = 0; j < layer.Count(); ++j) {
        const TFloatPoint& v = layer.Point(j);
        const int bottom = std::isfinite(v.y) ? fMap.ToPixel(0, v.y).y() : top;
        const bool last = i == lastLine && j == lastPoint;
        const int l = la.Left, r = la.Right - 1;
        const int t = std::min(top, bottom);
        const int b = std::max(top, bottom) + (last ? 0 : 1);
        if (r - l >= 2 && b - t >= 2) FillBand(QRect(l + 1, t + 1, r - l - 2, b - t - 2), static_cast<int>(std::lround(std::isfinite(v.x) ? v.x : 0)));
        fP.setPen(QPen(Qt::black, 1));
        fP.setBrush(Qt::NoBrush);
        FramedRect(fP, l, t, r, b);

        // A label wider than the strip is written smaller, down to 70 % of the font, so that
        // a name such as " WEAK ROCK " stays readable in the one-inch strip.
        const QString label = layer.LineName();
        fP.setFont(labelFont);
        int tw = fP.fontMetrics().horizontalAdvance(label);
        if (tw > la.Width() - 2 && tw > 0) {
          const int fitted = std::max(fArea.FontHeight * 7 / 10,
                                      fArea.FontHeight * (la.Width() - 2) / tw);
          fP.setFont(PlotFont(fitted, false));
          tw = fP.fontMetrics().horizontalAdvance(label);
        }
        const QFontMetrics fm = fP.fontMetrics();
        const int left = la.Left + (la.Width() - tw) / 2;
        const int labelTop = top + (bottom - top - fm.height()) / 2;
        fP.fillRect(QRect(left, labelTop, tw, fm.height()), Qt::white);
        fP.setPen(Qt::black);
        TextAt(fP, left, labelTop, label);
        top = bottom;
      }
    }
    fP.restore();
  }

  const TGraphPlot& fPlot;
  const TPlotPicture& fPicture;
  const TDrawArea& fArea;
  QPainter& fP;
  TPlotMapping fMap;
  int fPX;
  int fPY;
  int fH;
  int fPenWidth;
};

}  // namespace

QFont PlotFont(int pixelHeight, bool bold) {
  QFont font;
  // Times New Roman, else a face with its metrics, else any serif face.
  font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                    QStringLiteral("Tinos"), QStringLiteral("Nimbus Roman"),
                    QStringLiteral("Times")});
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(std::max(1, pixelHeight));
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  return font;
}

int DataPenWidth(int pixelsPerInch, int widthLine) {
  return (static_cast<int>(std::rint(pixelsPerInch / 300.0)) + 1) * std::max(1, widthLine);
}

void DrawPlot(const TPlotPicture& picture, const TDrawArea& area) {
  if (!picture.Plot || !area.Canvas) return;
  area.Canvas->save();
  PlotPainter(picture, area).Draw();
  area.Canvas->restore();
}
