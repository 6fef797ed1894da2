#pragma once
// The column-class registry: class identifier -> a function that makes an empty column of
// that kind for a table. The five kinds are registered at start-up (on first use).
#include <functional>
#include <memory>

class TColumn;
class TGridTable;

namespace TColumnClasses {

constexpr int kEnum = 0;
constexpr int kInt = 1;
constexpr int kFloat = 2;
constexpr int kTable = 3;
constexpr int kString = 4;

using TFactory = std::function<std::unique_ptr<TColumn>(TGridTable* owner)>;

// Registers (or replaces) a column class.
void Register(int classId, TFactory factory);
bool IsRegistered(int classId);
// A new column of the class, or none when the identifier is not registered.
std::unique_ptr<TColumn> Create(int classId, TGridTable* owner);

}  // namespace TColumnClasses
