// The 3D view drawn with OpenGL (under Xvfb with software rendering): the shaft's colour at
// the centre, the translucent soil over it, the water plane's blue where the scene puts it,
// a new picture after a turn, the pipeline's matrix against the view's own, one set-up per
// change of what is shown, the labels and the result diagrams, and the two examples.
#include "TDlgBlock.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>

#include "TResultPlots.h"
#include "TglWindow.h"
#include "ViewTestSupport.h"

namespace {

using view_test::Describe;
using view_test::Near;
using view_test::ViewDocument;

QColor Rgb(double r, double g, double b) {
  return QColor(int(std::lround(r * 255)), int(std::lround(g * 255)), int(std::lround(b * 255)));
}

// a over b with the source's alpha.
QColor Over(TSceneColor a, QColor b) {
  return Rgb(a.r * a.a + b.redF() * (1 - a.a), a.g * a.a + b.greenF() * (1 - a.a),
             a.b * a.a + b.blueF() * (1 - a.a));
}

void Send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, buttons,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(target, &event);
}

// A drag with the left button on the view's drawing.
void Drag(TDlgBlock& view, QPoint from, QPoint to) {
  QWidget* gl = view.GlWindow();
  Send(gl, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  Send(gl, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
  Send(gl, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

class BlockViewGL : public ::testing::Test {
 protected:
  BlockViewGL() {
    // D 3, L 40, water at 10, one sand layer to 50.
    doc.SetShaft(3, 40);
    doc.Doc().WTD = 10;
    doc.SetLayers({{1, 50}});
  }
  std::unique_ptr<TDlgBlock> Open(int w = 640, int h = 480) {
    auto view = std::make_unique<TDlgBlock>(&plots);
    view->resize(w, h);
    view->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    view->FormActivate();
    return view;
  }
  QPoint Centre(const TDlgBlock& view) const {
    return {view.GlWindow()->width() / 2, view.GlWindow()->height() / 2};
  }
  // The pixel whose area holds the model point's image.
  QPoint At(const TDlgBlock& view, TVec3 model) const {
    const QPointF p =
        view.ViewState().Project(model, view.GlWindow()->width(), view.GlWindow()->height());
    return {int(std::floor(p.x())), int(std::floor(p.y()))};
  }

  ViewDocument doc;
  TResultPlots plots;
};

TEST_F(BlockViewGL, ShaftAtTheCentreSeenThroughTheSoil) {
  auto view = Open();
  EXPECT_EQ(view->windowTitle(), QStringLiteral("3-D View"));
  EXPECT_TRUE(view->GlWindow()->Problem().isEmpty());
  view->SetShowSoilLayers(false);
  QImage image = view->GrabPicture();
  const QColor shaft = Rgb(0.25, 0.25, 0.25);
  EXPECT_TRUE(Near(image.pixelColor(Centre(*view)), shaft)) << Describe(image.pixelColor(Centre(*view)));
  // Beside the shaft: the white background.
  EXPECT_EQ(image.pixelColor(Centre(*view) + QPoint(60, 0)), QColor(Qt::white));

  // With the soil, its front face lies over the shaft at half opacity and over the white
  // background beside it.
  view->SetShowSoilLayers(true);
  image = view->GrabPicture();
  const TSceneColor face = LayerColor(0, 0.5f);
  const QColor overShaft = Over(face, shaft), overWhite = Over(face, Qt::white);
  EXPECT_TRUE(Near(image.pixelColor(Centre(*view)), overShaft, 3))
      << Describe(image.pixelColor(Centre(*view))) << " not " << Describe(overShaft);
  EXPECT_TRUE(Near(image.pixelColor(Centre(*view) + QPoint(60, 0)), overWhite, 3))
      << Describe(image.pixelColor(Centre(*view) + QPoint(60, 0)));
  // Outside the block: white.
  EXPECT_EQ(image.pixelColor(5, Centre(*view).y()), QColor(Qt::white));
  // The picture's alpha stays whole, so the window shows these colours.
  EXPECT_EQ(qAlpha(image.pixel(Centre(*view))), 255);
}

TEST_F(BlockViewGL, WaterPlaneIsBlueWhereTheSceneLiesAndTheTurnChangesThePicture) {
  auto view = Open();
  view->SetShowSoilLayers(false);
  const QImage side = view->GrabPicture();
  // Seen from the side the plane is its outline: a blue line at the water depth.
  const QPoint edge = At(*view, {20, 0, -10});
  EXPECT_EQ(side.pixelColor(edge), QColor(0, 0, 255)) << Describe(side.pixelColor(edge));

  // Turned to look down on it at 30 degrees: the plane over the white background, between
  // its marks and clear of the shaft.
  view->RotatingClick();
  const int h = view->GlWindow()->height();
  Drag(*view, {100, 100}, {100, 100 + h / 3});  // a third of the height: 30 degrees
  EXPECT_NEAR(view->ViewState().ViewAngles.x, 30, 1e-9);
  const QImage above = view->GrabPicture();
  const QPoint onPlane = At(*view, {9, 9, -10});
  EXPECT_TRUE(Near(above.pixelColor(onPlane), Over(scene_color::kWaterPlane, Qt::white), 3))
      << Describe(above.pixelColor(onPlane));
  EXPECT_NE(above, side);
  // A mark: the pyramid's face over the plane, darker blue.
  const QPoint mark = At(*view, {18, 18, -9.5});
  const QColor markColour = above.pixelColor(mark);
  EXPECT_LT(markColour.red(), Over(scene_color::kWaterPlane, Qt::white).red()) << Describe(markColour);
  EXPECT_EQ(markColour.blue(), 255);
}

TEST_F(BlockViewGL, PipelineMatrixIsTheViewsOwn) {
  auto view = Open();
  TBlockViewState& s = view->ViewState();
  s.ViewAngles = {23, -41, 67};
  s.ZoomFactor = 1.7;
  s.PanOffset = {3, -4, 5};
  view->RedrawFigure();
  view->GrabPicture();
  const TViewMatrix drawn = view->GlWindow()->DrawnViewMatrix();
  const TViewMatrix own = s.ViewMatrix();
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      EXPECT_NEAR(drawn.At(r, c), own.At(r, c), 1e-4 * (1 + std::fabs(own.At(r, c)))) << r << c;
}

TEST_F(BlockViewGL, SceneIsRecordedOncePerSetUpAndReplayedOnRedraws) {
  auto view = Open();
  view->GrabPicture();
  const int setUps = view->GlWindow()->SetupCount();
  EXPECT_GE(setUps, 1);
  // Turning and zooming replay the recording.
  view->RotatingClick();
  Drag(*view, {100, 100}, {200, 160});
  view->ZoomInClick();
  view->GrabPicture();
  EXPECT_EQ(view->GlWindow()->SetupCount(), setUps);
  // An option or a new size records again, once.
  view->SetShowShaft(false);
  view->GrabPicture();
  view->GrabPicture();
  EXPECT_EQ(view->GlWindow()->SetupCount(), setUps + 1);
  view->resize(700, 500);
  QCoreApplication::processEvents();
  view->GrabPicture();
  EXPECT_EQ(view->GlWindow()->SetupCount(), setUps + 2);
  // Setting an option to what it is already records nothing.
  view->SetShowShaft(false);
  view->GrabPicture();
  EXPECT_EQ(view->GlWindow()->SetupCount(), setUps + 2);
}

TEST_F(BlockViewGL, ActivationShowsTheDocumentAsItIsNow) {
  auto view = Open();
  view->SetShowSoilLayerLabels(true);
  view->ViewState().ViewAngles = {20, 0, 10};
  view->GrabPicture();
  ASSERT_EQ(view->GlWindow()->Labels().size(), 1u);
  EXPECT_EQ(view->GlWindow()->Labels()[0].Text, QStringLiteral("Sand"));
  // The profile is edited in another window; coming back to the view shows it, seen as
  // before.
  doc.SetLayers({{2, 20}, {1, 50}});
  view->FormActivate();
  view->GrabPicture();
  ASSERT_EQ(view->GlWindow()->Labels().size(), 2u);
  EXPECT_EQ(view->GlWindow()->Labels()[0].Text, QStringLiteral("Clay"));
  EXPECT_EQ(view->ViewState().ViewAngles, (TVec3{20, 0, 10}));
}

TEST_F(BlockViewGL, UnitChangeMeasuresTheBlockAgainAndKeepsTheTurn) {
  auto view = Open();
  EXPECT_DOUBLE_EQ(view->ViewState().Extents().Xmax, 37.5);
  view->ViewState().ViewAngles = {20, 0, 10};
  doc.Doc().SetUnits(2);
  view->UnitsChanged();
  view->GrabPicture();
  EXPECT_NEAR(view->ViewState().Extents().Xmax, 37.5 / 3.280839895, 1e-9);
  EXPECT_NEAR(view->ViewState().Extents().Zmax, 50 / 3.280839895, 1e-9);
  EXPECT_EQ(view->ViewState().ViewAngles, (TVec3{20, 0, 10}));
  // The fit follows the smaller block, so it fills the window as before.
  EXPECT_NEAR(view->ViewState().FitScale, (480 - 50) / (100 / 3.280839895), 1e-9);
}

TEST_F(BlockViewGL, ZoomStepsAndRestartThroughTheCommands) {
  auto view = Open();
  const QImage first = view->GrabPicture();
  view->ZoomInClick();
  EXPECT_DOUBLE_EQ(view->ViewState().ZoomFactor, 1.4142);
  EXPECT_NE(view->GrabPicture(), first);
  view->ZoomOutClick();
  EXPECT_NEAR(view->ViewState().ZoomFactor, 1, 1e-15);
  view->PanningClick();
  Drag(*view, {100, 100}, {140, 130});
  view->RotatingClick();
  Drag(*view, {100, 100}, {180, 150});
  EXPECT_NE(view->GrabPicture(), first);
  view->RestartViewButtonClick();
  EXPECT_EQ(view->GrabPicture(), first);
}

TEST_F(BlockViewGL, ZoomWindowFromTheMouse) {
  auto view = Open(800, 600);
  view->ZoomWindowClick();
  EXPECT_TRUE(view->ViewState().ZoomWindowBoxEnabled);
  EXPECT_EQ(view->ViewState().MouseOption, kMouseZoomWindow);
  QWidget* gl = view->GlWindow();
  Send(gl, QEvent::MouseButtonPress, {300, 250}, Qt::LeftButton, Qt::LeftButton);
  Send(gl, QEvent::MouseMove, {500, 350}, Qt::NoButton, Qt::LeftButton);
  // The box shows in green while it is dragged.
  const QImage dragging = view->GrabPicture();
  EXPECT_EQ(dragging.pixelColor(400, 250), QColor(0, 255, 0)) << Describe(dragging.pixelColor(400, 250));
  Send(gl, QEvent::MouseButtonRelease, {500, 350}, Qt::LeftButton, Qt::NoButton);
  EXPECT_DOUBLE_EQ(view->ViewState().ZoomFactor, 4);
  view->PanningClick();
  EXPECT_FALSE(view->ViewState().ZoomWindowBoxEnabled);
}

// Dark pixels in a box at the start of a label's base line.
int DarkPixels(const QImage& image, QPoint baseline) {
  int dark = 0;
  for (int y = baseline.y() - 12; y <= baseline.y(); ++y)
    for (int x = baseline.x(); x < baseline.x() + 40; ++x)
      if (image.rect().contains(x, y) && qGray(image.pixel(x, y)) < 80) ++dark;
  return dark;
}

TEST_F(BlockViewGL, LabelsAreWrittenAtTheirPlaces) {
  auto view = Open();
  const QPoint anchor = At(*view, {37.5, 37.5, -25});  // the layer's name, right of the block
  EXPECT_EQ(DarkPixels(view->GrabPicture(), anchor), 0);
  view->SetShowSoilLayerLabels(true);
  EXPECT_GT(DarkPixels(view->GrabPicture(), anchor), 10);
  ASSERT_EQ(view->GlWindow()->Labels().size(), 1u);
  EXPECT_EQ(view->GlWindow()->Labels()[0].Text, QStringLiteral("Sand"));
}

// Pixels near a colour in the columns right of x0.
int ColourPixels(const QImage& image, const QColor& colour, int x0) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = x0; x < image.width(); ++x)
      if (Near(image.pixelColor(x, y), colour, 10)) ++count;
  return count;
}

TEST_F(BlockViewGL, ResultDiagramsFromTheCombinedPlots) {
  doc.OpenExample(QStringLiteral("sand-over-clay"));
  doc.LoadEngineResults(QStringLiteral("sand-over-clay"), plots);
  auto view = Open(800, 600);
  view->SetShowSoilLayers(false);
  view->SetShowWaterLevel(false);
  view->SetShowLocalAxes(false);
  // Right of the shaft's surface (D = 3 from the axis on): no side friction line yet.
  const int x0 = At(*view, {3.2, 0, 0}).x();
  const QColor red(255, 0, 0), blue(0, 0, 255);
  EXPECT_EQ(ColourPixels(view->GrabPicture(), red, x0), 0);
  view->SetShowUltimateEffects(true);
  const QImage shown = view->GrabPicture();
  EXPECT_GT(ColourPixels(shown, red, x0), 20);
  EXPECT_GT(ColourPixels(shown, blue, x0), 20);
  // The bars of the largest value end 2 D x the factor past x = D; nothing beyond.
  const int end = At(*view, {3 + 6, 0, 0}).x();
  EXPECT_EQ(ColourPixels(shown, blue, end + 3), 0);
  view->SetUltimateEffectsFactor(2);
  EXPECT_GT(ColourPixels(view->GrabPicture(), blue, end + 3), 0);
  EXPECT_EQ(view->Combineplt(), &plots.pltCombine());
  view->SetShowUltimateResults(kDesignEffects);
  EXPECT_EQ(view->Combineplt(), &plots.pltCombineD());
}

TEST_F(BlockViewGL, DiagramsOnlyFromResultsOfThisDocument) {
  doc.OpenExample(QStringLiteral("sand-over-clay"));
  doc.LoadEngineResults(QStringLiteral("sand-over-clay"), plots);
  auto view = Open();
  view->SetShowShaft(false);
  view->SetShowUltimateEffects(true);
  view->SetShowUltimateEffectsValues(true);
  EXPECT_FALSE(view->BuildScene().Shaft.empty());
  EXPECT_EQ(view->BuildScene().Labels.size(), 3u);
  // Another document without results of its own is opened: the plots still hold the old
  // numbers, but none of them belong to this shaft.
  plots.ClearLoadedFlags();
  view->RedrawComplete();
  EXPECT_TRUE(view->BuildScene().Shaft.empty());
  EXPECT_TRUE(view->BuildScene().Labels.empty());
}

TEST_F(BlockViewGL, LargestValuesAtTheTipAreAllReadable) {
  // All three largest values lie at the tip, as they usually do: their anchors lie on one
  // row, closer together than the texts are long.
  plots.ShowOutput = true;
  plots.pltCombine().SetLineCount(3);
  plots.pltCombine().SetCount(2);
  const TFloatPoint points[3][2] = {{{0, 0}, {50, 40}}, {{0, 0}, {20, 40}}, {{0, 0}, {100, 40}}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 2; ++j) plots.pltCombine().Data(i, j) = points[i][j];
  auto view = Open();
  view->SetShowUltimateEffects(true);
  view->SetShowUltimateEffectsValues(true);
  const QImage picture = view->GrabPicture();
  view_test::SaveScreenshot(picture, QStringLiteral("3d-largest-values"));
  const std::vector<QRectF>& boxes = view->GlWindow()->LabelBoxes();
  ASSERT_EQ(boxes.size(), 3u);
  for (std::size_t i = 0; i < boxes.size(); ++i)
    for (std::size_t j = i + 1; j < boxes.size(); ++j)
      EXPECT_FALSE(boxes[i].intersects(boxes[j])) << i << " " << j;
  // The first keeps its place: written at its anchor.
  const QPointF anchor = view->ViewState().Project(view->GlWindow()->Labels()[0].Position,
                                                   view->GlWindow()->width(),
                                                   view->GlWindow()->height());
  EXPECT_NEAR(boxes[0].left(), anchor.x(), 0.5);
}

TEST(BlockViewExamples, ScreenshotsOfTwoExamples) {
  const char* examples[] = {"belled-design-load", "rock-sockets-uplift"};
  for (const char* name : examples) {
    SCOPED_TRACE(name);
    ViewDocument doc;
    TResultPlots plots;
    doc.OpenExample(QString::fromLatin1(name));
    doc.LoadEngineResults(QString::fromLatin1(name), plots);
    TDlgBlock view(&plots);
    view.resize(900, 700);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.FormActivate();
    view.SetShowSoilLayerLabels(true);
    view.SetShowSoilLayerDepthLabels(true);
    view.SetShowUltimateEffects(true);
    view.SetShowUltimateEffectsValues(true);
    view.SetUltimateEffectsFactor(3);
    view.ViewState().ViewAngles = {22, 0, -32};
    view.RedrawFigure();
    const QImage image = view.GrabPicture();
    view_test::SaveScreenshot(image, QStringLiteral("3d-") + QString::fromLatin1(name));
    // The block's layers, the shaft and the diagrams make a picture of many colours.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
      for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 50);
    EXPECT_FALSE(view.GlWindow()->Labels().empty());
  }
}

}  // namespace
