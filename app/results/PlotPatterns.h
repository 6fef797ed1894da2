#pragma once

#include <QImage>
#include <QSize>

// The fills of the soil-layer strip, by fill code: 1..6 black hatches (1 diagonal lines
// rising from left to right, 2 falling, 3 horizontal and vertical cross, 4 diagonal cross,
// 5 horizontal, 6 vertical), 7..12 pattern bitmaps (7 dots, 8 short horizontal dashes,
// 9 brick courses, 10 brick courses with diagonal strokes, 11 dots with scattered pebbles,
// 12 pebbles alone); any other code has no fill.
enum class TFillKind { None, Hatch, Bitmap };
TFillKind FillKind(int fillCode);

// Hatch line spacing in pixels at scale 1, as on the screen.
constexpr int kHatchSpacing = 8;

// Tile size of a pattern bitmap: the screen version, or the larger print version.
QSize PatternTileSize(int fillCode, bool printVersion);

// The pattern bitmap of a fill code, black on white, drawn at `scale` times its tile size:
// 1 on the screen and in saved bitmaps; a printed page draws the print version, whose motif
// has the screen version's size in pixels, at the page's resolution over 96, so that the
// motif covers as much paper as it covers of a screen. A null image for a code without
// bitmap.
QImage PatternImage(int fillCode, bool printVersion, qreal scale = 1);
