#include "TWordContainer.h"

namespace {

// Blanks and control characters around words.
bool IsFiller(QChar c) { return c.unicode() <= ' '; }

}  // namespace

TWordContainer::TWordContainer(const QString& line) : fOrigString(line) {
  qsizetype begin = 0;
  qsizetype end = line.size();
  while (begin < end && IsFiller(line[begin])) ++begin;
  while (end > begin && IsFiller(line[end - 1])) --end;
  // A word ends at the first blank or tab; the separator and any blanks and control
  // characters after it are dropped.
  while (begin < end) {
    qsizetype stop = begin;
    while (stop < end && line[stop] != QLatin1Char(' ') && line[stop] != QLatin1Char('\t')) ++stop;
    fWords << line.mid(begin, stop - begin);
    begin = stop;
    while (begin < end && IsFiller(line[begin])) ++begin;
  }
}
