// The official list of municipalities and cities shipped with the program (data/opcine.csv:
// code with its check digit, name, "D" for a city) and its loading into TBOPCINE.DAT.
#pragma once

#include <filesystem>
#include <string>

#include "data/context.h"
#include "data/status.h"

namespace obrazac {

// Where the shipped list lies: the data folder the program was built with, else "../data"
// beside the folder of the running program (an installed tool). Empty when neither has it.
std::filesystem::path findMunicipalityList(const std::filesystem::path& programDir = {});

struct MunicipalityLoad {
  int loaded = 0;
  Status status;
};

// Adds every row of the list to TBOPCINE.DAT, numbered 1, 2, ... in file order, in one
// transaction: a list that cannot be read or stored whole leaves the table as it was.
MunicipalityLoad loadMunicipalityList(Context& ctx, const std::filesystem::path& csv);

}  // namespace obrazac
