#pragma once
// The captions, headings, notes and messages of the input windows, each in one place.
// Labels of single entry fields stay with their field definitions (InputDialogFields,
// LayerParameterPages).
#include <QString>
#include <QStringList>

namespace DialogText {

// Window captions.
QString SoilLayersCaption();
QString SoilsCaption(int layerNumber);  // "Data for Layer n"
QString TitleCaption();
QString ShaftPropertiesCaption();
QString WaterTableCaption();
QString ShaftLengthCaption();
QString DesignLoadCaption();
QString SafetyFactorCaption();
QString OptionsCaption();
QString VaryLengthCaption();
QString DesignChartsCaption();
QString TZPrintCaption();

// The soil types in code order (code = position + 1).
const QStringList& SoilTypeNames();
constexpr int kSoilTypeDropDownLines = 9;

// The soil-layer editor: the two heading rows of each grid column (0 to 6) by unit system,
// the row captions, the buttons and the notes.
QString LayerHeading(int column);
QString LayerSecondHeading(int column, int units);
QString LayerRowCaption(int layerNumber);   // "Layer n"
QString EditLayerCaption(int layerNumber);  // "Edit Layer n"
QString AddLayer();
QString InsertLayer();
QString DeleteLayer();
QString ConfirmDeletion();
QString Close();
QStringList SoilLayerNotes();
QString ConfirmDeleteLayer(int layerNumber);

// The layer-parameters dialog.
QString ValuesAtTop();
QString ValuesAtBottom();
QString CopyTopToBottom();
QString SideFrictionProcedure();
QString KoMethod();
QString BetaMethod();
QString ChenKulhawyMethod();
QString KoMustBePositive();

// A design-chart settlement cell that is not a number.
QString NotAFloatingPointValue(const QString& text);

}  // namespace DialogText
