#include "DialogTexts.h"

#include <array>

#include "Units.h"

namespace DialogText {

QString SoilLayersCaption() { return QStringLiteral("Soill Layers"); }
QString SoilsCaption(int layerNumber) {
  return QStringLiteral("Data for Layer ") + QString::number(layerNumber);
}
QString TitleCaption() { return QStringLiteral("Project Title"); }
QString ShaftPropertiesCaption() { return QStringLiteral("Drilled-Shaft Properties"); }
QString WaterTableCaption() { return QStringLiteral("Water Table"); }
QString ShaftLengthCaption() { return QStringLiteral("Drilled Shaft Length"); }
QString DesignLoadCaption() { return QStringLiteral("Specification of Design Load"); }
QString SafetyFactorCaption() { return QStringLiteral("Factor of Safety (F.S.)"); }
QString OptionsCaption() { return QStringLiteral("Control Options"); }
QString VaryLengthCaption() { return QStringLiteral("Multiple Shaft Lengths"); }
QString DesignChartsCaption() { return QStringLiteral("ASD/LRFD Design Charts"); }
QString TZPrintCaption() { return QStringLiteral("Option of Printing t-z Curves"); }

const QStringList& SoilTypeNames() {
  static const QStringList names = {
      QStringLiteral("sand (FHWA Spec.)"),
      QStringLiteral("clay (FHWA Spec.)"),
      QStringLiteral("shale (Reese &Aurora)"),
      QStringLiteral("strong rock (FHWA-side frict. or end bear.)"),
      QStringLiteral("decomposed rock/gravel (FHWA Spec.)"),
      QStringLiteral("weak rock (FHWA Spec.)"),
      QStringLiteral("strong rock (side friction + end bearing)"),
      QStringLiteral("gravelly sand (Rollins et al)"),
      QStringLiteral("gravel (Rollins et al)"),
  };
  return names;
}

namespace {

constexpr std::array<const char*, 7> kLayerHeadings = {"  Layer ",
                                                       " Soil Type ",
                                                       "Depth at Bottom * ",
                                                       "Max. Side Friction ** ",
                                                       "Max. End Bearing ** ",
                                                       "LRFD Res. Factor",
                                                       "LRFD Res. Factor"};

}  // namespace

QString LayerHeading(int column) {
  if (column < 0 || column >= int(kLayerHeadings.size())) return {};
  return QString::fromLatin1(kLayerHeadings[std::size_t(column)]);
}

QString LayerSecondHeading(int column, int units) {
  const bool si = units == kUnitsSI;
  switch (column) {
    case 2:
      return si ? QStringLiteral(" of each layer (m) ") : QStringLiteral(" of each layer (ft) ");
    case 3:
    case 4:
      return si ? QStringLiteral("       (kN/m^2)    ") : QStringLiteral("       (lb/ft^2)    ");
    case 5:
      return QStringLiteral(" (Side Friction) ");
    case 6:
      return QStringLiteral(" (End Bearing) ");
    default:
      return {};
  }
}

QString LayerRowCaption(int layerNumber) {
  return QStringLiteral("Layer ") + QString::number(layerNumber);
}
QString EditLayerCaption(int layerNumber) {
  return QStringLiteral("Edit Layer ") + QString::number(layerNumber);
}
QString AddLayer() { return QStringLiteral("Add Layer"); }
QString InsertLayer() { return QStringLiteral("Insert Layer"); }
QString DeleteLayer() { return QStringLiteral("Delete Layer"); }
QString ConfirmDeletion() { return QStringLiteral("Confirm Deletion"); }
QString Close() { return QStringLiteral("Close"); }

QStringList SoilLayerNotes() {
  return {
      QStringLiteral("* Bottom of last layer must be deeper than the shaft bottom plus two pile "
                     "diameters."),
      QStringLiteral("** If entries are left as zero, the program assumes no limits in side "
                     "friction and end bearing computed by the program"),
      QStringLiteral("** Use a very small number (e.g. 0.001) for layers where load transfer "
                     "should be ignored."),
  };
}

QString ConfirmDeleteLayer(int layerNumber) {
  return QStringLiteral("Do you want to delete soil layer in row ") + QString::number(layerNumber);
}

QString ValuesAtTop() { return QStringLiteral("Values at\nTop of Layer"); }
QString ValuesAtBottom() { return QStringLiteral("Values at\nBottom of Layer"); }
QString CopyTopToBottom() { return QStringLiteral("Copy Values From Top To Bottom"); }
QString SideFrictionProcedure() { return QStringLiteral("Side Friction Procedure"); }
QString KoMethod() { return QStringLiteral("Ko Method"); }
QString BetaMethod() { return QStringLiteral("Beta Method"); }
QString ChenKulhawyMethod() { return QStringLiteral("Chen and Kulhawy (2002) Method"); }
QString KoMustBePositive() {
  return QStringLiteral(
      "Coefficient of Lateral Earth Pressure, Ko,\rshould be greater than zero while using Ko "
      "Method\rPlease Check!");
}

QString NotAFloatingPointValue(const QString& text) {
  return QLatin1Char('\'') + text + QStringLiteral("' is not a valid floating point value");
}

}  // namespace DialogText
