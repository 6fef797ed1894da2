#include "RunEngine.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Analysis.h"
#include "Format.h"
#include "MessageBanners.h"
#include "RunStatus.h"
#include "TorvexVersion.h"

namespace tvx {
namespace {

const char* const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};

const std::string kBannerRule(73, '=');
const std::string kDateRule(73, '-');

// The integer that starts a line of free-format input, as a list-directed read takes it.
bool LeadingInteger(const std::string& line, long long& value) {
  std::size_t i = line.find_first_not_of(" \t");
  if (i == std::string::npos) return false;
  std::size_t j = line.find_first_of(" \t,", i);
  if (j == std::string::npos) j = line.size();
  const char* first = line.data() + i;
  const char* last = line.data() + j;
  if (*first == '+') ++first;
  auto res = std::from_chars(first, last, value);
  return res.ec == std::errc() && res.ptr == last;
}

std::string Paths(const PathParts& p) { return TrimTrailingBlanks(p.name) + TrimTrailingBlanks(p.ext); }

// Writes a short message block naming a file that could not be opened to the report and
// the run notes, when those are open already.
void ReportOpenFailure(EngineState& state, const std::string& path) {
  for (int unit : {kUnitReport, kUnitRunNotes}) {
    if (!state.units.IsOpen(unit)) continue;
    state.units.WriteEmpty(unit);
    state.units.Write(unit, Record().X(5).T(kErrorBanner));
    state.units.Write(unit, Record().X(5).T("THE FOLLOWING FILE COULD NOT BE OPENED:"));
    state.units.Write(unit, Record().X(5).T(path));
  }
}

}  // namespace

bool ReadRunFileList(const std::string& path, RunFileNames& names) {
  UnitTable list;
  if (!list.OpenRead(kUnitPlot, path)) return false;
  std::string line;
  if (!list.ReadLine(kUnitPlot, line)) return false;
  names.version = FixedWidth(line, kVersionWidth);
  long long ignored = 0;
  if (!list.ReadLine(kUnitPlot, line) || !LeadingInteger(line, ignored)) return false;
  std::string* targets[] = {&names.input,  &names.report, &names.plot,   &names.notes,   &names.curves,
                            &names.qwList, &names.tzPlot, &names.qwPlot, &names.loadDist};
  for (std::string* target : targets) {
    if (!list.ReadLine(kUnitPlot, line)) return false;
    *target = TrimTrailingBlanks(FixedWidth(line, kPathWidth));
  }
  return true;
}

PathParts SplitPath(const std::string& path) {
  PathParts p;
  std::string rest = path;
  // A drive letter ("C:") as a Windows path carries it.
  if (rest.size() >= 2 && rest[1] == ':' && std::isalpha(static_cast<unsigned char>(rest[0]))) {
    p.drive = rest.substr(0, 2);
    rest.erase(0, 2);
  }
  const std::size_t slash = rest.find_last_of("/\\");
  if (slash != std::string::npos) {
    p.dir = rest.substr(0, slash + 1);
    rest.erase(0, slash + 1);
  }
  const std::size_t dot = rest.find_last_of('.');
  if (dot != std::string::npos) {
    p.ext = rest.substr(dot);
    rest.erase(dot);
  }
  p.name = rest;
  if (p.drive.size() > 3) p.drive.resize(3);
  if (p.dir.size() > 256) p.dir.resize(256);
  if (p.name.size() > 256) p.name.resize(256);
  if (p.ext.size() > 5) p.ext.resize(5);
  return p;
}

void WriteBanner(EngineState& state, int unit) {
  UnitTable& u = state.units;
  u.Write(unit, Record().X(5).T(kBannerRule));
  u.WriteEmpty(unit);
  u.Write(unit, Record().X(20).T("  TORVEX for Windows, Version ").A(kVersionWidth, state.files.version));
  u.WriteEmpty(unit);
  u.Write(unit, Record().X(20).T("VERTICALLY LOADED DRILLED SHAFT ANALYSIS"));
  u.Write(unit, Record().X(20).T("Calverin Geotechnical Software"));
  u.Write(unit, Record().X(20).T("Copyright (C) 2017 Calverin. All rights reserved."));
  u.WriteEmpty(unit);
  u.Write(unit, Record().X(5).T(kBannerRule));
  u.WriteEmpty(unit);
}

void WriteFileNames(EngineState& state) {
  UnitTable& u = state.units;
  const PathParts input = SplitPath(state.files.input);
  u.Write(kUnitReport, Record().T("     Path to file locations      : ")
                           .T(TrimTrailingBlanks(input.drive) + TrimTrailingBlanks(input.dir)));
  u.Write(kUnitReport, Record().T("     Name of input data file     : ").T(Paths(input)));
  u.Write(kUnitReport, Record().T("     Name of output file         : ").T(Paths(SplitPath(state.files.report))));
  u.Write(kUnitReport, Record().T("     Name of plot output file    : ").T(Paths(SplitPath(state.files.plot))));
  u.Write(kUnitReport, Record().T("     Name of runtime file        : ").T(Paths(SplitPath(state.files.notes))));
  u.WriteEmpty(kUnitReport, 2);
}

void WriteRunDateTime(EngineState& state) {
  const std::tm t = RunTime();
  const int month = (t.tm_mon >= 0 && t.tm_mon < 12) ? t.tm_mon : 0;
  UnitTable& u = state.units;
  for (int unit : {kUnitReport, kUnitCurves}) {
    u.Write(unit, Record().X(5).T(kDateRule));
    u.Write(unit, Record().X(26).T("Time and Date of Analysis"));
    u.Write(unit, Record().X(5).T(kDateRule));
    u.WriteEmpty(unit);
  }
  auto twoDigits = [](int v) {
    std::string s = FormatI(v, 2);
    for (char& c : s)
      if (c == ' ') c = '0';
    return s;
  };
  const std::string line = Record()
                               .X(15)
                               .T("Date:  ")
                               .T(kMonthNames[month])
                               .T(" ")
                               .T(twoDigits(t.tm_mday))
                               .T(", ")
                               .I(4, t.tm_year + 1900)
                               .X(5)
                               .T("Time:  ")
                               .T(twoDigits(t.tm_hour))
                               .T(":")
                               .T(twoDigits(t.tm_min))
                               .T(":")
                               .T(twoDigits(t.tm_sec));
  u.Write(kUnitReport, line);
  u.Write(kUnitCurves, line);
}

void MergeScratchFile(EngineState& state, const std::string& path, int scratchUnit, int toUnit) {
  UnitTable& u = state.units;
  if (!u.OpenRead(scratchUnit, path)) return;
  std::string line;
  while (u.ReadLine(scratchUnit, line)) u.Write(toUnit, FixedWidth(line, kMergeWidth));
  u.Close(scratchUnit);
}

void RunEngine(EngineState& state, int& status) {
  status = kStatusNormal;
  ResetNonFiniteFieldCount();
  UnitTable& u = state.units;

  // Console lines go to standard output only when a console is asked for.
  if (const char* console = std::getenv("TORVEX_CONSOLE"); console && *console && *console != '0')
    u.Attach(kUnitConsole, stdout);
  u.Write(kUnitConsole, " VERTICALLY LOADED DRILLED SHAFT ANALYSIS PROGRAM TORVEX");
  u.Write(kUnitConsole, std::string(" Version ") + kProgramVersion + "  (C) 2017 Calverin");
  u.WriteEmpty(kUnitConsole);

  if (!ReadRunFileList(kRunFileListName, state.files)) {
    status = kStatusRunFileListUnreadable;
    u.CloseAll();
    return;
  }

  if (!u.OpenWrite(kUnitChart, kChartFileName)) {
    status = kStatusFileOpenFailed;
    u.CloseAll();
    return;
  }

  const RunFileNames& f = state.files;
  struct Opening {
    int unit;
    const std::string* path;
    bool read;
  };
  const Opening openings[] = {
      {kUnitInput, &f.input, true},     {kUnitReport, &f.report, false}, {kUnitPlot, &f.plot, false},
      {kUnitRunNotes, &f.notes, false}, {kUnitCurves, &f.curves, false}, {kUnitQwList, &f.qwList, false},
      {kUnitTzPlot, &f.tzPlot, false},  {kUnitQwPlot, &f.qwPlot, false}, {kUnitLoadDist, &f.loadDist, false},
  };
  for (const Opening& o : openings) {
    const bool ok = o.read ? u.OpenRead(o.unit, *o.path) : u.OpenWrite(o.unit, *o.path);
    if (!ok) {
      ReportOpenFailure(state, *o.path);
      status = kStatusFileOpenFailed;
      u.CloseAll();
      return;
    }
  }

  // The per-diameter load-settlement file is appended to the plot data after the run. It is
  // written only when a case's tip is in soil, so a copy left by an earlier run in this
  // folder would otherwise be merged into a run that wrote none.
  std::remove(kTzDiamFileName);

  WriteBanner(state, kUnitReport);
  WriteBanner(state, kUnitCurves);
  WriteFileNames(state);
  WriteRunDateTime(state);

  RunAnalysis(state, status);
  FinishRun(state, status);
}

void FinishRun(EngineState& state, int& status) {
  FinishAnalysis(state, status);
  status = StopOnNonFiniteValue(state, status);
  UnitTable& u = state.units;
  const RunFileNames& f = state.files;
  u.Close(kUnitQwList);
  u.Close(kUnitTzPlot);
  u.Close(kUnitQwPlot);
  u.Close(kUnitLoadDist);

  MergeScratchFile(state, f.qwList, kUnitQwList, kUnitCurves);
  MergeScratchFile(state, f.tzPlot, kUnitTzPlot, kUnitPlot);
  MergeScratchFile(state, kTzDiamFileName, kUnitTzDiam, kUnitPlot);
  MergeScratchFile(state, f.qwPlot, kUnitQwPlot, kUnitPlot);
  MergeScratchFile(state, f.loadDist, kUnitLoadDist, kUnitPlot);

  u.CloseAll();
}

}  // namespace tvx
