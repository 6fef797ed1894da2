#include "InputDialogFields.h"

namespace InputDialogFields {

namespace {

// Maximum and minimum shaft length and the length increment, shared by the multiple
// lengths and the design charts; `share`: the default minimum length's share of the
// maximum.
std::vector<TDocumentField> LengthRange(const char* share) {
  return {
      {"DataEdit1", "Maximum shaft &length ", "L2", std::nullopt, "", {}, &TProgramData::PD, false},
      {"DataEdit2",
       "Minimum &shaft length ",
       "L2",
       std::nullopt,
       "",
       {QStringLiteral("- default: ") + QString::fromLatin1(share) +
            QStringLiteral(" maximum shaft length"),
        QStringLiteral("* Should be at least 6 diameters "),
        QStringLiteral("   plus any exclusion zone defined.")},
       &TProgramData::PDMIN,
       false},
      {"DataEdit3",
       "Shaft length increment",
       "L2",
       std::nullopt,
       "",
       {QStringLiteral("- default: 3 ft or 1 m"), QStringLiteral("* A maximum of 100 increments"),
        QStringLiteral("  will be considered.")},
       &TProgramData::PDINCR,
       false},
  };
}

}  // namespace

const std::vector<TDocumentField>& ShaftProperties() {
  static const std::vector<TDocumentField> fields = {
      {"DataEdit1",
       "Minimum Shaft Diameter, B, to be Considered",
       "L2",
       30,
       "Practical minimum value is 2 ft or 0.6 m",
       {},
       &TProgramData::DSTART,
       true},
      {"DataEdit2",
       "Maximum Shaft Diameter, B, to be Considered",
       "L2",
       30,
       "Practical maximum is 12 ft or 3.6 m",
       {QStringLiteral("(Enter 0 if same as minimum)")},
       &TProgramData::DIALIM,
       true},
      {"DataEdit3",
       "&Ratio of Base Diameter to Shaft Diameter,  Bb/B",
       "",
       10,
       "Usual value for belled shafts is 3",
       {QStringLiteral("(Enter 0 for straight shaft)")},
       &TProgramData::RATIO,
       true},
      {"DataEdit4",
       "&Angle of Bell with Respect to Vertical,  Ang ",
       "deg",
       90,
       "Usual value for belled shafts is 45 degrees",
       {QStringLiteral("(Enter 0 for straight shaft)")},
       &TProgramData::BELANGL,
       true},
      {"DataEdit5",
       "Length of &Upper Exclusion Zone without Skin Friction, Lue",
       "L2",
       std::nullopt,
       "",
       {},
       &TProgramData::TOPLENG,
       true},
      {"DataEdit6",
       "Lenght of Bottom Portion of Shaft without Skin Friction, Lle",
       "L2",
       100,
       "From top of bell for belled shafts or from base for straight shafts",
       {},
       &TProgramData::BS,
       true},
      {"DataEdit7",
       "&Modulus of Elasticity of Drilled Shaft ",
       "F/L^2",
       300000000,
       "",
       {},
       &TProgramData::EPILE,
       true},
  };
  return fields;
}

QStringList ShaftPropertiesNote() {
  return {
      QStringLiteral("Shaft diameter, B, is automatically incremented in 6-inch or 0.15 m "
                     "increments between the specified minimum "),
      QStringLiteral("and maximum diameters."),
      QStringLiteral("* This default increment can be changed while using Design Charts."),
      QString(),
      QStringLiteral("For shafts in cohesive soils, the upper exclusion zone, Lue, is used to "
                     "eliminate side resistance lost due to "),
      QStringLiteral("desiccation cracking and the lower exclusion zone, Lle, is used to "
                     "account for side resistance lost due to horizontal "),
      QStringLiteral("stress loss under loading.  "),
      QString(),
      QStringLiteral("For shafts in cohesive soils, a lower exclusion zone for side resistance "
                     "is usually not reccomended for uplift loading. "),
      QString(),
      QStringLiteral("No exclusion zones are recommended for shafts in cohesionless soils."),
      QString(),
      QStringLiteral("Bells should not be specified for shafts in cohesionless soils or rock."),
  };
}

const std::vector<TDocumentField>& WaterTable() {
  static const std::vector<TDocumentField> fields = {
      {"DataEdit1", "&Depth of water table", "L2", std::nullopt, "", {}, &TProgramData::WTD, true}};
  return fields;
}

const TDocumentField& ShaftLength() {
  static const TDocumentField field = {
      "DataEdit1", "Enter the proposed &length", "L2", std::nullopt, "", {}, nullptr, true};
  return field;
}

const TDocumentField& DesignLoad() {
  static const TDocumentField field = {
      "DataEditL", "Enter the &design load", "F2", std::nullopt, "", {}, nullptr, true};
  return field;
}

const TDocumentField& UpliftReduction() {
  static const TDocumentField field = {
      "deRCYCL", "&Reduction factor for uplift loading", "", 1, "", {}, nullptr, false};
  return field;
}

const std::vector<TDocumentField>& SafetyFactors() {
  static const std::vector<TDocumentField> fields = {
      {"DataEdit1",
       "The F.S. applied to the ultimate &side friction",
       "",
       std::nullopt,
       "",
       {},
       &TProgramData::FST,
       true},
      {"DataEdit2",
       "The F.S. applied to the ultimate &base capacity",
       "",
       std::nullopt,
       "",
       {},
       &TProgramData::FSB,
       true},
  };
  return fields;
}

const TDocumentField& OutputIncrement() {
  static const TDocumentField field = {"DataEdit1", "Output Increment",  "L2", std::nullopt, "",
                                       {},          &TProgramData::PINC, false};
  return field;
}

const TDocumentField& TopElevation() {
  static const TDocumentField field = {
      "DataEdit2", "Elevation for Top of Shaft", "L2", std::nullopt, "",
      {},          &TProgramData::ValElevation,  false};
  return field;
}

const std::vector<TDocumentField>& VaryLengths() {
  static const std::vector<TDocumentField> fields = LengthRange("70%");
  return fields;
}

const std::vector<TDocumentField>& ChartRanges() {
  static const std::vector<TDocumentField> fields = [] {
    std::vector<TDocumentField> f = LengthRange("30%");
    f.push_back({"DataEdit4",
                 "Shaft diameter increment",
                 "L2",
                 std::nullopt,
                 "",
                 {QStringLiteral("- default: 0.5 ft or .15 m"),
                  QStringLiteral("* A maximum of 20 increments"),
                  QStringLiteral("  will be considered.")},
                 &TProgramData::DIAMINCR,
                 false});
    return f;
  }();
  return fields;
}

}  // namespace InputDialogFields
