// One command of the headless tool: its name, its usage line and the function that runs it.
// A command returns the process exit code; bad arguments throw UsageError (exit 2, one line on
// stderr). Data goes to `out`, messages and progress to `err`, so a script can pipe the one and
// log the other.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace obrazac::cli {

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Invocation {
  std::filesystem::path workDir;      // --dir, the working folder (default: current folder)
  std::span<const std::string> args;  // the words after the command name
  std::ostream& out;
  std::ostream& err;
  std::istream& in;
};

// What the exit codes of a command mean. Every command exits 2 on arguments it cannot use; a
// command that can also fail to do its work at all says so in `notDone`.
struct ExitCodes {
  std::string_view done;          // exit 0
  std::string_view refused = {};  // exit 1, when the command has it
  std::string_view notDone = {};  // exit 2 besides bad arguments
};

struct Command {
  std::string_view name;
  std::string_view usage;  // shown by --help, one or more lines
  ExitCodes exits;
  int (*run)(const Invocation&);
};

// What "obrazac-cli NAREDBA --help" prints: the usage and the exit codes.
void printCommandHelp(std::ostream& out, const Command& command);

// Every command of the tool, in the order --help lists them.
std::span<const Command> allCommands();

// Argument helpers shared by the commands.
const std::string& requireArg(const Invocation& inv, std::size_t index, std::string_view what);
void requireArgCount(const Invocation& inv, std::size_t min, std::size_t max);

}  // namespace obrazac::cli
