#include "TdlgFormat.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "EAssignError.h"
#include "PlotLayout.h"
#include "TDataEdit.h"

namespace {

TDataEdit* AddEntry(QFormLayout* form, QWidget* parent, const QString& caption,
                    const QString& units, long double value, long double minimum, bool integer) {
  auto* label = new QLabel(parent);
  auto* edit = new TDataEdit(parent);
  edit->SetIntegerOnly(integer);
  edit->SetMinVal(minimum);
  edit->SetNumber(value);
  edit->SetCaption(caption);
  edit->SetUnitsString(units);
  edit->SetEditLabel(label);
  form->addRow(label, edit);
  return edit;
}

}  // namespace

TdlgFormat::TdlgFormat(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Save Attributes"));
  auto* layout = new QVBoxLayout(this);
  auto* entries = new QFormLayout;
  fHeight = AddEntry(entries, this, QStringLiteral("&Height"), QStringLiteral("in"),
                     kDefaultHeight, kMinimumInches, false);
  fWidth = AddEntry(entries, this, QStringLiteral("&Width"), QStringLiteral("in"), kDefaultWidth,
                    kMinimumInches, false);
  fPpi = AddEntry(entries, this, QStringLiteral("&Pixels Per Inch"), {}, kDefaultPixelsPerInch,
                  kMinimumPixelsPerInch, true);
  layout->addLayout(entries);

  auto* colors = new QGroupBox(QStringLiteral("Colors"), this);
  auto* colorLayout = new QVBoxLayout(colors);
  const char* const names[] = {"Black and White", "256 Colors", "High Color (16 bit)",
                               "True Color (24 bit)", "16 Colors"};
  for (int i = 0; i < 5; ++i) {
    fColors[i] = new QRadioButton(QString::fromLatin1(names[i]), colors);
    colorLayout->addWidget(fColors[i]);
  }
  fColors[4]->setChecked(true);
  layout->addWidget(colors);

  fOk = new QPushButton(QStringLiteral("OK"), this);
  fCancel = new QPushButton(QStringLiteral("Cancel"), this);
  fOk->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(fOk);
  buttons->addWidget(fCancel);
  layout->addLayout(buttons);

  connect(fOk, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(fCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QImage TdlgFormat::TakeBitmap() { return std::exchange(fBitmap, QImage()); }

QImage TdlgFormat::PrepareBitmap(QSize pixels) {
  if (pixels.width() < 1 || pixels.height() < 1 || pixels.width() > kMaxBitmapSide ||
      pixels.height() > kMaxBitmapSide ||
      4LL * pixels.width() * pixels.height() > kMaxBitmapBytes)
    return {};
  QImage image(pixels, QImage::Format_RGB32);
  if (!image.isNull()) image.fill(Qt::white);
  return image;
}

void TdlgFormat::OkClick() {
  for (TDataEdit* edit : {fHeight, fWidth, fPpi})
    if (!edit->CloseQuery()) return;
  long double height = 0, width = 0, ppi = 0;
  try {
    height = fHeight->Number();
    width = fWidth->Number();
    ppi = fPpi->Number();
  } catch (const EAssignError&) {
    return;  // told by the field
  }
  const long double pixelsW = std::rint(ppi * width);
  const long double pixelsH = std::rint(ppi * height);
  if (pixelsW > kMaxBitmapSide || pixelsH > kMaxBitmapSide) {
    fOutcome = TOutcome::Aborted;
    reject();
    return;
  }
  fPixelsPerInch = static_cast<int>(ppi);
  fBitmap = PrepareBitmap(BitmapPixels(width, height, fPixelsPerInch));
  fOutcome = fBitmap.isNull() ? TOutcome::Aborted : TOutcome::Accepted;
  if (fOutcome == TOutcome::Accepted)
    accept();
  else
    reject();
}
