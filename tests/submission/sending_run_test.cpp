#include "submission/sending_run.h"

#include <gtest/gtest.h>

#include "codelists/municipality_list.h"
#include "data/record_format.h"
#include "form/page_a.h"
#include "submission/collective_assembly.h"
#include "submission/control_number.h"
#include "support/parameter_record.h"
#include "support/register_fixture.h"

namespace obrazac::submission {
namespace {

namespace fs = std::filesystem;
using testing::fieldOf;
using testing::readFile;
using testing::RegisterFixture;

// The lines of a file without their CR LF; fails the test on a line end other than CR LF.
std::vector<std::string> lines(const fs::path& file) {
  const std::string bytes = readFile(file);
  std::vector<std::string> all;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const auto end = bytes.find("\r\n", at);
    EXPECT_NE(end, std::string::npos) << "a line without CR LF in " << file;
    if (end == std::string::npos) break;
    all.push_back(bytes.substr(at, end - at));
    at = end + 2;
  }
  return all;
}

std::string types(const std::vector<std::string>& lines) {
  std::string t;
  for (const auto& l : lines) t += l.empty() ? '?' : l.back();
  return t;
}

std::string cut(const std::string& line, std::string_view code) {
  return std::string(fieldByCode(code)->cut(line));
}

class SendingRun : public ::testing::Test, protected RegisterFixture {
 protected:
  void SetUp() override {
    addParameters();
    addObligor(1);
  }
  SendingOutcome send(form::SendingHeader& h) { return runSending(ctx, h, reporter); }
  SendingOutcome send() {
    auto h = header();
    return send(h);
  }
  fs::path output(const char* name = "F0015001.TXT") { return dir / "izlaz" / name; }

  RecordingReporter reporter;
};

TEST_F(SendingRun, OneObligorWithOnePersonGivesFiveLinesAndItsControlNumberOnPageA) {
  addRow(1, {.jmbg = "1111111111111"});
  const auto out = send();
  ASSERT_TRUE(out.status.ok()) << ::testing::PrintToString(reporter.messages);
  EXPECT_EQ(out.outputFile, output());
  EXPECT_EQ(out.collectiveFile, dir / "izlaz" / "VELOR.RM0");

  const auto file = lines(output());
  EXPECT_EQ(types(file), "03579");
  for (const auto& l : file) EXPECT_EQ(l.size(), 250u);
  EXPECT_EQ(cut(file[3], "RS7BRSL"), "00001");
  EXPECT_EQ(cut(file[4], "RS9BROJ"), "000001");
  EXPECT_EQ(readFile(output()), readFile(dir / "TBVELOR.TXT"));
  for (const char* work :
       {"TBSLOG0.TXT", "TBSLOG3.TXT", "TBSLOG5.TXT", "TBSLOG7.TXT", "TBSLOG9.TXT"})
    EXPECT_EQ(lines(dir / work).size(), 1u) << work;

  const auto number = controlNumberOfFile(output());
  EXPECT_EQ(out.controlNumber, number.digits);
  EXPECT_EQ(fieldOf(pageA("001500101"), "KONZNAK"), groupedControlNumber(number.digits));
  EXPECT_EQ(reporter.statuses.back(), "OBVEZNIK JE USPJEŠNO OBRAĐEN-" + output().string());
  EXPECT_TRUE(reporter.messages.empty());

  Context other(dir.path());
  Table& list = other.table("TBT");
  ASSERT_EQ(list.open(AccessMode::ReadOnly), 0);
  ASSERT_EQ(list.next(), 0);
  EXPECT_EQ(fieldOf(list.record(), "IDENTIFIKATOR"), "001500101");
  EXPECT_EQ(fieldOf(list.record(), "IMEFILE"), "izlaz/F0015001.TXT");
  EXPECT_EQ(fieldOf(list.record(), "MB01"), "123456790000");
}

TEST_F(SendingRun, RowOrdinalsOfTheFileCountThePersonsOfTheForm) {
  addRow(1, {.jmbg = "1111111111111", .firstDay = 1, .lastDay = 15});
  addRow(1, {.jmbg = "1111111111111", .firstDay = 16, .lastDay = 31});
  addRow(1, {.jmbg = "2222222222222", .month = 2});
  addRow(1, {.jmbg = "3333333333333"});
  ASSERT_TRUE(send().status.ok());
  const auto file = lines(output());
  ASSERT_EQ(types(file), "0355579");
  // Page B numbers the third person 3; the file numbers the persons it holds.
  EXPECT_EQ(cut(file[2], "RS5RBRO") + cut(file[3], "RS5RBRO") + cut(file[4], "RS5RBRO"),
            "000010000100002");
  EXPECT_EQ(cut(file[1], "RS3BROS"), "00002");
  EXPECT_EQ(cut(file[5], "RS7BRSL"), "00003");
}

TEST_F(SendingRun, NoRowInThePeriodEndsTheRunWithoutAFile) {
  addRow(1, {.jmbg = "1111111111111", .month = 2});
  EXPECT_FALSE(send().status.ok());
  EXPECT_FALSE(fs::exists(output()));
  EXPECT_EQ(reporter.statuses.back(), "Obrada prekinuta. Pročitano=   1 Preuzeto=    0");
}

TEST_F(SendingRun, OutputFolderValuesWithoutSeparatorOrWithBackslashes) {
  addRow(1, {.jmbg = "1111111111111"});
  const std::pair<std::string, fs::path> cases[] = {
      {"out", dir / "out"},
      {"out\\sub\\", dir / "out" / "sub"},
      {"out\\sub", dir / "out" / "sub"},
      {(dir / "abs").string(), dir / "abs"},
  };
  for (const auto& [value, folder] : cases) {
    fs::create_directories(folder);
    testing::setParameter(ctx, "IZLAZDIR", value);
    const auto out = send();
    EXPECT_TRUE(out.status.ok()) << value;
    EXPECT_EQ(out.outputFile, folder / "F0015001.TXT") << value;
    EXPECT_TRUE(fs::exists(folder / "F0015001.TXT")) << value;
  }
}

// A file that cannot be produced fails the run: no row in the list, no control number on page
// A, nothing in the output folder that looks finished.
TEST_F(SendingRun, AnUnwritableOutputFolderFailsTheRun) {
  addRow(1, {.jmbg = "1111111111111"});
  testing::setParameter(ctx, "IZLAZDIR", "blocked/");
  testing::writeFile(dir / "blocked", "a file where the folder should be");

  const auto out = send();
  EXPECT_FALSE(out.status.ok());
  EXPECT_EQ(reporter.messages,
            (std::vector<std::string>{"Greška 3 (Path Not Found): izlazna mapa " +
                                      (dir / "blocked").string() + " ne postoji"}));
  EXPECT_EQ(count("TBT"), 0);
  EXPECT_EQ(count("A"), 0);
  EXPECT_TRUE(out.controlNumber.empty());
}

// The sender's telephone number of the type 0 record comes from the parameters; one that holds
// a TAB (kept from before values were checked on entry) would shift the record's fields. The
// run refuses it by name and writes not a single record.
TEST_F(SendingRun, AControlCharacterInAFieldRefusesTheRunAndWritesNoFile) {
  addRow(1, {.jmbg = "1111111111111"});
  testing::setParameter(ctx, "TELEFON", "01\t234");

  const auto out = send();
  const std::string refused =
      "Datoteka nije zapisana. Zapis tipa 0, polje RS0TELE: nedopušten znak TAB (U+0009)";
  EXPECT_EQ(out.status.text(), refused);
  EXPECT_EQ(reporter.messages, std::vector<std::string>{refused});
  EXPECT_FALSE(fs::exists(output()));
  EXPECT_EQ(readFile(dir / "TBVELOR.TXT"), "");
  EXPECT_EQ(count("TBT"), 0);
  EXPECT_EQ(count("A"), 0);  // the run is undone whole
}

TEST_F(SendingRun, AWorkFileThatCannotBeOpenedStopsTheRun) {
  addRow(1, {.jmbg = "1111111111111"});
  Context other(dir.path());
  ASSERT_EQ(other.table("SL5").open(), 0);

  EXPECT_FALSE(send().status.ok());
  EXPECT_EQ(reporter.messages, (std::vector<std::string>{"Greška kod otvaranja TBSLOG5"}));
  EXPECT_FALSE(fs::exists(output()));
  EXPECT_EQ(count("TBT"), 0);
  EXPECT_EQ(count("A"), 0);  // the run is undone with the page A it made
}

TEST_F(SendingRun, ACollectiveSendingTwiceOfOneFormKeepsOneRowInTheList) {
  addRow(1, {.jmbg = "1111111111111"});
  auto h = header();
  h.method = form::SendingMethod::Collective;
  h.job = form::CollectiveJob::NewFile;
  ASSERT_TRUE(send(h).status.ok());
  EXPECT_EQ(h.job, form::CollectiveJob::AddToFile);
  ASSERT_TRUE(send(h).status.ok());
  EXPECT_EQ(reporter.messages,
            (std::vector<std::string>{"Greška. Add TBTMPDAT Creates Duplicate Key"}));
  EXPECT_EQ(count("TBT"), 1);
}

TEST_F(SendingRun, CollectiveAssemblyOfAnEmptyListProducesNothing) {
  const auto out = runCollectiveAssembly(ctx, Date::fromParts(2, 10, 2025), reporter);
  EXPECT_FALSE(out.status.ok());
  EXPECT_EQ(reporter.messages,
            (std::vector<std::string>{"Greška pri kreiranju jedinstvenog HASH broja"}));
  EXPECT_FALSE(fs::exists(dir / "izlaz" / "VELOR.RM0"));
}

TEST_F(SendingRun, CollectiveAssemblyStopsOnAListedFileThatIsGone) {
  addRow(1, {.jmbg = "1111111111111"});
  ASSERT_TRUE(send().status.ok());
  const std::string single = fieldOf(pageA("001500101"), "KONZNAK");
  fs::remove(output());
  const auto out = runCollectiveAssembly(ctx, Date::fromParts(2, 10, 2025), reporter);
  EXPECT_FALSE(out.status.ok());
  ASSERT_EQ(reporter.messages.size(), 1u);
  EXPECT_NE(reporter.messages[0].find("F0015001.TXT"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "izlaz" / "VELOR.RM0"));
  EXPECT_EQ(fieldOf(pageA("001500101"), "KONZNAK"), single);
}

// The three sample obligors sent collectively and assembled into one file.
TEST(CollectiveSending, ThreeObligorsInOneFileWithOneControlNumber) {
  RegisterFixture f;
  const auto sample =
      buildSampleInstallation(f.ctx, std::filesystem::path(OBRAZAC_DATA_DIR) / "opcine.csv");
  ASSERT_TRUE(sample.status.ok()) << sample.status.text();
  RecordingReporter reporter;
  form::SendingHeader h = sampleMonthHeader(0);
  h.method = form::SendingMethod::Collective;
  h.job = form::CollectiveJob::NewFile;
  std::vector<std::string> links;
  for (const int obligor : {1, 2, 3}) {
    h.employer = obligor;
    ASSERT_TRUE(form::chooseEmployer(f.ctx, h).ok());
    const auto out = runSending(f.ctx, h, reporter);
    ASSERT_TRUE(out.status.ok()) << ::testing::PrintToString(reporter.messages);
  }
  EXPECT_EQ(f.count("TBT"), 3);

  const auto out = runCollectiveAssembly(f.ctx, h.sendingDate, reporter);
  ASSERT_TRUE(out.status.ok()) << ::testing::PrintToString(reporter.messages);
  const fs::path file = f.dir / "izlaz" / "VELOR.RM0";
  EXPECT_EQ(out.file, file);
  EXPECT_EQ(out.forms, 3);
  const auto all = lines(file);
  EXPECT_EQ(types(all),
            "0"
            "355557"
            "3557"
            "3557"
            "9");
  for (const auto& l : all) EXPECT_EQ(l.size(), 250u);
  EXPECT_EQ(cut(all.back(), "RS9BROJ"), "000003");
  // Forms in processing order: the legal person, the natural person, kind 31 with form 50.
  EXPECT_EQ(cut(all[1], "RS3RBSU") + cut(all[7], "RS3RBSU") + cut(all[11], "RS3RBSU"),
            "5001"
            "0501"
            "9550");
  const std::string grouped = groupedControlNumber(controlNumberOfFile(file).digits);
  EXPECT_EQ(groupedControlNumber(out.controlNumber), grouped);
  for (const char* link : {"001500101", "002501 01", "003955001"})
    EXPECT_EQ(fieldOf(f.pageA(link), "KONZNAK"), grouped) << link;

  // A single sending afterwards leaves only its own obligor in the list.
  h.method = form::SendingMethod::Single;
  h.employer = 2;
  ASSERT_TRUE(form::chooseEmployer(f.ctx, h).ok());
  ASSERT_TRUE(runSending(f.ctx, h, reporter).status.ok());
  EXPECT_EQ(f.count("TBT"), 1);
}

}  // namespace
}  // namespace obrazac::submission
