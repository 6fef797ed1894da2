// Any file handed to the word reader, read in any order of operations, gives words and
// numbers or an input/output error; the position never leaves the file's lines.
//
// Input: the first byte gives the number of operation bytes that follow (at most 32);
// the rest is the file's content.
#include <QByteArray>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "TWordReader.h"

namespace {

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

void CheckPosition(const TWordReader& r) {
  Check(r.LineCount() >= 1, "no lines");
  Check(r.CurrentLine() >= 0 && r.CurrentLine() <= r.LineCount(), "line out of range");
  Check(r.Eof() == (r.CurrentLine() == r.LineCount()), "end of file inconsistent");
  Check(r.CurrentItem() >= 0, "negative item");
  if (!r.Eof()) Check(r.CurrentItem() <= r.CurrentLineWordCount(), "item past the line");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0 || size > 65536) return 0;
  const std::size_t opCount = std::min<std::size_t>(data[0] % 33, size - 1);
  const std::uint8_t* ops = data + 1;
  const QByteArray content(reinterpret_cast<const char*>(data + 1 + opCount),
                           static_cast<qsizetype>(size - 1 - opCount));

  TWordReader r = TWordReader::FromData(content);
  CheckPosition(r);
  for (int round = 0; round < 4; ++round) {
    for (std::size_t i = 0; i < opCount; ++i) {
      try {
        switch (ops[i] % 10) {
          case 0: Check(!r.ReadWord().isEmpty(), "empty word"); break;
          case 1: r.ReadInteger(); break;
          case 2: Check(std::isfinite(r.ReadFloat()), "non-finite real"); break;
          case 3: r.ReadWords(); break;
          case 4: r.ReadLine(); break;
          case 5: r.PeekLine(); break;
          case 6: Check(r.CountWordsLine() >= 0, "negative count"); break;
          case 7: Check(r.GetWordCount(ops[i] / 10 - 5) >= 0, "negative count"); break;
          case 8: Check(r.AtStartOfLine() == (r.CurrentItem() == 0), "start of line"); break;
          case 9: r.CurrentLineWordCount(); break;
        }
      } catch (const EInOutError& e) {
        Check(!e.Message().isEmpty(), "error without message");
      }
      CheckPosition(r);
    }
  }
  return 0;
}
