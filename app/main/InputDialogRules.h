#pragma once
// The write-back and enabling rules of the small input windows that are more than copying a
// field into the document.
#include <QString>

class TProgramData;

namespace InputDialogRules {

// Shaft length window: the proposed length; a length above 0 clears the design load.
void StoreShaftLength(TProgramData& doc, long double length);
// Design load window: the design load; a load above 0 clears the shaft length.
void StoreDesignLoad(TProgramData& doc, long double load);
// Both windows: uplift keeps the reduction factor, compression stores 1.
void StoreLoading(TProgramData& doc, bool uplift, long double reduction);

// The maximum diameter of the shaft properties is in use except when several lengths are
// evaluated for a given shaft length (then one diameter is analysed).
bool MaximumDiameterEnabled(const TProgramData& doc);

// Project title: a different text replaces the title; true when it did.
bool StoreTitle(TProgramData& doc, const QString& text);
// The title field takes 80 characters; a longer title read from a file is kept whole.
constexpr int kTitleLength = 80;
int TitleMaxLength(const QString& title);

}  // namespace InputDialogRules
