#include "data/status.h"

#include <gtest/gtest.h>

namespace obrazac {
namespace {

TEST(Status, SaysWhatFailedInWords) {
  struct Case {
    Status status;
    std::string text;
  } cases[] = {
      {Status(), ""},
      {Status::store(35, "obveznik 7 ne postoji"),
       "Greška 35 (Record Not Found): obveznik 7 ne postoji"},
      {Status::store(5, "tablicu TBVELOR drži druga obrada"),
       "Greška 5 (Access Denied): tablicu TBVELOR drži druga obrada"},
      {Status::store(90, "izlaz/F0015001.TXT", "disk je pun"),
       "Greška 90: disk je pun (izlaz/F0015001.TXT)"},
      {Status::store(37), "Greška 37 (File Not Open)"},
      {Status::refused("Greška pri otvaranju TBOSIGUR.DAT", 5),
       "Greška pri otvaranju TBOSIGUR.DAT"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.status.text(), c.text);
    EXPECT_EQ(c.status.ok(), c.text.empty()) << c.text;
  }
  EXPECT_EQ(Status::refused("x", 5).code(), 5);
  EXPECT_EQ(Status::store(35).storeText(), "Record Not Found");
}

}  // namespace
}  // namespace obrazac
