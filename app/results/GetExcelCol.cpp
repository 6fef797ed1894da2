#include "GetExcelCol.h"

namespace {

constexpr int kLetters = 26;
constexpr int kLastTwoLetterColumn = kLetters + kLetters * kLetters;  // 702, "ZZ"

QChar Letter(int zeroBased) { return QChar(u'A' + zeroBased); }

}  // namespace

QString GetExcelCol(int c) {
  if (c < 1 || c > kLastTwoLetterColumn) return QString();
  if (c <= kLetters) return QString(Letter(c - 1));
  return QString(Letter((c - 1) / kLetters - 1)) + Letter((c - 1) % kLetters);
}
