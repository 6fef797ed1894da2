#include "TStreamWriter.h"

#include <charconv>
#include <cmath>

void TStreamWriter::Separate() {
  if (!fLineStart && !fAfterListBegin) fText += QLatin1Char(' ');
  fLineStart = false;
  fAfterListBegin = false;
}

void TStreamWriter::WriteInteger(int value) {
  Separate();
  fText += QString::number(value);
}

QString TStreamWriter::FloatText(long double value) {
  if (!std::isfinite(value)) value = 0;
  char buf[64];
  // The shortest text that reads back to the same value.
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  QString text = QString::fromLatin1(buf, qsizetype(res.ptr - buf));
  if (!text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('e')))
    text += QStringLiteral(".0");
  return text;
}

void TStreamWriter::WriteFloat(long double value) {
  Separate();
  fText += FloatText(value);
}

void TStreamWriter::WriteBoolean(bool value) {
  Separate();
  fText += value ? QStringLiteral("True") : QStringLiteral("False");
}

QString TStreamWriter::QuoteString(const QString& value) {
  QString out;
  bool quoted = false;
  for (const QChar c : value) {
    if (c.unicode() < 32) {
      if (quoted) out += QLatin1Char('\'');
      quoted = false;
      out += QLatin1Char('#') + QString::number(c.unicode());
      continue;
    }
    if (!quoted) out += QLatin1Char('\'');
    quoted = true;
    if (c == QLatin1Char('\'')) out += QLatin1Char('\'');
    out += c;
  }
  if (quoted) out += QLatin1Char('\'');
  if (out.isEmpty()) out = QStringLiteral("''");
  return out;
}

void TStreamWriter::WriteString(const QString& value) {
  Separate();
  fText += QuoteString(value);
}

void TStreamWriter::WriteListBegin() {
  Separate();
  fText += QLatin1Char('(');
  fAfterListBegin = true;
}

void TStreamWriter::WriteListEnd() {
  fAfterListBegin = false;
  fText += QLatin1Char(')');
  fLineStart = false;
}

void TStreamWriter::WriteStringList(const QStringList& values) {
  WriteListBegin();
  for (const QString& v : values) WriteString(v);
  WriteListEnd();
}

void TStreamWriter::WriteSymbol(const QString& symbol) {
  Separate();
  fText += symbol;
}

void TStreamWriter::NewLine(int indent) {
  fText += QLatin1Char('\n');
  fText += QString(indent, QLatin1Char(' '));
  fLineStart = true;
  fAfterListBegin = false;
}
