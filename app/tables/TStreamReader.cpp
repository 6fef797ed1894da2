#include "TStreamReader.h"

#include "ETableError.h"
#include "NumberText.h"
#include "TableMessages.h"

TStreamReader::TStreamReader(const QString& text) : fText(text) {}

void TStreamReader::Expected(const QString& what, int line) const {
  throw ETableError(TableText::DefinitionExpected(what, line));
}

void TStreamReader::SkipBlanks() {
  while (fPos < fText.size() && fText[fPos].isSpace()) {
    if (fText[fPos] == QLatin1Char('\n')) ++fLine;
    ++fPos;
  }
}

TStreamReader::TToken TStreamReader::Scan() {
  SkipBlanks();
  TToken token;
  token.Line = fLine;
  if (fPos >= fText.size()) return token;
  const QChar c = fText[fPos];
  auto isWordChar = [](QChar ch) {
    return ch.isLetterOrNumber() || ch == QLatin1Char('_') || ch == QLatin1Char('.');
  };
  if (c == QLatin1Char('(') || c == QLatin1Char(')')) {
    token.Kind = c == QLatin1Char('(') ? TKind::ListBegin : TKind::ListEnd;
    token.Text = c;
    ++fPos;
  } else if (c == QLatin1Char('=') || c == QLatin1Char('{') || c == QLatin1Char('}')) {
    token.Kind = TKind::Symbol;
    token.Text = c;
    ++fPos;
  } else if (c == QLatin1Char('\'') || c == QLatin1Char('#')) {
    token.Kind = TKind::String;
    while (fPos < fText.size()) {
      if (fText[fPos] == QLatin1Char('\'')) {
        ++fPos;
        for (;;) {
          if (fPos >= fText.size() || fText[fPos] == QLatin1Char('\n'))
            Expected(QStringLiteral("closing quote"), token.Line);
          if (fText[fPos] == QLatin1Char('\'')) {
            if (fPos + 1 < fText.size() && fText[fPos + 1] == QLatin1Char('\'')) {
              token.Text += QLatin1Char('\'');
              fPos += 2;
              continue;
            }
            ++fPos;
            break;
          }
          token.Text += fText[fPos++];
        }
      } else if (fText[fPos] == QLatin1Char('#')) {
        ++fPos;
        const qsizetype start = fPos;
        while (fPos < fText.size() && fText[fPos].isDigit() && fPos - start < 6) ++fPos;
        bool ok = false;
        const uint code = fText.mid(start, fPos - start).toUInt(&ok);
        if (!ok || code > 0xFFFF) Expected(QStringLiteral("character code"), token.Line);
        token.Text += QChar(char16_t(code));
      } else {
        break;
      }
    }
  } else if (c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('+')) {
    const qsizetype start = fPos++;
    while (fPos < fText.size() &&
           (fText[fPos].isDigit() || fText[fPos] == QLatin1Char('.') ||
            fText[fPos] == QLatin1Char('e') || fText[fPos] == QLatin1Char('E') ||
            ((fText[fPos] == QLatin1Char('-') || fText[fPos] == QLatin1Char('+')) &&
             (fText[fPos - 1] == QLatin1Char('e') || fText[fPos - 1] == QLatin1Char('E')))))
      ++fPos;
    token.Text = fText.mid(start, fPos - start);
    const bool real = token.Text.contains(QLatin1Char('.')) ||
                      token.Text.contains(QLatin1Char('e'), Qt::CaseInsensitive);
    token.Kind = real ? TKind::Float : TKind::Integer;
  } else if (isWordChar(c)) {
    const qsizetype start = fPos;
    while (fPos < fText.size() && isWordChar(fText[fPos])) ++fPos;
    token.Text = fText.mid(start, fPos - start);
    if (token.Text == QLatin1String("True") || token.Text == QLatin1String("False"))
      token.Kind = TKind::Boolean;
    else
      token.Kind = TKind::Symbol;
  } else {
    Expected(QStringLiteral("a value"), token.Line);
  }
  return token;
}

const TStreamReader::TToken& TStreamReader::Peek() {
  if (!fHavePeek) {
    fPeek = Scan();
    fHavePeek = true;
  }
  return fPeek;
}

TStreamReader::TToken TStreamReader::Take(TKind kind, const QString& what) {
  const TToken& next = Peek();
  if (next.Kind != kind) Expected(what, next.Line);
  fHavePeek = false;
  return fPeek;
}

int TStreamReader::ReadInteger() {
  const TToken t = Take(TKind::Integer, QStringLiteral("an integer"));
  bool ok = false;
  const int value = t.Text.toInt(&ok);
  if (!ok) Expected(QStringLiteral("an integer"), t.Line);
  return value;
}

long double TStreamReader::ReadFloat() {
  const TKind kind = Peek().Kind;
  const TToken t =
      Take(kind == TKind::Integer ? TKind::Integer : TKind::Float, QStringLiteral("a real"));
  long double value = 0;
  if (ParseDecimal(t.Text, QStringLiteral("."), value) != TDecimalParse::Ok)
    Expected(QStringLiteral("a real"), t.Line);
  return value;
}

bool TStreamReader::ReadBoolean() {
  return Take(TKind::Boolean, QStringLiteral("True or False")).Text == QLatin1String("True");
}

QString TStreamReader::ReadString() { return Take(TKind::String, QStringLiteral("a string")).Text; }

void TStreamReader::ReadListBegin() { Take(TKind::ListBegin, QStringLiteral("(")); }

void TStreamReader::ReadListEnd() { Take(TKind::ListEnd, QStringLiteral(")")); }

bool TStreamReader::EndOfList() {
  const TKind kind = Peek().Kind;
  if (kind == TKind::End) Expected(QStringLiteral(")"), Peek().Line);
  return kind == TKind::ListEnd;
}

QStringList TStreamReader::ReadStringList() {
  QStringList list;
  ReadListBegin();
  while (!EndOfList()) list << ReadString();
  ReadListEnd();
  return list;
}

QString TStreamReader::ReadSymbol() { return Take(TKind::Symbol, QStringLiteral("a name")).Text; }

void TStreamReader::ReadSymbol(const QString& expected) {
  const TToken& next = Peek();
  if (next.Kind != TKind::Symbol || next.Text != expected) Expected(expected, next.Line);
  fHavePeek = false;
}

bool TStreamReader::NextIsInteger() { return Peek().Kind == TKind::Integer; }
bool TStreamReader::NextIsString() { return Peek().Kind == TKind::String; }
bool TStreamReader::AtEnd() { return Peek().Kind == TKind::End; }
