#pragma once
// Reads the values of a table definition in the text form that TStreamWriter writes. Every
// read names what it expects; anything else raises ETableError with the line number, so a
// damaged definition is refused with a clear message and never read past its end.
#include <QString>
#include <QStringList>

class TStreamReader {
 public:
  explicit TStreamReader(const QString& text);

  int ReadInteger();
  // A real; an integer is taken as well.
  long double ReadFloat();
  bool ReadBoolean();
  QString ReadString();
  void ReadListBegin();
  void ReadListEnd();
  // True when the next item closes the current list.
  bool EndOfList();
  QStringList ReadStringList();
  // A bare word (property name, "table", "end") or one of the symbols "=", "{", "}".
  QString ReadSymbol();
  void ReadSymbol(const QString& expected);

  bool NextIsInteger();
  bool NextIsString();
  bool AtEnd();
  int Line() const { return fLine; }

 private:
  enum class TKind { End, Integer, Float, String, Boolean, ListBegin, ListEnd, Symbol };
  struct TToken {
    TKind Kind = TKind::End;
    QString Text;
    int Line = 1;
  };
  const TToken& Peek();
  TToken Take(TKind kind, const QString& what);
  void SkipBlanks();
  TToken Scan();
  [[noreturn]] void Expected(const QString& what, int line) const;

  QString fText;
  qsizetype fPos = 0;
  int fLine = 1;
  bool fHavePeek = false;
  TToken fPeek;
};
