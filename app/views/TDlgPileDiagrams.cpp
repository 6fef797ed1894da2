#include "TDlgPileDiagrams.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "SizeFactorStep.h"
#include "TDlgBlock.h"
#include "TSizeFactorEdit.h"
#include "ViewMessages.h"

QPoint PileDiagramsPosition(const QRect& mainWindow, const QSize& size) {
  int left = mainWindow.x() + mainWindow.width() * 3 / 4 - size.width() / 2;
  int top = mainWindow.y() + mainWindow.height() / 2 - size.height() / 2;
  left = std::min(left, mainWindow.x() + mainWindow.width() - size.width());
  top = std::min(top, mainWindow.y() + mainWindow.height() - size.height());
  return {left, top};
}

namespace {

QString Text(const char* text) { return QString::fromLatin1(text); }

}  // namespace

TDlgPileDiagrams::TDlgPileDiagrams(TDlgBlock* view)
    : QWidget(view->window(), Qt::Tool | Qt::WindowStaysOnTopHint), fView(view) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Text(view_text::kPileDiagramsCaption));

  fShowPlots = new QCheckBox(Text(view_text::kShowPlots), this);
  fOptions = new QWidget(this);
  fSkinFriction = new QCheckBox(Text(view_text::kSkinFriction), fOptions);
  fTipResistance = new QCheckBox(Text(view_text::kTipResistance), fOptions);
  fTotalCapacity = new QCheckBox(Text(view_text::kTotalCapacity), fOptions);
  fShowMaximumValues = new QCheckBox(Text(view_text::kShowMaximumValues), fOptions);

  auto* select = new QGroupBox(Text(view_text::kSelectPlots), fOptions);
  fUltimate = new QRadioButton(Text(view_text::kUltimateEffects), select);
  fDesign = new QRadioButton(Text(view_text::kDesignEffects), select);
  auto* group = new QButtonGroup(this);
  group->addButton(fUltimate, kUltimateEffects);
  group->addButton(fDesign, kDesignEffects);
  auto* selectLayout = new QVBoxLayout(select);
  selectLayout->addWidget(fUltimate);
  selectLayout->addWidget(fDesign);

  auto* sizeLabel = new QLabel(fOptions);
  fSizeFactor = new TSizeFactorEdit(fOptions);
  fSizeFactor->SetCaption(Text(view_text::kSizeFactor));
  fSizeFactor->SetEditLabel(sizeLabel);
  fSizeUp = new QToolButton(fOptions);
  fSizeUp->setArrowType(Qt::UpArrow);
  fSizeUp->setAutoRepeat(true);
  fSizeDown = new QToolButton(fOptions);
  fSizeDown->setArrowType(Qt::DownArrow);
  fSizeDown->setAutoRepeat(true);
  for (QToolButton* arrow : {fSizeUp, fSizeDown}) {
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setFixedHeight(fSizeFactor->sizeHint().height() / 2);
  }
  auto* arrows = new QVBoxLayout;
  arrows->setSpacing(0);
  arrows->addWidget(fSizeUp);
  arrows->addWidget(fSizeDown);
  auto* sizeRow = new QHBoxLayout;
  sizeRow->addWidget(sizeLabel);
  sizeRow->addWidget(fSizeFactor, 1);
  sizeRow->addLayout(arrows);

  auto* optionsLayout = new QVBoxLayout(fOptions);
  optionsLayout->setContentsMargins(16, 0, 0, 0);
  for (QWidget* w : {static_cast<QWidget*>(fSkinFriction), static_cast<QWidget*>(fTipResistance),
                     static_cast<QWidget*>(fTotalCapacity),
                     static_cast<QWidget*>(fShowMaximumValues), static_cast<QWidget*>(select)})
    optionsLayout->addWidget(w);
  optionsLayout->addLayout(sizeRow);

  fClose = new QPushButton(Text(view_text::kClose), this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fShowPlots);
  layout->addWidget(fOptions);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(fClose);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  const auto forward = [this](QCheckBox* box, void (TDlgBlock::*setter)(bool)) {
    connect(box, &QCheckBox::toggled, this, [this, setter](bool on) {
      if (!fLoading && fView) (fView->*setter)(on);
    });
  };
  forward(fShowPlots, &TDlgBlock::SetShowUltimateEffects);
  forward(fSkinFriction, &TDlgBlock::SetShowSkinFriction);
  forward(fTipResistance, &TDlgBlock::SetShowTipResistance);
  forward(fTotalCapacity, &TDlgBlock::SetShowTotalCapacity);
  forward(fShowMaximumValues, &TDlgBlock::SetShowUltimateEffectsValues);
  connect(fShowPlots, &QCheckBox::toggled, this, &TDlgPileDiagrams::EnableOptions);
  connect(group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (on && !fLoading && fView) fView->SetShowUltimateResults(id);
  });
  connect(fSizeFactor, &TSizeFactorEdit::NumberEntered, this, &TDlgPileDiagrams::TakeFactor);
  connect(fSizeFactor, &TSizeFactorEdit::StepRequested, this, &TDlgPileDiagrams::StepFactor);
  connect(fSizeUp, &QToolButton::clicked, this, [this] { StepFactor(true); });
  connect(fSizeDown, &QToolButton::clicked, this, [this] { StepFactor(false); });
  connect(fClose, &QPushButton::clicked, this, &QWidget::close);
  connect(view, &TDlgBlock::OptionsChanged, this, &TDlgPileDiagrams::LoadFromView);

  LoadFromView();
}

void TDlgPileDiagrams::Present() {
  LoadFromView();
  if (!fPlaced) {
    fPlaced = true;
    adjustSize();
    const QWidget* mainWindow = parentWidget() ? parentWidget() : fView.data();
    if (mainWindow) move(PileDiagramsPosition(mainWindow->frameGeometry(), frameGeometry().size()));
  }
  show();
  raise();
  activateWindow();
}

void TDlgPileDiagrams::LoadFromView() {
  if (!fView) return;
  const TBlockOptions& o = fView->Options();
  fLoading = true;
  fShowPlots->setChecked(o.ShowUltimateEffects);
  fSkinFriction->setChecked(o.ShowSkinFriction);
  fTipResistance->setChecked(o.ShowTipResistance);
  fTotalCapacity->setChecked(o.ShowTotalCapacity);
  fShowMaximumValues->setChecked(o.ShowUltimateEffectsValues);
  (o.ShowUltimateResults == kDesignEffects ? fDesign : fUltimate)->setChecked(true);
  if (!fSizeFactor->hasFocus()) fSizeFactor->SetNumber(o.UltimateEffectsFactor);
  fLoading = false;
  EnableOptions();
}

void TDlgPileDiagrams::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) LoadFromView();
}

void TDlgPileDiagrams::EnableOptions() { fOptions->setEnabled(fShowPlots->isChecked()); }

void TDlgPileDiagrams::TakeFactor(long double factor) {
  if (fView) fView->SetUltimateEffectsFactor(factor);
}

void TDlgPileDiagrams::StepFactor(bool up) {
  if (!fView) return;
  // From what the field holds when it is a number, else from the view's factor.
  long double factor = fView->Options().UltimateEffectsFactor;
  try {
    factor = fSizeFactor->Number();
  } catch (const std::exception&) {
  }
  const long double stepped = StepSizeFactor(factor, up);
  fSizeFactor->SetNumber(stepped);
  fView->SetUltimateEffectsFactor(stepped);
}
