#include "ProfileMessages.h"

#include <gtest/gtest.h>

#include <string>

namespace tvx {
namespace {

struct MessageCase {
  const char* name;
  void (*write)(CapacityState&);
  std::string notes;   // what the run notes receive
  bool toReport;       // the same block in the report too
};

class ProfileMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(ProfileMessage, GoesToTheRunNotesAndWhereStatedTheReport) {
  CapacityState state;
  ASSERT_TRUE(state.units.OpenCapture(kUnitReport));
  ASSERT_TRUE(state.units.OpenCapture(kUnitRunNotes));
  GetParam().write(state);
  EXPECT_EQ(state.units.Captured(kUnitRunNotes), GetParam().notes);
  EXPECT_EQ(state.units.Captured(kUnitReport), GetParam().toReport ? GetParam().notes : "");
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, ProfileMessage,
    ::testing::Values(
        MessageCase{"TwoDiameterWarning", &WriteTwoDiameterWarning,
                    "\n\n     *********************WARNING**********************\n"
                    "     PLEASE PROVIDE THE SOIL DEPTH THAT IS TWO-DIAMETER DEEPER\n"
                    "     THAN THE TIP OF DRILLED SHAFTS\n\n\n",
                    true},
        MessageCase{"SandStrengthMissing", [](CapacityState& state) { WriteSandStrengthMissing(state.units); },
                    "\n     *********************ERROR**********************\n"
                    "     PLEASE INPUT EITHER THE N-VALUE FROM STANDARD PENETRATION TESTS\n"
                    "     OR THE INTERNAL FRICTION ANGLE FOR SAND LAYERS\n\n",
                    false},
        MessageCase{"UnitWeightMissing", &WriteUnitWeightMissing,
                    "\n     *********************ERROR**********************\n"
                    "     PLEASE INPUT THE TOTAL UNIT WEIGHT FOR THE SOIL.  THE PROGRAM\n"
                    "     WILL CONSIDER THE SUBMERGED UNIT WEIGHT INTERNALLY IF THE SOIL\n"
                    "     IS BELOW THE WATER TABLE WHICH SHOULD BE ENTERED BY THE USER\n\n",
                    false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tvx
