#pragma once
// Every text the main window and the run command show: messages, the caption prefix, the
// settings names and the file names the program looks for.
#include <QString>

#include "TorvexVersion.h"

namespace MainText {

// Program identity.
inline constexpr const char* kProgramName = "TORVEX";
inline constexpr const char* kVersion = tvx::kProgramVersion;
QString CaptionPrefix();  // "TORVEX 2017.8.11 - "

// Settings: organisation, application, group and value names.
inline constexpr const char* kSettingsOrganization = "Calverin";
inline constexpr const char* kSettingsApplication = "TORVEX";
// The settings of each release are kept apart, under its version.
inline constexpr const char* kSettingsGroup = tvx::kProgramVersion;
inline constexpr const char* kSettingWordProcessor = "Word Processor";
inline constexpr const char* kSettingDirectory = "Directory";
QString SettingRecentFile(int k);  // "File1" .. "File10"

// The text editor of this platform when none is set: the desktop's default handler.
inline constexpr const char* kDefaultWordProcessor = "xdg-open";

// Files next to the program.
inline constexpr const char* kEngineLibrary = "Torvex2017_DLL.so";
inline constexpr const char* kEntryPoint = "ITORVEX";
inline constexpr const char* kUsersManual = "Torvex 2017 Users Manual.pdf";
inline constexpr const char* kTechnicalManual = "TorvexTechnicalManual.bat";
inline constexpr const char* kHelpContents = "Torvex_2017.chm";

// File dialogs.
QString OpenDialogTitle();
QString OpenFilters();   // the four filters of the open dialog, in order
QString SaveAsTitle(const QString& captionName);
QString SaveAsFilters();

// Document commands.
QString SaveChangesQuestion();
QString WordProcessorFailed();
QString ManualMissing(const QString& path);
QString ManualNotOpened(const QString& path);
// A document path the program cannot use: a folder, a special file, missing or unreadable.
QString PathIsFolder(const QString& path);
QString PathIsNotRegularFile(const QString& path);
QString PathDoesNotExist(const QString& path);
QString PathNotReadable(const QString& path, const QString& reason);

// Running an analysis.
QString SavingErrorDuringRun(const QString& reason);
QString NoSoilLayers();
QString ThicknessWarning(const QString& minimum, const QString& unit, int layer,
                         const QString& thickness);
QString BottomDepthWarning(const QString& depth, const QString& unit, const QString& required);
QString AnotherRunInFolder(const QString& folder);
QString CannotWriteRunFileList(const QString& folder, const QString& reason);
QString RunPathTooLong(const QString& path, int limit);
QString ReinitializeDLL();
QString InitializeDLLFailed();
QString RunCompleted();
QString RunCompletedWithErrors();
// The engine's run status when a computed value was not a finite number: no result of the
// run can be used.
inline constexpr int kStatusNotFinite = 11;
QString RunStoppedNotFinite();

// Loading the engine library.
QString LibraryFailedToInitialize();
QString LibraryNotLocated();
QString ErrorLoadingLibrary(const QString& loaderError);
QString LibraryNotOpen();
QString ErrorGettingFunction(const QString& loaderError);

// The about window.
QString AboutTitle();
QString AboutProduct();
QString AboutVersion();
QString AboutDescription();
QString AboutMaker();
QString AboutCopyright();

}  // namespace MainText
