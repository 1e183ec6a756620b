#include "codelists/code_uses.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace obrazac {
namespace {

void add(Context& ctx, const char* prefix,
         std::vector<std::pair<const char*, const char*>> fields) {
  Table& t = ctx.table(prefix);
  if (!t.isOpen()) {
    ASSERT_EQ(t.open(), 0) << prefix;
  }
  t.record().clear();
  for (const auto& [field, value] : fields) t.record().setText(t.record().index(field), value);
  ASSERT_EQ(t.add(), 0) << prefix;
}

// Kind of obligor 01 held by an obligor, two employees, a rate and a control-table row; 02 by
// nothing; the kinds of calculation are counted in their own fields.
TEST(CodeUses, CountsTheRowsOfEveryTableThatHoldsTheCode) {
  testing::TempDir dir;
  Context ctx(dir.path());
  add(ctx, "POS", {{"VRSTOBVEZNIKA", "01"}});
  add(ctx, "RAD", {{"JMBG", "1111111111111"}, {"VRSOBV", "01"}, {"VRSTAUPLA", "05"}});
  add(ctx, "RAD", {{"JMBG", "2222222222222"}, {"VRSOBV", "01"}, {"VRSTAUPLA", "01"}});
  add(ctx, "STO1", {{"VRSTAOBVEZNIKA", "01"}, {"VRSTOBRACUNA", "01"}});
  add(ctx, "VEZ", {{"VOB", "01"}, {"VOI", "01"}, {"OO", "01"}});
  ctx.closeAll();

  const auto kind = codeUses(ctx, "VOB", "01");
  ASSERT_EQ(kind.size(), 4u);
  EXPECT_EQ(kind[1].rows, "zaposlenika");
  EXPECT_EQ(kind[1].count, 2);
  EXPECT_EQ(codeInUseQuestion("01", kind),
            "Šifru 01 koristi 5 redaka (obveznika: 1, zaposlenika: 2, stopa doprinosa: 1, "
            "redaka kontrolne tablice: 1). Ti redovi zadržavaju šifru koje više neće biti u "
            "šifarniku. Obrisati je ipak?");
  EXPECT_TRUE(codeUses(ctx, "VOB", "02").empty());
  EXPECT_EQ(codeInUseQuestion("02", {}), "");

  const auto calculation = codeUses(ctx, "VUP", "01");
  ASSERT_EQ(calculation.size(), 3u);
  EXPECT_TRUE(codeInUseQuestion("01", calculation).starts_with("Šifru 01 koristi 3 retka ("));
  EXPECT_TRUE(codeInUseQuestion("05", codeUses(ctx, "VUP", "05"))
                  .starts_with("Šifru 05 koristi 1 redak (zaposlenika: 1)"));
}

}  // namespace
}  // namespace obrazac
