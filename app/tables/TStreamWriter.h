#pragma once
// Writes the values of a table definition in its text form: integers, reals (always with a
// decimal point or an exponent), booleans True/False, strings in single quotes (a quote
// doubled, control characters as #code), lists in parentheses, and the names and symbols
// that structure a definition. Values are separated by one blank; lines are indented.
#include <QString>
#include <QStringList>

class TStreamWriter {
 public:
  void WriteInteger(int value);
  void WriteFloat(long double value);
  void WriteBoolean(bool value);
  void WriteString(const QString& value);
  void WriteListBegin();
  void WriteListEnd();
  void WriteStringList(const QStringList& values);
  // A bare word or symbol: a property name, "=", "{", "}".
  void WriteSymbol(const QString& symbol);
  // Ends the line; the next value starts on a new line with the given indent.
  void NewLine(int indent);

  const QString& Text() const { return fText; }

  // The text form of a single string or real, as written.
  static QString QuoteString(const QString& value);
  static QString FloatText(long double value);

 private:
  void Separate();
  QString fText;
  bool fLineStart = true;
  bool fAfterListBegin = false;
};
