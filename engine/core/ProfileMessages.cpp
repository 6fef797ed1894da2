#include "ProfileMessages.h"

#include <initializer_list>

#include "Format.h"
#include "MessageBanners.h"

namespace tvx {
namespace {


void WriteBlock(CapacityState& state, std::initializer_list<int> units, int emptyAround,
                std::initializer_list<std::string> lines) {
  for (int unit : units) {
    state.units.WriteEmpty(unit, emptyAround);
    for (const std::string& line : lines) state.units.Write(unit, Record().X(5).T(line));
    state.units.WriteEmpty(unit, emptyAround);
  }
}

}  // namespace

void WriteInputError(CapacityState& state, const InputError& error) {
  WriteBlock(state, {kUnitReport, kUnitRunNotes, kUnitConsole}, 1,
             {kErrorBanner,
              (error.refused ? "THE INPUT FILE HOLDS A VALUE THE ANALYSIS CANNOT TAKE AT LINE "
                             : "THE INPUT FILE COULD NOT BE READ AT LINE ") +
                  std::to_string(error.line) + ",",
              "THE RECORD OF " + error.record + ":", error.problem,
              "NO ANALYSIS WAS MADE. PLEASE CORRECT THE INPUT FILE."});
}

void WriteValueNotFinite(CapacityState& state) {
  WriteBlock(state, {kUnitReport, kUnitRunNotes, kUnitConsole}, 1,
             {kErrorBanner, "A COMPUTED VALUE IS NOT A FINITE NUMBER: THE ANALYSIS STOPS.",
              "THE FIELDS OF SUCH VALUES ARE FILLED WITH ASTERISKS, AND THE RESULTS",
              "OF THE RUN CANNOT BE USED. PLEASE CHECK THE VALUES OF THE PROBLEM."});
}

void WriteTwoDiameterWarning(CapacityState& state) {
  WriteBlock(state, {kUnitReport, kUnitRunNotes}, 2,
             {kWarningBanner, "PLEASE PROVIDE THE SOIL DEPTH THAT IS TWO-DIAMETER DEEPER",
              "THAN THE TIP OF DRILLED SHAFTS"});
}

void WriteSandStrengthMissing(UnitTable& units) {
  units.WriteEmpty(kUnitRunNotes);
  for (const char* line : {kErrorBanner, "PLEASE INPUT EITHER THE N-VALUE FROM STANDARD PENETRATION TESTS",
                           "OR THE INTERNAL FRICTION ANGLE FOR SAND LAYERS"})
    units.Write(kUnitRunNotes, Record().X(5).T(line));
  units.WriteEmpty(kUnitRunNotes);
}

void WriteUnitWeightMissing(CapacityState& state) {
  WriteBlock(state, {kUnitRunNotes}, 1,
             {kErrorBanner, "PLEASE INPUT THE TOTAL UNIT WEIGHT FOR THE SOIL.  THE PROGRAM",
              "WILL CONSIDER THE SUBMERGED UNIT WEIGHT INTERNALLY IF THE SOIL",
              "IS BELOW THE WATER TABLE WHICH SHOULD BE ENTERED BY THE USER"});
}

}  // namespace tvx
