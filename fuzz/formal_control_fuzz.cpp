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

#include "app/sample_installation.h"
#include "check/formal_control.h"
#include "data/context.h"
#include "submission/records.h"

namespace {

class Quiet final : public obrazac::RunReporter {
 public:
  void status(std::string_view) override {}
  void message(std::string_view) override {}
  obrazac::Answer ask(std::string_view, bool) override { return obrazac::Answer::No; }
};

// A valid file: sender, one form with two rows, its closing record and the file's.
std::string validFile() {
  using obrazac::Date;
  using obrazac::Decimal;
  using obrazac::submission::RecordLine;
  const Date sent = Date::fromParts(12, 15, 2025);
  const std::string sender = obrazac::sampleMB(3456789) + "0000";
  const std::string obligor = obrazac::sampleMB(1234567) + "0000";
  const Decimal gross(1000), first(150), second(50), net(800);
  std::string file = RecordLine('0')
                         .text("RS0MBOO", sender)
                         .text("RS0MBGO", "0000000000000")
                         .text("RS0NAOB", "PRIMJER servis")
                         .text("RS0ADOB", "Primjerna 1")
                         .text("RS0OSOB", "Ana")
                         .date("RS0DTMN", sent)
                         .text("RS0OFOR", "RM500")
                         .line() +
                     "\r\n";
  file += RecordLine('3')
              .text("RS3MBOO", obligor)
              .text("RS3MBGO", "0000000000000")
              .text("RS3RBSU", "0001")
              .text("RS3NAOB", "PRIMJER d.o.o.")
              .text("RS3ADOB", "Ilica 1")
              .text("RS3VROB", "01")
              .text("RS3MMGG", "112025")
              .text("RS3VROI", "01")
              .number("RS3BROS", 2)
              .amount("RS3IBRT", gross + gross, '0')
              .amount("RS3IOSN", gross + gross, '0')
              .amount("RS3IST1", first + first, '0')
              .amount("RS3IST2", second + second, '0')
              .amount("RS3INET", net + net, '0')
              .text("RS3IGMM", "202512")
              .line() +
          "\r\n";
  for (int i = 0; i < 2; ++i)
    file += RecordLine('5')
                .number("RS5RBRO", i + 1)
                .text("RS5MBGO", obrazac::sampleJmbg(2 + i, 5, 1980, 33, 11))
                .text("RS5IMPR", "PRIMJER OSOBA")
                .text("RS5GROP", "1333")
                .text("RS5OSOB", "01 ")
                .text("RS5RAZD", "0130")
                .amount("RS5IBRT", gross, '0')
                .amount("RS5IOSN", gross, '0')
                .amount("RS5IST1", first, '0')
                .amount("RS5IST2", second, '0')
                .amount("RS5INET", net, '0')
                .line() +
            "\r\n";
  file += RecordLine('7')
              .text("RS7MBOO", obligor)
              .text("RS7MBGO", "0000000000000")
              .text("RS7RBSU", "0001")
              .number("RS7BRSL", 2)
              .date("RS7DTRS", sent)
              .line() +
          "\r\n";
  file += RecordLine('9')
              .text("RS9MBOO", sender)
              .text("RS9MBGO", "0000000000000")
              .date("RS9DTMN", sent)
              .number("RS9BROJ", 1)
              .line() +
          "\r\n";
  return file;
}

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
    if (!summary.ok()) {
      std::fprintf(stderr, "sample installation: %s\n", summary.error.c_str());
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
  if (!out.checked && out.failure.empty()) std::abort();  // a refusal always says why
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  check(input);

  static const std::string valid = validFile();
  std::string overlaid = valid;
  const std::size_t at = size >= 2 ? (data[0] | data[1] << 8) % valid.size() : 0;
  const std::string patch = size >= 2 ? input.substr(2) : input;
  overlaid.replace(at, std::min(patch.size(), overlaid.size() - at), patch);
  check(overlaid);
  return 0;
}
