// Every bundled example entered through the input windows alone, starting from a new
// document: the fields, buttons and drop-downs a user's clicks reach, and the main window's
// menu commands (unit system, design method, computation method) as the document calls they
// make. The saved file must be the example as the program saves it, and the engine must give
// it the example's own report (the folder and time lines aside).
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "DialogTestSupport.h"
#include "EngineReports.h"
#include "GridTyping.h"
#include "InputDialogFields.h"
#include "InputDialogs.h"
#include "LayerParameterPages.h"
#include "RunFiles.h"
#include "TDataEdit.h"
#include "TDlgOptions.h"
#include "TDlgSoilLayers.h"
#include "TDlgSoils.h"
#include "TGridTable.h"
#include "TLayerParameterValues.h"
#include "TTableForm.h"
#include "TTableGrid.h"
#include "TdlgTitle.h"
#include "TfrmDesignCharts.h"
#include "TfrmDesignLoad.h"
#include "TfrmPenetration.h"
#include "TfrmSafetyFactor.h"
#include "TfrmShaftpeneta.h"
#include "TfrmVaryLength.h"
#include "TfrmWaterDepth.h"

namespace {

using tvx::test::ComparableReport;
using tvx::test::RunEngineOn;
using tvx::test::TextLines;
using tvx::test::TypeIntoCell;

// What the user enters for one layer.
struct TLayerScript {
  int Type = 1;
  long double Bottom = 0, MaxSide = 0, MaxEnd = 0, SideFactor = 1, EndFactor = 1;
  TLayerParameterValues Parameters;
};

// What the user enters for a whole example, read from its file.
struct TProblemScript {
  QString Title;
  int Units = 1, NLRFD = 2, METHOD = 2, KCYCL = 1, IMOD = 1, IPENT = 0, IChart = 0;
  int UseElevation = 0, PrintTZCurves = 0, NPOINTPD = 0;
  long double RCYCL = 1, PINC = 1, ValElevation = 0, WTD = 0, PD = 0, LPD = 0, FST = 0, FSB = 0;
  long double PDMIN = 0, PDINCR = 0, DIAMINCR = 0;
  std::array<long double, TProgramData::kMaxSettlements> PDSETT{};
  std::array<long double, 7> Shaft{};  // DSTART, DIALIM, RATIO, BELANGL, TOPLENG, BS, EPILE
  std::vector<TLayerScript> Layers;
  std::vector<long double> TZDepths;
  QByteArray SavedText;  // the example as the program saves it
};

TProblemScript ReadScript(const QString& path, TSoilProfileTables& tables) {
  TProblemScript s;
  auto doc = TProgramData::CreateFromFile(path, TProgramData::kFilterCurrent, tables);
  s.Title = doc->Title;
  s.Units = doc->Units();
  s.NLRFD = doc->NLRFD;
  s.METHOD = doc->METHOD;
  s.KCYCL = doc->KCYCL;
  s.RCYCL = doc->RCYCL;
  s.PINC = doc->PINC;
  s.IMOD = doc->IMOD;
  s.IPENT = doc->IPENT;
  s.IChart = doc->IChart;
  s.UseElevation = doc->UseElevation;
  s.ValElevation = doc->ValElevation;
  s.PrintTZCurves = doc->PrintTZCurves;
  s.WTD = doc->WTD;
  s.PD = doc->PD;
  s.LPD = doc->LPD;
  s.FST = doc->FST;
  s.FSB = doc->FSB;
  s.PDMIN = doc->PDMIN;
  s.PDINCR = doc->PDINCR;
  s.DIAMINCR = doc->DIAMINCR;
  s.NPOINTPD = doc->NPOINTPD;
  s.PDSETT = doc->PDSETT;
  const auto& shaft = InputDialogFields::ShaftProperties();
  for (std::size_t i = 0; i < shaft.size(); ++i) s.Shaft[i] = (*doc).*shaft[i].Value;
  const TGridTable& d = tables.D();
  for (int row = 0; row < d.RowCount(); ++row) {
    TLayerScript layer;
    layer.Type = d.GetIntValue(kLayerSoilType, row);
    layer.Bottom = d.GetFloatValue(kLayerBottom, row);
    layer.MaxSide = d.GetFloatValue(kLayerMaxSideFriction, row);
    layer.MaxEnd = d.GetFloatValue(kLayerMaxEndBearing, row);
    layer.SideFactor = d.GetFloatValue(kLayerSideFactor, row);
    layer.EndFactor = d.GetFloatValue(kLayerEndFactor, row);
    layer.Parameters = TLayerParameterValues::Read(*tables.LayerTable(row), layer.Type);
    s.Layers.push_back(layer);
  }
  if (s.PrintTZCurves == 1)
    for (int row = 0; row < tables.TblTZDepth().RowCount(); ++row)
      s.TZDepths.push_back(tables.TblTZDepth().GetFloatValue(0, row));
  s.SavedText = doc->FileText();
  return s;
}

// The user's actions.
void Enter(TDataEdit* entry, long double value) {
  ASSERT_TRUE(entry->isEnabled()) << entry->objectName().toStdString();
  Type(entry, entry->ShownText(value));
}

void SetChecked(QAbstractButton* button, bool checked) {
  if (button->isChecked() != checked) button->click();
}

void Choose(QComboBox* box, int index) {
  box->setCurrentIndex(index);
  emit box->activated(index);
}

// Opens an input window as the main window does and activates it.
template <class TForm>
std::unique_ptr<TForm> Open(TChildKind kind, const TDialogHost& host = {}) {
  std::unique_ptr<TForm> form(dynamic_cast<TForm*>(MakeInputDialog(kind, host)));
  EXPECT_TRUE(form);
  form->show();
  form->FormActivate();
  return form;
}

// Closes an input window; the close must be accepted.
void CloseWindow(TChildForm* form) {
  int closed = 0;
  QObject::connect(form, &TChildForm::Closed, form, [&closed] { ++closed; });
  form->close();
  ASSERT_EQ(closed, 1) << form->windowTitle().toStdString();
}

void EnterLayerParameters(TDlgSoils* soils, const TLayerParameterValues& p) {
  const int page = soils->CurrentPage();
  ASSERT_GE(page, 0);
  ASSERT_TRUE(soils->Pages()->isTabVisible(page));
  if (page == kPageSand) {
    // The method first: it decides which fields are in use.
    const int method = p.At(SandColumn::Method, kRowBottom) == 1   ? kSandMethodKo
                       : p.At(SandColumn::Method, kRowBottom) == 2 ? kSandMethodBeta
                                                                   : kSandMethodOCR;
    soils->MethodButton(method)->click();
  }
  const TParameterPage& def = ParameterPages()[std::size_t(page)];
  for (std::size_t i = 0; i < def.Fields.size(); ++i) {
    const int col = def.Fields[i].Column;
    if (def.Fields[i].Kind == TParameterKind::InterfaceCondition) {
      soils->ConditionBox(kRowTop)->setCurrentIndex(int(p.At(col, kRowTop)) - 1);
      soils->ConditionBox(kRowBottom)->setCurrentIndex(int(p.At(col, kRowBottom)) - 1);
      continue;
    }
    TDataEdit* top = soils->TopEntry(page, int(i));
    TDataEdit* bottom = soils->BottomEntry(page, int(i));
    // A field the method leaves out of use holds nothing in the example either.
    if (!top->isEnabled()) {
      EXPECT_EQ(p.At(col, kRowTop), 0) << def.Fields[i].Label;
      EXPECT_EQ(p.At(col, kRowBottom), 0) << def.Fields[i].Label;
      continue;
    }
    Enter(top, p.At(col, kRowTop));
    Enter(bottom, p.At(col, kRowBottom));
  }
}

void EnterProblem(const TProblemScript& s, TSoilProfileTables& tables) {
  TProgramData& doc = *ProgramData;
  // Menu commands: the unit system, the design method, the computation method.
  doc.SetUnits(s.Units);
  doc.NLRFD = s.NLRFD;
  tables.ShowLRFDColumns(s.NLRFD == 1);
  doc.METHOD = s.METHOD;

  {
    auto title = Open<TdlgTitle>(TChildKind::Title);
    title->TitleEdit()->clear();
    QTest::keyClicks(title->TitleEdit(), s.Title);
    CloseWindow(title.get());
  }
  {
    auto shaft = Open<TfrmShaftpeneta>(TChildKind::DSP);
    for (int i = 0; i < int(s.Shaft.size()); ++i)
      Enter(shaft->DataEdit(i), s.Shaft[std::size_t(i)]);
    CloseWindow(shaft.get());
  }
  {
    auto water = Open<TfrmWaterDepth>(TChildKind::PI);
    Enter(water->DataEdit1(), s.WTD);
    CloseWindow(water.get());
  }
  {
    auto safety = Open<TfrmSafetyFactor>(TChildKind::SP);
    Enter(safety->DataEdit1(), s.FST);
    Enter(safety->DataEdit2(), s.FSB);
    CloseWindow(safety.get());
  }
  {
    std::unique_ptr<TLoadingDialog> loading;
    if (s.METHOD == 2) {
      loading = Open<TfrmPenetration>(TChildKind::cPP);
      Enter(loading->MainEntry(), s.PD);
    } else {
      loading = Open<TfrmDesignLoad>(TChildKind::ncPP);
      Enter(loading->MainEntry(), s.LPD);
    }
    (s.KCYCL == 2 ? loading->OptCyclic() : loading->OptStatic())->click();
    if (s.KCYCL == 2) Enter(loading->deRCYCL(), s.RCYCL);
    CloseWindow(loading.get());
  }
  {
    auto options = Open<TDlgOptions>(TChildKind::Options);
    (s.IMOD == 1 ? options->RadioButton1() : options->RadioButton2())->click();
    Enter(options->DataEdit1(), s.PINC);
    SetChecked(options->CheckBox2(), s.UseElevation == 1);
    if (s.UseElevation == 1) Enter(options->DataEdit2(), s.ValElevation);
    SetChecked(options->ChkPrint(), s.PrintTZCurves == 1);
    if (s.PrintTZCurves == 1) {
      TGridTable& depths = tables.TblTZDepth();
      WhileModal([&] { return static_cast<QDialog*>(depths.Form()); },
                 [&](QDialog*) {
                   TTableForm* form = depths.Form();
                   while (depths.RowCount() < int(s.TZDepths.size())) form->AddButton()->click();
                   for (int row = 0; row < int(s.TZDepths.size()); ++row)
                     TypeIntoCell(form->Grid(), row, 0,
                                  TDataEdit().ShownText(s.TZDepths[std::size_t(row)]));
                   form->close();
                 });
      options->EditDepths()->click();
    }
    CloseWindow(options.get());
  }
  if (s.IPENT == 1) {
    auto vary = Open<TfrmVaryLength>(TChildKind::ncvary);
    SetChecked(vary->CheckBox1(), true);
    Enter(vary->DataEdit(0), s.PD);
    Enter(vary->DataEdit(1), s.PDMIN);
    Enter(vary->DataEdit(2), s.PDINCR);
    CloseWindow(vary.get());
  }
  if (s.IChart == 1) {
    auto charts = Open<TfrmDesignCharts>(TChildKind::ncchart);
    SetChecked(charts->CheckBox1(), true);
    Enter(charts->DataEdit(0), s.PD);
    Enter(charts->DataEdit(1), s.PDMIN);
    Enter(charts->DataEdit(2), s.PDINCR);
    Enter(charts->DataEdit(3), s.DIAMINCR);
    Enter(charts->EditNumber(), s.NPOINTPD);
    ASSERT_EQ(charts->StringGrid1()->rowCount(), s.NPOINTPD);
    for (int row = 0; row < s.NPOINTPD; ++row)
      charts->StringGrid1()->item(row, 1)->setText(
          TDataEdit().ShownText(s.PDSETT[std::size_t(row)]));
    CloseWindow(charts.get());
  }
  {
    auto editor = Open<TDlgSoilLayers>(TChildKind::SoilLayers);
    for (int row = 0; row < int(s.Layers.size()); ++row) {
      const TLayerScript& layer = s.Layers[std::size_t(row)];
      if (row >= editor->Layers().Count()) editor->AddButton()->click();
      ASSERT_EQ(editor->Layers().Count(), row + 1);
      Choose(editor->SoilTypeBox(row), layer.Type - 1);
      Enter(editor->Entry(row, TDlgSoilLayers::kColBottom), layer.Bottom);
      Enter(editor->Entry(row, TDlgSoilLayers::kColMaxSide), layer.MaxSide);
      Enter(editor->Entry(row, TDlgSoilLayers::kColMaxEnd), layer.MaxEnd);
      if (s.NLRFD == 1) {
        Enter(editor->Entry(row, TDlgSoilLayers::kColSideFactor), layer.SideFactor);
        Enter(editor->Entry(row, TDlgSoilLayers::kColEndFactor), layer.EndFactor);
      }
      WhileModal([&] { return static_cast<QDialog*>(editor->SoilsDialog()); },
                 [&](QDialog* dialog) {
                   auto* soils = static_cast<TDlgSoils*>(dialog);
                   EXPECT_EQ(soils->windowTitle(),
                             QStringLiteral("Data for Layer ") + QString::number(row + 1));
                   EnterLayerParameters(soils, layer.Parameters);
                   soils->CloseClick();
                 });
      editor->EditButton(row)->click();
    }
    CloseWindow(editor.get());
  }
}

QString ReportOf(const QString& document) {
  return document.left(document.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".tv8o");
}

class ExampleEntry : public DialogTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ExampleEntry, EnteredThroughTheWindowsRunsToTheExamplesReport) {
  const QString name = QString::fromLatin1(GetParam());
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("example")));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("entered")));
  const QString example = dir.filePath(QStringLiteral("example/") + name);
  const QString entered = dir.filePath(QStringLiteral("entered/") + name);
  ASSERT_TRUE(QFile::copy(QStringLiteral(TORVEX_SOURCE_DIR "/examples/") + name, example));

  const TProblemScript script = ReadScript(example, *fTables);
  ASSERT_FALSE(script.Layers.empty());
  ProgramData = TProgramData::Create(*fTables);
  EnterProblem(script, *fTables);
  ASSERT_FALSE(HasFailure());
  EXPECT_TRUE(fMessages.Messages().isEmpty()) << fMessages.LastText().toStdString();

  ProgramData->FileName = entered;
  ProgramData->Save();
  QFile saved(entered);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QStringList got = TextLines(saved.readAll());
  const QStringList want = TextLines(script.SavedText);
  ASSERT_GT(want.size(), 8);
  ASSERT_EQ(got.size(), want.size());
  for (int i = 0; i < want.size(); ++i)
    ASSERT_EQ(got[i].toStdString(), want[i].toStdString()) << "file line " << i + 1;

  EXPECT_EQ(RunEngineOn(example), 0);
  EXPECT_EQ(RunEngineOn(entered), 0);
  const QStringList expected = ComparableReport(ReportOf(example));
  const QStringList report = ComparableReport(ReportOf(entered));
  ASSERT_GT(expected.size(), 30);
  ASSERT_EQ(report.size(), expected.size());
  for (int i = 0; i < expected.size(); ++i)
    ASSERT_EQ(report[i].toStdString(), expected[i].toStdString()) << "report line " << i + 1;
}

// Between them the English and the SI examples hold all nine soil types.
INSTANTIATE_TEST_SUITE_P(BundledExamples, ExampleEntry,
                         ::testing::Values("sand-over-clay.tv8d", "si-layered-lrfd-charts.tv8d",
                                           "decomposed-rock-si-design-load.tv8d",
                                           "rock-sockets-uplift.tv8d",
                                           "strong-rock-end-bearing.tv8d",
                                           "gravel-uplift-lrfd.tv8d", "belled-design-load.tv8d",
                                           "weak-rock-socket-over-shale.tv8d",
                                           "sand-clay-design-charts.tv8d"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           name = name.substr(0, name.find('.'));
                           for (char& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

}  // namespace
