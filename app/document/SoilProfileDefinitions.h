#pragma once
// The definitions of the soil-profile tables, as the program keeps them with its windows:
// the nine layer parameter templates, the layer table D and the t-z depth table.
#include <QString>

QString SoilProfileDefinitions();
