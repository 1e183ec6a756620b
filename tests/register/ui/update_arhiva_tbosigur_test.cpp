// The form of one page B row: a new row stays in the form after it is added and a later save
// changes it, closing asks nothing, the descriptions of the codes stand beside them, and a row
// opened for deletion goes when the user confirms with "Spremi", without a question.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include "register/ui/update_arhiva_tbosigur.h"
#include "support/table_rows.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

using testing::DesktopTest;
using testing::enter;
using testing::press;
using testing::settle;
using testing::waitUntil;
using F = UpdateArhivaTBOSIGUR;

class UpdateArhivaTest : public DesktopTest {
 protected:
  void SetUp() override {
    Context ctx(dir_.path());
    for (const auto& [prefix, fields] :
         std::vector<std::pair<const char*, obrazac::testing::FieldValues>>{
             {"OPC", {{"REDBROJ", "1"}, {"SIFRA", "1236"}, {"NAZIV", "Đakovo"}}},
             {"TBO", {{"SIFRA", "01"}, {"SKROPIS", "Radni odnos"}}},
             {"STA", {{"SIFRA", "1"}, {"SKROPIS", "12/14"}}}})
      ASSERT_TRUE(obrazac::testing::insertRow(ctx, prefix, fields).ok()) << prefix;
    DesktopTest::SetUp();
  }

  // Opens the form on a thread of its own with a request; for a change or a delete the row of
  // `jmbg` is in the buffer first.
  F* open(int request, const char* jmbg = nullptr) {
    thread_ = std::make_shared<ProcedureThread>(dir_.path());
    if (jmbg) {
      EXPECT_EQ(thread_->open("OSI"), 0);
      Table& osi = thread_->table("OSI");
      osi.clear();
      osi.record().setText(osi.record().index("JMBG"), jmbg);
      EXPECT_EQ(osi.set("KEYJMBG"), 0);
      EXPECT_EQ(osi.next(), 0);
    }
    thread_->nextRequest = static_cast<std::uint8_t>(request);
    auto* form = new F(frame_->desktop(), thread_);
    QObject::connect(form, &ProcedureWindow::closedDown, [this](int r) { closed_ = r; });
    form->run();
    if (jmbg) thread_->close("OSI");
    settle();
    return form;
  }
  QLineEdit* edit(F* form, int control) { return qobject_cast<QLineEdit*>(form->control(control)); }
  QString shown(F* form, int control) {
    return qobject_cast<QLabel*>(form->control(control))->text();
  }
  std::int64_t rows() {
    Context ctx(dir_.path());
    Table& osi = ctx.table("OSI");
    EXPECT_EQ(osi.open(), 0);
    return osi.records();
  }

  std::shared_ptr<ProcedureThread> thread_;
  int closed_ = 0;
};

TEST_F(UpdateArhivaTest, AddsStaysOpenChangesAndDeletesOnConfirmation) {
  F* form = open(request::kInsert);
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->windowTitle(), "Dodavanje podataka");
  const std::pair<int, const char*> values[] = {{F::kJmbg, "1503975123451"},
                                                {F::kPrezime, "Horvat Ivan"},
                                                {F::kOpcina, "1236"},
                                                {F::kClanDN, "D"},
                                                {F::kOsnova1, "01"},
                                                {F::kOsnova3, "1"},
                                                {F::kGodina, "2025"},
                                                {F::kMjesec, "11"},
                                                {F::kOd, "1"},
                                                {F::kDo, "30"},
                                                {F::kIznos8, "1234,57"}};
  for (const auto& [control, text] : values) enter(edit(form, control), QString::fromUtf8(text));
  settle();
  EXPECT_EQ(shown(form, F::kOpcinaNaziv), QString::fromUtf8("Đakovo"));
  EXPECT_EQ(shown(form, F::kOsnova1Opis), "Radni odnos");
  EXPECT_EQ(shown(form, F::kOsnova3Opis), "12/14");

  press(form, F::kSpremi);
  EXPECT_TRUE(form->isVisible()) << "a new row stays in the form";
  EXPECT_EQ(rows(), 1);
  enter(edit(form, F::kIznos9), "185,19");
  press(form, F::kSpremi);
  ASSERT_TRUE(waitUntil([&] { return closed_ != 0; }));
  EXPECT_EQ(closed_, response::kCompleted) << "the second save changes the row and closes";
  EXPECT_EQ(rows(), 1);

  closed_ = 0;
  form = open(request::kChange, "1503975123451");
  EXPECT_EQ(form->windowTitle(), "Promjena podataka");
  EXPECT_EQ(edit(form, F::kIznos9)->text(), "185,19");
  prompter_.shown.clear();
  enter(edit(form, F::kIznos11), "900");
  press(form, F::kOdustani);
  ASSERT_TRUE(waitUntil([&] { return closed_ != 0; }));
  EXPECT_TRUE(prompter_.shown.empty()) << "closing asks nothing";
  {
    Context ctx(dir_.path());
    Table& osi = ctx.table("OSI");
    ASSERT_EQ(osi.open(), 0);
    ASSERT_EQ(osi.set("KEYJMBG"), 0);
    ASSERT_EQ(osi.next(), 0);
    const Record& r = osi.record();
    EXPECT_EQ(r.decimal(r.index("IZNOS9")).toString(), "185.19");
    EXPECT_TRUE(r.decimal(r.index("IZNOS11")).isZero()) << "closing saves nothing";
  }

  closed_ = 0;
  form = open(request::kDelete, "1503975123451");
  ASSERT_TRUE(form->isVisible()) << "the row to delete is shown first";
  EXPECT_EQ(edit(form, F::kPrezime)->text(), "Horvat Ivan");
  EXPECT_EQ(shown(form, F::kOpcinaNaziv), QString::fromUtf8("Đakovo"));
  press(form, F::kSpremi);
  ASSERT_TRUE(waitUntil([&] { return closed_ != 0; }));
  EXPECT_EQ(closed_, response::kCompleted);
  EXPECT_TRUE(prompter_.shown.empty()) << "no confirmation question";
  EXPECT_EQ(rows(), 0);
}

}  // namespace
}  // namespace obrazac::ui
