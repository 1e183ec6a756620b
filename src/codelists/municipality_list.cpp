#include "codelists/municipality_list.h"

#include <fstream>
#include <vector>

#include "data/codepage.h"
#include "data/program_files.h"

namespace obrazac {
namespace fs = std::filesystem;

namespace {

constexpr const char* kListName = "opcine.csv";

std::vector<std::string> split(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const auto comma = line.find(',', start);
    fields.push_back(line.substr(start, comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return fields;
}

}  // namespace

fs::path findMunicipalityList(const fs::path& programDir) {
  return findProgramFile(programDir, fs::path("data") / kListName);
}

MunicipalityLoad loadMunicipalityList(Context& ctx, const fs::path& csv) {
  MunicipalityLoad result;
  std::ifstream in(csv, std::ios::binary);
  if (!in) {
    result.status = Status::refused("popis općina " + csv.string() + " nije moguće pročitati");
    return result;
  }
  Table& t = ctx.table("OPC");
  if (const int rc = t.open(); rc != 0 && rc != err::kFileAlreadyOpen) {
    result.status = Status::store(rc, "TBOPCINE.DAT");
    return result;
  }
  Record& r = t.record();
  const int redbroj = r.index("REDBROJ"), grad = r.index("GRAD"), naziv = r.index("NAZIV"),
            sifra = r.index("SIFRA");
  std::string line;
  std::getline(in, line);  // sifra,naziv,grad
  t.begin();
  int lineNo = 1;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const auto f = split(line);
    if (f.size() != 3 || f[0].size() != 4) {
      result.status = Status::refused(csv.string() + ", redak " + std::to_string(lineNo) +
                                      ": nije šifra,naziv,grad");
      break;
    }
    r.clear();
    r.setInteger(redbroj, result.loaded + 1);
    r.setText(sifra, f[0]);
    r.setText(naziv, cp1250FromUtf8(f[1]));
    r.setText(grad, f[2] == "D" ? "D" : "N");
    if (const int rc = t.add()) {
      result.status = Status::store(rc, "TBOPCINE.DAT, " + f[1]);
      break;
    }
    ++result.loaded;
  }
  if (!result.status.ok()) {
    t.rollback();
    result.loaded = 0;
    return result;
  }
  if (const int rc = t.commit()) result.status = Status::store(rc, "TBOPCINE.DAT");
  return result;
}

}  // namespace obrazac
