#include "TfrmActiveLines.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "PlotMessages.h"

TfrmActiveLines::TfrmActiveLines(const QStringList& names, const std::vector<bool>& active,
                                 QWidget* parent)
    : QDialog(parent), fNames(names), fActive(active) {
  fActive.resize(static_cast<std::size_t>(fNames.size()), true);
  setWindowTitle(QStringLiteral("Active Curves"));
  auto* layout = new QVBoxLayout(this);

  layout->addWidget(new QLabel(QStringLiteral("Select Curve to Active/Desactive"), this));
  auto* heads = new QHBoxLayout;
  heads->addWidget(new QLabel(QStringLiteral("Active :"), this));
  heads->addWidget(new QLabel(QStringLiteral("Curve"), this), 1);
  layout->addLayout(heads);

  fList = new QListWidget(this);
  fList->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // Fixed pitch, so that the flags " yes : " and " no  : " line up in a column.
  fList->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  for (int i = 0; i < fNames.size(); ++i)
    fList->addItem(RowText(fActive[static_cast<std::size_t>(i)], fNames[i]));
  layout->addWidget(fList, 1);

  fToggleSelected = new QPushButton(QStringLiteral("Activate/Deactivate Selected"), this);
  fActivateAll = new QPushButton(QStringLiteral("Activate All"), this);
  fDeactivateAll = new QPushButton(QStringLiteral("Deactivate All"), this);
  fOk = new QPushButton(QStringLiteral("&OK"), this);
  fCancel = new QPushButton(QStringLiteral("&Cancel"), this);
  for (QPushButton* b : {fToggleSelected, fActivateAll, fDeactivateAll, fCancel}) b->setAutoDefault(false);
  fOk->setDefault(true);
  layout->addWidget(fToggleSelected);
  auto* all = new QHBoxLayout;
  all->addWidget(fActivateAll);
  all->addStretch();
  all->addWidget(fDeactivateAll);
  layout->addLayout(all);
  auto* close = new QHBoxLayout;
  close->addWidget(fOk);
  close->addStretch();
  close->addWidget(fCancel);
  layout->addLayout(close);
  setMinimumSize(kMinimumWidth, kMinimumHeight);

  connect(fList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    const int row = fList->row(item);
    SetFlag(row, !fActive[static_cast<std::size_t>(row)]);
  });
  connect(fToggleSelected, &QPushButton::clicked, this, [this] { ToggleSelectedClick(); });
  connect(fActivateAll, &QPushButton::clicked, this, [this] { SetAll(true); });
  connect(fDeactivateAll, &QPushButton::clicked, this, [this] { SetAll(false); });
  connect(fOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(fCancel, &QPushButton::clicked, this, &QDialog::reject);
  if (fList->count() > 0) {
    fList->setCurrentRow(0);
    fList->item(0)->setSelected(true);
  }
}

QString TfrmActiveLines::RowText(bool active, const QString& name) {
  return (active ? PlotText::ActiveFlag() : PlotText::InactiveFlag()) + QStringLiteral("   ") +
         name;
}

void TfrmActiveLines::SetFlag(int row, bool active) {
  if (row < 0 || row >= fList->count()) return;
  fActive[static_cast<std::size_t>(row)] = active;
  fList->item(row)->setText(RowText(active, fNames[row]));
}

void TfrmActiveLines::ToggleSelectedClick() {
  for (int row = 0; row < fList->count(); ++row)
    if (fList->item(row)->isSelected()) SetFlag(row, !fActive[static_cast<std::size_t>(row)]);
}

void TfrmActiveLines::SetAll(bool active) {
  for (int row = 0; row < fList->count(); ++row) SetFlag(row, active);
}
