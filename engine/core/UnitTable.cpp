#include "UnitTable.h"

#include <cstdlib>

namespace tvx {

UnitTable::~UnitTable() { CloseAll(); }

UnitTable::Slot* UnitTable::SlotOf(int unit) {
  if (unit < 0 || unit > kMaxUnit) return nullptr;
  return &fSlots[unit];
}
const UnitTable::Slot* UnitTable::SlotOf(int unit) const {
  if (unit < 0 || unit > kMaxUnit) return nullptr;
  return &fSlots[unit];
}

void UnitTable::Release(Slot& s) {
  if (s.fp && s.owned) std::fclose(s.fp);
  std::free(s.memBuf);
  s = Slot{};
}

bool UnitTable::OpenWrite(int unit, const std::string& path) {
  Slot* s = SlotOf(unit);
  if (!s) return false;
  Release(*s);
  if (path.empty()) return false;
  std::FILE* fp = std::fopen(path.c_str(), "w");
  if (!fp) return false;
  s->fp = fp;
  s->owned = true;
  return true;
}

bool UnitTable::OpenRead(int unit, const std::string& path) {
  Slot* s = SlotOf(unit);
  if (!s) return false;
  Release(*s);
  if (path.empty()) return false;
  std::FILE* fp = std::fopen(path.c_str(), "r");
  if (!fp) return false;
  s->fp = fp;
  s->owned = true;
  s->reading = true;
  return true;
}

void UnitTable::Attach(int unit, std::FILE* stream) {
  Slot* s = SlotOf(unit);
  if (!s) return;
  Release(*s);
  s->fp = stream;
  s->owned = false;
}

bool UnitTable::OpenCapture(int unit) {
  Slot* s = SlotOf(unit);
  if (!s) return false;
  Release(*s);
  s->fp = open_memstream(&s->memBuf, &s->memSize);
  s->owned = true;
  return s->fp != nullptr;
}

std::string UnitTable::Captured(int unit) {
  Slot* s = SlotOf(unit);
  if (!s || !s->fp) return std::string();
  std::fflush(s->fp);
  if (!s->memBuf) return std::string();
  return std::string(s->memBuf, s->memSize);
}

bool UnitTable::IsOpen(int unit) const {
  const Slot* s = SlotOf(unit);
  return s && s->fp;
}

void UnitTable::Close(int unit) {
  if (Slot* s = SlotOf(unit)) Release(*s);
}

void UnitTable::CloseAll() {
  for (Slot& s : fSlots) Release(s);
}

void UnitTable::Write(int unit, std::string_view line) {
  Slot* s = SlotOf(unit);
  if (!s || !s->fp || s->reading) return;
  // An empty record is only its line end: an empty view may carry a null data pointer,
  // which fwrite must not be given even with a zero count.
  if (!line.empty()) std::fwrite(line.data(), 1, line.size(), s->fp);
  std::fputc('\n', s->fp);
}

void UnitTable::WriteEmpty(int unit, int n) {
  for (int i = 0; i < n; ++i) Write(unit, std::string_view());
}

bool UnitTable::ReadLine(int unit, std::string& line) {
  line.clear();
  Slot* s = SlotOf(unit);
  if (!s || !s->fp || !s->reading) return false;
  int c = getc_unlocked(s->fp);
  if (c == EOF) return false;
  while (c != EOF && c != '\n') {
    line.push_back(static_cast<char>(c));
    c = getc_unlocked(s->fp);
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace tvx
