#include "app/ui/update_aplparam.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "data/codepage.h"
#include "frame/ui/file_drop.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

using testing::DesktopTest;
using testing::enter;
using testing::press;
using testing::settle;
using testing::waitUntil;

// The personal number of an authorised person, with a right check digit.
constexpr const char* kValidJmbg = "0101990330027";

class UpdateAplparamTest : public DesktopTest {
 protected:
  UpdateAPLPARAM* openFromMenu() {
    frame_->action("UpdateAPLPARAM")->trigger();
    return waitForActive<UpdateAPLPARAM>();
  }
  QLineEdit* edit(UpdateAPLPARAM* form, int control) {
    return qobject_cast<QLineEdit*>(form->control(control));
  }
  std::string stored(const char* field) {
    Table& t = frame_->mainThread().table("APL");
    t.clear();
    t.record().setInteger(0, 1);
    EXPECT_EQ(t.get("KEYRB"), 0);
    return t.record().display(field);
  }
};

TEST_F(UpdateAplparamTest, FirstUseCreatesRecordOneWithTheDefaultsAndOpensItForChange) {
  UpdateAPLPARAM* form = openFromMenu();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), "Promjena aplikacijskih parametara");
  EXPECT_EQ(form->request(), request::kChange);
  EXPECT_EQ(edit(form, UpdateAPLPARAM::kNaziv)->text(), "Knjigovodstveni servis");
  EXPECT_EQ(edit(form, UpdateAPLPARAM::kAdresa)->text(), "NN ulica bb, 10000 Zagreb");
  EXPECT_EQ(edit(form, UpdateAPLPARAM::kKonOso)->text(), "Elvik");
  EXPECT_EQ(edit(form, UpdateAPLPARAM::kSifSjed)->text(), "1333");
  EXPECT_EQ(form->seat()->combo()->currentText(), "ZAGREB");

  enter(edit(form, UpdateAPLPARAM::kNaziv), QString::fromUtf8("Računovodstvo Šimić"));
  enter(edit(form, UpdateAPLPARAM::kJMBG), kValidJmbg);
  press(form, UpdateAPLPARAM::kSpremi);
  ASSERT_TRUE(waitUntil([&] { return active<UpdateAPLPARAM>() == nullptr; }));
  EXPECT_EQ(stored("NAZIV"), "Računovodstvo Šimić");
  EXPECT_EQ(stored("JMBG"), kValidJmbg);

  // With the record present the item opens it as it is: the defaults are not written again.
  form = openFromMenu();
  EXPECT_EQ(edit(form, UpdateAPLPARAM::kNaziv)->text(), QString::fromUtf8("Računovodstvo Šimić"));
  EXPECT_TRUE(prompter_.shown.empty()) << prompter_.texts().join("\n").toStdString();
}

TEST_F(UpdateAplparamTest, AFolderThatDoesNotExistIsOfferedToBeMadeAndKeptEitherWay) {
  std::filesystem::create_directories(dir_.path() / "ulaz");
  UpdateAPLPARAM* form = openFromMenu();
  enter(edit(form, UpdateAPLPARAM::kUlazDir), "ulaz\\");
  EXPECT_TRUE(prompter_.shown.empty()) << prompter_.texts().join("\n").toStdString();
  const struct {
    int control;
    const char* typed;
    const char* folder;
    Answer answer;
  } cases[] = {
      {UpdateAPLPARAM::kIzlazDir, "nema\\", "nema/", Answer::No},
      {UpdateAPLPARAM::kRadDir, "nova\\", "nova/", Answer::Yes},
  };
  for (const auto& c : cases) {
    prompter_.shown.clear();
    prompter_.answers = {c.answer};
    enter(edit(form, c.control), c.typed);
    const auto missing = dir_.path() / c.folder;
    EXPECT_EQ(prompter_.texts(),
              QStringList{QString::fromStdString("Upozorenje: mapa " + missing.string() +
                                                 " ne postoji.\nNapraviti mapu?")});
    EXPECT_EQ(std::filesystem::is_directory(missing), c.answer == Answer::Yes) << c.folder;
    EXPECT_EQ(edit(form, c.control)->text(), c.typed);
  }
}

TEST_F(UpdateAplparamTest, LeavingAnIdentifierWithAWrongCheckDigitKeepsTheUserThere) {
  UpdateAPLPARAM* form = openFromMenu();
  struct Case {
    int control;
    const char* value;
    const char* message;  // nullptr: accepted
  } cases[] = {
      {UpdateAPLPARAM::kMB01, "12345678", "Pogrešan  MB "},
      {UpdateAPLPARAM::kMB01, "1234567", nullptr},   // fewer than 8 characters: not checked
      {UpdateAPLPARAM::kMB01, "00000000", nullptr},  // all zeros: not given
      {UpdateAPLPARAM::kMB01, "1234567A", "Pogrešan  MB "},
      {UpdateAPLPARAM::kJMBG, "0101990330001", "Pogrešan JMBG"},
      {UpdateAPLPARAM::kJMBG, "010199033000X", nullptr},  // not all digits: not checked here
      {UpdateAPLPARAM::kJMBG, "0000000000000", nullptr},
  };
  for (const Case& c : cases) {
    prompter_.shown.clear();
    enter(edit(form, c.control), c.value);
    settle();
    if (c.message) {
      ASSERT_EQ(prompter_.texts(), QStringList{QString::fromUtf8(c.message)}) << c.value;
      EXPECT_EQ(form->focusedControl(), c.control) << c.value;
    } else {
      EXPECT_TRUE(prompter_.shown.empty()) << c.value;
    }
  }
}

TEST_F(UpdateAplparamTest, SpremiRefusesAnAuthorisedPersonWithoutOneValidIdentifier) {
  struct Case {
    const char* mb;
    const char* jmbg;
    const char* message;
    int focus;
    int beeps;
  } cases[] = {
      {"", "", "Upišite MB il JMBG", UpdateAPLPARAM::kMB01, 0},
      {"00000000", "0000000000000", "Upišite MB il JMBG", UpdateAPLPARAM::kMB01, 0},
      {"34567895", kValidJmbg, "Greška. Nije dozvoljeno upisati MB i JMBG", UpdateAPLPARAM::kMB01,
       0},
      {"", "11111111111", "JMBG je netočan - nema 13 znamenaka.", UpdateAPLPARAM::kJMBG, 0},
      {"", "111111111111X", "JMBG nije točan. ISPRAVITE Podatak", UpdateAPLPARAM::kJMBG, 1},
  };
  for (const Case& c : cases) {
    UpdateAPLPARAM* form = openFromMenu();
    enter(edit(form, UpdateAPLPARAM::kMB01), c.mb);
    enter(edit(form, UpdateAPLPARAM::kJMBG), c.jmbg);
    settle();
    prompter_.shown.clear();
    prompter_.beeps = 0;
    press(form, UpdateAPLPARAM::kSpremi);
    ASSERT_EQ(prompter_.texts(), QStringList{QString::fromUtf8(c.message)}) << c.mb << c.jmbg;
    EXPECT_EQ(prompter_.beeps, c.beeps) << c.jmbg;
    EXPECT_EQ(form->focusedControl(), c.focus) << c.mb << c.jmbg;
    EXPECT_EQ(active<UpdateAPLPARAM>(), form);
    EXPECT_EQ(stored("JMBG"), "");  // the defaults of a new installation stay unsaved
    press(form, UpdateAPLPARAM::kPrekini);
    ASSERT_TRUE(waitUntil([&] { return active<UpdateAPLPARAM>() == nullptr; }));
  }
}

TEST_F(UpdateAplparamTest, PrekiniAfterChangesClosesWithoutAQuestionAndWithoutSaving) {
  UpdateAPLPARAM* form = openFromMenu();
  enter(edit(form, UpdateAPLPARAM::kKonOso), "Netko drugi");
  press(form, UpdateAPLPARAM::kPrekini);
  ASSERT_TRUE(waitUntil([&] { return active<UpdateAPLPARAM>() == nullptr; }));
  EXPECT_TRUE(prompter_.shown.empty());
  EXPECT_EQ(stored("KONOSO"), "Elvik");
}

TEST_F(UpdateAplparamTest, ChoosingAMunicipalitySetsTheSeatAndItsCode) {
  {
    Context ctx(dir_.path());
    RecordManager opc(ctx, "OPC");
    ASSERT_EQ(opc.open(), 0);
    for (auto [name, code] : {std::pair{"OSIJEK", "3123"}, std::pair{"ČAKOVEC", "0520"}}) {
      opc.record().clear();
      opc.record().setText(opc.record().index("NAZIV"), cp1250(name));
      opc.record().setText(opc.record().index("SIFRA"), code);
      ASSERT_TRUE(opc.insert().ok());
    }
  }
  UpdateAPLPARAM* form = openFromMenu();
  QComboBox* seat = form->seat()->combo();
  ASSERT_EQ(seat->count(), 2);
  EXPECT_EQ(seat->itemText(0), QString::fromUtf8("ČAKOVEC"));
  emit seat->activated(0);
  EXPECT_EQ(edit(form, UpdateAPLPARAM::kSifSjed)->text(), "0520");
  enter(edit(form, UpdateAPLPARAM::kJMBG), kValidJmbg);
  press(form, UpdateAPLPARAM::kSpremi);
  ASSERT_TRUE(waitUntil([&] { return active<UpdateAPLPARAM>() == nullptr; }));
  EXPECT_EQ(stored("NAZSJED"), "ČAKOVEC");
  EXPECT_EQ(stored("SIFSJED"), "0520");
}

// Alt+S is the form's "&Spremi" while the form has the focus, not the menu "&Servisi"; Enter in
// an entry whose check refuses it stays there without saving.
TEST_F(UpdateAplparamTest, AltSSavesTheFormAndARefusedEnterStaysOnTheField) {
  UpdateAPLPARAM* form = openFromMenu();
  form->select(UpdateAPLPARAM::kMB01);
  QTest::keyClicks(edit(form, UpdateAPLPARAM::kMB01), "12345678");
  QTest::keyClick(edit(form, UpdateAPLPARAM::kMB01), Qt::Key_Return);
  settle();
  EXPECT_EQ(prompter_.texts(), QStringList{QString::fromUtf8("Pogrešan  MB ")});
  EXPECT_EQ(form->focusedControl(), UpdateAPLPARAM::kMB01);
  EXPECT_EQ(active<UpdateAPLPARAM>(), form);

  enter(edit(form, UpdateAPLPARAM::kMB01), "");
  enter(edit(form, UpdateAPLPARAM::kJMBG), kValidJmbg);
  form->select(UpdateAPLPARAM::kNaziv);
  QTest::keyClick(edit(form, UpdateAPLPARAM::kNaziv), Qt::Key_S, Qt::AltModifier);
  ASSERT_TRUE(waitUntil([&] { return active<UpdateAPLPARAM>() == nullptr; }));
  EXPECT_EQ(stored("JMBG"), kValidJmbg);
  EXPECT_EQ(stored("NAZIV"), "Knjigovodstveni servis");
}

}  // namespace
}  // namespace obrazac::ui
