#include "TSavePrompt.h"

#include "TProgramData.h"

bool IsUnnamedDocument(const QString& fileName) {
  return fileName == QLatin1String(TProgramData::kNewFileName);
}

TSaveAction SaveActionFor(const QString& fileName) {
  if (IsUnnamedDocument(fileName)) return TSaveAction::SaveAs;
  return fileName.endsWith(QLatin1String(".tv8d"), Qt::CaseInsensitive) ? TSaveAction::WriteInPlace
                                                                       : TSaveAction::SaveAs;
}

bool TSavePrompt::Continue(bool dataChanged, const THooks& hooks) {
  if (!dataChanged) return true;
  switch (hooks.Ask()) {
    case TAnswer::Cancel:
      return false;
    case TAnswer::No:
      return true;
    case TAnswer::Yes:
      break;
  }
  if (!hooks.Save()) return false;
  return !IsUnnamedDocument(hooks.DocumentFileName());
}
