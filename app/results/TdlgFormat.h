#pragma once
// The "Save Attributes" dialog of a saved picture: its height and width in inches and its
// pixels per inch. On OK it prepares the bitmap; a bitmap too large to be made ends the
// dialog in the abort state instead. The colour choice is offered but does not change the
// bitmap.
#include <QDialog>
#include <QImage>

class QPushButton;
class QRadioButton;
class TDataEdit;

class TdlgFormat : public QDialog {
  Q_OBJECT

 public:
  enum class TOutcome { Cancelled, Accepted, Aborted };

  static constexpr long double kDefaultHeight = 4;
  static constexpr long double kDefaultWidth = 6;
  static constexpr long double kMinimumInches = 2;
  static constexpr int kDefaultPixelsPerInch = 72;
  static constexpr int kMinimumPixelsPerInch = 10;
  // The largest bitmap prepared, in bytes and along either side; anything larger counts as
  // running out of memory, before the program commits the memory or the time to paint it.
  static constexpr long long kMaxBitmapBytes = 256LL * 1024 * 1024;
  static constexpr int kMaxBitmapSide = 32767;

  explicit TdlgFormat(QWidget* parent = nullptr);

  TOutcome Outcome() const { return fOutcome; }
  // The bitmap prepared on OK (white), its size from the entries.
  QImage TakeBitmap();
  int PixelsPerInch() const { return fPixelsPerInch; }

  // A white bitmap of that size, or a null image when it is too large to be made.
  static QImage PrepareBitmap(QSize pixels);

  TDataEdit* HeightEdit() const { return fHeight; }
  TDataEdit* WidthEdit() const { return fWidth; }
  TDataEdit* PixelsPerInchEdit() const { return fPpi; }
  QPushButton* OkButton() const { return fOk; }
  QPushButton* CancelButton() const { return fCancel; }
  QRadioButton* ColorButton(int i) const { return fColors[i]; }

 private:
  void OkClick();

  TDataEdit* fHeight;
  TDataEdit* fWidth;
  TDataEdit* fPpi;
  QRadioButton* fColors[5];
  QPushButton* fOk;
  QPushButton* fCancel;
  TOutcome fOutcome = TOutcome::Cancelled;
  QImage fBitmap;
  int fPixelsPerInch = kDefaultPixelsPerInch;
};
