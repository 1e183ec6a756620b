// A working folder with the sample installation's code lists, control table and rates, and the
// sample submission file, whose single fields a test can damage.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "sample/sample_installation.h"
#include "data/codepage.h"
#include "data/context.h"
#include "submission/records.h"
#include "support/sample_submission.h"
#include "support/temp_dir.h"

namespace obrazac::testing {

// The sample installation, built once per test program and copied for each test.
inline const std::filesystem::path& sampleInstallation() {
  static TempDir folder;
  static const bool built = [] {
    Context ctx(folder.path());
    const auto summary =
        buildSampleInstallation(ctx, std::filesystem::path(OBRAZAC_DATA_DIR) / "opcine.csv");
    EXPECT_TRUE(summary.status.ok()) << summary.status.text();
    return true;
  }();
  (void)built;
  return folder.path();
}

inline void copySampleInstallation(const std::filesystem::path& to) {
  namespace fs = std::filesystem;
  for (const auto& e : fs::directory_iterator(sampleInstallation()))
    if (e.path().filename() != ".locks")
      fs::copy(e.path(), to / e.path().filename(),
               fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

// Sets one field of a record line (Windows-1250 text, cut or padded to the field).
inline void setField(std::string& line, std::string_view code, std::string_view value) {
  const auto* f = submission::fieldByCode(code);
  ASSERT_NE(f, nullptr) << code;
  line.replace(static_cast<std::size_t>(f->position - 1), static_cast<std::size_t>(f->width),
               std::string(value.substr(0, static_cast<std::size_t>(f->width))) +
                   std::string(static_cast<std::size_t>(f->width) -
                                   std::min(value.size(), static_cast<std::size_t>(f->width)),
                               ' '));
}

}  // namespace obrazac::testing
