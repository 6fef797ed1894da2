#include "TDlgExport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "ExportMessages.h"
#include "ExportRun.h"

TDlgExport::TDlgExport(const TResultPlots& plots, TMenuStateSource menuState,
                       TDocumentNameSource documentFileName, QWidget* parent)
    : QDialog(parent),
      fPlots(plots),
      fMenuState(std::move(menuState)),
      fDocumentFileName(std::move(documentFileName)),
      fList(new QListWidget),
      fSelectAll(new QPushButton(QStringLiteral("&Select All"))),
      fUnselectAll(new QPushButton(QStringLiteral("&Unselect All"))),
      fGenerate(new QPushButton(QStringLiteral("&Generate Excel File"))),
      fClose(new QPushButton(QStringLiteral("&Close Window"))),
      fMarkers(new QCheckBox(QStringLiteral("Add &markers in plots"))) {
  setWindowTitle(ExportText::DialogCaption());
  setModal(true);

  fList->setObjectName(QStringLiteral("PlotList"));
  fList->setSelectionMode(QAbstractItemView::SingleSelection);
  auto* available = new QGroupBox(ExportText::AvailablePlots());
  auto* listLayout = new QVBoxLayout(available);
  listLayout->addWidget(fList);

  fMarkers->setChecked(true);
  fGenerate->setDefault(true);
  for (QPushButton* button : {fSelectAll, fUnselectAll, fClose}) button->setAutoDefault(false);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(fSelectAll);
  buttons->addWidget(fUnselectAll);
  buttons->addStretch();
  buttons->addWidget(fGenerate);
  buttons->addWidget(fClose);

  auto* top = new QHBoxLayout;
  top->addWidget(available, 1);
  top->addLayout(buttons);

  auto* notes = new QLabel(ExportText::Notes());
  notes->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(fMarkers);
  layout->addWidget(notes);

  connect(fSelectAll, &QPushButton::clicked, this, &TDlgExport::SelectAllClick);
  connect(fUnselectAll, &QPushButton::clicked, this, &TDlgExport::UnselectAllClick);
  connect(fGenerate, &QPushButton::clicked, this, &TDlgExport::GenerateClick);
  connect(fClose, &QPushButton::clicked, this, &TDlgExport::CloseClick);
  connect(fList, &QListWidget::itemChanged, this, &TDlgExport::PlotListItemChanged);

  UpdateGenerateButton();
}

void TDlgExport::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
}

void TDlgExport::FormActivate() {
  fChoice.Rebuild(fMenuState ? fMenuState() : TGraphicsMenuState(), fPlots);
  ShowChoice();
}

void TDlgExport::SelectAllClick() {
  fChoice.SelectAll();
  ShowChoice();
}

void TDlgExport::UnselectAllClick() {
  fChoice.UnselectAll();
  ShowChoice();
}

void TDlgExport::GenerateClick() {
  if (!fChoice.CanGenerate()) return;
  const QString document = fDocumentFileName ? fDocumentFileName() : QString();
  RunExport(this, fChoice.ChosenPlots(fPlots), fMarkers->isChecked(), ProposedWorkbookName(document));
}

void TDlgExport::CloseClick() { close(); }

void TDlgExport::PlotListItemChanged(QListWidgetItem* item) {
  fChoice.SetChecked(fList->row(item), item->checkState() == Qt::Checked);
  UpdateGenerateButton();
}

// The list widget shows the choice; the choice is only ever changed through it.
void TDlgExport::ShowChoice() {
  const QSignalBlocker blocker(fList);
  const int current = fList->currentRow();
  fList->clear();
  for (const TExportChoice::TEntry& entry : fChoice.Entries()) {
    auto* item = new QListWidgetItem(entry.Caption, fList);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(entry.Checked ? Qt::Checked : Qt::Unchecked);
  }
  if (current >= 0 && current < fList->count()) fList->setCurrentRow(current);
  FitListToCaptions();
  UpdateGenerateButton();
}

// Wide enough for the longest caption and tall enough for most of the plots, in the
// current font; the dialog grows to it but never shrinks below what the user made it.
void TDlgExport::FitListToCaptions() {
  const int frame = 2 * fList->frameWidth();
  const int rowHeight = fList->count() > 0 ? fList->sizeHintForRow(0) : fList->fontMetrics().height();
  const int captions = fList->count() > 0 ? fList->sizeHintForColumn(0) : 0;
  fList->setMinimumWidth(std::max(captions, 20 * fList->fontMetrics().averageCharWidth()) + frame +
                         fList->verticalScrollBar()->sizeHint().width());
  fList->setMinimumHeight(kVisibleRows * rowHeight + frame);
  resize(size().expandedTo(sizeHint()));
}

void TDlgExport::UpdateGenerateButton() { fGenerate->setEnabled(fChoice.CanGenerate()); }
