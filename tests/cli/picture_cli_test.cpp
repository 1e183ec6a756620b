#include <gtest/gtest.h>

#include <sys/wait.h>
#include "support/cli_runner.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

using obrazac::testing::CliResult;
using obrazac::testing::runCli;

TEST(PictureCommand, PrintsTheFormattedValue) {
  const struct {
    std::string args, output;
  } cases[] = {
      {"picture 'N-12.`2' -1234.56", "   -1.234,56\n"},
      {"picture N-015v2 -123.45", "-00000000012345\n"},
      {"picture D6. 2004-01-01", " 1.01.2004\n"},
      {"picture T1 13:05", "13:05\n"},
  };
  for (const auto& c : cases) {
    const CliResult run = runCli(c.args);
    EXPECT_EQ(run.exitCode, 0) << c.args;
    EXPECT_EQ(run.output, c.output) << c.args;
  }
}

TEST(PictureCommand, BadPictureOrValueIsAUsageError) {
  for (const char* args : {"picture N10x2 5", "picture N10.2 12,5", "picture D12 2004-02-30",
                           "picture T1 24:00", "picture Q1 5", "picture N10.2"}) {
    const CliResult run = runCli(args);
    EXPECT_EQ(run.exitCode, 2) << args;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1)
        << args << ": " << run.output;
  }
}

}  // namespace
