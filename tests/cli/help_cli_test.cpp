#include <gtest/gtest.h>

#include "support/cli_runner.h"

namespace obrazac {
namespace {

using testing::runCliStreams;

const std::vector<std::string> kCommands = {
    "picture",           "id",      "init",     "table",   "params", "export", "import",
    "takeover-previous", "send",    "takeover", "collect", "hash",   "check",  "check-input",
    "obligor",           "employee"};

TEST(CliHelp, EveryCommandShowsItsUsageAndExitCodes) {
  for (const auto& name : kCommands) {
    const auto r = runCliStreams(name + " --help");
    EXPECT_EQ(r.exitCode, 0) << name << "\n" << r.err;
    EXPECT_EQ(r.err, "") << name;
    EXPECT_TRUE(r.out.starts_with("Upotreba: obrazac-cli [--dir MAPA] " + name + " ")) << r.out;
    const auto codes = r.out.find("\nIzlazni kodovi:\n  0  ");
    EXPECT_NE(codes, std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\n  2  ", codes), std::string::npos) << r.out;
  }
  // Help wins over arguments the command would refuse, and runs nothing.
  const auto r = runCliStreams("--dir /nonexistent/folder check --format xml --help");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.out.starts_with("Upotreba: obrazac-cli [--dir MAPA] check ")) << r.out;
}

TEST(CliHelp, TheToolsHelpListsEveryCommandAndTheExitCodes) {
  const auto r = runCliStreams("--help");
  EXPECT_EQ(r.exitCode, 0);
  for (const auto& name : kCommands)
    EXPECT_NE(r.out.find("\n  " + name + " "), std::string::npos) << name;
  EXPECT_NE(r.out.find("Izlazni kodovi: 0 "), std::string::npos) << r.out;
}

}  // namespace
}  // namespace obrazac
