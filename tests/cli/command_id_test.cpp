#include <gtest/gtest.h>

#include <sys/wait.h>
#include "support/cli_runner.h"

#include <cstdio>
#include <string>

namespace {

using obrazac::testing::CliResult;
using obrazac::testing::runCli;

TEST(CliId, ChecksAndBirthDates) {
  struct Case {
    const char* args;
    const char* output;
    int exitCode;
  } cases[] = {
      {"id jmbg 1503975123451", "valid\n", 0},
      {"id jmbg 1503975123450", "invalid\n", 1},
      {"id jmbg 0000000000000", "valid\n", 0},
      {"id jmbg 150397512345", "invalid\n", 1},    // one digit short
      {"id jmbg 15039751234510", "invalid\n", 1},  // one digit long
      {"id jmbg 150397512345x", "invalid\n", 1},   // not numeric
      {"id jmbg \"1503975123451 \"", "invalid\n", 1},
      {"id mb 12345679", "valid\n", 0},
      {"id mb 00000000", "invalid\n", 1},
      {"id opcina 1236", "valid\n", 0},
      {"id opcina 123", "invalid\n", 1},
      {"id birthdate 1503975123451", "15.03.1975\n", 0},
      {"id birthdate 0101004330006", "01.01.2004\n", 0},
  };
  for (const auto& c : cases) {
    const CliResult run = runCli(c.args);
    EXPECT_EQ(run.output, c.output) << c.args;
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args;
  }
}

TEST(CliId, BadArgumentsGiveOneLineAndExitCode2) {
  for (const char* args : {"id", "id jmbg", "id jmbg 1503975123451 x", "id oib 12345678903",
                           "id birthdate 150397512345", "id birthdate 150397512345x"}) {
    const CliResult run = runCli(args);
    EXPECT_EQ(run.exitCode, 2) << args;
    EXPECT_EQ(run.output.rfind("obrazac-cli id: ", 0), 0u) << args << ": " << run.output;
    EXPECT_EQ(run.output.find('\n'), run.output.size() - 1) << args << ": " << run.output;
  }
}

}  // namespace
