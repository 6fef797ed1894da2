#include "TfrmLineNames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "PlotMessages.h"
#include "PlotPalette.h"
#include "TMessageBox.h"

namespace {

constexpr int kSideGap = 10;
constexpr int kSpacing = 5;
constexpr int kButtonInset = 20;

}  // namespace

TfrmLineNames::TfrmLineNames(const QStringList& names, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Legend"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kSideGap, kSideGap, kSideGap, kSideGap);
  layout->setSpacing(kSpacing);

  auto* listLabel = new QLabel(QStringLiteral("Select line to modify:"), this);
  fList = new QListWidget(this);
  fList->addItems(names);
  listLabel->setBuddy(fList);
  auto* nameLabel = new QLabel(QStringLiteral("Type new legend below:"), this);
  fName = new QLineEdit(this);
  nameLabel->setBuddy(fName);
  layout->addWidget(listLabel);
  layout->addWidget(fList, 1);
  layout->addWidget(nameLabel);
  layout->addWidget(fName);

  // Enter in the field puts the name into the list; it does not close the dialog.
  fOk = new QPushButton(QStringLiteral("&OK"), this);
  fCancel = new QPushButton(QStringLiteral("&Cancel"), this);
  for (QPushButton* b : {fOk, fCancel}) {
    b->setAutoDefault(false);
    b->setDefault(false);
  }
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(kButtonInset - kSideGap, 0, kButtonInset - kSideGap, 0);
  buttons->addWidget(fOk);
  buttons->addStretch();
  buttons->addWidget(fCancel);
  layout->addLayout(buttons);
  setMinimumSize(kMinimumWidth, kMinimumHeight);

  connect(fOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(fCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(fList, &QListWidget::currentRowChanged, this, [this] { ListSelect(); });
  connect(fList, &QListWidget::itemClicked, this, [this] { ListSelect(); });
  connect(fList, &QListWidget::itemDoubleClicked, this, [this] { ListSelect(); });
  connect(fName, &QLineEdit::editingFinished, this, [this] { NameEditDone(); });
  if (fList->count() > 0) fList->setCurrentRow(0);
  ListSelect();
}

QStringList TfrmLineNames::Names() const {
  QStringList names;
  for (int i = 0; i < fList->count(); ++i) names << fList->item(i)->text();
  return names;
}

void TfrmLineNames::ListSelect() {
  const int row = fList->currentRow();
  if (row < 0) return;
  fName->setText(fList->item(row)->text());
  QPalette palette = fName->palette();
  palette.setColor(QPalette::Text, PlotPalette(row));
  fName->setPalette(palette);
}

void TfrmLineNames::NameEditDone() {
  const int row = fList->currentRow();
  if (row < 0 || fTelling) return;
  if (fName->text().isEmpty()) {
    fTelling = true;
    TMessageBox::Information(this, PlotText::LineMustHaveName());
    fTelling = false;
    fName->setText(fList->item(row)->text());
    return;
  }
  fList->item(row)->setText(fName->text());
}
