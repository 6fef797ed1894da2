#pragma once
// Reads a whole text file into memory and hands it out word by word, across line ends, as
// integers, reals or text. The position (line and item) is kept for the error messages the
// user sees when a document or result file is malformed. Every failure is an EInOutError.
//
// Lines without words (empty or blank) are skipped by the reads that take words, and every
// read past the last line raises "This file either invalid or incomplete.".
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

#include "EInOutError.h"
#include "TWordContainer.h"

class TWordReader {
 public:
  // Reads the whole file; throws EInOutError when it cannot be opened or read.
  explicit TWordReader(const QString& fileName);
  // A reader over text already in memory (same splitting as a file).
  static TWordReader FromData(const QByteArray& data);

  // True when the position is past the last line.
  bool Eof() const { return fLine == LineCount(); }

  // The next word, moving to the next line with words when the current one is used up.
  QString ReadWord();
  // The next word as a 32-bit integer: a real without fractional part (12, 12.0, 1.2E1).
  std::int32_t ReadInteger();
  // The next word as a real, always with "." as the decimal separator.
  long double ReadFloat();
  // The run of words up to (not including) the next word that reads as a real, joined by
  // single blanks; may be empty.
  QString ReadWords();
  // The current line as read; the position moves to the start of the next line.
  QString ReadLine();
  // The current line as read; the position moves to the start of the current line.
  QString PeekLine();
  // The word count of the current line; the position moves to the start of the next line.
  int CountWordsLine();

  int NumberLines() const { return LineCount(); }
  // Word count of line `index` (0-based); 0 for a line that does not exist.
  int GetWordCount(int index) const { return WordCount(index); }

  bool AtStartOfLine() const { return fItem == 0; }
  int CurrentLine() const { return fLine; }  // 0-based
  int CurrentItem() const { return fItem; }  // 0-based index of the next word in the line
  int LineCount() const { return static_cast<int>(fLines.size()); }
  // Word count of the current line; 0 past the last line.
  int CurrentLineWordCount() const { return WordCount(fLine); }
  int WordCount(int index) const;

 private:
  TWordReader() = default;
  // Splits the text into lines of words.
  void Load(const QString& text);
  // Moves to the next word to read, across line ends and lines without words; throws at
  // the end of the file.
  void SeekWord();
  [[noreturn]] void FailAtWord(const char* expected) const;

  std::vector<TWordContainer> fLines;
  int fLine = 0;
  int fItem = 0;
};
