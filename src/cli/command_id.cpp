#include "cli/command.h"
namespace obrazac::cli {
int runId(const Invocation&) { throw UsageError("not built yet"); }
}
