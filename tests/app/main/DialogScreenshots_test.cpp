// Pictures of every input window and of every page of the layer-parameters dialog, each
// showing a bundled example, saved under build/screenshots/ to be looked at.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTabWidget>
#include <memory>

#include "DialogTestSupport.h"
#include "InputDialogs.h"
#include "LayerParameterPages.h"
#include "TDlgSoilLayers.h"
#include "TDlgSoils.h"
#include "TDlgTZPrint.h"
#include "TGridTable.h"

namespace {

class DialogScreenshots : public DialogTest {
 protected:
  void OpenExample(const char* name) {
    ProgramData = TProgramData::CreateFromFile(
        QStringLiteral(TORVEX_SOURCE_DIR "/examples/") + QString::fromLatin1(name),
        TProgramData::kFilterCurrent, *fTables);
    fTables->ShowLRFDColumns(Doc().NLRFD == 1);
  }

  void Shoot(TChildKind kind, const char* file) {
    std::unique_ptr<TChildForm> form(MakeInputDialog(kind, fHost));
    ASSERT_TRUE(form);
    form->FormActivate();
    SaveScreenshot(form.get(), QString::fromLatin1(file));
  }

  TDialogHost fHost{[] { return QStringLiteral("/usr/bin/gedit"); }, {}, {}, {}};
};

TEST_F(DialogScreenshots, LayerEditorInBothUnitSystemsAndDesignMethods) {
  struct Case {
    const char* Example;
    int NLRFD;
    const char* File;
  };
  for (const Case c : {Case{"rock-sockets-uplift.tv8d", 2, "layer-editor-english-asd.png"},
                       Case{"gravel-uplift-lrfd.tv8d", 1, "layer-editor-english-lrfd.png"},
                       Case{"decomposed-rock-si-design-load.tv8d", 2, "layer-editor-si-asd.png"},
                       Case{"si-layered-lrfd-charts.tv8d", 1, "layer-editor-si-lrfd.png"}}) {
    OpenExample(c.Example);
    Doc().NLRFD = c.NLRFD;
    Shoot(TChildKind::SoilLayers, c.File);
  }
}

TEST_F(DialogScreenshots, EveryPageOfTheLayerParameters) {
  struct Case {
    const char* Example;
    int Layer;
    const char* File;
  };
  for (const Case c : {Case{"sand-over-clay.tv8d", 0, "soil-page-sand-beta.png"},
                       Case{"si-layered-lrfd-charts.tv8d", 0, "soil-page-sand-ko-si.png"},
                       Case{"sand-over-clay.tv8d", 1, "soil-page-clay.png"},
                       Case{"si-layered-lrfd-charts.tv8d", 3, "soil-page-shale-si.png"},
                       Case{"strong-rock-end-bearing.tv8d", 1, "soil-page-strong-rock.png"},
                       Case{"rock-sockets-uplift.tv8d", 3, "soil-page-strong-rock-combined.png"},
                       Case{"rock-sockets-uplift.tv8d", 1, "soil-page-decomposed-rock.png"},
                       Case{"rock-sockets-uplift.tv8d", 2, "soil-page-weak-rock.png"},
                       Case{"gravel-uplift-lrfd.tv8d", 1, "soil-page-gravelly-sand.png"},
                       Case{"gravel-uplift-lrfd.tv8d", 2, "soil-page-gravel.png"}}) {
    OpenExample(c.Example);
    TDlgSoils soils;
    soils.FormActivate(c.Layer, D().GetIntValue(kLayerSoilType, c.Layer));
    SaveScreenshot(&soils, QString::fromLatin1(c.File));
  }
  // A sand layer with the Chen and Kulhawy method shows the m fields and their note.
  OpenExample("sand-over-clay.tv8d");
  Layer(0).SetIntValue(SandColumn::Method, kRowTop, kSandMethodOCR);
  TDlgSoils soils;
  soils.FormActivate(0, kSoilSand);
  SaveScreenshot(&soils, QStringLiteral("soil-page-sand-chen-kulhawy.png"));
}

TEST_F(DialogScreenshots, EveryOtherInputWindow) {
  OpenExample("belled-design-load.tv8d");
  Shoot(TChildKind::Title, "dialog-title.png");
  Shoot(TChildKind::DSP, "dialog-shaft-properties.png");
  Shoot(TChildKind::PI, "dialog-water-table.png");
  Shoot(TChildKind::SP, "dialog-factor-of-safety.png");
  Shoot(TChildKind::ncPP, "dialog-design-load.png");
  OpenExample("rock-sockets-uplift.tv8d");
  Shoot(TChildKind::cPP, "dialog-shaft-length-uplift.png");
  Shoot(TChildKind::ncvary, "dialog-multiple-lengths.png");
  OpenExample("si-layered-lrfd-charts.tv8d");
  Shoot(TChildKind::DSP, "dialog-shaft-properties-si.png");
  Shoot(TChildKind::Options, "dialog-control-options.png");
  Shoot(TChildKind::ncchart, "dialog-design-charts.png");
  OpenExample("sand-over-clay.tv8d");
  Shoot(TChildKind::cPP, "dialog-shaft-length-compression.png");
  Shoot(TChildKind::ncvary, "dialog-multiple-lengths-off.png");
  Shoot(TChildKind::ncchart, "dialog-design-charts-off.png");
  Doc().PrintTZCurves = 1;
  TDlgTZPrint tz(fHost);
  tz.FormActivate();
  SaveScreenshot(&tz, QStringLiteral("dialog-tz-print.png"));
}

}  // namespace
