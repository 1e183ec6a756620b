#include "data/text_table.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <fstream>

#include "data/codepage.h"
#include "data/context.h"
#include "data/dictionary_builders.h"
#include "data/fixed_width.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

using namespace decl;
using namespace std::string_literals;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

constexpr std::size_t kWidth = 10;

// Two fields side by side, so a line crosses a field boundary: columns 1-4 and 5-10.
TableDecl smallTextTable() {
  return textFile("TBTEST.TXT", "TST", {str("A", 4), str("B", 6)});
}

// The whole record as one string of its columns.
std::string columns(const Table& t) {
  std::string line;
  for (int i = 0; i < t.record().fieldCount(); ++i) line += t.record().text(i);
  return line;
}

void setColumns(Table& t, std::string_view line) {
  auto& r = t.record();
  r.clear();
  std::size_t at = 0;
  for (int i = 0; i < r.fieldCount(); ++i) {
    const auto w = static_cast<std::size_t>(r.field(i).size);
    r.setText(i, at < line.size() ? line.substr(at, w) : std::string_view{});
    at += w;
  }
}

class TextTableTest : public ::testing::Test {
 protected:
  TableDecl decl_ = smallTextTable();
  TempDir dir_;
  std::filesystem::path file_ = dir_ / "TBTEST.TXT";

  std::unique_ptr<TextTable> openTable(AccessMode mode = AccessMode::DenyNone) {
    auto t = std::make_unique<TextTable>(decl_, file_);
    EXPECT_EQ(t->open(mode), 0) << t->errorText();
    return t;
  }

  // Every record of the file in file order, each as its full width of columns.
  static std::vector<std::string> readAll(Table& t) {
    std::vector<std::string> lines;
    t.setPhysical();
    while (t.next() == 0) lines.push_back(columns(t));
    EXPECT_EQ(t.error(), err::kRecordNotAvailable);
    return lines;
  }

  std::vector<std::string> readAll() { return readAll(*openTable(AccessMode::ReadOnly)); }

  void append(Table& t, std::string_view line) {
    setColumns(t, line);
    ASSERT_EQ(t.append(), 0) << t.errorText();
  }
};

std::vector<std::string> padded(std::initializer_list<std::string> lines) {
  std::vector<std::string> out;
  for (const auto& l : lines) out.push_back(padRight(l, kWidth));
  return out;
}

TEST_F(TextTableTest, WritingClipsTrailingBlanksAndReadingRestoresThem) {
  const std::vector<std::string> records = {"ab  cd    ", "          ", "abcdefghij", " x        ",
                                            "abc       "};
  {
    auto t = openTable(AccessMode::DenyAll);
    for (const auto& r : records) append(*t, r);
  }
  EXPECT_EQ(readFile(file_), "ab  cd\r\n\r\nabcdefghij\r\n x\r\nabc\r\n");
  EXPECT_EQ(readAll(), records);
}

TEST_F(TextTableTest, ReadingTurnsEachLineIntoOneRecord) {
  const std::string longLine(100'000, 'y');
  const std::string z = "\x1A";  // Ctrl-Z
  struct Case {
    const char* what;
    std::string file;
    std::vector<std::string> records;
  } cases[] = {
      {"CR LF line ends", "ab\r\ncd\r\n", padded({"ab", "cd"})},
      {"last line without a line end", "ab\r\ncd", padded({"ab", "cd"})},
      {"bare LF line ends", "ab\ncd\n", padded({"ab", "cd"})},
      {"empty file", "", {}},
      {"empty lines are blank records", "\r\n\r\nx\r\n", padded({"", "", "x"})},
      {"a line of exactly the record width", "abcdefghij\r\nk\r\n", padded({"abcdefghij", "k"})},
      {"long line cut, its rest skipped, next line blank-filled", "abcdefghijKLMNOP\r\nx\r\n",
       padded({"abcdefghij", "x"})},
      {"a line of 100,000 characters", longLine + "\r\nnext\r\n",
       padded({longLine.substr(0, kWidth), "next"})},
      {"TAB at the start", "\tx\r\n", padded({"        x"})},
      {"TAB in column 4", "abc\tx\r\n", padded({"abc     x"})},
      {"TAB in column 8 takes one blank", "1234567\tx\r\n", padded({"1234567 x"})},
      {"TAB in column 9 goes to column 17", "12345678\tx\r\n", padded({"12345678"})},
      {"TAB in the middle of a field", "ab\tcd\r\n", padded({"ab      cd"})},
      {"CR inside a line is a byte of the record", "a\rb\r\n", padded({"a\rb"})},
      {"CR before CR LF", "a\r\r\n", padded({"a\r"})},
      {"NUL bytes inside a line", "a\0b\0\r\nc\r\n"s, padded({"a\0b\0"s, "c"})},
      {"Ctrl-Z at the start of a line ends the file", "a\r\n" + z + "b\r\n", padded({"a"})},
      {"file ending in Ctrl-Z", "a\r\nb\r\n\x1A", padded({"a", "b"})},
      {"Ctrl-Z alone", "\x1A", {}},
      {"Ctrl-Z inside a line is a byte of the record", "a" + z + "b\r\n", padded({"a" + z + "b"})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    writeFile(file_, c.file);
    auto t = openTable(AccessMode::ReadOnly);
    EXPECT_EQ(readAll(*t), c.records);
    EXPECT_EQ(t->records(), static_cast<std::int64_t>(c.records.size()));
  }
}

// The shape of each line tells what the record does not hold: "number:length", with "CR" for a
// CR that is no line end and "Z" for a line behind a Ctrl-Z that ended the file.
TEST_F(TextTableTest, TheShapeOfEachLineShowsWhatTheRecordDropped) {
  const std::string longLine(70'000, 'y');
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"ab\r\ncd\n\r\nef", {"1:2", "2:2", "3:0", "4:2"}},
      {"abcdefghijKLM\r\n" + longLine + "\r\n", {"1:13", "2:70000"}},
      {"ab\rcd\ref\r\n", {"1:8 CR"}},
      {"a\r\r\nb\r", {"1:2 CR", "2:1"}},
      {longLine + "\rx\r\n", {"1:70002 CR"}},  // the CR in a later block of the file
      {"a\r\n\x1A\x1A"
       "b\r\nc\r\n\x1A\r\n",
       {"1:1", "2:1 Z", "3:1 Z", "4:0 Z"}},
      {"a\r\n\x1A", {"1:1"}},
  };
  for (const auto& [bytes, expected] : cases) {
    SCOPED_TRACE(::testing::PrintToString(bytes.substr(0, 20)));
    writeFile(file_, bytes);
    auto t = openTable(AccessMode::ReadOnly);
    std::vector<std::string> shapes;
    t->setPhysical();
    do {
      while (t->next() == 0) {
        const auto& s = t->lineShape();
        shapes.push_back(std::to_string(s.number) + ":" + std::to_string(s.length) +
                         (s.bareCR ? " CR" : "") + (s.pastEndMark ? " Z" : ""));
      }
    } while (t->stepOverEndMark());
    EXPECT_EQ(shapes, expected);
    // Past the true end there is nothing to step over.
    EXPECT_FALSE(t->stepOverEndMark());
  }
}

TEST_F(TextTableTest, ReadingClearsTheBufferFirst) {
  writeFile(file_, "\r\n");
  auto t = openTable();
  setColumns(*t, "XXXXXXXXXX");
  ASSERT_EQ(t->next(), 0);
  EXPECT_EQ(columns(*t), std::string(kWidth, ' '));
}

TEST_F(TextTableTest, AppendingEndsTheFileWithTheNewLineOnly) {
  struct Case {
    const char* what;
    std::string before, after;
  } cases[] = {
      {"empty file", "", "new\r\n"},
      {"lines with line ends", "a\r\n", "a\r\nnew\r\n"},
      {"Ctrl-Z at the end is overwritten", "a\r\n\x1A", "a\r\nnew\r\n"},
      {"Ctrl-Z alone is overwritten", "\x1A", "new\r\n"},
      {"every Ctrl-Z that ends the file goes", "a\r\n\x1A\x1A", "a\r\nnew\r\n"},
      {"a last line without line end keeps its own line", "a\r\nb", "a\r\nb\r\nnew\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    writeFile(file_, c.before);
    {
      auto t = openTable();
      append(*t, "new");
    }
    EXPECT_EQ(readFile(file_), c.after);
  }
}

TEST_F(TextTableTest, NextAfterAppendReadsOnFromTheWalk) {
  for (const std::string before : {"a\r\nb\r\n", "a\r\nb", "a\r\nb\r\n\x1A"}) {
    SCOPED_TRACE(before);
    writeFile(file_, before);
    auto t = openTable();
    t->setPhysical();
    ASSERT_EQ(t->next(), 0);
    append(*t, "c");
    ASSERT_EQ(t->next(), 0);
    EXPECT_EQ(clipRight(columns(*t)), "b");
    ASSERT_EQ(t->next(), 0);
    EXPECT_EQ(clipRight(columns(*t)), "c");
    EXPECT_EQ(t->next(), err::kRecordNotAvailable);
    // A line added after the walk reached the end is the next one read.
    append(*t, "d");
    ASSERT_EQ(t->next(), 0);
    EXPECT_EQ(clipRight(columns(*t)), "d");
    EXPECT_EQ(t->next(), err::kRecordNotAvailable);
    EXPECT_EQ(readFile(file_), "a\r\nb\r\nc\r\nd\r\n");
  }
}

TEST_F(TextTableTest, RegetReadsTheSameLineAgain) {
  writeFile(file_, "a\r\nb\r\nc\r\nd");
  auto t = openTable();
  t->setPhysical();
  std::vector<Position> at;
  while (t->next() == 0) at.push_back(t->position());
  ASSERT_EQ(at.size(), 4u);

  // After the end was reached, and without moving the walk.
  ASSERT_EQ(t->reget(at[1]), 0);
  EXPECT_EQ(clipRight(columns(*t)), "b");
  EXPECT_EQ(t->position(), at[1]);
  EXPECT_EQ(t->next(), err::kRecordNotAvailable);

  // In the middle of a walk, which then goes on where it was.
  t->setPhysical();
  ASSERT_EQ(t->next(), 0);
  ASSERT_EQ(t->reget(at[3]), 0);
  EXPECT_EQ(clipRight(columns(*t)), "d");
  ASSERT_EQ(t->next(), 0);
  EXPECT_EQ(clipRight(columns(*t)), "b");

  // A saved position stays good across closing and opening the table.
  ASSERT_EQ(t->reget(at[1]), 0);
  t->close();
  ASSERT_EQ(t->open(), 0);
  ASSERT_EQ(t->reget(at[2]), 0);
  EXPECT_EQ(clipRight(columns(*t)), "c");

  EXPECT_EQ(t->reget(Position{}), err::kRecordNotFound);
  EXPECT_EQ(t->reget(Position{1000}), err::kRecordNotFound);
}

TEST_F(TextTableTest, EmptyTruncatesOnlyUnderExclusiveOpen) {
  writeFile(file_, "a\r\nb\r\n");
  {
    auto t = openTable(AccessMode::DenyWrite);
    EXPECT_EQ(t->empty(), err::kExclusiveAccessRequired);
    EXPECT_EQ(t->records(), 2);
  }
  auto t = openTable(AccessMode::DenyAll);
  t->setPhysical();
  ASSERT_EQ(t->next(), 0);
  ASSERT_EQ(t->empty(), 0);
  EXPECT_EQ(std::filesystem::file_size(file_), 0u);
  EXPECT_EQ(t->records(), 0);
  EXPECT_EQ(t->next(), err::kRecordNotAvailable);
  append(*t, "new");
  EXPECT_EQ(readFile(file_), "new\r\n");
}

TEST_F(TextTableTest, ReadOnlyOpenRefusesWriting) {
  writeFile(file_, "a\r\n");
  auto t = openTable(AccessMode::ReadOnly);
  setColumns(*t, "x");
  EXPECT_EQ(t->append(), err::kAccessDenied);
  EXPECT_EQ(t->add(), err::kAccessDenied);
  EXPECT_EQ(t->empty(), err::kExclusiveAccessRequired);
  EXPECT_EQ(readFile(file_), "a\r\n");
}

TEST_F(TextTableTest, OpeningCreatesAMissingFileButNotAMissingFolder) {
  {
    auto t = openTable();
    EXPECT_TRUE(std::filesystem::exists(file_));
    EXPECT_EQ(t->records(), 0);
    EXPECT_EQ(t->open(), err::kFileAlreadyOpen);
  }
  TextTable elsewhere(decl_, dir_ / "MISSING" / "TBTEST.TXT");
  EXPECT_EQ(elsewhere.open(), err::kPathNotFound);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "MISSING"));

  decl_.create = false;
  TextTable uncreated(decl_, dir_ / "OTHER.TXT");
  EXPECT_EQ(uncreated.open(), err::kFileNotFound);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "OTHER.TXT"));
}

// A work file that is a link to a file elsewhere becomes a file of the working folder holding
// what the link led to; the outside file is never written, and a link to nothing makes nothing
// outside either.
TEST_F(TextTableTest, AWorkFileThatIsALinkIsWrittenInTheFolderNotThroughTheLink) {
  TempDir outside;
  writeFile(outside / "theirs", "theirs\r\n");
  for (const char* name : {"TBVELOR.TXT", "TBSLOG5.TXT"}) {
    std::filesystem::create_symlink(outside / "theirs", dir_ / name);
  }
  std::filesystem::create_symlink(outside / "absent", dir_ / "TBIZLAZ2.TXT");
  Context ctx(dir_.path());
  for (const char* prefix : {"VEL", "SL5", "ULZ11"}) {
    Table& t = ctx.table(prefix);
    ASSERT_EQ(t.open(AccessMode::DenyAll), 0) << prefix;
    EXPECT_FALSE(std::filesystem::is_symlink(t.file())) << prefix;
    ASSERT_EQ(t.append(), 0) << prefix;
    if (std::string_view(prefix) == "VEL") {
      ASSERT_EQ(t.empty(), 0);
      ASSERT_EQ(t.append(), 0);
    }
    t.close();
  }
  EXPECT_EQ(readFile(outside / "theirs"), "theirs\r\n");
  EXPECT_FALSE(std::filesystem::exists(outside / "absent"));
  EXPECT_EQ(readFile(dir_ / "TBSLOG5.TXT"), "theirs\r\n\r\n");
  EXPECT_EQ(readFile(dir_ / "TBVELOR.TXT"), "\r\n");
}

TEST_F(TextTableTest, ExclusiveOpenIsRefusedWhileAnotherContextHasTheFile) {
  Context first(dir_.path()), second(dir_.path());
  ASSERT_EQ(first.table("VEL").open(AccessMode::DenyNone), 0);
  EXPECT_EQ(second.table("VEL").open(AccessMode::DenyAll), err::kAccessDenied);
  first.closeAll();
  ASSERT_EQ(second.table("VEL").open(AccessMode::DenyAll), 0);
  EXPECT_EQ(first.table("VEL").open(AccessMode::DenyNone), err::kAccessDenied);
}

TEST_F(TextTableTest, FixedFolderFileLandsInTheWorkingFolder) {
  Context ctx(dir_.path());
  Table& t = ctx.table("TEK");
  EXPECT_EQ(t.file(), dir_ / "TEXTSIF.TXT");
  ASSERT_EQ(t.open(), 0);
  t.record().setText(0, "\"1\",\"2\"");
  ASSERT_EQ(t.append(), 0);
  ctx.closeAll();
  EXPECT_EQ(readFile(dir_ / "TEXTSIF.TXT"), "\"1\",\"2\"\r\n");
}

TEST_F(TextTableTest, OemFileHoldsCodePage852OnDisk) {
  const std::string oem = "\x9F\x86\xE7\xA7\xD0 \xAC\x8F\xE6\xA6\xD1";  // čćšžđ ČĆŠŽĐ
  const std::string text = cp1250("čćšžđ ČĆŠŽĐ");
  Context ctx(dir_.path());
  {
    Table& t = ctx.table("VEZ1");
    ASSERT_EQ(t.open(AccessMode::DenyAll), 0);
    t.record().setText(0, text);
    ASSERT_EQ(t.append(), 0);
    // The same letters in a file without the OEM attribute stay Windows-1250.
    Table& plain = ctx.table("VEL");
    ASSERT_EQ(plain.open(AccessMode::DenyAll), 0);
    plain.record().setText(0, text);
    ASSERT_EQ(plain.append(), 0);
    ctx.closeAll();
  }
  EXPECT_EQ(readFile(dir_ / "VEZNAT01.TXT"), oem + "\r\n");
  EXPECT_EQ(readFile(dir_ / "TBVELOR.TXT"), text + "\r\n");

  writeFile(dir_ / "VEZNAT01.TXT", "\t" + oem + "\r\n");
  Table& t = ctx.table("VEZ1");
  ASSERT_EQ(t.open(), 0);
  t.setPhysical();
  ASSERT_EQ(t.next(), 0);
  EXPECT_EQ(t.record().text(0), padRight("        " + text, 255));
}

TEST_F(TextTableTest, FieldsTakeTheirColumnsOfTheLine) {
  Context ctx(dir_.path());
  // The 250th character of a submission line is its record type.
  writeFile(dir_ / "TBVELOR1.TXT",
            std::string(249, '1') + "5\r\n" + std::string(249, '2') + "\r\n");
  Table& tvl = ctx.table("TVL");
  ASSERT_EQ(tvl.open(), 0);
  tvl.setPhysical();
  ASSERT_EQ(tvl.next(), 0);
  EXPECT_EQ(tvl.record().text(tvl.record().index("REDAK")), std::string(249, '1'));
  EXPECT_EQ(tvl.record().text(tvl.record().index("TIP")), "5");
  ASSERT_EQ(tvl.next(), 0);
  EXPECT_EQ(tvl.record().text(tvl.record().index("TIP")), " ");

  // A payment row cut short after the surname: the amounts read as blank text.
  const std::string row = "00001" + padRight("12345678901", 12) + std::string(13, ' ') + "01" +
                          "02" + "0001" + "2004" + "01" + "01" + "31" + "0101970330000" + "HORVAT";
  writeFile(dir_ / "TBUPLATE.DAT", row + "\r\n");
  Table& osi = ctx.table("OSI1");
  ASSERT_EQ(osi.open(AccessMode::ReadOnly), 0);
  osi.setPhysical();
  ASSERT_EQ(osi.next(), 0);
  const auto& r = osi.record();
  EXPECT_EQ(r.text(r.index("GODOBRA")), "2004");
  EXPECT_EQ(r.text(r.index("PREZIME")), padRight("HORVAT", 50));
  EXPECT_EQ(r.text(r.index("IZNOS11")), std::string(15, ' '));
}

long peakResidentKb() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

TEST_F(TextTableTest, AFileWithoutAnyLineEndCostsNoMoreThanARecordOfMemory) {
  constexpr std::size_t kChunk = 1 << 20, kChunks = 64;
  {
    std::ofstream out(file_, std::ios::binary);
    const std::string chunk(kChunk, 'z');
    for (std::size_t i = 0; i < kChunks; ++i) out << chunk;
  }
  const long before = peakResidentKb();
  auto t = openTable(AccessMode::ReadOnly);
  EXPECT_EQ(readAll(*t), std::vector<std::string>{std::string(kWidth, 'z')});
  EXPECT_EQ(t->records(), 1);
  // Holding the line would take 64 MiB; the reader keeps a record's worth.
  EXPECT_LT(peakResidentKb() - before, 16 * 1024);
}

}  // namespace
}  // namespace obrazac
