#include "TWordReader.h"

#include <QFile>
#include <QStringDecoder>
#include <cmath>

#include "NumberText.h"

namespace {

const char* const kMsgIncomplete = "This file either invalid or incomplete.";
const char* const kMsgIntegerExpected = "An integer was expected but not found.";
const char* const kMsgFloatExpected = "A floating point number was expected but not found.";

// Numbers in files are always written with ".".
const QString kFileDecimalPoint = QStringLiteral(".");

// UTF-8 when the bytes are valid UTF-8, otherwise the 8-bit Latin-1 text older documents
// were written in.
QString DecodeText(const QByteArray& data) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(data);
  if (utf8.hasError()) text = QString::fromLatin1(data);
  return text;
}

bool ReadsAsReal(const QString& word, long double& value) {
  return ParseDecimal(word, kFileDecimalPoint, value) == TDecimalParse::Ok;
}

}  // namespace

TWordReader::TWordReader(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw EInOutError(fileName + QStringLiteral(":\n") + file.errorString());
  const QByteArray data = file.readAll();
  if (file.error() != QFileDevice::NoError)
    throw EInOutError(fileName + QStringLiteral(":\n") + file.errorString());
  Load(DecodeText(data));
}

TWordReader TWordReader::FromData(const QByteArray& data) {
  TWordReader reader;
  reader.Load(DecodeText(data));
  return reader;
}

void TWordReader::Load(const QString& text) {
  // Lines end with CR LF, LF or a lone CR. At least one line is read, so an empty file is
  // one empty line; a line end at the very end of the text does not start another line.
  qsizetype start = 0;
  const qsizetype n = text.size();
  for (;;) {
    qsizetype stop = start;
    while (stop < n && text[stop] != QLatin1Char('\n') && text[stop] != QLatin1Char('\r')) ++stop;
    fLines.emplace_back(text.mid(start, stop - start));
    if (stop >= n) break;
    if (text[stop] == QLatin1Char('\r') && stop + 1 < n && text[stop + 1] == QLatin1Char('\n'))
      ++stop;
    start = stop + 1;
    if (start >= n) break;
  }
}

int TWordReader::WordCount(int index) const {
  if (index < 0 || index >= LineCount()) return 0;
  return fLines[static_cast<std::size_t>(index)].Count();
}

void TWordReader::SeekWord() {
  while (fLine < LineCount() && fItem >= CurrentLineWordCount()) {
    ++fLine;
    fItem = 0;
  }
  if (fLine >= LineCount()) throw EInOutError(QString::fromLatin1(kMsgIncomplete));
}

QString TWordReader::ReadWord() {
  SeekWord();
  return fLines[static_cast<std::size_t>(fLine)].Words()[fItem++];
}

void TWordReader::FailAtWord(const char* expected) const {
  throw EInOutError(QStringLiteral("Error on Line ") + QString::number(fLine + 1) +
                    QStringLiteral(" Item ") + QString::number(fItem) + QLatin1Char('\n') +
                    QString::fromLatin1(expected));
}

std::int32_t TWordReader::ReadInteger() {
  const QString word = ReadWord();
  long double value = 0;
  if (!ReadsAsReal(word, value) || value != std::trunc(value) || value < -2147483648.0L ||
      value > 2147483647.0L)
    FailAtWord(kMsgIntegerExpected);
  return static_cast<std::int32_t>(value);
}

long double TWordReader::ReadFloat() {
  const QString word = ReadWord();
  long double value = 0;
  if (!ReadsAsReal(word, value)) FailAtWord(kMsgFloatExpected);
  return value;
}

QString TWordReader::ReadWords() {
  QString result;
  for (;;) {
    SeekWord();
    const QString& word = fLines[static_cast<std::size_t>(fLine)].Words()[fItem];
    long double value = 0;
    if (ReadsAsReal(word, value)) return result;
    if (!result.isEmpty()) result += QLatin1Char(' ');
    result += word;
    ++fItem;
  }
}

QString TWordReader::ReadLine() {
  if (Eof()) throw EInOutError(QString::fromLatin1(kMsgIncomplete));
  const QString line = fLines[static_cast<std::size_t>(fLine)].OrigString();
  ++fLine;
  fItem = 0;
  return line;
}

QString TWordReader::PeekLine() {
  if (Eof()) throw EInOutError(QString::fromLatin1(kMsgIncomplete));
  fItem = 0;
  return fLines[static_cast<std::size_t>(fLine)].OrigString();
}

int TWordReader::CountWordsLine() {
  if (Eof()) throw EInOutError(QString::fromLatin1(kMsgIncomplete));
  const int count = CurrentLineWordCount();
  ++fLine;
  fItem = 0;
  return count;
}
