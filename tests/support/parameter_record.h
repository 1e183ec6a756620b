// Changes one field of the parameter record the runs read (APLPARAM.DAT), as a user would in
// "Aplikacijski parametri": the authorised person, a folder.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "app/application_parameters.h"
#include "data/codepage.h"
#include "data/context.h"

namespace obrazac::testing {

inline void setParameter(Context& ctx, std::string_view field, std::string_view utf8) {
  ASSERT_EQ(readParameters(ctx), 0);
  Table& apl = ctx.table("APL");
  apl.record().setText(apl.record().index(field), cp1250(utf8));
  ASSERT_EQ(apl.put(), 0);
}

}  // namespace obrazac::testing
