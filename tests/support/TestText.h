// Helpers of the engine and runner tests: the lines of a text, a problem text from its
// lines, prefixes, and the names of the cases of a parameterised suite.
#pragma once

#include <cctype>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tvx::test {

using Lines = std::vector<std::string>;

// The lines of a text, each without its LF; a last line without an LF is dropped, as a
// record the writer has not ended.
inline Lines LinesOf(const std::string& text) {
  Lines out;
  std::size_t start = 0;
  for (std::size_t nl = text.find('\n'); nl != std::string::npos; nl = text.find('\n', start)) {
    out.push_back(text.substr(start, nl - start));
    start = nl + 1;
  }
  return out;
}

// The text of a problem file: every line ended by CR LF, as the desktop program writes it.
inline std::string Join(const Lines& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  return text;
}

inline bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// A number in at most nine significant digits, for test names and messages.
inline std::string ShortNumber(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.9g", v);
  return buf;
}

// Test-name suffix of a table case from its description.
inline std::string CaseName(std::string what) {
  for (char& ch : what)
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return what;
}

// For INSTANTIATE_TEST_SUITE_P: names every case after its `what` field.
struct NameByWhat {
  template <typename Info>
  std::string operator()(const Info& info) const {
    return CaseName(info.param.what);
  }
};

}  // namespace tvx::test
