#include "TData.h"

#include "TColumn.h"

int TData::Row() const { return BaseCol->RowOf(this); }
long double TData::GetFloat() const { return BaseCol->GetFloatValue(Row()); }
void TData::SetFloat(long double value) { BaseCol->SetFloatValue(Row(), value); }
int TData::GetInt() const { return BaseCol->GetIntValue(Row()); }
void TData::SetInt(int value) { BaseCol->SetIntValue(Row(), value); }
QString TData::GetValue() const { return BaseCol->GetStringValue(Row()); }
void TData::SetValue(const QString& text) { BaseCol->SetStringValue(Row(), text); }
TGridTable* TData::GetData() const { return BaseCol->GetDataValue(Row()); }
