#include "UnitsTitle.h"

#include <algorithm>

namespace {

struct UnitWords {
  const char* f;
  const char* f1;
  const char* f2;
  const char* l;
  const char* l1;
  const char* l2;
};

constexpr UnitWords kEnglishWords{"lbs", "kips", "tons", "in", "in", "ft"};
constexpr UnitWords kSIWords{"kN", "kN", "kN", "m", "mm", "m"};

// Replaces the token with its digit 2 when present, else with digit 1, else the bare token.
void ReplaceToken(QString& text, QChar token, const char* word, const char* word1,
                  const char* word2) {
  const QString token2 = QString(token) + QLatin1Char('2');
  const QString token1 = QString(token) + QLatin1Char('1');
  if (text.contains(token2))
    text.replace(token2, QLatin1String(word2));
  else if (text.contains(token1))
    text.replace(token1, QLatin1String(word1));
  else
    text.replace(token, QLatin1String(word));
}

}  // namespace

QString UnitsTitle(const QString& code, int units) {
  units = std::clamp(units, kPlotUnitsEnglish, kPlotUnitsAsCoded);
  if (units == kPlotUnitsAsCoded) return code;
  const UnitWords& words = units == kPlotUnitsEnglish ? kEnglishWords : kSIWords;
  QString text = code;
  ReplaceToken(text, QLatin1Char('F'), words.f, words.f1, words.f2);
  ReplaceToken(text, QLatin1Char('L'), words.l, words.l1, words.l2);
  return text;
}
