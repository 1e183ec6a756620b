// The files shipped with the program (the official municipality list, the manual): under
// "share/obrazac" beside the programs in a build tree, under "../share/obrazac" of the folder
// an installed program runs from. Nothing points into the source tree, so an installed copy
// works where no source tree is.
#pragma once

#include <filesystem>

namespace obrazac {

// The shipped file at `relative` (for example "data/opcine.csv") for the program running from
// `programDir`; empty when neither place holds it.
std::filesystem::path findProgramFile(const std::filesystem::path& programDir,
                                      const std::filesystem::path& relative);

}  // namespace obrazac
