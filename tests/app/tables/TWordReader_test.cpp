#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <functional>

#include "TWordReader.h"
#include "TestPrinters.h"

namespace {

const QString kIncomplete = QStringLiteral("This file either invalid or incomplete.");

QString IntegerError(int line, int item) {
  return QStringLiteral("Error on Line %1 Item %2\nAn integer was expected but not found.")
      .arg(line)
      .arg(item);
}

QString FloatError(int line, int item) {
  return QStringLiteral("Error on Line %1 Item %2\nA floating point number was expected but not found.")
      .arg(line)
      .arg(item);
}

// The message of the EInOutError `read` raises, or "(no error)".
QString ErrorOf(const std::function<void()>& read) {
  try {
    read();
  } catch (const EInOutError& e) {
    return e.Message();
  }
  return QStringLiteral("(no error)");
}

// Readers over real files in a scratch folder.
class WordReaderFile : public ::testing::Test {
 protected:
  TWordReader Open(const QByteArray& content) {
    const QString path = fDir.filePath(QStringLiteral("file%1.txt").arg(fCount++));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    return TWordReader(path);
  }
  QTemporaryDir fDir;
  int fCount = 0;
};

TEST_F(WordReaderFile, NumbersAcrossLines_ThenTheEndOfTheFile) {
  TWordReader r = Open("3 4.5\r\n  7  \r\n");
  EXPECT_EQ(r.ReadInteger(), 3);
  EXPECT_EQ(r.ReadFloat(), 4.5L);
  EXPECT_EQ(r.ReadInteger(), 7);
  EXPECT_EQ(ErrorOf([&] { r.ReadInteger(); }), kIncomplete);
}

TEST_F(WordReaderFile, MissingFile_IsAnInputOutputErrorNamingTheFile) {
  const QString path = fDir.filePath("missing.tv8d");
  const QString message = ErrorOf([&] { TWordReader r(path); });
  EXPECT_TRUE(message.startsWith(path)) << message.toStdString();
}

TEST_F(WordReaderFile, Folder_IsAnInputOutputError) {
  EXPECT_NE(ErrorOf([&] { TWordReader r(fDir.path()); }), "(no error)");
}

TEST_F(WordReaderFile, Text_IsUtf8WhenValidElseLatin1) {
  EXPECT_EQ(Open("Caf\xc3\xa9 au lait").ReadWord(), QStringLiteral("Caf\u00e9"));
  EXPECT_EQ(Open("Caf\xe9 au lait").ReadWord(), QStringLiteral("Caf\u00e9"));
}

struct IntegerCase {
  const char* Word;
  bool Accepted;
  int Value;
};

TORVEX_PRINT_CASE_BY(IntegerCase, Word)

class ReadIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ReadIntegerTest, WholeRealsInThe32BitRangeOnly) {
  const IntegerCase c = GetParam();
  TWordReader r = TWordReader::FromData(QByteArray(c.Word) + " next");
  if (c.Accepted) {
    EXPECT_EQ(r.ReadInteger(), c.Value) << c.Word;
  } else {
    EXPECT_EQ(ErrorOf([&] { r.ReadInteger(); }), IntegerError(1, 1)) << c.Word;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Words, ReadIntegerTest,
    ::testing::Values(IntegerCase{"12", true, 12}, IntegerCase{"12.0", true, 12},
                      IntegerCase{"1.2E1", true, 12}, IntegerCase{"-7", true, -7},
                      IntegerCase{"2147483647", true, 2147483647},
                      IntegerCase{"-2147483648", true, -2147483647 - 1},
                      IntegerCase{"12.5", false, 0}, IntegerCase{"2147483648", false, 0},
                      IntegerCase{"1E10", false, 0}, IntegerCase{"abc", false, 0},
                      IntegerCase{"1,5", false, 0}, IntegerCase{"nan", false, 0}));

TEST(TWordReader, BadFloat_GivesItsLineAndItem) {
  TWordReader r = TWordReader::FromData("1 2\n3\n4 abc\n");
  for (long double expected : {1.0L, 2.0L, 3.0L, 4.0L}) EXPECT_EQ(r.ReadFloat(), expected);
  EXPECT_EQ(ErrorOf([&] { r.ReadFloat(); }), FloatError(3, 2));
}

TEST(TWordReader, Float_ReadsExponentFormsWithAPointWhateverTheLocale) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  TWordReader r = TWordReader::FromData("0.123E+04 2.5 2,5");
  EXPECT_EQ(r.ReadFloat(), 1230.0L);
  EXPECT_EQ(r.ReadFloat(), 2.5L);
  EXPECT_EQ(ErrorOf([&] { r.ReadFloat(); }), FloatError(1, 3));
  QLocale::setDefault(saved);
}

TEST(TWordReader, AfterTheLastWord_NotAtEndUntilReadLine) {
  TWordReader r = TWordReader::FromData("1 2");
  r.ReadWord();
  r.ReadWord();
  EXPECT_FALSE(r.Eof());
  EXPECT_EQ(r.CurrentLine(), 0);
  EXPECT_EQ(r.ReadLine(), "1 2");
  EXPECT_TRUE(r.Eof());
}

TEST(TWordReader, EveryReadPastTheLastLine_IsIncomplete) {
  const std::pair<const char*, std::function<void(TWordReader&)>> reads[] = {
      {"ReadWord", [](TWordReader& r) { r.ReadWord(); }},
      {"ReadInteger", [](TWordReader& r) { r.ReadInteger(); }},
      {"ReadFloat", [](TWordReader& r) { r.ReadFloat(); }},
      {"ReadWords", [](TWordReader& r) { r.ReadWords(); }},
      {"ReadLine", [](TWordReader& r) { r.ReadLine(); }},
      {"PeekLine", [](TWordReader& r) { r.PeekLine(); }},
      {"CountWordsLine", [](TWordReader& r) { r.CountWordsLine(); }},
  };
  for (const auto& [name, read] : reads) {
    TWordReader r = TWordReader::FromData("only line\n");
    r.ReadLine();
    EXPECT_EQ(ErrorOf([&] { read(r); }), kIncomplete) << name;
    EXPECT_TRUE(r.Eof()) << name;
    EXPECT_EQ(r.CurrentLineWordCount(), 0) << name;
  }
}

TEST(TWordReader, PeekLine_RestartsTheCurrentLine) {
  TWordReader r = TWordReader::FromData("a b c\nd");
  r.ReadWord();
  r.ReadWord();
  EXPECT_FALSE(r.AtStartOfLine());
  EXPECT_EQ(r.PeekLine(), "a b c");
  EXPECT_TRUE(r.AtStartOfLine());
  EXPECT_EQ(r.ReadWord(), "a");
}

TEST(TWordReader, Splitting_TabsBlanksAndControlCharacters) {
  TWordReader r = TWordReader::FromData("\t a\tb \t c\t\x01\r\n  x  y  \n");
  EXPECT_EQ(r.WordCount(0), 3);
  EXPECT_EQ(r.ReadWord(), "a");
  EXPECT_EQ(r.ReadWord(), "b");
  EXPECT_EQ(r.ReadWord(), "c");
  EXPECT_EQ(r.ReadLine(), "\t a\tb \t c\t\x01");
  EXPECT_EQ(r.PeekLine(), "  x  y  ");  // the line as read, blanks kept
  EXPECT_EQ(r.CurrentLineWordCount(), 2);
}

TEST(TWordReader, LineEnds_CrLfLfAndCr) {
  TWordReader r = TWordReader::FromData("a\r\nb\nc\rd");
  EXPECT_EQ(r.LineCount(), 4);
  for (const char* word : {"a", "b", "c", "d"}) EXPECT_EQ(r.ReadWord(), word);
}

TEST(TWordReader, Lines_EmptyFileIsOneEmptyLineAndAFinalLineEndAddsNone) {
  const struct {
    const char* Data;
    int Lines;
  } cases[] = {{"", 1}, {"\n", 1}, {"a", 1}, {"a\n", 1}, {"a\n\n", 2}, {"a\r\n\r\n", 2}};
  for (const auto& c : cases)
    EXPECT_EQ(TWordReader::FromData(c.Data).NumberLines(), c.Lines) << '"' << c.Data << '"';
}

TEST(TWordReader, LinesWithoutWords_AreSkippedByWordReads) {
  TWordReader r = TWordReader::FromData("1\n\n   \n2\n\nx");
  EXPECT_EQ(r.ReadInteger(), 1);
  EXPECT_EQ(r.ReadInteger(), 2);
  EXPECT_EQ(r.CurrentLine(), 3);
  EXPECT_EQ(ErrorOf([&] { r.ReadInteger(); }), IntegerError(6, 1));
  EXPECT_EQ(ErrorOf([&] { TWordReader::FromData("  \n\t\n").ReadWord(); }), kIncomplete);
}

TEST(TWordReader, ReadWords_TakesTheTextBeforeTheNextNumber) {
  TWordReader r = TWordReader::FromData("Shaft  diameter\n3.5 ft\n");
  EXPECT_EQ(r.ReadWords(), "Shaft diameter");
  EXPECT_EQ(r.ReadWords(), "");  // at a number: nothing taken
  EXPECT_EQ(r.ReadFloat(), 3.5L);
  EXPECT_EQ(ErrorOf([&] { r.ReadWords(); }), kIncomplete);  // no number follows "ft"
}

TEST(TWordReader, CountWordsLine_MovesToTheNextLine) {
  TWordReader r = TWordReader::FromData("a b c\nd e\n");
  r.ReadWord();
  EXPECT_EQ(r.CountWordsLine(), 3);
  EXPECT_EQ(r.CurrentLine(), 1);
  EXPECT_EQ(r.GetWordCount(1), 2);
  EXPECT_EQ(r.GetWordCount(2), 0);
  EXPECT_EQ(r.GetWordCount(-1), 0);
  EXPECT_EQ(r.ReadWord(), "d");
}

}  // namespace
