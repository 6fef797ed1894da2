#pragma once
// The problem document: title, file name, unit system and every scalar setting of the
// analysis. The soil profile lives in the main window's tables (TSoilProfileTables), which
// the document reads and writes but does not own. ProgramData is the one current document.
//
// Every value is held in the document's unit system, as the user sees it; SetUnits converts.
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

class TSoilProfileTables;
class TWordReader;

// How a reading went: complete, or stopped at a read error. Messages holds what the user
// was shown, in order (limits met while reading, then the read error).
struct TReadOutcome {
  bool Complete = true;
  QStringList Messages;
};

class TProgramData {
 public:
  static constexpr int kMaxSettlements = 10;
  static constexpr const char* kNewFileName = "NewTorvex.tv8d";
  static constexpr const char* kNewTitle = "New Pile";

  // Filters of the open dialog.
  enum TOpenFilter {
    kFilterCurrent = 1,   // "(*.tv8d)": the current layout
    kFilter2012 = 2,      // the 2012 layout
    kFilter60 = 3,        // the 6.0 layout
    kFilterAllFiles = 4,  // "All Files": read as the 2012 layout
  };

  // The default document (the new-document command): closes the child windows, sets the
  // defaults and resets every table to its minimum default rows; the document is unchanged.
  static std::unique_ptr<TProgramData> Create(TSoilProfileTables& tables);
  // A document read from a file with the layout of the open dialog's filter. Fields the
  // file does not hold start at zero. Read errors are shown to the user and the part read
  // stays; `outcome` (when given) tells how the reading went.
  static std::unique_ptr<TProgramData> CreateFromFile(const QString& fileName, int filter,
                                                      TSoilProfileTables& tables,
                                                      TReadOutcome* outcome = nullptr);
  // The filter a file opened without the open dialog is read with (recent files, the
  // command line, a dropped file): by its extension, ".tv8d" current, ".tvd" 2012; 0 when
  // the file is not a document.
  static int FilterForFile(const QString& fileName);

  TProgramData(const TProgramData&) = delete;
  TProgramData& operator=(const TProgramData&) = delete;

  int Units() const { return fUnits; }
  // Switches the unit system (clamped to 1 English, 2 SI) and converts the stored values;
  // the tables are told as well, and the open input dialogs refreshed.
  void SetUnits(int value);
  // Resets the ten design-chart settlements to their defaults in the document's units.
  void InitPDSET();

  // Writes the document to FileName in the current layout, after normalising the method
  // values and the single-diameter range and marking the document as of the current layout
  // (all of which stay). The previous file is replaced only when the whole new file was
  // written; a failed write raises EInOutError and leaves it as it was.
  void Save();
  // The text of the document in the current layout, as it stands; writing it changes
  // nothing (Save normalises first).
  QByteArray FileText() const;

  // Fill the document and the tables from a file of the current layout, or of the older
  // layouts (IsNewVer: 2012, else 6.0). A read error is shown to the user and stops the
  // reading; the tables are padded to their minimum rows either way, and the document is
  // marked unchanged.
  TReadOutcome ReadVersion8(const QString& fileName);
  TReadOutcome ReadPrevVersions(const QString& fileName, bool IsNewVer);

  TSoilProfileTables& Tables() const { return fTables; }

  // Fields, in the document's unit system.
  QString FileName;
  QString Title;
  int NPON = 0;                 // not used
  long double SQ = 0;           // not used
  long double PINC = 0;         // output increment, ft / m
  long double TIPSQ = 0, PDEI = 0, EP = 0;  // not used
  int PrintTZCurves = 0;        // 1: print t-z curves at the depths of TblTZDepth
  int METHOD = 0;               // 1 design load given, 2 shaft length given
  int KCYCL = 0;                // 1 compression, 2 uplift
  long double RCYCL = 0;        // reduction factor for uplift loading
  long double DSTART = 0;       // minimum shaft diameter, ft / m
  long double DIALIM = 0;       // maximum shaft diameter, ft / m
  long double RATIO = 0;        // base-to-shaft diameter ratio
  long double BELANGL = 0;      // bell angle to the vertical, degrees
  long double TOPLENG = 0;      // upper exclusion zone, ft / m
  long double BS = 0;           // bottom portion without skin friction, ft / m
  long double EPILE = 0;        // shaft modulus, lbs/in^2 / kN/m^2
  long double WTD = 0;          // depth of the water table, ft / m
  long double PD = 0;           // shaft length; maximum of the length ranges, ft / m
  long double PDMIN = 0;        // minimum shaft length of the ranges, ft / m
  long double PDINCR = 0;       // shaft length increment, ft / m
  long double DIAMINCR = 0;     // diameter increment of the design charts, ft / m
  int NPOINTPD = 0;             // design-chart settlements in use, 1 to 10
  std::array<long double, kMaxSettlements> PDSETT{};  // head movements, in / m
  long double FST = 0;          // factor of safety on side friction
  long double FSB = 0;          // factor of safety on base capacity
  long double LPD = 0;          // design load, tons / kN
  long double PE = 0, PDE = 0, ALZS = 0, PI = 0;  // not used
  long double ValElevation = 0; // elevation of the shaft top, ft / m (never converted)
  int UseElevation = 0;         // 1: plots labelled by elevation
  long double PS = 0;           // not used
  int ID2 = 0;                  // 1: upper- and lower-bound results available
  int IPENT = 0;                // 1: evaluate several shaft lengths
  bool UsePenetration1 = false; // not used
  int IChart = 0;               // 1: compute design charts
  bool UseDesignCharts1 = false;  // not used
  int IMOD = 0;                 // sand end bearing: 1 grows to 10 diameters, 0 full at any depth
  int Yesnewversion = 0;        // 1: the document is in the current layout
  int NLRFD = 0;                // design method, 1 LRFD, 2 ASD

 private:
  explicit TProgramData(TSoilProfileTables& tables) : fTables(tables) {}

  // The layouts the reader knows.
  enum class TLayout { Current, Release2012, Release60 };
  TReadOutcome Read(const QString& fileName, TLayout layout);
  void ReadRecords(TWordReader& reader, TLayout layout, QStringList& notices);
  void ReadLayer(TWordReader& reader, int row, TLayout layout);
  void ReadTZDepths(TWordReader& reader, QStringList& notices);
  // Normalisations that saving makes before it writes, which stay in the document: the
  // method values, the diameter range of a length sweep, the layout mark, and no bound
  // results with a rock layer.
  void NormaliseForSave();

  TSoilProfileTables& fTables;
  int fUnits = 0;
};

// The current document.
extern std::unique_ptr<TProgramData> ProgramData;
