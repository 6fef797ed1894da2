#include "TfrmGraphCaption.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmGraphCaption::TfrmGraphCaption(const QString& caption, bool onTop, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Graph Caption"));
  auto* layout = new QVBoxLayout(this);

  auto* label = new QLabel(QStringLiteral("Enter Graph Caption"), this);
  fCaption = new QLineEdit(caption, this);
  fCaption->setMinimumWidth(fCaption->fontMetrics().averageCharWidth() * 40);
  label->setBuddy(fCaption);
  layout->addWidget(label);
  layout->addWidget(fCaption);

  auto* location = new QGroupBox(QStringLiteral("Caption Location"), this);
  auto* locationLayout = new QHBoxLayout(location);
  fTop = new QRadioButton(QStringLiteral("Top"), location);
  fBottom = new QRadioButton(QStringLiteral("Bottom"), location);
  (onTop ? fTop : fBottom)->setChecked(true);
  locationLayout->addWidget(fTop);
  locationLayout->addWidget(fBottom);
  layout->addWidget(location);

  fOk = new QPushButton(QStringLiteral("&OK"), this);
  fOk->setDefault(true);
  connect(fOk, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(fOk);
  buttons->addStretch();
  layout->addLayout(buttons);
}

QString TfrmGraphCaption::Caption() const { return fCaption->text(); }

bool TfrmGraphCaption::OnTop() const { return fTop->isChecked(); }
