#pragma once
// The ten most recently used documents, newest first, and the texts the File menu shows
// for them. The list itself knows nothing of the settings; the main window writes them
// whenever the list changes.
#include <QString>
#include <QStringList>
#include <array>

class TRecentFiles {
 public:
  static constexpr int kCount = 10;

  // Entry k (1..kCount); empty when unused.
  const QString& PrevFile(int k) const { return fPrevFile.at(static_cast<std::size_t>(k - 1)); }
  void SetPrevFile(int k, const QString& name);
  // Number of non-empty entries.
  int NumberPrevFile() const;
  void Clear();

  // Puts `name` at the top. A name equal to the first entry (case-sensitive) changes
  // nothing and the result is false. A name found at entry i moves up, the entries above it
  // move down one place; any other name pushes every entry down one place and the tenth is
  // dropped. The result is true when the list changed.
  bool UpdatePrevFile(const QString& name);

  // The File-menu text of entry k: "k " and the path, shortened to what follows the
  // current folder and the separator when the path lies in that folder. Menu accelerators
  // are marked with "&" (the digit), and a "&" of the path is doubled.
  QString MenuText(int k, const QString& currentFolder) const;
  // The separator before "E&xit" shows only with at least one recent file.
  bool SeparatorVisible() const { return NumberPrevFile() > 0; }

 private:
  std::array<QString, kCount> fPrevFile;
};
