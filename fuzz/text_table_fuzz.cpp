// Feeds arbitrary bytes to the text-file table reader as a submission work file and walks every
// line, as the checks of a submission or payment file do. Nothing may crash, hang or read out of
// bounds, whatever the file holds.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "data/dictionary.h"
#include "data/text_table.h"

namespace {

const std::filesystem::path& workDir() {
  static const std::filesystem::path dir = [] {
    auto d = std::filesystem::temp_directory_path() / ("obrazac-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(d);
    return d;
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace obrazac;
  const auto file = workDir() / "TBVELOR1.TXT";
  if (std::FILE* f = std::fopen(file.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  for (const char* prefix : {"TVL", "OSI1", "VEZ1"}) {
    const TableDecl& decl = *tableByPrefix(prefix);
    TextTable t(decl, file);
    if (t.open(AccessMode::ReadOnly) != 0) continue;
    t.setPhysical();
    std::size_t lines = 0;
    while (t.next() == 0 && lines++ <= size) {
    }
    t.records();
  }
  return 0;
}
