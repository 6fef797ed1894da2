#pragma once
// The one place where the program shows message boxes. Entry errors, file errors and
// notices go through here, so that a test (or any other caller) can take the boxes over
// with SetHandler and read the texts instead of blocking on a modal dialog.
#include <QMessageBox>
#include <QString>
#include <functional>

enum class TMessageKind { Information, Warning, Question };

class TMessageBox {
 public:
  // Receives every box instead of the dialogs; answers with the button "pressed".
  using THandler = std::function<QMessageBox::StandardButton(
      TMessageKind kind, QWidget* parent, const QString& text,
      QMessageBox::StandardButtons buttons)>;

  // An information box with an OK button.
  static void Information(QWidget* parent, const QString& text);
  // A warning box with an OK button.
  static void Warning(QWidget* parent, const QString& text);
  // A question with the given buttons; returns the one chosen.
  static QMessageBox::StandardButton Question(
      QWidget* parent, const QString& text,
      QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No);

  // Installs a handler (an empty one restores the dialogs); returns the previous handler.
  static THandler SetHandler(THandler handler);

  static QString Caption(TMessageKind kind);
};
