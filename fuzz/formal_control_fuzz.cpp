// Feeds arbitrary bytes as a submission file to the formal control: the file is copied over the
// work file, read line by line and every line checked, with its findings written to the work
// tables. Nothing may crash, hang or read out of bounds, and the run must end either checked or
// refused with a message. The working folder with the sample's code lists is built once, in
// memory (/dev/shm) where there is one.
//
// Each input is checked twice: as the whole file, and written over a valid file of one form at
// the place its first two bytes name, so that small inputs reach the checks of every record
// type and the state carried from line to line.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "check/formal_control.h"
#include "data/context.h"
#include "sample/sample_installation.h"
#include "support/sample_submission.h"

namespace {

class Quiet final : public obrazac::RunReporter {
 public:
  void status(std::string_view) override {}
  void message(std::string_view) override {}
  obrazac::Answer ask(std::string_view, bool) override { return obrazac::Answer::No; }
};

const std::filesystem::path& workDir() {
  static const std::filesystem::path dir = [] {
    std::error_code ec;
    const auto base = std::filesystem::is_directory("/dev/shm", ec)
                          ? std::filesystem::path("/dev/shm")
                          : std::filesystem::temp_directory_path();
    auto d = base / ("obrazac-formal-fuzz-" + std::to_string(getpid()));
    std::filesystem::remove_all(d);
    std::filesystem::create_directories(d);
    obrazac::Context ctx(d);
    const auto summary = obrazac::buildSampleInstallation(
        ctx, std::filesystem::path(OBRAZAC_DATA_DIR) / "opcine.csv");
    if (!summary.status.ok()) {
      std::fprintf(stderr, "sample installation: %s\n", summary.status.text().c_str());
      std::abort();
    }
    return d;
  }();
  return dir;
}

void check(const std::string& bytes) {
  using namespace obrazac;
  const auto file = workDir() / "izlaz" / "INPUT.RM0";
  if (std::FILE* f = std::fopen(file.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  static Context ctx(workDir());
  static const FixedClock clock(Date::fromParts(1, 10, 2026));
  Quiet reporter;
  const auto out = check::runFormalControl(ctx, file, clock, reporter);
  if (!out.status.ok() && out.status.text().empty()) std::abort();  // a refusal always says why
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  check(input);

  static const std::string valid = obrazac::testing::joined(obrazac::testing::validFile());
  std::string overlaid = valid;
  const std::size_t at = size >= 2 ? (data[0] | data[1] << 8) % valid.size() : 0;
  const std::string patch = size >= 2 ? input.substr(2) : input;
  overlaid.replace(at, std::min(patch.size(), overlaid.size() - at), patch);
  check(overlaid);
  return 0;
}
