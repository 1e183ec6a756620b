#include "codelists/code_lookup.h"

#include "data/fixed_width.h"

namespace obrazac {

std::string codeDescription(Context& ctx, std::string_view prefix, std::string_view code,
                            std::string_view field) {
  Table& codes = ctx.table(prefix);
  if (!codes.isOpen() && codes.open() != 0) return {};
  codes.clear();
  Record& r = codes.record();
  r.setText(r.index("SIFRA"), code);
  if (codes.get("KEYSIFRA") != 0) {
    codes.clear();
    return {};
  }
  return std::string(clipRight(r.text(r.index(field))));
}

}  // namespace obrazac
