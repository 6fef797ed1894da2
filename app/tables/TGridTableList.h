#pragma once
// The templates of a table column: a list of references to grid tables, each either a
// position in the process-wide table registry or a table Identifier (ByIdentifier). A
// reference is resolved when it is needed; an identifier that no table bears, a position
// past the registry, or a negative value resolves to none.
#include <vector>

class TGridTable;

struct TTableReference {
  int Value = -1;
  bool ByIdentifier = true;
  bool operator==(const TTableReference&) const = default;
};

class TGridTableList {
 public:
  int Count() const { return int(fItems.size()); }
  const TTableReference& Item(int index) const { return fItems[std::size_t(index)]; }
  void Add(TTableReference reference) { fItems.push_back(reference); }
  void AddIdentifier(int identifier) { fItems.push_back({identifier, true}); }
  void Clear() { fItems.clear(); }
  // Pads with empty references or cuts to `count` entries.
  void Resize(int count);
  // The table of entry `index`, or none (also for an index outside the list).
  TGridTable* Resolve(int index) const;
  // The identifier of entry `index` as the column stream stores it: the identifier of the
  // table it resolves to, -1 for none.
  int IdentifierOf(int index) const;

  bool operator==(const TGridTableList&) const = default;

 private:
  std::vector<TTableReference> fItems;
};
