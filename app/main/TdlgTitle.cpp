#include "TdlgTitle.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "DialogTexts.h"
#include "InputDialogRules.h"
#include "TProgramData.h"

TdlgTitle::TdlgTitle(QWidget* parent)
    : TInputDialog(TChildKind::Title, DialogText::TitleCaption(), parent) {
  auto* label = new QLabel(QStringLiteral("Enter line of text for project description:"), this);
  fTitle = new QLineEdit(this);
  fTitle->setObjectName(QStringLiteral("Edit1"));
  fTitle->setMaxLength(InputDialogRules::kTitleLength);
  // Room for the whole line of 80 characters.
  fTitle->setMinimumWidth(fTitle->fontMetrics().averageCharWidth() * 60);
  label->setBuddy(fTitle);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(fTitle);
  layout->addLayout(CloseButtonRow());
}

void TdlgTitle::LoadValues() {
  fTitle->setMaxLength(InputDialogRules::TitleMaxLength(Doc().Title));
  fTitle->setText(Doc().Title);
}

bool TdlgTitle::StoreValues() {
  InputDialogRules::StoreTitle(Doc(), fTitle->text());
  return true;
}
