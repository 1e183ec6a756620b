#include "transfer/table_values.h"

#include "data/context.h"
#include "data/dictionary.h"
#include "data/field_value.h"

namespace obrazac {

std::optional<std::string> unfitValueIn(const std::filesystem::path& folder,
                                        const std::string& name) {
  const TableDecl* decl = tableByFile(name);
  if (!decl) return std::nullopt;
  Context ctx(folder);
  Table& table = ctx.table(decl->prefix);
  if (table.open(AccessMode::ReadOnly) != 0) return std::nullopt;
  table.setPhysical();
  for (long number = 1; table.next() == 0; ++number)
    if (auto unfit = recordBytesError(table.record()))
      return "zapis " + std::to_string(number) + ": " + *unfit;
  return std::nullopt;
}

}  // namespace obrazac
