// Which plots the export offers, which are checked, and the proposed workbook name.
#include "TExportChoice.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>

#include "TExportWorkbook.h"

namespace {

using I = TGraphicsItem;

QString L(const char* text) { return QString::fromLatin1(text); }

TGraphicsMenuState Enabled(std::initializer_list<I> items) {
  TGraphicsMenuState menu;
  for (I item : items) menu[item].Enabled = true;
  return menu;
}

TGraphicsMenuState AllEnabled() {
  TGraphicsMenuState menu;
  for (int k = 0; k < kGraphicsItemCount; ++k) menu[static_cast<I>(k)].Enabled = true;
  return menu;
}

QStringList Captions(const TExportChoice& choice) {
  QStringList captions;
  for (const auto& entry : choice.Entries()) captions << entry.Caption;
  return captions;
}

TEST(ExportChoice, WithoutResultsNothingIsOfferedAndNothingCanBeGenerated) {
  TResultPlots plots;  // nothing loaded
  TExportChoice choice;
  choice.Rebuild(GraphicsMenuState(TPlotReadSettings{}, plots, false), plots);
  EXPECT_EQ(choice.Count(), 0);
  EXPECT_FALSE(choice.CanGenerate());
  EXPECT_TRUE(choice.ChosenPlots(plots).empty());
}

TEST(ExportChoice, OffersTheTwentySixPlotsInExportOrder) {
  TResultPlots plots;
  TExportChoice choice;
  choice.Rebuild(AllEnabled(), plots);
  const QStringList expected = {
      L("Ultimate Skin Friction vs Depth"),
      L("Ultimate Tip Resistance vs Depth"),
      L("Ultimate Total Capacity vs Depth"),
      L("ASD/LRFD Skin Friction vs Depth "),
      L("ASD/LRFD Tip Resistance vs Depth "),
      L("ASD/LRFD Total Capacity vs Depth"),
      L("Combined Plots vs Depth (ultimate)"),
      L("Combined Plots vs Depth (ASD/LRFD)"),
      L("Axial Load vs Settlement (averaged)"),
      L("Axial Load vs Settlement (upper bound)"),
      L("Axial Load vs Settlement (lower bound)"),
      L("Combined Plots of Load vs Settlement"),
      L("t-z curves (averaged)"),
      L("Q-w curves (averaged)"),
      L("Additional t-z curves (averaged)"),
      L("Load Distribution"),
      L("Design Chart 1"), L("Design Chart 2"), L("Design Chart 3"), L("Design Chart 4"),
      L("Design Chart 5"), L("Design Chart 6"), L("Design Chart 7"), L("Design Chart 8"),
      L("Design Chart 9"), L("Design Chart  10"),
  };
  EXPECT_EQ(Captions(choice), expected);
  for (int i = 0; i < choice.Count(); ++i) {
    EXPECT_EQ(choice.Entries()[static_cast<std::size_t>(i)].Position, i + 1);
    EXPECT_TRUE(choice.Entries()[static_cast<std::size_t>(i)].Checked);
  }
  // The chosen plots are the plots behind the captions.
  const auto chosen = choice.ChosenPlots(plots);
  ASSERT_EQ(chosen.size(), 26u);
  for (std::size_t i = 0; i < chosen.size(); ++i) EXPECT_EQ(chosen[i]->Caption(), expected[static_cast<int>(i)]);
}

TEST(ExportChoice, OffersOnlyPlotsWhoseMenuCommandIsEnabled) {
  TResultPlots plots;
  plots.PltChart(2).SetCaption(L("Design Chart (0.2-in movement)"));
  TExportChoice choice;
  choice.Rebuild(Enabled({I::DesignChart2, I::Qwcurvesaveraged, I::mSkin}), plots);
  EXPECT_EQ(Captions(choice), QStringList({L("Ultimate Skin Friction vs Depth"), L("Q-w curves (averaged)"),
                                           L("Design Chart (0.2-in movement)")}));
  EXPECT_EQ(choice.Entries()[1].Position, 14);
}

TEST(ExportChoice, GenerateNeedsACheckedEntry) {
  TResultPlots plots;
  TExportChoice choice;
  choice.Rebuild(Enabled({I::mSkin, I::mTip, I::mTotal}), plots);
  EXPECT_TRUE(choice.CanGenerate());
  choice.UnselectAll();
  EXPECT_FALSE(choice.CanGenerate());
  choice.SetChecked(2, true);
  EXPECT_TRUE(choice.CanGenerate());
  ASSERT_EQ(choice.ChosenPlots(plots).size(), 1u);
  EXPECT_EQ(choice.ChosenPlots(plots)[0], &plots.pltTotal());
  choice.SetChecked(2, false);
  EXPECT_FALSE(choice.CanGenerate());
  choice.SelectAll();
  EXPECT_EQ(choice.ChosenPlots(plots).size(), 3u);
  EXPECT_THROW(choice.SetChecked(3, true), std::out_of_range);

  // A new opening checks every entry again.
  choice.UnselectAll();
  choice.Rebuild(Enabled({I::mSkin, I::mTip}), plots);
  EXPECT_EQ(choice.ChosenPlots(plots).size(), 2u);
}

TEST(ExportChoice, OnlyTheSeventhOfferedPlotGivesPageOneAndPlotOne) {
  TResultPlots plots;
  TExportChoice choice;
  choice.Rebuild(AllEnabled(), plots);
  choice.UnselectAll();
  choice.SetChecked(6, true);
  const TExportWorkbook book(choice.ChosenPlots(plots), true);
  EXPECT_EQ(book.SheetNames(), QStringList({L("Legend"), L("Page_1"), L("Plot_1")}));
  EXPECT_EQ(book.Page(1).CellAt(1, 1).Text, L("Combined Plots vs Depth (ultimate)"));
}

TEST(ExportChoice, ProposesTheDocumentsNameWithXlsxInItsFolder) {
  const struct {
    QString document;
    QString workbook;
  } cases[] = {
      {L("/data/jobs/pile.tv8d"), L("/data/jobs/pile.xlsx")},
      {L("/data/my.job.v2.tv8d"), L("/data/my.job.v2.xlsx")},
      {L("/data/old/pile.tvd"), L("/data/old/pile.xlsx")},
      {L("/data/NOEXT"), L("/data/NOEXT.xlsx")},
      {L("NewTorvex.tv8d"), QDir::current().filePath(L("NewTorvex.xlsx"))},
  };
  for (const auto& c : cases) EXPECT_EQ(ProposedWorkbookName(c.document), c.workbook) << c.document.toStdString();
}

}  // namespace
