// Runs the built obrazac-cli with shell-quoted arguments and collects what it prints (stdout and
// stderr together, or each on its own) and its exit code.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace obrazac::testing {

struct CliResult {
  std::string output;
  int exitCode = -1;
};

// The output of a shell command line and its exit code.
inline CliResult runShell(const std::string& command) {
  CliResult run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) run.output.append(buffer, n);
  const int status = pclose(pipe);
  if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  return run;
}

inline CliResult runCli(const std::string& args) {
  return runShell(std::string(OBRAZAC_CLI_PATH) + " " + args + " 2>&1");
}

// The refusal of an option in what the tool printed ("--date: '31.02.2025' nije ..." gives
// "'31.02.2025' nije ..."), or nothing when it took the option's value.
inline std::string optionRefusal(const std::string& output, const std::string& option) {
  const std::string prefix = option + ": ";
  const auto at = output.find(prefix);
  if (at == std::string::npos) return {};
  const auto from = at + prefix.size();
  return output.substr(from, output.find('\n', from) - from);
}

// Standard output and standard error kept apart, for what a script reads.
struct CliStreams {
  std::string out;
  std::string err;
  int exitCode = -1;
};

inline CliStreams runCliStreams(const std::string& args) {
  char errFile[] = "/tmp/obrazac-cli-err-XXXXXX";
  const int fd = mkstemp(errFile);
  if (fd < 0) return {};
  close(fd);
  const CliResult run = runShell(std::string(OBRAZAC_CLI_PATH) + " " + args + " 2>" + errFile);
  std::ifstream err(errFile, std::ios::binary);
  CliStreams streams{run.output,
                     {std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>()},
                     run.exitCode};
  std::remove(errFile);
  return streams;
}

}  // namespace obrazac::testing
