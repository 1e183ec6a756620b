#include "app/application_parameters.h"

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "data/record_manager.h"

namespace obrazac {
namespace fs = std::filesystem;

void fillParameterDefaults(Record& apl) {
  apl.clear();
  apl.setInteger(apl.index("RB"), 1);
  apl.setText(apl.index("NAZIV"), cp1250("Knjigovodstveni servis"));
  apl.setText(apl.index("ADRESA"), cp1250("NN ulica bb, 10000 Zagreb"));
  apl.setText(apl.index("KONOSO"), cp1250("Elvik"));
  apl.setText(apl.index("NAZSJED"), cp1250("ZAGREB"));
  apl.setText(apl.index("SIFSJED"), cp1250("1333"));
}

int ensureParameterRecord(Context& ctx) {
  RecordManager m(ctx, "APL");
  if (const int rc = m.open()) return rc;
  Record& apl = m.record();
  apl.clear();
  apl.setInteger(apl.index("RB"), 1);
  if (m.table().get("KEYRB") == 0) return 0;
  fillParameterDefaults(apl);
  if (!m.insert().ok()) return m.table().error() ? m.table().error() : err::kFileSystemError;
  apl.clear();
  apl.setInteger(apl.index("RB"), 1);
  return m.table().get("KEYRB");
}

int readParameters(Context& ctx) {
  Table& t = ctx.table("APL");
  if (const int rc = t.open(); rc != 0 && rc != err::kFileAlreadyOpen) return rc;
  t.setPhysical();
  return t.next();
}

fs::path parameterFolder(std::string_view storedCp1250, const fs::path& workDir) {
  std::string text = utf8FromCp1250(clipRight(storedCp1250));
  for (char& c : text)
    if (c == '\\') c = fs::path::preferred_separator;
  const fs::path p(text);
  return p.is_absolute() ? p : workDir / p;
}

namespace {

// The folder as one spelling, whatever links, "..", or a trailing separator it was named with.
fs::path canonicalOf(const fs::path& p) {
  std::error_code ec;
  fs::path c = fs::weakly_canonical(fs::absolute(p, ec), ec);
  if (ec) c = fs::absolute(p, ec).lexically_normal();
  return c.has_filename() ? c : c.parent_path();
}

// A folder as the parameters hold it: absolute, ending with a separator; relative to the working
// folder when the absolute path does not fit the field.
std::string folderValue(const fs::path& folder, const fs::path& workDir) {
  constexpr std::size_t kWidth = 128;  // APL:RADDIR and the other folders
  std::string text = folder.string();
  if (text.back() != fs::path::preferred_separator) text.push_back(fs::path::preferred_separator);
  if (text.size() <= kWidth) return cp1250FromUtf8(text);
  const std::string relative = folder.lexically_relative(workDir).string();
  if (relative.empty() || relative == "." || relative.size() >= kWidth) return {};
  return cp1250FromUtf8(relative + static_cast<char>(fs::path::preferred_separator));
}

}  // namespace

bool parametersNameThisFolder(const Record& apl, const fs::path& workDir) {
  const std::string_view raddir = clipRight(apl.text(apl.index("RADDIR")));
  if (raddir.empty()) return true;
  return canonicalOf(parameterFolder(raddir, workDir)) == canonicalOf(workDir);
}

void setFoldersTo(Record& apl, const fs::path& workDir) {
  const fs::path here = canonicalOf(workDir);
  const fs::path old = canonicalOf(parameterFolder(apl.text(apl.index("RADDIR")), workDir));
  for (const char* name : {"ULAZDIR", "IZLAZDIR"}) {
    const int i = apl.index(name);
    const fs::path relative =
        canonicalOf(parameterFolder(apl.text(i), old)).lexically_relative(old);
    const bool within = !relative.empty() && *relative.begin() != "..";
    apl.setText(i, folderValue(within ? (here / relative).lexically_normal() : here, here));
  }
  apl.setText(apl.index("RADDIR"), folderValue(here, here));
}

bool authorisedPersonMissing(const Record& apl) {
  return apl.text(apl.index("JMBG")) == "1111111111111";
}

}  // namespace obrazac
