#include "TColumnClasses.h"

#include <map>

#include "TEnumColumn.h"
#include "TFloatColumn.h"
#include "TIntColumn.h"
#include "TStringColumn.h"
#include "TTableColumn.h"

namespace TColumnClasses {
namespace {

template <class TKind>
TFactory FactoryOf() {
  return [](TGridTable* owner) -> std::unique_ptr<TColumn> {
    return std::make_unique<TKind>(owner);
  };
}

std::map<int, TFactory>& Classes() {
  static std::map<int, TFactory> classes{
      {kEnum, FactoryOf<TEnumColumn>()},   {kInt, FactoryOf<TIntColumn>()},
      {kFloat, FactoryOf<TFloatColumn>()}, {kTable, FactoryOf<TTableColumn>()},
      {kString, FactoryOf<TStringColumn>()},
  };
  return classes;
}

}  // namespace

void Register(int classId, TFactory factory) { Classes()[classId] = std::move(factory); }

bool IsRegistered(int classId) { return Classes().count(classId) != 0; }

std::unique_ptr<TColumn> Create(int classId, TGridTable* owner) {
  const auto it = Classes().find(classId);
  if (it == Classes().end()) return nullptr;
  return it->second(owner);
}

}  // namespace TColumnClasses
