#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <limits>

#include "EAssignError.h"
#include "TDataEdit.h"
#include "TMessageCapture.h"
#include "TestPrinters.h"

namespace {

// The exit check on a field limited to whole numbers from 1 to 100.
struct ExitCheckCase {
  const char* Entry;
  bool IntegerOnly;
  const char* ShownAfter;
  bool Ok;
  const char* Message;  // empty when the entry is taken silently
};

void PrintTo(const ExitCheckCase& c, std::ostream* os) {
  *os << '"' << c.Entry << (c.IntegerOnly ? "\" integer" : "\" real");
}

class ExitCheckTest : public ::testing::TestWithParam<ExitCheckCase> {};

TEST_P(ExitCheckTest, ShowsTheValueOrTellsWhy) {
  const ExitCheckCase c = GetParam();
  TMessageCapture capture;
  TDataEdit edit;
  edit.SetIntegerOnly(c.IntegerOnly);
  edit.SetMinVal(1);
  edit.SetMaxVal(100);
  edit.setText(QString::fromLatin1(c.Entry));

  EXPECT_EQ(edit.CloseQuery(), c.Ok) << c.Entry;
  EXPECT_EQ(edit.text(), QString::fromLatin1(c.ShownAfter)) << c.Entry;
  if (*c.Message == '\0') {
    EXPECT_TRUE(capture.Messages().isEmpty()) << c.Entry << ": " << capture.LastText().toStdString();
  } else {
    ASSERT_EQ(capture.Messages().size(), 1) << c.Entry;
    EXPECT_EQ(capture.Messages()[0].Kind, TMessageKind::Information);
    EXPECT_EQ(capture.LastText(), QString::fromLatin1(c.Message)) << c.Entry;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Range1To100, ExitCheckTest,
    ::testing::Values(
        ExitCheckCase{"2*3", true, "6", true, ""}, ExitCheckCase{"100", true, "100", true, ""},
        ExitCheckCase{"1", true, "1", true, ""},
        ExitCheckCase{"0", true, "1", false, "Entry must be greater than or equal to 1"},
        ExitCheckCase{"150", true, "100", false, "Entry must be less than or equal to 100"},
        ExitCheckCase{"2.5", true, "2.5", false, "Entry must be an integer."},
        ExitCheckCase{"abc", true, "abc", false, "Entry must be a valid integer."},
        ExitCheckCase{"1/0", true, "1/0", false, "Entry must be a valid integer."},
        ExitCheckCase{"2.5", false, "2.5", true, ""},
        ExitCheckCase{"0.5", false, "1", false, "Entry must be greater than or equal to 1"},
        ExitCheckCase{"abc", false, "abc", false,
                      "Entry could not be evaluated:\ninvalid character(s) in expression"},
        ExitCheckCase{"1/0", false, "1/0", false, "Entry could not be evaluated:\ndivision by zero"},
        ExitCheckCase{"", false, "", false, "Entry could not be evaluated:\nentry cannot be blank"}));

TEST(TDataEdit, NewField_ShowsZeroWithTheWidestRange) {
  TDataEdit edit;
  EXPECT_EQ(edit.text(), "0");
  EXPECT_EQ(edit.MinVal(), -1.18973149535723176E+100L);
  EXPECT_EQ(edit.MaxVal(), 1.18973149535723176E+100L);
}

TEST(TDataEdit, Number_ReadsTheTextAndRefusesBadText) {
  TDataEdit edit;
  edit.setText("12*2.5");
  EXPECT_EQ(edit.Number(), 30.0L);
  edit.setText("1/0");
  EXPECT_THROW(edit.Number(), EAssignError);
}

TEST(TDataEdit, SetNumber_ClampsIntoTheRange) {
  TDataEdit edit;
  edit.SetMinVal(0);
  edit.SetMaxVal(10);
  const struct {
    long double Value;
    const char* Shown;
  } cases[] = {{20, "10"}, {-5, "0"}, {2.5L, "2.5"},
               {std::numeric_limits<long double>::infinity(), "10"},
               {std::numeric_limits<long double>::quiet_NaN(), "0"}};
  for (const auto& c : cases) {
    edit.SetNumber(c.Value);
    EXPECT_EQ(edit.text(), QString::fromLatin1(c.Shown)) << double(c.Value);
  }
}

TEST(TDataEdit, Limits_MoveTheCurrentNumberAndNeverCross) {
  TDataEdit edit;
  edit.SetNumber(50);
  edit.SetMaxVal(20);
  EXPECT_EQ(edit.text(), "20");
  edit.SetMinVal(30);  // above the maximum: becomes the maximum
  EXPECT_EQ(edit.MinVal(), 20.0L);
  edit.SetMaxVal(5);  // below the minimum: becomes the minimum
  EXPECT_EQ(edit.MaxVal(), 20.0L);
}

TEST(TDataEdit, IntegerOnly_ClampsTheLimitsToThe32BitRange) {
  TDataEdit edit;
  edit.SetIntegerOnly(true);
  EXPECT_EQ(edit.MinVal(), -2147483648.0L);
  EXPECT_EQ(edit.MaxVal(), 2147483647.0L);
}

TEST(TDataEdit, Hex_ShowsAtLeastFourDigitsAndReadsBack) {
  TDataEdit edit;
  edit.SetHex(true);
  const struct {
    long double Value;
    const char* Shown;
  } cases[] = {{255, "$00FF"}, {254.6L, "$00FF"}, {0, "$0000"}, {74565, "$12345"}, {-255, "-$00FF"}};
  for (const auto& c : cases) {
    edit.SetNumber(c.Value);
    EXPECT_EQ(edit.text(), QString::fromLatin1(c.Shown)) << double(c.Value);
    EXPECT_TRUE(edit.CloseQuery()) << c.Shown;
    EXPECT_EQ(edit.text(), QString::fromLatin1(c.Shown));
  }
}

TEST(TDataEdit, EditLabel_ShowsCaptionAndUnitAndFollowsEnabled) {
  QWidget form;
  QLabel label(&form);
  TDataEdit edit(&form);
  edit.SetEditLabel(&label);
  edit.SetCaption("&Diameter");
  EXPECT_EQ(label.text(), "&Diameter");
  EXPECT_EQ(label.buddy(), &edit);

  const struct {
    const char* Units;
    int System;
    const char* Text;
  } cases[] = {{"L2", 1, "&Diameter (ft)"}, {"L2", 2, "&Diameter (m)"},
               {"L2", 3, "&Diameter (L2)"}, {"L2", 0, "&Diameter (ft)"},
               {"L2", 9, "&Diameter (L2)"}, {"F/L²", 1, "&Diameter (lbs/in²)"},
               {"", 2, "&Diameter"}};
  for (const auto& c : cases) {
    edit.SetUnitsString(QString::fromUtf8(c.Units));
    edit.SetUnits(c.System);
    EXPECT_EQ(label.text(), QString::fromUtf8(c.Text)) << c.Units << " " << c.System;
  }
  edit.setEnabled(false);
  EXPECT_FALSE(label.isEnabled());
  edit.setEnabled(true);
  EXPECT_TRUE(label.isEnabled());
}

TEST(TDataEdit, CommaLocale_ShowsAndReadsTheComma) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  TMessageCapture capture;
  TDataEdit edit;
  edit.SetNumber(2.5L);
  EXPECT_EQ(edit.text(), "2,5");
  edit.setText("2,5*2");
  EXPECT_TRUE(edit.CloseQuery());
  EXPECT_EQ(edit.text(), "5");
  QLocale::setDefault(saved);
}

// Enter belongs to the field: it must not reach the dialog, whose default button would
// close it without the fields being checked.
TEST(TDataEdit, EnterInADialog_ChecksTheFieldAndLeavesTheDialogOpen) {
  TMessageCapture capture;
  QDialog dialog;
  auto* layout = new QVBoxLayout(&dialog);
  auto* edit = new TDataEdit(&dialog);
  auto* okButton = new QPushButton(QStringLiteral("OK"), &dialog);
  okButton->setDefault(true);
  QObject::connect(okButton, &QPushButton::clicked, &dialog, &QDialog::accept);
  layout->addWidget(edit);
  layout->addWidget(okButton);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  edit->setFocus();

  const struct {
    const char* Entry;
    const char* Shown;
    int Messages;
  } cases[] = {{"2*3", "6", 0}, {"abc", "abc", 1}};
  for (const auto& c : cases) {
    capture.Clear();
    edit->setText(QString::fromLatin1(c.Entry));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << c.Entry;
    EXPECT_EQ(dialog.result(), QDialog::Rejected) << c.Entry;
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.Shown)) << c.Entry;
    EXPECT_EQ(capture.Messages().size(), c.Messages) << c.Entry;
  }
}

// A small form: the field under test, a second field and a plain edit to move the focus to.
class DataEditForm : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&fForm);
    fEdit = new TDataEdit(&fForm);
    fOther = new TDataEdit(&fForm);
    fPlain = new QLineEdit(&fForm);
    layout->addWidget(fEdit);
    layout->addWidget(fOther);
    layout->addWidget(fPlain);
    fForm.show();
    fForm.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fForm));
    fEdit->setFocus();
    ASSERT_TRUE(fEdit->hasFocus());
    fEdit->selectAll();
  }

  TMessageCapture fCapture;
  QWidget fForm;
  TDataEdit* fEdit = nullptr;
  TDataEdit* fOther = nullptr;
  QLineEdit* fPlain = nullptr;
};

TEST_F(DataEditForm, TypingAnExpressionAndLeaving_ShowsItsValue) {
  QTest::keyClicks(fEdit, "2*(3+4)");
  fPlain->setFocus();
  EXPECT_EQ(fEdit->text(), "14");
  EXPECT_TRUE(fCapture.Messages().isEmpty());
}

TEST_F(DataEditForm, LeavingABadEntry_TellsWhyAndReturnsTheFocus) {
  QTest::keyClicks(fEdit, "5--3");
  fPlain->setFocus();
  EXPECT_EQ(fCapture.Texts(),
            QStringList{"Entry could not be evaluated:\ninvalid expression"});
  EXPECT_TRUE(fEdit->hasFocus());
  EXPECT_EQ(fEdit->text(), "5--3");
}

TEST_F(DataEditForm, LeavingBelowTheMinimum_SetsTheMinimumAndTells) {
  fEdit->SetIntegerOnly(true);
  fEdit->SetMinVal(1);
  fEdit->SetMaxVal(100);
  fEdit->selectAll();
  QTest::keyClicks(fEdit, "0");
  fPlain->setFocus();
  EXPECT_EQ(fEdit->text(), "1");
  EXPECT_EQ(fCapture.Texts(), QStringList{"Entry must be greater than or equal to 1"});
}

TEST_F(DataEditForm, TwoBadFields_DoNotHandTheFocusBackAndForth) {
  fOther->setText("xyz");
  QTest::keyClicks(fEdit, "abc");
  fOther->setFocus();  // the first field refuses, takes the focus back from the second
  EXPECT_EQ(fCapture.Messages().size(), 1);
  EXPECT_TRUE(fEdit->hasFocus());
}

// The same refused entry checked again before control is back in the event loop (the
// window around the field losing and regaining the focus while the refusal is told) is not
// told twice; it is still refused. A changed entry, or a check after the event loop ran, is
// told again.
TEST_F(DataEditForm, ARefusalIsToldOnceUntilTheEventLoopRuns) {
  QTest::keyClicks(fEdit, "5--3");
  EXPECT_FALSE(fEdit->CloseQuery());
  EXPECT_FALSE(fEdit->CloseQuery());
  EXPECT_EQ(fCapture.Messages().size(), 1);
  fEdit->selectAll();
  QTest::keyClicks(fEdit, "7//");
  EXPECT_FALSE(fEdit->CloseQuery());
  EXPECT_EQ(fCapture.Messages().size(), 2);
  QCoreApplication::processEvents();
  EXPECT_FALSE(fEdit->CloseQuery());
  EXPECT_EQ(fCapture.Messages().size(), 3);
}

TEST_F(DataEditForm, Enter_EvaluatesSelectsAndStaysInTheField) {
  QTest::keyClicks(fEdit, "2+2");
  QTest::keyClick(fEdit, Qt::Key_Return);
  EXPECT_EQ(fEdit->text(), "4");
  EXPECT_EQ(fEdit->selectedText(), "4");
  EXPECT_TRUE(fEdit->hasFocus());
}

TEST_F(DataEditForm, OperatorOverTheSelectedValue_ExtendsIt) {
  QTest::keyClicks(fEdit, "6");
  QTest::keyClick(fEdit, Qt::Key_Return);  // "6", all selected
  QTest::keyClicks(fEdit, "*7");
  EXPECT_EQ(fEdit->text(), "6*7");
  QTest::keyClick(fEdit, Qt::Key_Return);
  QTest::keyClicks(fEdit, "5");  // a digit replaces the selection as usual
  EXPECT_EQ(fEdit->text(), "5");
}

TEST_F(DataEditForm, SwitchingWindowsOrOpeningAMenu_DoesNotCheckTheField) {
  QTest::keyClicks(fEdit, "abc");
  for (Qt::FocusReason reason :
       {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason, Qt::MenuBarFocusReason}) {
    QFocusEvent leave(QEvent::FocusOut, reason);
    QApplication::sendEvent(fEdit, &leave);
    EXPECT_TRUE(fCapture.Messages().isEmpty()) << int(reason);
  }
}

// Windows that copy the number elsewhere hear of every check, after the field has shown the
// checked value.
TEST(TDataEdit, EntryChecked_ToldAfterTheCheckWithTheShownValue) {
  TMessageCapture capture;
  TDataEdit edit;
  edit.SetMaxVal(10);
  QStringList heard;
  QObject::connect(&edit, &TDataEdit::EntryChecked, [&](bool accepted) {
    heard << (accepted ? QStringLiteral("taken ") : QStringLiteral("refused ")) + edit.text();
  });
  for (const char* entry : {"2*3", "12", "x"}) {
    edit.setText(QString::fromLatin1(entry));
    edit.Evaluate();
  }
  EXPECT_EQ(heard, (QStringList{QStringLiteral("taken 6"), QStringLiteral("refused 10"),
                                QStringLiteral("refused x")}));
}

}  // namespace
