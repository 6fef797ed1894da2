// The main window's rules without the window: the caption, the recent-files list, the
// command line, the save prompt and the save rule, the profile checks and the Data menu.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <memory>

#include "CaptionRule.h"
#include "CheckData.h"
#include "CommandLineRule.h"
#include "MainTestSupport.h"
#include "MenuStates.h"
#include "TGridTable.h"
#include "TMessageCapture.h"
#include "TProgramData.h"
#include "TRecentFiles.h"
#include "TSavePrompt.h"
#include "TSoilProfileTables.h"

namespace {

using main_test::StripAccelerators;

// --- Caption ---------------------------------------------------------------------------------

struct CaptionCase {
  const char* fileName;
  const char* caption;
};

TEST(CaptionRule, NameWithoutFolder_TV8DropsOnly_FirstLetterUpper) {
  const CaptionCase cases[] = {
      {"NewTorvex.tv8d", "TORVEX 2017.8.11 - NewTorvex.tv8d"},
      {"/work/examples/sand-over-clay.tv8d", "TORVEX 2017.8.11 - Sand-over-clay.tv8d"},
      {"/work/old release/pile.TV8", "TORVEX 2017.8.11 - Pile"},
      {"/work/x.tv8", "TORVEX 2017.8.11 - X"},
      {"/work/legacy.tvd", "TORVEX 2017.8.11 - Legacy.tvd"},
      {"/work/a.tv8.bak", "TORVEX 2017.8.11 - A.tv8.bak"},
      {"/work/9lives.tv8d", "TORVEX 2017.8.11 - 9lives.tv8d"},
      {"/work/\xc3\xa9lan.tv8d", "TORVEX 2017.8.11 - \xc3\xa9lan.tv8d"},  // only a..z
      {"/work.tv8/noext", "TORVEX 2017.8.11 - Noext"},
  };
  for (const CaptionCase& c : cases)
    EXPECT_EQ(MainCaption(QString::fromUtf8(c.fileName)), QString::fromUtf8(c.caption))
        << c.fileName;
}

// --- Recent files ----------------------------------------------------------------------------

TRecentFiles ListOf(const QStringList& names) {
  TRecentFiles list;
  for (int k = 1; k <= names.size(); ++k) list.SetPrevFile(k, names[k - 1]);
  return list;
}

QStringList Entries(const TRecentFiles& list) {
  QStringList names;
  for (int k = 1; k <= TRecentFiles::kCount; ++k) names << list.PrevFile(k);
  while (!names.isEmpty() && names.last().isEmpty()) names.removeLast();
  return names;
}

struct RecentCase {
  const char* what;
  QStringList before;
  QString opened;
  bool changed;
  QStringList after;
};

TEST(RecentFiles, UpdatePrevFile_MovesAsTheListRuleSays) {
  const QStringList five = {"/p/a.tv8d", "/p/b.tv8d", "/p/c.tv8d", "/p/d.tv8d", "/p/e.tv8d"};
  QStringList ten;
  for (int k = 1; k <= 10; ++k) ten << QStringLiteral("/p/f%1.tv8d").arg(k);
  const RecentCase cases[] = {
      {"first file reopened", five, "/p/a.tv8d", false, five},
      {"fifth to the top", five, "/p/e.tv8d", true,
       {"/p/e.tv8d", "/p/a.tv8d", "/p/b.tv8d", "/p/c.tv8d", "/p/d.tv8d"}},
      {"fifth of ten", ten, "/p/f5.tv8d", true,
       {"/p/f5.tv8d", "/p/f1.tv8d", "/p/f2.tv8d", "/p/f3.tv8d", "/p/f4.tv8d", "/p/f6.tv8d",
        "/p/f7.tv8d", "/p/f8.tv8d", "/p/f9.tv8d", "/p/f10.tv8d"}},
      {"new name drops the tenth", ten, "/p/new.tv8d", true,
       QStringList{"/p/new.tv8d"} + ten.mid(0, 9)},
      {"names differ in case", {"/p/a.tv8d"}, "/p/A.tv8d", true, {"/p/A.tv8d", "/p/a.tv8d"}},
      {"empty list", {}, "/p/a.tv8d", true, {"/p/a.tv8d"}},
  };
  for (const RecentCase& c : cases) {
    TRecentFiles list = ListOf(c.before);
    EXPECT_EQ(list.UpdatePrevFile(c.opened), c.changed) << c.what;
    EXPECT_EQ(Entries(list), c.after) << c.what;
    EXPECT_EQ(list.NumberPrevFile(), c.after.size()) << c.what;
  }
}

TEST(RecentFiles, MenuTexts_ShortenedInTheCurrentFolder_SeparatorWithEntriesOnly) {
  TRecentFiles list = ListOf({"/work/p/x.tv8d", "/work/other/y.tv8d", "/work/pile/z.tv8d",
                              "/work/p/sub/w.tv8d", "/work/p/R&D.tv8d", "/a/6.tv8d", "/a/7.tv8d",
                              "/a/8.tv8d", "/a/9.tv8d", "/work/p/ten.tv8d"});
  EXPECT_EQ(StripAccelerators(list.MenuText(1, "/work/p")), "1 x.tv8d");
  EXPECT_EQ(StripAccelerators(list.MenuText(2, "/work/p")), "2 /work/other/y.tv8d");
  EXPECT_EQ(StripAccelerators(list.MenuText(3, "/work/p")), "3 /work/pile/z.tv8d");
  EXPECT_EQ(StripAccelerators(list.MenuText(4, "/work/p/")), "4 sub/w.tv8d");
  EXPECT_EQ(StripAccelerators(list.MenuText(5, "/work/p")), "5 R&D.tv8d");
  EXPECT_EQ(list.MenuText(1, "/work/p"), "&1 x.tv8d");
  EXPECT_EQ(list.MenuText(10, "/work/p"), "1&0 ten.tv8d");
  EXPECT_TRUE(list.SeparatorVisible());
  EXPECT_FALSE(TRecentFiles().SeparatorVisible());
}

// --- Command line ----------------------------------------------------------------------------

TEST(CommandLineRule, ExtensionAppendedOnlyWithoutAnyDot_FilterByExtension) {
  QTemporaryDir dir;
  const QString root = dir.path();
  QDir().mkpath(root + "/sub.d");
  for (const char* name : {"problem.tv8d", "sub.d/problem", "sub.d/problem.tv8d", "old.tvd",
                           "notes.txt", "UPPER.TV8D"})
    main_test::WriteBytes(root + "/" + name, "x");
  // Without a "." anywhere the ".tv8d" is appended; the scratch folder's own path has none.
  ASSERT_FALSE(root.contains('.')) << "the scratch folder must be free of dots";

  struct Case {
    QStringList arguments;
    QString path;
    int filter;
  } cases[] = {
      {{}, "", 0},
      {{root + "/problem"}, root + "/problem.tv8d", 1},
      {{root + "/sub.d/problem"}, root + "/sub.d/problem", 0},  // the folder's "." counts
      {{root + "/old.tvd"}, root + "/old.tvd", 2},
      {{root + "/notes.txt"}, root + "/notes.txt", 0},
      {{root + "/missing.tv8d"}, root + "/missing.tv8d", 0},
      {{root + "/UPPER.TV8D"}, root + "/UPPER.TV8D", 1},
  };
  for (const Case& c : cases) {
    const TStartDocument start = StartDocument(c.arguments);
    EXPECT_EQ(start.Path, c.path) << c.arguments.join(' ').toStdString();
    EXPECT_EQ(start.Filter, c.filter) << c.arguments.join(' ').toStdString();
  }
}

// --- Save rule and prompt --------------------------------------------------------------------

TEST(SaveRule, OnlyNamedCurrentFormatDocumentsAreWrittenInPlace) {
  struct Case {
    const char* fileName;
    TSaveAction action;
  } cases[] = {
      {"NewTorvex.tv8d", TSaveAction::SaveAs},      {"/p/NewTorvex.tv8d", TSaveAction::WriteInPlace},
      {"/p/pile.tv8d", TSaveAction::WriteInPlace},  {"/p/pile.TV8D", TSaveAction::WriteInPlace},
      {"/p/pile.tvd", TSaveAction::SaveAs},         {"/p/pile.tv8", TSaveAction::SaveAs},
      {"/p/pile", TSaveAction::SaveAs},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SaveActionFor(QString::fromLatin1(c.fileName)), c.action) << c.fileName;
}

TEST(SavePrompt, AnswersDecideWhetherTheCommandGoesOn) {
  using A = TSavePrompt::TAnswer;
  struct Case {
    const char* what;
    bool changed;
    A answer;
    bool saveWrites;       // false: the write failed
    const char* nameAfter;  // the document's name after the save command
    bool goesOn;
    bool asked;
    bool saved;
  } cases[] = {
      {"nothing changed", false, A::Yes, true, "/p/a.tv8d", true, false, false},
      {"cancel", true, A::Cancel, true, "/p/a.tv8d", false, true, false},
      {"no", true, A::No, true, "/p/a.tv8d", true, true, false},
      {"yes, saved", true, A::Yes, true, "/p/a.tv8d", true, true, true},
      {"yes, save as cancelled", true, A::Yes, true, "NewTorvex.tv8d", false, true, true},
      {"yes, write failed", true, A::Yes, false, "/p/a.tv8d", false, true, true},
  };
  for (const Case& c : cases) {
    bool asked = false;
    bool saved = false;
    TSavePrompt::THooks hooks;
    hooks.Ask = [&] {
      asked = true;
      return c.answer;
    };
    hooks.Save = [&] {
      saved = true;
      return c.saveWrites;
    };
    hooks.DocumentFileName = [&] { return QString::fromLatin1(c.nameAfter); };
    EXPECT_EQ(TSavePrompt::Continue(c.changed, hooks), c.goesOn) << c.what;
    EXPECT_EQ(asked, c.asked) << c.what;
    EXPECT_EQ(saved, c.saved) << c.what;
  }
}

// --- Profile checks --------------------------------------------------------------------------

class ProfileCheck : public ::testing::Test {
 protected:
  ~ProfileCheck() override { QLocale::setDefault(fUserLocale); }

  TProfileCheck Check(int units, std::initializer_list<long double> bottoms, long double PD,
                      long double DSTART) {
    TGridTable& d = fTables.D();
    d.SetRowCount(int(bottoms.size()));
    int row = 0;
    for (long double bottom : bottoms) d.SetFloatValue(kLayerBottom, row++, bottom);
    return CheckData(d, units, PD, DSTART);
  }

  QLocale fUserLocale;
  TSoilProfileTables fTables;
};

TEST_F(ProfileCheck, ThinLayersAndShortProfilesWarn_ExactLimitsPass) {
  const QString thinFirst =
      "Thickness of layer should be at least 2 ft\rto avoid numerical errors. \r"
      "Please check layer 1 . Thickness = 1.5 ft";
  const QString thinSecond =
      "Thickness of layer should be at least 2 ft\rto avoid numerical errors. \r"
      "Please check layer 2 . Thickness = 1.5 ft";
  const QString shortProfile =
      "Depth of Bottom Layer, 25.5 ft\rshould be at least the shaft length plus two shaft "
      "diameters 26 ft\rto perform analysis. \rPlease check !";
  const QString thinSI =
      "Thickness of layer should be at least 0.6 m\rto avoid numerical errors. \r"
      "Please check layer 3 . Thickness = 0.5 m";
  struct Case {
    const char* what;
    int units;
    std::initializer_list<long double> bottoms;
    long double PD, DSTART;
    bool passed;
    QString warning;
  } cases[] = {
      {"1.5 ft layers: the first warns", 1, {1.5L, 3.0L, 30.0L}, 10, 3, false, thinFirst},
      {"a thin second layer", 1, {20.0L, 21.5L, 40.0L}, 10, 3, false, thinSecond},
      {"2 ft exactly passes", 1, {2.0L, 4.0L, 30.0L}, 20, 3, true, ""},
      {"bottom exactly PD + 2 DSTART", 1, {20.0L, 26.0L}, 20, 3, true, ""},
      {"bottom short of PD + 2 DSTART", 1, {20.0L, 25.5L}, 20, 3, false, shortProfile},
      {"design load: PD 0", 1, {20.0L, 26.0L}, 0, 13, true, ""},
      // Typed decimals whose binary differences fall a rounding error short of the limit.
      {"0.6 m layers in SI", 2, {0.9L, 1.5L, 2.1L, 16.8L}, 15, 0.9L, true, ""},
      {"SI bottom exactly 15 + 2 x 0.9 m", 2, {5.0L, 16.8L}, 15, 0.9L, true, ""},
      {"a thin SI layer", 2, {0.9L, 1.5L, 2.0L, 20.0L}, 15, 0.9L, false, thinSI},
  };
  for (const Case& c : cases) {
    const TProfileCheck check = Check(c.units, c.bottoms, c.PD, c.DSTART);
    EXPECT_EQ(check.Passed, c.passed) << c.what;
    EXPECT_EQ(check.Warning, c.warning) << c.what;
  }
}

TEST_F(ProfileCheck, NoLayers_DoesNotPass) {
  const TProfileCheck check = Check(1, {}, 10, 3);
  EXPECT_FALSE(check.Passed);
  EXPECT_TRUE(check.Warning.startsWith("The soil profile has no layers."));
}

TEST_F(ProfileCheck, NumbersInTheUsersLocale) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const TProfileCheck check = Check(2, {0.9L, 1.4L, 20.0L}, 10, 1);
  EXPECT_EQ(check.Warning,
            "Thickness of layer should be at least 0,6 m\rto avoid numerical errors. \r"
            "Please check layer 2 . Thickness = 0,5 m");
}

// --- Data menu -------------------------------------------------------------------------------

class DataMenu : public ::testing::Test {
 protected:
  TSoilProfileTables fTables;
  std::unique_ptr<TProgramData> fDoc = TProgramData::Create(fTables);
};

TEST_F(DataMenu, DesignLoadDisablesLengthsAndCharts_EachExcludesTheOther) {
  struct Case {
    const char* what;
    int METHOD, IPENT, IChart;
    bool lengthsEnabled, lengthsChecked, chartsEnabled, chartsChecked;
  } cases[] = {
      {"design load, file set both", 1, 1, 1, false, false, false, false},
      {"shaft length, neither", 2, 0, 0, true, false, true, false},
      {"shaft length, lengths on", 2, 1, 0, true, true, false, false},
      {"shaft length, charts on", 2, 0, 1, false, false, true, true},
  };
  for (const Case& c : cases) {
    fDoc->METHOD = c.METHOD;
    fDoc->IPENT = c.IPENT;
    fDoc->IChart = c.IChart;
    const TDataMenuState s = DataMenuState(*fDoc);
    EXPECT_EQ(s.MultipleLengthsEnabled, c.lengthsEnabled) << c.what;
    EXPECT_EQ(s.MultipleLengthsChecked, c.lengthsChecked) << c.what;
    EXPECT_EQ(s.DesignChartsEnabled, c.chartsEnabled) << c.what;
    EXPECT_EQ(s.DesignChartsChecked, c.chartsChecked) << c.what;
    EXPECT_EQ(s.DesignLoadChecked, c.METHOD == 1) << c.what;
    EXPECT_EQ(s.ShaftLengthChecked, c.METHOD == 2) << c.what;
  }
}

TEST_F(DataMenu, FactorOfSafetyOnlyForAllowableStressDesign) {
  struct Case {
    int NLRFD;
    bool fs, asd, lrfd;
  } cases[] = {{2, true, true, false}, {1, false, false, true}, {0, false, false, false}};
  for (const Case& c : cases) {
    fDoc->NLRFD = c.NLRFD;
    const TDataMenuState s = DataMenuState(*fDoc);
    EXPECT_EQ(s.FactorOfSafetyEnabled, c.fs) << c.NLRFD;
    EXPECT_EQ(s.ASDChecked, c.asd) << c.NLRFD;
    EXPECT_EQ(s.LRFDChecked, c.lrfd) << c.NLRFD;
  }
}

TEST(RunFiles, ExtensionReplacedAsTheRunFileListDoes) {
  EXPECT_EQ(RunFilePath("/p/pile.tv8d", ".tv8o"), "/p/pile.tv8o");
  EXPECT_EQ(RunFilePath("/p/old.tvd", ".tv8p"), "/p/old.tv8p");
  EXPECT_EQ(RunFilePath("/p.d/pile", ".tv8r"), "/p.d/pile.tv8r");
}

}  // namespace
