// The normal build's driver of a fuzz target: runs LLVMFuzzerTestOneInput on every file of
// the folders given (the target's seed corpus and the crash reproducers kept beside it), in
// name order, as libFuzzer replays a corpus. A fault of the target (it aborts or crashes on
// an input) ends the run with a failure; the input is named first. Empty folders and
// folders that do not exist count as nothing; no input at all is a failure.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(argv[i], ec))
      if (entry.is_regular_file()) inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  if (inputs.empty()) {
    std::fprintf(stderr, "no input to replay\n");
    return 1;
  }
  if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
  for (const fs::path& input : inputs) {
    std::fprintf(stderr, "replaying %s\n", input.string().c_str());
    std::ifstream in(input, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%zu inputs replayed\n", inputs.size());
  return 0;
}
