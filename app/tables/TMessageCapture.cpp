#include "TMessageCapture.h"

TMessageCapture::TMessageCapture() {
  fPrevious = TMessageBox::SetHandler(
      [this](TMessageKind kind, QWidget* parent, const QString& text,
             QMessageBox::StandardButtons buttons) -> QMessageBox::StandardButton {
        fMessages << TCapturedMessage{kind, text, parent};
        if (!fAnswers.isEmpty()) return fAnswers.takeFirst();
        for (auto b : {QMessageBox::Yes, QMessageBox::Ok, QMessageBox::No, QMessageBox::Cancel})
          if (buttons.testFlag(b)) return b;
        return QMessageBox::NoButton;
      });
}

TMessageCapture::~TMessageCapture() { TMessageBox::SetHandler(std::move(fPrevious)); }

QStringList TMessageCapture::Texts() const {
  QStringList texts;
  for (const TCapturedMessage& m : fMessages) texts << m.Text;
  return texts;
}

QString TMessageCapture::LastText() const {
  return fMessages.isEmpty() ? QString() : fMessages.last().Text;
}
