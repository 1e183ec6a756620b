#include "data/record_format.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

namespace obrazac::submission {
namespace {

TEST(RecordFormat, LayoutsCoverTheLineWithTheTypeLast) {
  std::string types;
  std::set<std::string_view> codes;
  for (const auto& layout : recordLayouts()) {
    SCOPED_TRACE(std::string("type ") + layout.type);
    types += layout.type;
    int next = 1;
    for (const auto& f : layout.fields) {
      EXPECT_EQ(f.position, next) << f.code;
      EXPECT_GT(f.width, 0) << f.code;
      EXPECT_TRUE(codes.insert(f.code).second) << f.code << " twice";
      EXPECT_EQ(f.code.substr(0, 3), std::string("RS") + layout.type) << f.code;
      if (f.kind == FieldKind::Amount) {
        EXPECT_EQ(f.width, 15) << f.code;
      }
      if (f.kind == FieldKind::Date) {
        EXPECT_EQ(f.width, 8) << f.code;
      }
      next = f.position + f.width;
    }
    EXPECT_EQ(next, kRecordWidth + 1);
    ASSERT_FALSE(layout.fields.empty());
    const RecordField& last = layout.fields.back();
    EXPECT_EQ(last.position, 250);
    EXPECT_EQ(last.width, 1);
    EXPECT_EQ(last.kind, FieldKind::Type);
    for (const auto& f : layout.fields.first(layout.fields.size() - 1))
      EXPECT_NE(f.kind, FieldKind::Type) << f.code;
  }
  EXPECT_EQ(types, "03579");
}

TEST(RecordFormat, FieldsByCode) {
  struct Case {
    std::string_view code;
    int position, width;
    FieldKind kind;
  } cases[] = {
      {"RS0DTMN", 216, 8, FieldKind::Date},    {"RS0OFOR", 224, 5, FieldKind::Text},
      {"RS3RBSU", 26, 4, FieldKind::Text},     {"RS3MMGG", 132, 6, FieldKind::Digits},
      {"RS3IOSN", 160, 15, FieldKind::Amount}, {"RS3IGMM", 220, 6, FieldKind::Digits},
      {"RS5IMPR", 19, 30, FieldKind::Text},    {"RS5OSOB", 53, 3, FieldKind::Text},
      {"RS5RAZD", 56, 4, FieldKind::Digits},   {"RS5INET", 120, 15, FieldKind::Amount},
      {"RS7BRSL", 30, 5, FieldKind::Digits},   {"RS7DTRS", 35, 8, FieldKind::Date},
      {"RS9BROJ", 34, 6, FieldKind::Digits},   {"RS9DIGP", 122, 128, FieldKind::Reserved},
  };
  for (const auto& c : cases) {
    const RecordField* f = fieldByCode(c.code);
    ASSERT_NE(f, nullptr) << c.code;
    EXPECT_EQ(f->position, c.position) << c.code;
    EXPECT_EQ(f->width, c.width) << c.code;
    EXPECT_EQ(f->kind, c.kind) << c.code;
    EXPECT_EQ(recordLayout(c.code[2]).fieldByCode(c.code), f);
  }
  for (std::string_view unknown : {"", "RS", "RS5", "RS3IMPR", "RS4MBOO", "rs5ibrt"})
    EXPECT_EQ(fieldByCode(unknown), nullptr) << unknown;
  EXPECT_EQ(recordLayout('0').fieldByCode("RS5IBRT"), nullptr);
}

TEST(RecordFormat, UnknownRecordTypes) {
  for (char type : {'1', '4', ' ', '\0', 'A'}) {
    EXPECT_EQ(findRecordLayout(type), nullptr) << int(type);
    EXPECT_THROW(recordLayout(type), std::out_of_range) << int(type);
  }
  EXPECT_EQ(&recordLayout('7'), findRecordLayout('7'));
}

TEST(RecordFormat, CuttingAFieldFromALine) {
  std::string line(kRecordWidth, ' ');
  line.replace(0, 5, "00042");
  line.replace(5, 13, "1234567890123");
  line.replace(59, 15, "-00000000001234");
  line.back() = '5';
  const RecordLayout& row = recordLayout('5');
  EXPECT_EQ(row.fieldByCode("RS5RBRO")->cut(line), "00042");
  EXPECT_EQ(row.fieldByCode("RS5MBGO")->cut(line), "1234567890123");
  EXPECT_EQ(row.fieldByCode("RS5IBRT")->cut(line), "-00000000001234");
  EXPECT_EQ(row.fieldByCode("RS5TIPS")->cut(line), "5");

  // A short line gives what it holds of a field and nothing of the fields beyond it.
  const std::string_view shortLine = std::string_view(line).substr(0, 10);
  EXPECT_EQ(row.fieldByCode("RS5MBGO")->cut(shortLine), "12345");
  EXPECT_EQ(row.fieldByCode("RS5IBRT")->cut(shortLine), "");
  EXPECT_EQ(row.fieldByCode("RS5RBRO")->cut(""), "");
}

}  // namespace
}  // namespace obrazac::submission
