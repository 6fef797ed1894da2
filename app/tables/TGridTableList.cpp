#include "TGridTableList.h"

#include "TGridTable.h"

void TGridTableList::Resize(int count) { fItems.resize(std::size_t(count < 0 ? 0 : count)); }

TGridTable* TGridTableList::Resolve(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  const TTableReference& ref = fItems[std::size_t(index)];
  if (ref.Value < 0) return nullptr;
  if (ref.ByIdentifier) return TGridTable::FindByIdentifier(ref.Value);
  const auto& all = TGridTable::Registry();
  return ref.Value < int(all.size()) ? all[std::size_t(ref.Value)] : nullptr;
}

int TGridTableList::IdentifierOf(int index) const {
  const TGridTable* table = Resolve(index);
  return table ? table->Identifier() : -1;
}
