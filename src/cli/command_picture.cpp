#include "cli/command.h"
namespace obrazac::cli {
int runPicture(const Invocation&) { throw UsageError("not built yet"); }
}
