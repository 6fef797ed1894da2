#pragma once
// "Combined Plots": the small window, kept above the main window, that chooses the 3D
// view's result diagrams: whether they are shown, which lines, whether their largest values
// are written, ultimate or ASD/LRFD values, and their size. Every change goes into the view
// at once and sets its scene up again. It belongs to its view and closes with it.
#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QWidget>

class TDlgBlock;
class TSizeFactorEdit;

// Where the window goes: centred three quarters across and half down the main window, then
// moved left and up as far as needed to stay inside its right and bottom edges.
QPoint PileDiagramsPosition(const QRect& mainWindow, const QSize& size);

class TDlgPileDiagrams : public QWidget {
  Q_OBJECT

 public:
  // A window of `view`, over the view's main window.
  explicit TDlgPileDiagrams(TDlgBlock* view);

  // Shows the window at its place the first time, brings it up afterwards.
  void Present();
  // Shows the view's options.
  void LoadFromView();

  QCheckBox* ShowPlots() const { return fShowPlots; }
  QCheckBox* SkinFriction() const { return fSkinFriction; }
  QCheckBox* TipResistance() const { return fTipResistance; }
  QCheckBox* TotalCapacity() const { return fTotalCapacity; }
  QCheckBox* ShowMaximumValues() const { return fShowMaximumValues; }
  QRadioButton* UltimateEffects() const { return fUltimate; }
  QRadioButton* DesignEffects() const { return fDesign; }
  TSizeFactorEdit* SizeFactor() const { return fSizeFactor; }
  QToolButton* SizeUp() const { return fSizeUp; }
  QToolButton* SizeDown() const { return fSizeDown; }
  QPushButton* CloseButton() const { return fClose; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void EnableOptions();
  void StepFactor(bool up);
  void TakeFactor(long double factor);

  QPointer<TDlgBlock> fView;
  bool fPlaced = false;
  bool fLoading = false;
  QCheckBox* fShowPlots = nullptr;
  QWidget* fOptions = nullptr;
  QCheckBox* fSkinFriction = nullptr;
  QCheckBox* fTipResistance = nullptr;
  QCheckBox* fTotalCapacity = nullptr;
  QCheckBox* fShowMaximumValues = nullptr;
  QRadioButton* fUltimate = nullptr;
  QRadioButton* fDesign = nullptr;
  TSizeFactorEdit* fSizeFactor = nullptr;
  QToolButton* fSizeUp = nullptr;
  QToolButton* fSizeDown = nullptr;
  QPushButton* fClose = nullptr;
};
