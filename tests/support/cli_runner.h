// Runs the built obrazac-cli with shell-quoted arguments and collects what it prints
// (stdout and stderr together) and its exit code.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace obrazac::testing {

struct CliResult {
  std::string output;
  int exitCode = -1;
};

inline CliResult runCli(const std::string& args) {
  const std::string command = std::string(OBRAZAC_CLI_PATH) + " " + args + " 2>&1";
  CliResult run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) run.output.append(buffer, n);
  const int status = pclose(pipe);
  if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  return run;
}

}  // namespace obrazac::testing
