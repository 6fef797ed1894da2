#include "TAboutBox.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QVBoxLayout>

#include "MainText.h"
#include "ToolIcons.h"

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(MainText::AboutTitle());
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  auto* header = new QHBoxLayout;
  auto* icon = new QLabel;
  icon->setPixmap(ToolIcon(TToolIcon::DrilledShaft).pixmap(48, 48));
  header->addWidget(icon, 0, Qt::AlignTop);

  auto* lines = new QVBoxLayout;
  auto* product = new QLabel(MainText::AboutProduct());
  QFont big = product->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  product->setFont(big);
  product->setObjectName(QStringLiteral("product"));
  lines->addWidget(product);
  for (const QString& text : {MainText::AboutVersion(), MainText::AboutDescription(),
                              MainText::AboutMaker(), MainText::AboutCopyright()}) {
    auto* label = new QLabel(text);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lines->addWidget(label);
  }
  header->addLayout(lines, 1);
  layout->addLayout(header);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}
