#include "TMessageBox.h"

#include <utility>

namespace {

TMessageBox::THandler& Handler() {
  static TMessageBox::THandler handler;
  return handler;
}

QMessageBox::StandardButton Show(TMessageKind kind, QWidget* parent, const QString& text,
                                 QMessageBox::StandardButtons buttons) {
  if (Handler()) return Handler()(kind, parent, text, buttons);
  const QString caption = TMessageBox::Caption(kind);
  // The messages break their lines with a carriage return; the dialog breaks at line feeds.
  QString shown = text;
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  switch (kind) {
    case TMessageKind::Information:
      return QMessageBox::information(parent, caption, shown, buttons);
    case TMessageKind::Warning:
      return QMessageBox::warning(parent, caption, shown, buttons);
    case TMessageKind::Question:
      return QMessageBox::question(parent, caption, shown, buttons);
  }
  return QMessageBox::NoButton;
}

}  // namespace

void TMessageBox::Information(QWidget* parent, const QString& text) {
  Show(TMessageKind::Information, parent, text, QMessageBox::Ok);
}

void TMessageBox::Warning(QWidget* parent, const QString& text) {
  Show(TMessageKind::Warning, parent, text, QMessageBox::Ok);
}

QMessageBox::StandardButton TMessageBox::Question(QWidget* parent, const QString& text,
                                                  QMessageBox::StandardButtons buttons) {
  return Show(TMessageKind::Question, parent, text, buttons);
}

TMessageBox::THandler TMessageBox::SetHandler(THandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

QString TMessageBox::Caption(TMessageKind kind) {
  switch (kind) {
    case TMessageKind::Information: return QStringLiteral("Information");
    case TMessageKind::Warning: return QStringLiteral("Warning");
    case TMessageKind::Question: return QStringLiteral("Confirm");
  }
  return QString();
}
