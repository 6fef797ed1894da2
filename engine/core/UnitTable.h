// The engine's files, addressed by unit number as the run-file layout and the report
// routines name them. Every file is a sequential text file; a unit opened for writing is
// created when missing and rewritten from its start when present.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace tvx {

// Unit numbers of the engine's files.
enum Unit : int {
  kUnitConsole = 0,      // console lines (written only when a console is attached)
  kUnitPlot = 2,         // run-file list while it is read, then the plot-data file (.tv8p)
  kUnitChart = 3,        // CHART.DAT
  kUnitRunNotes = 4,     // run notes (.tv8r)
  kUnitInput = 5,        // problem input (.tv8d)
  kUnitReport = 6,       // report (.tv8o)
  kUnitQwList = 7,       // q-w curve listing scratch (.tv8w)
  kUnitTzData = 8,       // TZDATA.DAT
  kUnitCurves = 9,       // curve-data file (.tv8z)
  kUnitRockMsgRead = 15, // ROCKMSG.DAT read back into the report
  kUnitRockMsg = 16,     // ROCKMSG.DAT while a case writes it
  kUnitQwPlot = 17,      // .tv8q scratch
  kUnitTzDiam = 18,      // TZDIAM.DAT
  kUnitTzPlot = 19,      // .tv8t scratch
  kUnitLoadDist = 20,    // .tv8l scratch
};

constexpr int kMaxUnit = 20;

// The scratch files the engine opens by bare name, in the current folder.
constexpr const char* kChartFileName = "CHART.DAT";
constexpr const char* kTzDiamFileName = "TZDIAM.DAT";
constexpr const char* kTzDataFileName = "TZDATA.DAT";
constexpr const char* kRockMsgFileName = "ROCKMSG.DAT";

class UnitTable {
 public:
  UnitTable() = default;
  ~UnitTable();
  UnitTable(const UnitTable&) = delete;
  UnitTable& operator=(const UnitTable&) = delete;

  // Opens a unit for writing ("unknown": create or rewrite). Closes the unit first if it
  // was open. Returns false when the file cannot be opened.
  bool OpenWrite(int unit, const std::string& path);
  // Opens a unit for reading. Returns false when the file cannot be opened.
  bool OpenRead(int unit, const std::string& path);
  // Attaches an already open stream (the console); the table does not close it.
  void Attach(int unit, std::FILE* stream);
  // Collects everything written to the unit in memory (for tests); see Captured.
  bool OpenCapture(int unit);
  std::string Captured(int unit);

  bool IsOpen(int unit) const;
  void Close(int unit);
  void CloseAll();

  // Writes one record (a line); a unit that is not open ignores the record.
  void Write(int unit, std::string_view line);
  // Writes an empty record n times.
  void WriteEmpty(int unit, int n = 1);
  // Reads the next record without its line end (LF or CR LF). False at end of file or
  // when the unit is not open for reading.
  bool ReadLine(int unit, std::string& line);

 private:
  struct Slot {
    std::FILE* fp = nullptr;
    bool owned = false;
    bool reading = false;
    char* memBuf = nullptr;
    std::size_t memSize = 0;
  };
  Slot* SlotOf(int unit);
  const Slot* SlotOf(int unit) const;
  void Release(Slot& s);

  std::array<Slot, kMaxUnit + 1> fSlots{};
};

}  // namespace tvx
