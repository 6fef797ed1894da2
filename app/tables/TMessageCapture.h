#pragma once
// Takes over the message boxes for as long as it lives and records them: tests see what
// the user would have been told, and nothing blocks on a modal dialog. Questions are
// answered from a queue of replies (or with the first offered of Yes, OK, No, Cancel).
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include "TMessageBox.h"

struct TCapturedMessage {
  TMessageKind Kind;
  QString Text;
  QWidget* Parent;
};

class TMessageCapture {
 public:
  TMessageCapture();
  ~TMessageCapture();
  TMessageCapture(const TMessageCapture&) = delete;
  TMessageCapture& operator=(const TMessageCapture&) = delete;

  const QList<TCapturedMessage>& Messages() const { return fMessages; }
  QStringList Texts() const;
  // Text of the last box, empty when none was shown.
  QString LastText() const;
  void Clear() { fMessages.clear(); }
  // The reply to the next question.
  void QueueAnswer(QMessageBox::StandardButton answer) { fAnswers << answer; }

 private:
  QList<TCapturedMessage> fMessages;
  QList<QMessageBox::StandardButton> fAnswers;
  TMessageBox::THandler fPrevious;
};
