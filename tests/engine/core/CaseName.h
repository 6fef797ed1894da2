// Test-name suffix of a table case from its description.
#pragma once

#include <cctype>
#include <string>

namespace tvx::test {

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
