// The official list of municipalities and cities shipped with the program (data/opcine.csv:
// code with its check digit, name, "D" for a city) and its loading into TBOPCINE.DAT.
#pragma once

#include <filesystem>
#include <string>

#include "data/context.h"
#include "data/status.h"

namespace obrazac {

// Where the list shipped with the program running from `programDir` lies (see
// data/program_files.h); empty when it is not there.
std::filesystem::path findMunicipalityList(const std::filesystem::path& programDir);

struct MunicipalityLoad {
  int loaded = 0;
  Status status;
};

// Adds every row of the list to TBOPCINE.DAT, numbered 1, 2, ... in file order, in one
// transaction: a list that cannot be read or stored whole leaves the table as it was.
MunicipalityLoad loadMunicipalityList(Context& ctx, const std::filesystem::path& csv);

}  // namespace obrazac
