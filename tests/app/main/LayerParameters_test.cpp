// The layer-parameters dialog: what each page shows (titles, labels with units, which fields
// the sand method puts in use), what the store writes into the layer's parameter table, and
// when the dialog refuses to close.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

#include "DialogTestSupport.h"
#include "DialogTexts.h"
#include "LayerParameterPages.h"
#include "TDataEdit.h"
#include "TDlgSoils.h"
#include "TGridTable.h"
#include "TLayerParameterValues.h"

namespace {

struct SandMethodCase {
  int Method;
  bool Ko, Beta, M, Angle;
  bool BetaNote, MNote, IgnoreNote, EstimateNote;
};

void PrintTo(const SandMethodCase& c, std::ostream* os) { *os << "method " << c.Method; }

class SandMethod : public DialogTest, public ::testing::WithParamInterface<SandMethodCase> {};

TEST_P(SandMethod, PutsItsFieldsAndNotesInUse) {
  const SandMethodCase c = GetParam();
  SetLayers({kSoilSand});
  Layer(0).SetIntValue(SandColumn::Method, kRowTop, c.Method);
  TDlgSoils soils;
  soils.FormActivate(0, kSoilSand);
  soils.show();
  auto enabled = [&](int column) {
    for (int i = 0; i < int(ParameterPages()[kPageSand].Fields.size()); ++i)
      if (ParameterPages()[kPageSand].Fields[std::size_t(i)].Column == column) {
        EXPECT_EQ(soils.TopEntry(kPageSand, i)->isEnabled(),
                  soils.BottomEntry(kPageSand, i)->isEnabled());
        return soils.TopEntry(kPageSand, i)->isEnabled();
      }
    ADD_FAILURE() << "no field of column " << column;
    return false;
  };
  EXPECT_EQ(enabled(SandColumn::Ko), c.Ko);
  EXPECT_EQ(enabled(SandColumn::Beta), c.Beta);
  EXPECT_EQ(enabled(SandColumn::OCR), c.M);
  EXPECT_TRUE(enabled(SandColumn::UnitWeight));
  EXPECT_EQ(soils.InterfaceAngleEntry(kRowTop)->isEnabled(), c.Angle);
  EXPECT_FALSE(soils.InterfaceAngleEntry(kRowTop)->isVisible());
  const auto& notes = soils.Notes(kPageSand);
  EXPECT_EQ(notes[kSandNoteBetaEstimate]->isVisible(), c.BetaNote);
  EXPECT_EQ(notes[kSandNoteM]->isVisible(), c.MNote);
  EXPECT_EQ(notes[kSandNoteIgnoreFriction]->isVisible(), c.IgnoreNote);
  EXPECT_EQ(notes[kSandNoteEstimateFriction]->isVisible(), c.EstimateNote);
  for (int m = kSandMethodKo; m <= kSandMethodOCR; ++m)
    EXPECT_EQ(soils.MethodButton(m)->isChecked(), m == c.Method);
  soils.hide();
}

INSTANTIATE_TEST_SUITE_P(
    Methods, SandMethod,
    ::testing::Values(SandMethodCase{1, true, false, false, true, false, false, false, true},
                      SandMethodCase{2, false, true, false, false, true, false, true, false},
                      SandMethodCase{3, false, false, true, true, false, true, false, true},
                      // A method from a type change: nothing selected, nothing in use.
                      SandMethodCase{0, false, false, false, false, false, false, false, false}));

// The store of a sand layer: the method into both rows and the values it does not use
// cleared.
struct SandStoreCase {
  int Selected;
  int Stored;
  bool KeepsKo, KeepsBeta, KeepsOCR, KeepsAngle;
};

void PrintTo(const SandStoreCase& c, std::ostream* os) { *os << "selected " << c.Selected; }

class SandStore : public DialogTest, public ::testing::WithParamInterface<SandStoreCase> {};

TEST_P(SandStore, StoresTheMethodAndClearsWhatItDoesNotUse) {
  const SandStoreCase c = GetParam();
  SetLayers({kSoilSand});
  TLayerParameterValues v = TLayerParameterValues::Read(Layer(0), kSoilSand);
  for (int row : {kRowTop, kRowBottom}) {
    v.At(SandColumn::UnitWeight, row) = 120;
    v.At(SandColumn::Ko, row) = 0.5L;
    v.At(SandColumn::Beta, row) = 0.8L;
    v.At(SandColumn::OCR, row) = 0.6L;
    v.At(SandColumn::InterfaceAngle, row) = 28;
    v.At(SandColumn::BlowCounts, row) = 14.6L;
  }
  v.Method = c.Selected;
  v.Write(Layer(0));
  for (int row : {kRowTop, kRowBottom}) {
    const TGridTable& t = Layer(0);
    EXPECT_EQ(t.GetIntValue(SandColumn::Method, row), c.Stored);
    EXPECT_EQ(t.GetFloatValue(SandColumn::UnitWeight, row), 120);
    EXPECT_EQ(t.GetIntValue(SandColumn::BlowCounts, row), 15);  // rounded
    EXPECT_EQ(t.GetFloatValue(SandColumn::Ko, row), c.KeepsKo ? 0.5L : 0);
    EXPECT_EQ(t.GetFloatValue(SandColumn::Beta, row), c.KeepsBeta ? 0.8L : 0);
    EXPECT_EQ(t.GetFloatValue(SandColumn::OCR, row), c.KeepsOCR ? 0.6L : 0);
    EXPECT_EQ(t.GetFloatValue(SandColumn::InterfaceAngle, row), c.KeepsAngle ? 28 : 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Methods, SandStore,
                         ::testing::Values(SandStoreCase{1, 1, true, false, false, true},
                                           SandStoreCase{2, 2, false, true, false, false},
                                           SandStoreCase{3, 3, false, false, true, true},
                                           SandStoreCase{0, 3, false, false, true, true}));

// Titles and labels by soil type and unit system.
struct PageCase {
  int Type;
  int Units;
  int Page;
  const char* Title;
  int Field;
  const char* Label;
};

void PrintTo(const PageCase& c, std::ostream* os) {
  *os << "type " << c.Type << " units " << c.Units;
}

class PageShown : public DialogTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(PageShown, HasItsTitleAndLabelsWithUnits) {
  const PageCase c = GetParam();
  Doc().SetUnits(c.Units);
  SetLayers({kSoilClay, c.Type});
  TDlgSoils soils;
  soils.FormActivate(1, c.Type);
  EXPECT_EQ(soils.windowTitle(), QStringLiteral("Data for Layer 2"));
  EXPECT_EQ(soils.CurrentPage(), c.Page);
  EXPECT_EQ(soils.Pages()->currentIndex(), c.Page);
  for (int page = 0; page < kParameterPageCount; ++page)
    EXPECT_EQ(soils.Pages()->isTabVisible(page), page == c.Page) << page;
  EXPECT_EQ(soils.TitleLabel(c.Page)->text(), QString::fromLatin1(c.Title));
  EXPECT_EQ(soils.FieldLabel(c.Page, c.Field)->text(), QString::fromLatin1(c.Label));
}

INSTANTIATE_TEST_SUITE_P(
    Types, PageShown,
    ::testing::Values(
        PageCase{1, 1, kPageSand, "Sand (FHWA Spec.)", 0, "1. Total Unit Weight (lbs/ft^3)"},
        PageCase{1, 2, kPageSand, "Sand (FHWA Spec.)", 0, "1. Total Unit Weight (kN/m^3)"},
        PageCase{1, 1, kPageSand, "Sand (FHWA Spec.)", 5, "6. Friction Angle (***) (deg)"},
        PageCase{1, 1, kPageSand, "Sand (FHWA Spec.)", 4, "5. Blow Counts from SPT"},
        PageCase{2, 1, kPageClay, "Clay (FHWA Spec.)", 1, "2. Cohesion (lbs/ft^2)"},
        PageCase{3, 2, kPageClay, "Shale (Reese and Aurora)", 1, "2. Cohesion (kN/m^2)"},
        PageCase{4, 1, kPageRock,
                 "Strong Rock (FHWA Spec. - use either side friction or end bearing)", 5,
                 "6. Elastic Modulus (lbs/in^2)"},
        PageCase{7, 2, kPageRock, "Strong Rock (FHWA Spec. - side friction plus end bearing)", 4,
                 "5. Socket Diameter (m)"},
        PageCase{5, 1, kPageDecomposedRock, "Decomposed Rock/Gravel (FHWA Spec.)", 4,
                 "6. Young Modulus (optional) (lbs/in^2)"},
        PageCase{6, 1, kPageWeakRock, "Weak Rock (FHWA Spec.)", 2, "3. Concrete Slump (in)"},
        PageCase{6, 2, kPageWeakRock, "Weak Rock (FHWA Spec.)", 0,
                 "1. Interface Condition Index (*)"},
        PageCase{8, 1, kPageGravel, "Gravelly Sand (Rollins et al)", 2, "3. Beta Value"},
        PageCase{9, 2, kPageGravel, "Gravel (Rollins et al)", 0, "1. Total Unit Weight (kN/m^3)"}));

using LayerParameters = DialogTest;

TEST_F(LayerParameters, WeakRockConditionsAndWholeNumbersStoreAsTheTableHoldsThem) {
  SetLayers({kSoilWeakRock, kSoilDecomposedRock});
  Layer(0).SetIntValue(WeakRockColumn::InterfaceCondition, kRowTop, 2);
  // A hand-edited file's condition outside the choices: none is shown, and the value stays
  // until one is chosen.
  Layer(0).SetIntValue(WeakRockColumn::InterfaceCondition, kRowBottom, 7);
  TDlgSoils soils;
  soils.FormActivate(0, kSoilWeakRock);
  EXPECT_EQ(soils.ConditionBox(kRowTop)->currentIndex(), 1);
  EXPECT_EQ(soils.ConditionBox(kRowBottom)->currentIndex(), -1);
  EXPECT_EQ(soils.ConditionBox(kRowTop)->currentText(), QStringLiteral("2"));
  ASSERT_TRUE(soils.FormDeactivate());
  EXPECT_EQ(Layer(0).GetIntValue(WeakRockColumn::InterfaceCondition, kRowBottom), 7);
  soils.ConditionBox(kRowTop)->setCurrentIndex(3);
  Type(soils.TopEntry(kPageWeakRock, 1), QStringLiteral("60000"));
  // Copy top to bottom takes the interface condition as well.
  soils.CopyClick();
  EXPECT_EQ(soils.BottomEntry(kPageWeakRock, 1)->text(), QStringLiteral("60000"));
  EXPECT_EQ(soils.ConditionBox(kRowBottom)->currentIndex(), 3);
  ASSERT_TRUE(soils.FormDeactivate());
  EXPECT_EQ(Layer(0).GetIntValue(WeakRockColumn::InterfaceCondition, kRowTop), 4);
  EXPECT_EQ(Layer(0).GetIntValue(WeakRockColumn::InterfaceCondition, kRowBottom), 4);
  EXPECT_EQ(Layer(0).GetFloatValue(WeakRockColumn::RockStrength, kRowBottom), 60000);
  EXPECT_TRUE(fTables->DataChanged());

  // Blow counts are whole numbers within the column's range.
  soils.FormActivate(1, kSoilDecomposedRock);
  TDataEdit* blows = soils.TopEntry(kPageDecomposedRock, 1);
  EXPECT_TRUE(blows->IntegerOnly());
  TypeAndStay(blows, QStringLiteral("2.5"));
  EXPECT_FALSE(soils.FormDeactivate());
  EXPECT_EQ(fMessages.LastText(), QStringLiteral("Entry must be an integer."));
  TypeAndStay(blows, QStringLiteral("150"));
  EXPECT_FALSE(soils.FormDeactivate());
  EXPECT_EQ(fMessages.LastText(), QStringLiteral("Entry must be less than or equal to 100"));
  EXPECT_EQ(Layer(1).GetIntValue(DecomposedColumn::BlowCounts, kRowTop), 0);
  Type(blows, QStringLiteral("40"));
  EXPECT_TRUE(soils.FormDeactivate());
  EXPECT_EQ(Layer(1).GetIntValue(DecomposedColumn::BlowCounts, kRowTop), 40);
}

TEST_F(LayerParameters, CloseRefusesTheKoMethodWithoutKoAndAnInvalidEntry) {
  SetLayers({kSoilSand});
  TDlgSoils soils;
  soils.FormActivate(0, kSoilSand);
  soils.show();
  ASSERT_TRUE(soils.MethodButton(kSandMethodKo)->isChecked());  // the template's method
  soils.CloseClick();
  EXPECT_TRUE(soils.isVisible());
  EXPECT_EQ(fMessages.LastText(),
            QStringLiteral("Coefficient of Lateral Earth Pressure, Ko,\rshould be greater than "
                           "zero while using Ko Method\rPlease Check!"));

  // An entry that is not a number keeps it open and stores nothing.
  fMessages.Clear();
  TypeAndStay(soils.TopEntry(kPageSand, 0), QStringLiteral("12O"));
  soils.reject();
  EXPECT_TRUE(soils.isVisible());
  ASSERT_EQ(fMessages.Messages().size(), 1);
  EXPECT_TRUE(fMessages.LastText().startsWith(QStringLiteral("Entry could not be evaluated:")));
  EXPECT_EQ(Layer(0).GetFloatValue(SandColumn::UnitWeight, kRowTop), 0);

  Type(soils.TopEntry(kPageSand, 0), QStringLiteral("120"));
  Type(soils.BottomEntry(kPageSand, 1), QStringLiteral("0.4"));  // a Ko at the bottom will do
  soils.CloseClick();
  EXPECT_FALSE(soils.isVisible());
  EXPECT_EQ(Layer(0).GetFloatValue(SandColumn::UnitWeight, kRowTop), 120);
  EXPECT_EQ(Layer(0).GetFloatValue(SandColumn::Ko, kRowBottom), 0.4L);
}

}  // namespace
