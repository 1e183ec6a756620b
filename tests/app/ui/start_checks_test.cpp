#include "app/ui/start_checks.h"

#include <gtest/gtest.h>

#include "app/application_parameters.h"
#include "data/fixed_width.h"
#include "support/parameter_record.h"
#include "support/temp_dir.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

// A working folder copied from /srv/obrazac: its parameters still name the old folders.
class StartChecks : public ::testing::Test {
 protected:
  void SetUp() override {
    Context ctx(dir.path());
    ASSERT_EQ(ensureParameterRecord(ctx), 0);
    obrazac::testing::setParameter(ctx, "RADDIR", "/srv/obrazac/");
    obrazac::testing::setParameter(ctx, "IZLAZDIR", "/srv/obrazac/izlaz/");
  }
  std::string folder(const char* name) {
    Context ctx(dir.path());
    EXPECT_EQ(readParameters(ctx), 0);
    const Record& apl = ctx.table("APL").record();
    return std::string(clipRight(apl.text(apl.index(name))));
  }

  obrazac::testing::TempDir dir;
  testing::ScriptedPrompter prompter;
};

TEST_F(StartChecks, ACopiedFolderIsOfferedItsOwnFolders) {
  prompter.answers = {Answer::Yes};
  settleWorkingFolder(prompter, dir.path());
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_NE(prompter.shown[0].text.indexOf("/srv/obrazac/"), -1);
  const std::string here = std::filesystem::canonical(dir.path()).string() + "/";
  EXPECT_EQ(folder("RADDIR"), here);
  EXPECT_EQ(folder("IZLAZDIR"), here + "izlaz/");

  settleWorkingFolder(prompter, dir.path());  // now it names this folder: nothing is asked
  EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST_F(StartChecks, ARefusalLeavesTheParametersAsTheyWere) {
  prompter.answers = {Answer::No};
  settleWorkingFolder(prompter, dir.path());
  ASSERT_EQ(prompter.shown.size(), 1u) << "the question was asked and refused";
  EXPECT_NE(prompter.shown[0].text.indexOf("/srv/obrazac/"), -1);
  EXPECT_EQ(folder("RADDIR"), "/srv/obrazac/");
  EXPECT_EQ(folder("IZLAZDIR"), "/srv/obrazac/izlaz/");
}

}  // namespace
}  // namespace obrazac::ui
