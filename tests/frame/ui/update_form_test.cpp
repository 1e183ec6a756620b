// The frame's update form on tables the code-list windows do not reach: auto-numbered keys,
// field rules, requests a form does not serve and drop-down lists that add records.
#include "frame/ui/update_form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/codepage.h"
#include "frame/ui/browse_list.h"
#include "frame/ui/file_drop.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

using testing::DesktopTest;
using testing::enter;
using testing::settle;
using testing::waitUntil;

constexpr int kOk = 90;
constexpr int kCancel = 91;
constexpr int kDrop = 92;

// A form over any table with an entry per named field (controls 10, 11, ...).
class TestForm final : public UpdateForm {
 public:
  TestForm(Desktop& d, std::shared_ptr<ProcedureThread> t, const std::string& prefix,
           std::vector<std::string> fields, bool insert = true, bool change = true,
           bool remove = true)
      : UpdateForm(d, std::move(t), "TestForm", prefix) {
    setCaptions("Upis", "Promjena");
    allowRequests(insert, change, remove);
    auto* layout = new QVBoxLayout(this);
    int control = 10;
    for (const auto& f : fields) layout->addWidget(bindField(control++, new QLineEdit(this), f));
    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    layout->addWidget(ok);
    layout->addWidget(cancel);
    setOkButton(kOk, ok);
    setCancelButton(kCancel, cancel);
  }
  QLineEdit* entry(int i) { return qobject_cast<QLineEdit*>(control(10 + i)); }
  void press(int control) { qobject_cast<QPushButton*>(this->control(control))->click(); }
  int cancelOption = 3;

 protected:
  void declare() override {
    firstField_ = 10;
    cancelAction_ = cancelOption;
  }
};

// A window with a drop-down list of municipality names that adds what it does not know.
class DropWindow final : public ProcedureWindow {
 public:
  DropWindow(Desktop& d, std::shared_ptr<ProcedureThread> t)
      : ProcedureWindow(d, std::move(t), "DropWindow") {
    auto* layout = new QVBoxLayout(this);
    drop = new FileDrop(*this, "OPC", "KEYNAZIV", "NAZIV", kDrop);
    drop->allowAdd = true;
    drop->onChoose = [this](const Record& r) { chosen = fieldText(r, r.index("NAZIV")); };
    layout->addWidget(drop->combo());
    layout->addWidget(new QLineEdit(this));
  }
  FileDrop* drop;
  QString chosen;

 protected:
  bool openTables() override { return openTable("OPC"); }
  void firstOpening() override {
    drop->reset();
    ProcedureWindow::firstOpening();
  }
};

class UpdateFormTest : public DesktopTest {
 protected:
  // Opens a form on a new thread with a request, the buffer prepared as a list would.
  TestForm* openForm(const std::string& prefix, std::vector<std::string> fields, int request,
                     bool insert = true, bool change = true, bool remove = true,
                     int cancelOption = 3, std::function<void(ProcedureThread&)> prepare = {}) {
    response_ = 0;
    auto* w = frame_->start([&](Desktop& d, std::shared_ptr<ProcedureThread> t) {
      thread_ = t;
      t->nextRequest = static_cast<std::uint8_t>(request);
      t->table(prefix).clear();
      if (request == request::kInsert) {
        EXPECT_EQ(t->open(prefix), 0);
        EXPECT_TRUE(t->manager(prefix).reserveAutoNumber().ok());
      }
      if (prepare) prepare(*t);
      auto* f = new TestForm(d, t, prefix, fields, insert, change, remove);
      f->cancelOption = cancelOption;
      QObject::connect(f, &ProcedureWindow::closedDown, [this](int r) { response_ = r; });
      return static_cast<ProcedureWindow*>(f);
    });
    settle();
    return dynamic_cast<TestForm*>(frame_->activeWindow()) == w ? static_cast<TestForm*>(w)
                                                                : nullptr;
  }
  std::int64_t count(const char* prefix) {
    Context ctx(dir_.path());
    Table& t = ctx.table(prefix);
    EXPECT_EQ(t.open(), 0);
    return t.records();
  }

  std::shared_ptr<ProcedureThread> thread_;
  int response_ = 0;
};

TEST_F(UpdateFormTest, InsertTakesTheReservedNumberAndCancellingLeavesNoRecord) {
  TestForm* form = openForm("OPC", {"NAZIV", "SIFRA"}, request::kInsert);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->record().display("REDBROJ"), "1");
  EXPECT_EQ(count("OPC"), 1) << "the number is held by a record added early";
  form->press(kCancel);
  ASSERT_TRUE(waitUntil([&] { return response_ != 0; }));
  EXPECT_EQ(response_, response::kCancelled);
  EXPECT_EQ(count("OPC"), 0);
  EXPECT_TRUE(prompter_.shown.empty()) << "an unchanged form asks nothing";

  form = openForm("OPC", {"NAZIV", "SIFRA"}, request::kInsert);
  enter(form->entry(0), QString::fromUtf8("ŽUPANJA"));
  enter(form->entry(1), "4138");
  form->press(kOk);
  ASSERT_TRUE(waitUntil([&] { return response_ != 0; }));
  EXPECT_EQ(response_, response::kCompleted);
  EXPECT_EQ(count("OPC"), 1);
  EXPECT_EQ(thread_->table("OPC").record().display("NAZIV"), "ŽUPANJA");
  EXPECT_EQ(thread_->table("OPC").record().display("REDBROJ"), "1");
}

TEST_F(UpdateFormTest, FieldRuleRefusesTheSaveWithTheRangeMessage) {
  TestForm* form = openForm("GRE", {"GODOBRA", "OPIS"}, request::kInsert);
  ASSERT_NE(form, nullptr);
  enter(form->entry(0), "1999");
  form->press(kOk);
  settle();
  EXPECT_EQ(prompter_.titles(), QStringList{"Range Error"});
  EXPECT_EQ(prompter_.texts(),
            QStringList{QString::fromUtf8(
                "The value of Obračunska godina must be between 2001 and 2100.")});
  EXPECT_EQ(response_, 0) << "the form stays open";
  EXPECT_EQ(form->focusedControl(), 10);
  enter(form->entry(0), "2005");
  form->press(kOk);
  ASSERT_TRUE(waitUntil([&] { return response_ != 0; }));
  EXPECT_EQ(response_, response::kCompleted);
}

TEST_F(UpdateFormTest, RequestsAFormDoesNotServeAreRefusedBeforeItShows) {
  const struct {
    int request;
    const char* text;
  } cases[] = {{request::kInsert, "This form cannot be used to insert a record"},
               {request::kChange, "This form cannot be used to update a record"},
               {request::kDelete, "This form cannot be used to delete a record"}};
  for (const auto& c : cases) {
    prompter_.shown.clear();
    EXPECT_EQ(openForm("VUP", {"SIFRA"}, c.request, false, false, false), nullptr);
    ASSERT_TRUE(waitUntil([&] { return response_ != 0; }));
    EXPECT_EQ(response_, response::kCancelled);
    EXPECT_EQ(prompter_.texts(), QStringList{c.text});
    EXPECT_EQ(prompter_.titles(), QStringList{"Invalid Request"});
  }
  EXPECT_EQ(count("VUP"), 0);
}

// Reads kind of calculation 01 into the thread's buffer, watched, as a list does before it calls
// a form for change or delete; opened read-only when asked, so that writing it fails.
std::function<void(ProcedureThread&)> currentCode(bool readOnly = false) {
  return [readOnly](ProcedureThread& t) {
    ASSERT_EQ(t.open("VUP", readOnly ? AccessMode::ReadOnly : AccessMode::DenyNone), 0);
    t.table("VUP").record().setText(0, "01");
    t.table("VUP").watch();
    ASSERT_EQ(t.table("VUP").get("KEYSIFRA"), 0);
  };
}

void addCode(const std::filesystem::path& dir) {
  Context ctx(dir);
  RecordManager vup(ctx, "VUP");
  ASSERT_EQ(vup.open(), 0);
  vup.record().setText(0, "01");
  vup.record().setText(1, "Prva");
  ASSERT_TRUE(vup.insert().ok());
}

TEST_F(UpdateFormTest, ClosingAChangedFormFollowsItsCancelOption) {
  const struct {
    int option;
    Answer answer;  // to the one question asked, if any
    const char* title;
    bool closes;
    bool saves;
  } cases[] = {
      {0, Answer::Yes, nullptr, true, false},
      {1, Answer::Yes, nullptr, true, true},
      {2, Answer::No, "Changes will be lost!", false, false},
      {2, Answer::Yes, "Changes will be lost!", true, false},
      {3, Answer::No, "Save Record", true, false},
  };
  addCode(dir_.path());
  int n = 0;
  for (const auto& c : cases) {
    prompter_.shown.clear();
    TestForm* form = openForm("VUP", {"SIFRA", "SKROPIS"}, request::kChange, true, true, true,
                              c.option, currentCode());
    ASSERT_NE(form, nullptr);
    const QString typed = QString("Opcija %1").arg(++n);
    enter(form->entry(1), typed);
    if (c.title) prompter_.answers = {c.answer};
    form->container()->close();
    settle();
    EXPECT_EQ(prompter_.titles(), c.title ? QStringList{c.title} : QStringList{}) << c.option;
    if (!c.closes) {
      EXPECT_EQ(frame_->activeWindow(), form) << c.option;
      prompter_.answers = {Answer::Yes};
      form->container()->close();
    }
    ASSERT_TRUE(waitUntil([&] { return response_ != 0; })) << c.option;
    Context ctx(dir_.path());
    Table& t = ctx.table("VUP");
    ASSERT_EQ(t.open(), 0);
    t.record().setText(0, "01");
    ASSERT_EQ(t.get("KEYSIFRA"), 0);
    EXPECT_EQ(t.record().display("SKROPIS") == typed.toStdString(), c.saves) << c.option;
  }
}

TEST_F(UpdateFormTest, FailedWritesOfferToTryAgain) {
  // A change that cannot be written: the store's error, then the retry question; No closes.
  addCode(dir_.path());
  TestForm* form = openForm("VUP", {"SIFRA", "SKROPIS"}, request::kChange, true, true, true, 3,
                            currentCode(true));
  ASSERT_NE(form, nullptr);
  enter(form->entry(1), "Druga");
  prompter_.answers = {Answer::Cancel};
  form->press(kOk);
  settle();
  EXPECT_EQ(prompter_.titles(), (QStringList{"Record was not updated", "Record Update Error"}));
  EXPECT_EQ(prompter_.shown.back().buttons, Buttons::YesNoCancel);
  EXPECT_EQ(response_, 0) << "Cancel keeps the form open";
  prompter_.shown.clear();
  prompter_.answers = {Answer::No};
  form->press(kOk);
  ASSERT_TRUE(waitUntil([&] { return response_ != 0; }));
  EXPECT_EQ(response_, response::kCancelled);
  EXPECT_EQ(prompter_.titles(), (QStringList{"Record was not updated", "Record Update Error"}));

  // A delete that fails: confirmed, refused by the store, then the retry question.
  prompter_.shown.clear();
  prompter_.answers = {Answer::Yes, Answer::No};
  EXPECT_EQ(openForm("VUP", {"SIFRA"}, request::kDelete, true, true, true, 3, currentCode(true)),
            nullptr);
  ASSERT_TRUE(waitUntil([&] { return response_ != 0; }));
  EXPECT_EQ(response_, response::kCancelled);
  EXPECT_EQ(prompter_.titles(),
            (QStringList{"Confirm Delete", "Record was not deleted", "Record Delete Error"}));
  EXPECT_EQ(count("VUP"), 1);
}

TEST_F(UpdateFormTest, DropDownListAddsATypedValueWhenTheUserAgrees) {
  auto* w = start<DropWindow>();
  QComboBox* combo = w->drop->combo();
  ASSERT_EQ(combo->count(), 0);
  prompter_.answers = {Answer::No};
  enter(combo->lineEdit(), "VUKOVAR");
  settle();
  EXPECT_EQ(prompter_.titles(), QStringList{"Dodati podatak?"});
  EXPECT_EQ(
      prompter_.texts(),
      QStringList{QString::fromUtf8("Upisali ste podatak koji ne postoji. Želite li ga dodati?")});
  EXPECT_EQ(prompter_.beeps, 1) << "the value is refused";
  EXPECT_EQ(count("OPC"), 0);

  prompter_.answers = {Answer::Yes};
  enter(combo->lineEdit(), QString::fromUtf8("VUKOVAR"));
  settle();
  EXPECT_EQ(count("OPC"), 1);
  EXPECT_EQ(combo->count(), 1);
  EXPECT_EQ(w->chosen, "VUKOVAR");

  // A value the table has is chosen without a question, whatever its letter case.
  prompter_.shown.clear();
  w->chosen.clear();
  enter(combo->lineEdit(), "vukovar");
  settle();
  EXPECT_TRUE(prompter_.shown.empty());
  EXPECT_EQ(w->chosen, "VUKOVAR");
}

}  // namespace
}  // namespace obrazac::ui
