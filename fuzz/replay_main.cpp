// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target over files without the fuzzer: every argument is a file
// or a folder of files, each fed to the target once. CTest uses it to replay
// the seed corpus and every committed reproducer, so a fixed finding stays
// fixed in every build.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

int RunFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path.string().c_str());
    return 1;
  }
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int failures = 0;
  int files = 0;
  for (int k = 1; k < argc; ++k) {
    const std::filesystem::path path(argv[k]);
    if (std::filesystem::is_directory(path)) {
      for (const auto& entry : std::filesystem::recursive_directory_iterator(path)) {
        if (!entry.is_regular_file()) continue;
        failures += RunFile(entry.path());
        ++files;
      }
    } else {
      failures += RunFile(path);
      ++files;
    }
  }
  std::printf("replayed %d inputs\n", files);
  return failures == 0 ? 0 : 1;
}
