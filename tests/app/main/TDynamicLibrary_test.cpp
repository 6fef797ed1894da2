// Loading a library at run time: the loader's failures mapped to their messages, and the
// procedures found in it.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "MainTestSupport.h"
#include "TDynamicLibrary.h"
#include "TMessageCapture.h"

namespace {

using main_test::EngineLibrary;
using main_test::TestLibrary;
using F = TDynamicLibrary::TLoadFailure;

TEST(DynamicLibrary, LoaderErrorsMapToTheirFailure) {
  struct Case {
    bool exists;
    const char* error;
    F failure;
  } cases[] = {
      {false, "Cannot load library /p/x.so: (/p/x.so: cannot open shared object file: No such "
              "file or directory)", F::NotFound},
      {true, "Cannot load library /p/x.so: (libneeded.so.3: cannot open shared object file: No "
             "such file or directory)", F::NotFound},
      {true, "Cannot load library /p/x.so: (/p/x.so: undefined symbol: helper)", F::InitFailed},
      {true, "Cannot load library /p/x.so: (/lib/libc.so.6: version `GLIBC_2.99' not found "
             "(required by /p/x.so))", F::InitFailed},
      {true, "Cannot load library /p/x.so: (/p/x.so: invalid ELF header)", F::Other},
      {true, "Cannot load library /p/x.so: (/p/x.so: wrong ELF class: ELFCLASS32)", F::Other},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TDynamicLibrary::ClassifyLoadFailure(c.exists, QString::fromLatin1(c.error)),
              c.failure)
        << c.error;
}

TEST(DynamicLibrary, MissingLibrary_CouldNotBeLocated) {
  TDynamicLibrary library(TestLibrary("NoSuchLibrary.so"), false);
  try {
    library.Open();
    FAIL() << "no error";
  } catch (const EFileNotFoundError& e) {
    EXPECT_EQ(e.Message(), "Library could not be located");
  }
  EXPECT_FALSE(library.IsOpen());
}

TEST(DynamicLibrary, UnboundSymbol_FailedToInitialize) {
  TDynamicLibrary library;
  library.SetFileName(TestLibrary("UnboundSymbol.so"));
  EXPECT_THROW(
      {
        try {
          library.Open();
        } catch (const EInitError& e) {
          EXPECT_EQ(e.Message(), "Library failed to properly initialize");
          throw;
        }
      },
      EInitError);
  EXPECT_FALSE(library.IsOpen());
}

TEST(DynamicLibrary, NotALibrary_ShowsTheLoadersErrorAndStaysClosed) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Torvex2017_DLL.so");
  main_test::WriteBytes(path, "this is a text file\n");
  TMessageCapture messages;
  TDynamicLibrary library(path, true);
  EXPECT_FALSE(library.IsOpen());
  ASSERT_EQ(messages.Texts().size(), 1);
  EXPECT_TRUE(messages.LastText().startsWith("Error Loading Library, error code = "));
  EXPECT_TRUE(messages.LastText().contains(path)) << messages.LastText().toStdString();
}

TEST(DynamicLibrary, FindProcedure_ExportedOrNone_ClosedRaises) {
  TMessageCapture messages;
  TDynamicLibrary library(TestLibrary("NoEntryPoint.so"), true);
  ASSERT_TRUE(library.IsOpen());
  EXPECT_NE(library.FindProcedure("ITORVEX_NOT_HERE"), nullptr);
  EXPECT_TRUE(messages.Texts().isEmpty());
  EXPECT_EQ(library.FindProcedure("ITORVEX"), nullptr);
  ASSERT_EQ(messages.Texts().size(), 1);
  EXPECT_TRUE(messages.LastText().startsWith("Error Getting Function, error code = "));
  EXPECT_TRUE(messages.LastText().contains("ITORVEX")) << messages.LastText().toStdString();

  library.SetFileName(EngineLibrary());  // closes the open library
  EXPECT_FALSE(library.IsOpen());
  try {
    library.FindProcedure("ITORVEX");
    FAIL() << "no error";
  } catch (const EDLLNotOpenError& e) {
    EXPECT_EQ(e.Message(), "Library is not open");
  }
  library.Open();
  EXPECT_TRUE(library.IsOpen());
  EXPECT_NE(library.FindProcedure("ITORVEX"), nullptr);
  library.Close();
  EXPECT_FALSE(library.IsOpen());
}

}  // namespace
