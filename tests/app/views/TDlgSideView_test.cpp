// The elevation as drawn: on the window (the shaft's colours at the depths the geometry
// gives, a hatch colour per layer, outlines only without hatches), on paper (one page, the
// shaft in the middle, through a PDF as the print command makes it), and the window itself:
// activation from the document, the depth read-out, the controls, the failure message.
#include "TDlgSideView.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <limits>

#include "TSideViewPainter.h"
#include "TSoilBandStyle.h"
#include "ViewTestSupport.h"

namespace {

using view_test::Describe;
using view_test::Near;
using view_test::ViewDocument;

const QColor kFace(236, 236, 236);

// Colours found in a rectangle of the picture.
QSet<QRgb> ColoursIn(const QImage& image, const QRect& area) {
  QSet<QRgb> colours;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) colours.insert(image.pixel(x, y) & 0xFFFFFF);
  return colours;
}

bool Has(const QSet<QRgb>& colours, const QColor& c) { return colours.contains(c.rgb() & 0xFFFFFF); }

// D 3 straight, L 40, top zone 5, bottom zone 3; sand to 20, clay to 50.
TShaftProfile StraightProfile() {
  TShaftProfile p;
  p.DSTART = 3;
  p.RATIO = 1;
  p.PD = 40;
  p.TOPLENG = 5;
  p.BS = 3;
  p.Layers = {{1, 20}, {2, 50}};
  return p;
}

struct Drawn {
  TShaftProfile profile;
  TSideViewGeometry geometry;
  QImage image;
};

Drawn DrawWindow(bool omitHatches, int W = 300, int H = 590) {
  Drawn d{StraightProfile(), {}, QImage(W, H, QImage::Format_RGB32)};
  d.geometry.Build(d.profile);
  d.geometry.Fit(W, H);
  d.image.fill(Qt::white);
  QPainter painter(&d.image);
  TSideViewPainter picture(d.geometry, d.profile);
  picture.OmitHatches = omitHatches;
  picture.FaceColor = kFace;
  picture.PaintWindow(painter, W, H);
  return d;
}

// The pixel row of a depth in the drawn window.
int Row(const Drawn& d, long double depth) {
  return d.geometry.ScreenY(d.geometry.WorldY(depth), d.image.height());
}

TEST(SideViewPicture, ShaftPartsHaveTheirColoursAtTheirDepths) {
  const Drawn d = DrawWindow(false);
  const int axis = d.geometry.ScreenX(0, d.image.width());
  EXPECT_EQ(axis, 150);
  struct Part {
    const char* name;
    long double depth;
    QColor colour;
  } const parts[] = {
      {"top zone", 2.5, QColor(255, 0, 0)},
      {"middle", 20, QColor(128, 128, 128)},
      {"bottom zone", 38.5, QColor(0, 0, 255)},
  };
  for (const Part& p : parts) {
    const QColor at = d.image.pixelColor(axis, Row(d, p.depth));
    EXPECT_EQ(at, p.colour) << p.name << " " << Describe(at);
    // Beside the shaft (2.5 ft from the axis, the shaft is 1.5 ft wide either side) the
    // band shows.
    const int beside = d.geometry.ScreenX(2.5, d.image.width());
    EXPECT_NE(d.image.pixelColor(beside, Row(d, p.depth)), p.colour) << p.name;
  }
  // Above the ground and below the shaft tip: no shaft.
  EXPECT_EQ(d.image.pixelColor(axis, Row(d, -3)), kFace);
  EXPECT_NE(d.image.pixelColor(axis, Row(d, 45)), QColor(128, 128, 128));
}

TEST(SideViewPicture, EachLayerShowsItsHatchColourOrOnlyItsOutline) {
  for (bool omit : {false, true}) {
    SCOPED_TRACE(omit ? "omit hatches" : "hatches");
    const Drawn d = DrawWindow(omit, 600, 590);
    view_test::SaveScreenshot(d.image, omit ? QStringLiteral("elevation-drawn-outlines")
                                            : QStringLiteral("elevation-drawn-hatches"));
    const QColor sand = SoilBandStyle(1).Color, clay = SoilBandStyle(2).Color;
    // Inside each band, right of the labels and the shaft and away from the band's edges.
    const QRect sandArea(480, Row(d, 5) + 3, 80, Row(d, 15) - Row(d, 5) - 6);
    const QRect clayArea(480, Row(d, 25) + 3, 80, Row(d, 45) - Row(d, 25) - 6);
    const QSet<QRgb> inSand = ColoursIn(d.image, sandArea), inClay = ColoursIn(d.image, clayArea);
    EXPECT_TRUE(Has(inSand, kFace));
    EXPECT_TRUE(Has(inClay, kFace));
    EXPECT_EQ(Has(inSand, sand), !omit);
    EXPECT_EQ(Has(inClay, clay), !omit);
    EXPECT_FALSE(Has(inSand, clay));
    EXPECT_FALSE(Has(inClay, sand));
    if (omit) {
      EXPECT_EQ(inSand.size(), 1);
      EXPECT_EQ(inClay.size(), 1);
    }
    // The layer boundary and the ground are black lines across the whole width.
    for (long double depth : {0.0L, 20.0L, 50.0L})
      for (int x : {2, 300 + 40, 597})
        EXPECT_EQ(d.image.pixelColor(x, Row(d, depth)), QColor(Qt::black)) << double(depth);
  }
}

TEST(SideViewPicture, LabelsStayReadableWhereTheyCrossTheShaft) {
  // A narrow window: the labels, written from x = 10, reach across the shaft.
  const Drawn d = DrawWindow(false, 300, 590);
  view_test::SaveScreenshot(d.image, QStringLiteral("elevation-drawn-narrow"));
  const int left = d.geometry.ScreenX(-1.5, d.image.width()) + 2;
  const int right = d.geometry.ScreenX(1.5, d.image.width()) - 2;
  const QColor grey(128, 128, 128);
  // Under a label the shaft shows through its patch, tinted toward the face colour.
  const QColor tinted((kFace.red() * 3 + grey.red() * 2) / 5, (kFace.green() * 3 + grey.green() * 2) / 5,
                      (kFace.blue() * 3 + grey.blue() * 2) / 5);
  for (const auto& [top, bottom] : {std::pair{0.0L, 20.0L}, std::pair{20.0L, 50.0L}}) {
    SCOPED_TRACE(double(top));
    const int middle = (Row(d, top) + Row(d, bottom)) / 2;
    int text = 0, shaftUnderLabel = 0;
    for (int y = middle - 8; y <= middle + 8; ++y)
      for (int x = left; x <= right; ++x) {
        const QColor c = d.image.pixelColor(x, y);
        if (qGray(c.rgb()) < 80) ++text;
        if (Near(c, tinted, 4)) ++shaftUnderLabel;
      }
    EXPECT_GT(text, 5);
    EXPECT_GT(shaftUnderLabel, 5);
    // Away from the labels the shaft keeps its own colour.
    EXPECT_EQ(d.image.pixelColor((left + right) / 2, middle + 12), grey);
  }
}

TEST(SideViewPicture, GroundHasSlantedTicks) {
  const Drawn d = DrawWindow(true);
  const int yg = Row(d, 0);
  const int shaftLeft = d.geometry.ScreenX(-1.5, d.image.width());
  const int shaftRight = d.geometry.ScreenX(1.5, d.image.width());
  for (int x = 20; x < d.image.width() - 25; x += 20) {
    if (x + 5 >= shaftLeft && x <= shaftRight) continue;  // under the shaft's top zone
    EXPECT_EQ(d.image.pixelColor(x + 3, yg + 3), QColor(Qt::black)) << x;
    EXPECT_EQ(d.image.pixelColor(x + 3, yg + 1), kFace) << x;
  }
}

// The page of a print on an image of PW x PH pixels.
QImage DrawPage(bool omitHatches, int PW, int PH) {
  TShaftProfile profile = StraightProfile();
  TSideViewGeometry geometry;
  geometry.Build(profile);
  QImage page(PW, PH, QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter painter(&page);
  TSideViewPainter picture(geometry, profile);
  picture.OmitHatches = omitHatches;
  picture.FaceColor = kFace;
  picture.PaintPage(painter, PW, PH);
  return page;
}

TEST(SideViewPicture, PageSharesOneScaleWithTheShaftInTheMiddle) {
  const int PW = 1100, PH = 850;
  const QImage page = DrawPage(false, PW, PH);
  // Z = 2 D + the last bottom = 56; world y -> round(y / 56 x 680) + 85.
  const auto row = [](double depth) { return int(std::lround((depth + 6) / 56 * 680)) + 85; };
  EXPECT_EQ(page.pixelColor(550, row(2.5)), QColor(255, 0, 0));
  EXPECT_EQ(page.pixelColor(550, row(20)), QColor(128, 128, 128));
  EXPECT_EQ(page.pixelColor(550, row(38.5)), QColor(0, 0, 255));
  // The shaft is 3 ft wide: 3 / 56 x 680 = 36 pixels about the middle of the page.
  EXPECT_EQ(page.pixelColor(550 + 5, row(20)), QColor(128, 128, 128));
  EXPECT_NE(page.pixelColor(550 + 25, row(20)), QColor(128, 128, 128));
  // The drawing stays inside the tenth of the page all round.
  EXPECT_EQ(page.pixelColor(100, 400), QColor(Qt::white));
  EXPECT_EQ(page.pixelColor(1000, 400), QColor(Qt::white));
  EXPECT_EQ(page.pixelColor(550, 80), QColor(Qt::white));
  EXPECT_EQ(page.pixelColor(801, 120), kFace);  // above the ground: the face colour
}

TEST(SideViewPicture, PageWithoutHatchesHasOutlinesOnly) {
  const int PW = 1100, PH = 850;
  const auto row = [](double depth) { return int(std::lround((depth + 6) / 56 * 680)) + 85; };
  for (bool omit : {false, true}) {
    const QImage page = DrawPage(omit, PW, PH);
    const QSet<QRgb> clay = ColoursIn(page, QRect(700, row(28), 150, row(45) - row(28)));
    EXPECT_EQ(Has(clay, SoilBandStyle(2).Color), !omit);
    if (omit) {
      EXPECT_EQ(clay.size(), 1);
    }
  }
}

// ---- The window ---------------------------------------------------------------------

class SideViewWindow : public ::testing::Test {
 protected:
  SideViewWindow() {
    doc.SetShaft(3, 40, 5, 3, 1);
    doc.SetLayers({{1, 20}, {2, 50}});
  }
  // A view shown at its size and activated as the main window activates it.
  std::unique_ptr<TDlgSideView> Open(int w = 420, int h = 640) {
    auto view = std::make_unique<TDlgSideView>();
    view->resize(w, h);
    view->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    view->FormActivate();
    return view;
  }
  ViewDocument doc;
};

TEST_F(SideViewWindow, ActivationDrawsTheDocumentAndFollowsItsChanges) {
  auto view = Open();
  EXPECT_EQ(view->windowTitle(), QStringLiteral("Elevation View"));
  ASSERT_EQ(view->Geometry().ShaftSegments().size(), 4u);
  EXPECT_EQ(view->Geometry().ShaftSegments()[kShaftMiddle].BottomLeft.y, 43);
  const QImage before = view->grab().toImage();
  const int axis = view->Geometry().ScreenX(0, view->width());
  const auto row = [&](long double depth) {
    return view->Geometry().ScreenY(view->Geometry().WorldY(depth), view->height());
  };
  EXPECT_EQ(before.pixelColor(axis, row(2.5)), QColor(255, 0, 0));

  // The document changes; the next activation draws the new shaft.
  doc.Doc().TOPLENG = 0;
  view->FormActivate();
  QCoreApplication::processEvents();
  const QImage after = view->grab().toImage();
  EXPECT_EQ(after.pixelColor(axis, row(2.5)), QColor(128, 128, 128));
}

TEST_F(SideViewWindow, ShaftWithoutLengthTakesTheProfileBottomIntoTheDocument) {
  doc.Doc().PD = 0;
  auto view = Open();
  EXPECT_EQ(doc.Doc().PD, 50);
  EXPECT_EQ(view->Geometry().ShaftSegments()[kShaftBell].BottomLeft.y, 56);
}

TEST_F(SideViewWindow, DesignLoadProblemKeepsItsLengthOpenAndItsLoad) {
  // With the design load given the length is the analysis' answer: the elevation draws the
  // shaft down to the profile's bottom and writes nothing, since a length in the document
  // would turn the problem into a given-length one when it is saved and lose the load.
  doc.Doc().METHOD = 1;
  doc.Doc().PD = 0;
  doc.Doc().LPD = 350;
  auto view = Open();
  EXPECT_EQ(view->Geometry().ShaftSegments()[kShaftBell].BottomLeft.y, 56);
  EXPECT_EQ(doc.Doc().PD, 0);
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  doc.Doc().FileName = dir.filePath(QStringLiteral("load.tv8d"));
  doc.Doc().Save();
  EXPECT_EQ(doc.Doc().METHOD, 1);
  EXPECT_EQ(doc.Doc().LPD, 350);
}

TEST_F(SideViewWindow, PointerDepthShowsInTheTitle) {
  auto view = Open(420, 590);
  const TSideViewGeometry& g = view->Geometry();
  // The window is narrower than the drawing's shape, so y spans Top..Bottom exactly.
  const int py = 295;
  const long double depth = double(py) / 590 * (g.Bottom - g.Top) + g.Top - 6;
  QMouseEvent move(QEvent::MouseMove, QPointF(100, py), QPointF(100, py), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(view.get(), &move);
  EXPECT_EQ(view->windowTitle(),
            QStringLiteral("  Depth: ") + QString::number(double(depth), 'f', 1));
}

TEST_F(SideViewWindow, ControlsSitAtTheRightEdgeAndWork) {
  auto view = Open(500, 600);
  const int left = 500 - 2 * view->PrintButton()->sizeHint().width();
  EXPECT_EQ(view->PrintButton()->parentWidget()->x(), left);
  EXPECT_EQ(view->OmitHatchesBox()->toolTip(), QStringLiteral("Click to omit hatches from printing"));
  EXPECT_EQ(view->CloseButton()->toolTip(), QStringLiteral("Press to Close"));
  view->resize(700, 600);
  QCoreApplication::processEvents();
  EXPECT_EQ(view->PrintButton()->parentWidget()->x(),
            700 - 2 * view->PrintButton()->sizeHint().width());

  // "Omit Hatches" repaints the bands as outlines.
  const auto clayColours = [&] {
    const QImage image = view->grab().toImage();
    const TSideViewGeometry& g = view->Geometry();
    const int top = g.ScreenY(g.WorldY(28), view->height());
    const int bottom = g.ScreenY(g.WorldY(45), view->height());
    return ColoursIn(image, QRect(view->width() / 2 + 60, top, 60, bottom - top));
  };
  EXPECT_TRUE(Has(clayColours(), SoilBandStyle(2).Color));
  QTest::mouseClick(view->OmitHatchesBox(), Qt::LeftButton);
  EXPECT_TRUE(view->OmitHatches());
  EXPECT_FALSE(Has(clayColours(), SoilBandStyle(2).Color));

  QSignalSpy closed(view.get(), &TChildForm::Closed);
  QTest::mouseClick(view->CloseButton(), Qt::LeftButton);
  EXPECT_EQ(closed.count(), 1);
  EXPECT_FALSE(view->isVisible());
}

TEST_F(SideViewWindow, ShaftThatCannotBeDrawnClosesTheViewAfterAMessage) {
  doc.Doc().DSTART = std::numeric_limits<long double>::infinity();
  auto view = std::make_unique<TDlgSideView>();
  QSignalSpy closed(view.get(), &TChildForm::Closed);
  view->show();
  view->FormActivate();
  QTRY_COMPARE(closed.count(), 1);
  ASSERT_FALSE(doc.Messages().Messages().isEmpty());
  EXPECT_TRUE(doc.Messages().LastText().startsWith(QStringLiteral("Invalid argument")))
      << doc.Messages().LastText().toStdString();
  EXPECT_FALSE(view->isVisible());
}

// Rasterises the first page of a PDF at `dpi` with pdftoppm.
QImage RenderPdf(const QString& pdf, int dpi) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  EXPECT_FALSE(tool.isEmpty()) << "pdftoppm (poppler-utils) is needed to look at the print";
  if (tool.isEmpty()) return {};
  QProcess process;
  const QString prefix = pdf + QStringLiteral("-page");
  process.start(tool, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), pdf, prefix});
  EXPECT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  return QImage(prefix + QStringLiteral(".png"));
}

// Pixels of the clay hatch, olive: red and green alike, blue well below them (the face,
// the outlines, the labels and the sand hatch are all grey).
int OlivePixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - c.green()) < 16 && c.blue() < c.red() - 40) ++count;
    }
  return count;
}

TEST_F(SideViewWindow, PrintGoesToOneLandscapePdfPage) {
  auto view = Open();
  QTemporaryDir dir;
  constexpr int kDpi = 100;
  for (bool omit : {false, true}) {
    SCOPED_TRACE(omit ? "omit hatches" : "hatches");
    view->SetOmitHatches(omit);
    const QString pdf =
        dir.filePath(omit ? QStringLiteral("outline.pdf") : QStringLiteral("hatched.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(view->PrintTo(printer));
    EXPECT_EQ(printer.docName(), QStringLiteral("Soil-Pile Profile"));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));

    const QImage page = RenderPdf(pdf, kDpi);
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(page.width(), page.height());
    view_test::SaveScreenshot(page, omit ? QStringLiteral("elevation-print-outlines")
                                         : QStringLiteral("elevation-print"));
    // Printer pixels (of the printable area) to pixels of the rendered page.
    const QRect paper = printer.pageLayout().paintRectPixels(kDpi);
    const double toPage = double(kDpi) / printer.resolution();
    const double PW = printer.width(), PH = printer.height();
    // Z = 2 D + the last bottom = 56; the shaft stands at the middle of the page.
    const auto at = [&](double x, double depth) {
      const double px = std::lround(0.5 * PW) + std::lround(x / 56 * 0.8 * PH);
      const double py = std::lround((depth + 6) / 56 * 0.8 * PH) + std::lround(0.1 * PH);
      return QPoint(paper.left() + int(px * toPage), paper.top() + int(py * toPage));
    };
    const struct {
      double depth;
      QColor colour;
    } parts[] = {{2.5, QColor(255, 0, 0)}, {20, QColor(128, 128, 128)}, {38.5, QColor(0, 0, 255)}};
    for (const auto& part : parts) {
      const QColor c = page.pixelColor(at(0, part.depth));
      EXPECT_TRUE(Near(c, part.colour, 8)) << part.depth << " " << Describe(c);
      // Beyond the shaft's edge (1.5 ft from the axis) the band shows.
      EXPECT_FALSE(Near(page.pixelColor(at(2.5, part.depth)), part.colour, 8)) << part.depth;
    }
    EXPECT_EQ(OlivePixels(page) > 0, !omit);
  }
}

// ---- The bundled examples -----------------------------------------------------------

TEST(SideViewExamples, ScreenshotsShowTheShaftOfEachExample) {
  struct Example {
    const char* name;
    long double bellHeightAtLeast;
  } const examples[] = {{"belled-design-load", 3}, {"rock-sockets-uplift", 0}};
  for (const Example& e : examples) {
    SCOPED_TRACE(e.name);
    ViewDocument doc;
    doc.OpenExample(QString::fromLatin1(e.name));
    TDlgSideView view;
    view.resize(560, 720);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.FormActivate();
    const QImage image = view.grab().toImage();
    view_test::SaveScreenshot(image, QStringLiteral("elevation-") + QString::fromLatin1(e.name));
    const TSideViewGeometry& g = view.Geometry();
    ASSERT_EQ(g.ShaftSegments().size(), 4u);
    const TShaftQuad& bell = g.ShaftSegments()[kShaftBell];
    EXPECT_GE(double(bell.BottomLeft.y - bell.TopLeft.y), double(e.bellHeightAtLeast));
    // The middle part is grey on the axis halfway down the shaft.
    const TShaftQuad& middle = g.ShaftSegments()[kShaftMiddle];
    const int py = g.ScreenY((middle.TopLeft.y + middle.BottomLeft.y) / 2, view.height());
    EXPECT_EQ(image.pixelColor(g.ScreenX(0, view.width()), py), QColor(128, 128, 128));
    // Every layer's hatch colour is in its band.
    for (std::size_t i = 0; i < view.Profile().Layers.size(); ++i) {
      const TSoilLayerRow& layer = view.Profile().Layers[i];
      const int top = g.ScreenY(g.WorldY(view.Profile().LayerTop(i)), view.height());
      const int bottom = g.ScreenY(g.WorldY(layer.Bottom), view.height());
      // Right of the shaft and the labels, left of the controls.
      const QRect band(view.width() / 2 + 60, top + 2, 50, std::max(1, bottom - top - 4));
      EXPECT_TRUE(Has(ColoursIn(image, band), SoilBandStyle(layer.SoilType).Color)) << i;
    }
  }
}

}  // namespace
