#include "data/dictionary.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "data/record_format.h"

namespace obrazac {
namespace {

const TableDecl& table(std::string_view prefix) {
  const TableDecl* t = tableByPrefix(prefix);
  if (t == nullptr) throw std::runtime_error("no table " + std::string(prefix));
  return *t;
}

TEST(Dictionary, EveryFileHasItsRecordSize) {
  const std::map<std::string, int> expected = {
      // code lists
      {"TBVRSOBV.DAT", 326},
      {"TBVRSUPL.DAT", 202},
      {"TBOSNOBR.DAT", 322},
      {"TBOZNSTA.DAT", 261},
      {"TBSTOPE.DAT", 20},
      {"TBOPCINE.DAT", 53},
      {"VEZNATAB.DAT", 50},
      {"STABLO01.DAT", 82},
      {"STABLO02.DAT", 84},
      {"STABLO03.DAT", 86},
      {"TBPOPGRE.DAT", 119},
      {"TBGRESKE.DAT", 273},
      // register and forms
      {"TBPOSLOD.DAT", 231},
      {"TBZAPOSL.DAT", 150},
      {"TBOSIGUR.DAT", 159},
      {"TBOSIGU1.DAT", 159},
      {"TBOSIGU2.DAT", 136},
      {"TBOSIGU3.DAT", 131},
      {"TBOBRAZA.DAT", 353},
      {"TBTMPDAT.DAT", 148},
      {"TBIZLAZ.DAT", 256},
      {"TBIZLAZ1.DAT", 205},
      {"ZAP2004.DAT", 258},
      {"APLPARAM.DAT", 645},
      {"TBARHIVA.DAT", 298},
      {"TBARHOBR.DAT", 78},
      // text files: their line width
      {"TBSLOG0.TXT", 250},
      {"TBSLOG3.TXT", 250},
      {"TBSLOG5.TXT", 250},
      {"TBSLOG7.TXT", 250},
      {"TBSLOG9.TXT", 250},
      {"TBVELOR.TXT", 250},
      {"TBVELOR1.TXT", 250},
      {"TBUPLATE.DAT", 194},
      {"TBIZLAZ2.TXT", 89},
      {"C:\\TEKSTDAT.TXT", 80},
      {"C:\\TEXTSIF.TXT", 500},
      {"VEZNAT01.TXT", 255},
  };
  std::set<std::string> declared;
  for (const auto& t : allTables()) {
    declared.insert(t.file);
    const auto it = expected.find(t.file);
    if (it == expected.end()) {
      ADD_FAILURE() << t.file << " (" << t.prefix << ") is declared but has no expected size";
      continue;
    }
    EXPECT_EQ(t.recordSize(), it->second) << t.file << " as " << t.prefix;
  }
  for (const auto& [file, bytes] : expected)
    EXPECT_TRUE(declared.count(file)) << file << " is not declared";
}

TEST(Dictionary, KeysRulesAndRelationsNameDeclaredFields) {
  std::set<std::string> prefixes;
  for (const auto& t : allTables()) {
    SCOPED_TRACE(t.prefix);
    EXPECT_TRUE(prefixes.insert(t.prefix).second) << "prefix declared twice";
    EXPECT_FALSE(t.fields.empty());

    std::set<std::string> names;
    for (const auto& f : t.fields) {
      EXPECT_TRUE(names.insert(f.name).second) << "field " << f.name << " twice";
      if (t.kind == TableKind::Text) {
        EXPECT_EQ(f.type, FieldType::String) << f.name;
      }
    }
    if (t.kind == TableKind::Text) {
      EXPECT_TRUE(t.keys.empty());
    }

    int primaries = 0;
    std::set<std::string> keyNames;
    for (const auto& k : t.keys) {
      SCOPED_TRACE(k.name);
      EXPECT_TRUE(keyNames.insert(k.name).second) << "key twice";
      EXPECT_FALSE(k.components.empty());
      EXPECT_TRUE(k.opt);
      for (const auto& c : k.components) EXPECT_GE(t.fieldIndex(c), 0) << "component " << c;
      if (k.primary) {
        ++primaries;
        EXPECT_TRUE(k.unique);
      }
      if (k.autoNumber) {
        EXPECT_TRUE(k.unique);
        const int last = t.fieldIndex(k.components.back());
        ASSERT_GE(last, 0);
        const auto type = t.fields[static_cast<std::size_t>(last)].type;
        EXPECT_TRUE(type == FieldType::Short || type == FieldType::Long)
            << "numbered by a non-number";
      }
      if (k.rowNumber) {
        EXPECT_TRUE(k.unique);
        ASSERT_EQ(k.components.size(), 1u);
        const auto type = t.fields[static_cast<std::size_t>(t.fieldIndex(k.components[0]))].type;
        EXPECT_TRUE(type == FieldType::Short || type == FieldType::Long) << "row number by text";
      }
    }
    EXPECT_LE(primaries, 1);
    for (const auto& r : t.rules) EXPECT_GE(t.fieldIndex(r.field), 0) << "rule on " << r.field;
  }

  ASSERT_EQ(allRelations().size(), 11u);
  for (const auto& r : allRelations()) {
    SCOPED_TRACE(r.parent + " -> " + r.child);
    const TableDecl* parent = tableByPrefix(r.parent);
    const TableDecl* child = tableByPrefix(r.child);
    ASSERT_NE(parent, nullptr);
    ASSERT_NE(child, nullptr);
    const int keyAt = child->keyIndex(r.childKey);
    ASSERT_GE(keyAt, 0) << r.childKey;
    const KeyDecl& key = child->keys[static_cast<std::size_t>(keyAt)];
    // The children of a parent are found by walking the child key from the link values, so the
    // link fields must open that key, in order, and hold the same values as the parent's.
    ASSERT_FALSE(r.links.empty());
    ASSERT_LE(r.links.size(), key.components.size());
    for (std::size_t i = 0; i < r.links.size(); ++i) {
      const auto& [parentField, childField] = r.links[i];
      EXPECT_EQ(key.components[i], childField);
      const int p = parent->fieldIndex(parentField);
      const int c = child->fieldIndex(childField);
      ASSERT_GE(p, 0) << parentField;
      ASSERT_GE(c, 0) << childField;
      const FieldDecl& pf = parent->fields[static_cast<std::size_t>(p)];
      const FieldDecl& cf = child->fields[static_cast<std::size_t>(c)];
      EXPECT_EQ(pf.type, cf.type) << parentField << " = " << childField;
      EXPECT_EQ(pf.size, cf.size) << parentField << " = " << childField;
    }
  }
}

// A Croatian letter written in UTF-8 (C4 or C5 followed by a continuation byte).
bool hasUtf8Letter(const std::string& s) {
  for (std::size_t i = 0; i + 1 < s.size(); ++i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const auto next = static_cast<unsigned char>(s[i + 1]);
    if ((lead == 0xC4 || lead == 0xC5) && next >= 0x80 && next <= 0xBF) return true;
  }
  return false;
}

TEST(Dictionary, DescriptionsAndLabelsAreWindows1250) {
  for (const auto& t : allTables()) {
    for (const auto& k : t.keys)
      EXPECT_FALSE(hasUtf8Letter(k.description)) << t.prefix << ":" << k.name;
    for (const auto& r : t.rules) {
      EXPECT_EQ(r.label, "Obra\xE8unska godina") << t.prefix << ":" << r.field;
      EXPECT_EQ(r.low, 2001);
      EXPECT_EQ(r.high, 2100);
    }
  }
  const TableDecl& header = table("A");
  EXPECT_EQ(header.keys[0].description, "Obra\xE8unska godina, mjesec i identifikator");
  EXPECT_EQ(table("POS").keys[0].description, "Redni broj fime");

  std::set<std::string> withYearRule;
  for (const auto& t : allTables())
    if (!t.rules.empty()) withYearRule.insert(t.prefix);
  EXPECT_EQ(withYearRule, (std::set<std::string>{"GRE", "OSI", "OSI1", "OSI2", "OSI3", "OSI4"}));
}

TEST(Dictionary, AttributesOfFilesThatDiffer) {
  std::set<std::string> keyedWithoutOem, withoutCreate, textWithOem;
  for (const auto& t : allTables()) {
    if (!t.create) withoutCreate.insert(t.file);
    if (t.kind == TableKind::Keyed && !t.oem) keyedWithoutOem.insert(t.file);
    if (t.kind == TableKind::Text && t.oem) textWithOem.insert(t.file);
  }
  EXPECT_EQ(withoutCreate, std::set<std::string>{"ZAP2004.DAT"});
  EXPECT_EQ(keyedWithoutOem,
            (std::set<std::string>{"TBPOPGRE.DAT", "TBGRESKE.DAT", "TBOSIGU2.DAT", "TBOSIGU3.DAT",
                                   "TBIZLAZ.DAT", "TBIZLAZ1.DAT", "TBARHIVA.DAT", "TBARHOBR.DAT"}));
  EXPECT_EQ(textWithOem, std::set<std::string>{"VEZNAT01.TXT"});
  EXPECT_EQ(table("TVL").kind, TableKind::Text);
  EXPECT_EQ(table("OSI1").kind, TableKind::Text);  // a .DAT name, but a text file
}

TEST(Dictionary, SecondDeclarationsShareTheFileLayout) {
  for (const auto& [first, second] : {std::pair{"RAD", "RAD1"}, std::pair{"OSI", "RAD2"}}) {
    SCOPED_TRACE(second);
    const TableDecl& a = table(first);
    const TableDecl& b = table(second);
    EXPECT_EQ(a.file, b.file);
    EXPECT_EQ(tableByFile(b.file), &a) << "a file names its first declaration";
    ASSERT_EQ(a.fields.size(), b.fields.size());
    for (std::size_t i = 0; i < a.fields.size(); ++i) {
      EXPECT_EQ(a.fields[i].name, b.fields[i].name);
      EXPECT_EQ(fieldBytes(a.fields[i]), fieldBytes(b.fields[i]));
    }
    ASSERT_EQ(a.keys.size(), b.keys.size());
    for (std::size_t i = 0; i < a.keys.size(); ++i) {
      EXPECT_EQ(a.keys[i].components, b.keys[i].components);
      EXPECT_EQ(a.keys[i].unique, b.keys[i].unique);
      EXPECT_EQ(a.keys[i].nocase, b.keys[i].nocase);
    }
  }
  EXPECT_EQ(tableByFile("tbzaposl.dat")->prefix, "RAD");
  EXPECT_EQ(tableByFile("c:\\textsif.txt")->prefix, "TEK");
  EXPECT_EQ(tableByFile("TBISPIS.DAT"), nullptr);
}

TEST(Dictionary, SubmissionWorkFilesFollowTheRecordLayouts) {
  for (const auto& layout : submission::recordLayouts()) {
    const TableDecl& t = table(std::string("SL") + layout.type);
    SCOPED_TRACE(t.prefix);
    EXPECT_EQ(t.file, std::string("TBSLOG") + layout.type + ".TXT");
    ASSERT_EQ(t.fields.size(), layout.fields.size());
    for (std::size_t i = 0; i < t.fields.size(); ++i) {
      EXPECT_EQ(t.fields[i].name, layout.fields[i].code);
      EXPECT_EQ(t.fields[i].size, layout.fields[i].width);
    }
  }
  EXPECT_GE(table("SL5").fieldIndex("SL5:RS5IBRT"), 0);
}

}  // namespace
}  // namespace obrazac
