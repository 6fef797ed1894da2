#pragma once
// The document values the input windows write, taken before and after a write-back: a
// write-back that changed any of them marks the document changed, so that the save prompt
// knows of every edit, also of those made with check boxes and option buttons.
#include <QString>
#include <vector>

class TProgramData;

class TDocumentSnapshot {
 public:
  explicit TDocumentSnapshot(const TProgramData& doc);
  bool operator==(const TDocumentSnapshot& other) const = default;

 private:
  QString fTitle;
  std::vector<long double> fValues;
};
