// Every bundled example runs through the engine to a clean end, and every case of its report
// carries a full capacity table.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "EngineTestSupport.h"
#include "RunStatus.h"

namespace tvx {
namespace {
namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

std::vector<fs::path> Examples() {
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(test::ExamplePath("")))
    if (e.path().extension() == ".tv8d") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

bool StartsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }

// The numbers of a capacity row, or nothing when the line is not one.
std::vector<double> RowValues(const std::string& line) {
  std::istringstream in(line);
  std::vector<double> v;
  double x;
  while (in >> x) v.push_back(x);
  if (!in.eof() || v.size() != 8) return {};
  return v;
}

// One case section of a report: from its header to the next header.
struct CaseSection {
  std::string header;
  double shaftLength = -1;  // the design-depth line, when printed
  std::vector<std::vector<double>> rows;
  bool headings = false;
  bool overflow = false;
};

std::vector<CaseSection> Sections(const Lines& report) {
  std::vector<CaseSection> cases;
  for (std::size_t i = 0; i < report.size(); ++i) {
    const std::string& l = report[i];
    if (StartsWith(l, "     - CASE ANALYZED      : ")) {
      cases.emplace_back();
      cases.back().header = l;
      continue;
    }
    if (cases.empty()) continue;
    CaseSection& c = cases.back();
    if (!c.headings && StartsWith(l, "      SHAFT LENGTH              =")) c.shaftLength = std::stod(l.substr(33, 9));
    if (StartsWith(l, "     LENGTH  VOLUME")) {
      c.headings = true;
      for (std::size_t j = i + 2; j < report.size(); ++j) {
        if (report[j].find('*') != std::string::npos) c.overflow = true;
        const std::vector<double> row = RowValues(report[j]);
        if (row.empty()) break;
        c.rows.push_back(row);
      }
    }
  }
  return cases;
}

TEST(Examples, EveryExampleReportsAFullCapacityTableForEveryCase) {
  const std::vector<fs::path> examples = Examples();
  ASSERT_GE(examples.size(), 7u);
  for (const fs::path& example : examples) {
    SCOPED_TRACE(example.filename().string());
    test::ScratchDir dir;
    const auto run = test::RunProblemFile(dir, example);
    EXPECT_EQ(run.status, kStatusNormal);
    const std::vector<CaseSection> cases = Sections(run.ReportLines());
    ASSERT_FALSE(cases.empty());
    for (const CaseSection& c : cases) {
      SCOPED_TRACE(c.header);
      EXPECT_TRUE(c.headings);
      EXPECT_FALSE(c.overflow);
      ASSERT_FALSE(c.rows.empty());
      for (std::size_t k = 1; k < c.rows.size(); ++k) EXPECT_GT(c.rows[k][0], c.rows[k - 1][0]);
      if (c.shaftLength >= 0) {
        // Design depth: the rows reach the shaft length within one output increment.
        const double last = c.rows.back()[0];
        const double step = c.rows.size() > 1 ? c.rows[1][0] - c.rows[0][0] : 0.0;
        EXPECT_LE(last, c.shaftLength + 0.05);
        EXPECT_GT(last + step + 0.05, c.shaftLength);
      }
    }
  }
}

}  // namespace
}  // namespace tvx
