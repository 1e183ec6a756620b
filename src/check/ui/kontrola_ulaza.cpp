#include "check/ui/kontrola_ulaza.h"

#include <QComboBox>
#include <QDate>
#include <QPointer>
#include <memory>

#include "app/application_parameters.h"
#include "check/input_selection_checks.h"
#include "check/ui/pregled_gresaka.h"
#include "check/ui/work_rows.h"
#include "codelists/ui/code_drop_list.h"
#include "data/codepage.h"
#include "data/date.h"
#include "data/fixed_width.h"
#include "frame/ui/background_run.h"
#include "frame/ui/input_file_dialog.h"
#include "frame/ui/qt_text.h"
#include "frame/ui/update_form.h"
#include "submission/ui/win_izvjesce.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using W = KontrolaUlaza;

constexpr ControlDescription kControls[] = {
    {.kind = K::Group, .prompt = "Preuzimanje podataka "},
    {.kind = K::DropList, .id = W::kObveznik, .prompt = "Obveznik", .chars = 50},
    {.id = W::kFirma, .field = "Firma", .picture = "n03", .tip = "Obveznik", .beside = true},
    {.kind = K::DropList, .id = W::kVrstaUplateIzbor, .prompt = "Vrsta uplate", .chars = 30},
    {.id = W::kVrstaUplate,
     .field = "VrsUpl",
     .picture = "s2",
     .tip = "Vrsta uplate",
     .beside = true},
    {.kind = K::Display,
     .id = W::kVrstaUplateTekst,
     .field = "VrsUplTekst",
     .picture = "s60",
     .tip = "Naziv vrste uplate",
     .chars = 40,
     .beside = true},
    {.id = W::kGodina,
     .prompt = "Obračunska godina",
     .field = "ObrGod",
     .picture = "N04",
     .tip = "Obračunska godina"},
    {.id = W::kMjesec, .prompt = "mjesec", .field = "ObrMje", .picture = "N02", .beside = true},
    {.id = W::kOd, .prompt = "Za razdoblje od", .field = "RazdOd", .picture = "N02"},
    {.id = W::kDo, .prompt = " do ", .field = "RazdDo", .picture = "N02", .beside = true},
    {.id = W::kIspGod, .prompt = "Isplata plaće", .field = "IspGod", .picture = "N04"},
    {.id = W::kIspMje,
     .field = "IspMje",
     .picture = "N02",
     .tip = "Mjesec isplate plaće",
     .beside = true},
    {.id = W::kDatoteka,
     .prompt = "Ulazna datoteka ",
     .field = "UlazFile",
     .picture = "s120",
     .chars = 60},
    {.kind = K::Display,
     .id = W::kTijek,
     .field = "Tijek",
     .picture = "s80",
     .tip = "Tijek obrade"},
    {.kind = K::Button, .id = W::kOdaberi, .prompt = "...", .tip = "Popis datoteka"},
    {.kind = K::Button, .id = W::kKontrola, .prompt = "&Kontrola podataka"},
    {.kind = K::Button, .id = W::kIspravni, .prompt = "Pregled ispravnih "},
    {.kind = K::Button, .id = W::kUlazna, .prompt = "Ulazna datoteka"},
    {.kind = K::Button, .id = W::kGreske, .prompt = "Pregled grešaka"},
    {.kind = K::Button,
     .id = W::kZatvori,
     .prompt = "&Zatvori",
     .role = ButtonRole::Cancel,
     .pushRight = true},
};

constexpr int kBusyButtons[] = {W::kOdaberi, W::kKontrola, W::kIspravni, W::kUlazna, W::kGreske};

constexpr const char* kStopQuestion = "Kontrola podataka još traje. Želite li je prekinuti?";

std::string utf8Of(const std::string& cp1250) {
  return utf8FromCp1250(clipRight(cp1250));
}

}  // namespace

KontrolaUlaza::KontrolaUlaza(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : CheckRunWindow(desktop, std::move(thread), "kontrolaUlaza", kTijek, kBusyButtons,
                     kStopQuestion),
      employers_(new QComboBox(this)),
      paymentTypes_(new QComboBox(this)) {
  setWindowTitle(QString::fromUtf8("Kontrola ulaznih podataka"));
  setDialogSize(391, 138);
  describe(kControls, {{kObveznik, employers_}, {kVrstaUplateIzbor, paymentTypes_}});
  paymentTypes_->setToolTip(QString::fromUtf8("Šifra"));
  connect(employers_, &QComboBox::activated, this, &KontrolaUlaza::employerChosen);
  connect(paymentTypes_, &QComboBox::activated, this, &KontrolaUlaza::paymentTypeChosen);
  connect(run_, &BackgroundRun::finished, this, &KontrolaUlaza::checkEnded);
  const QDate today = QDate::currentDate();
  obrGod_ = ispGod_ = today.year();
  obrMje_ = ispMje_ = today.month();
}

std::optional<FieldRef> KontrolaUlaza::stateField(std::string_view name) {
  if (name == "Firma") return FieldRef(firma_, "GLO:Firma");
  if (name == "VrsUpl") return FieldRef(vrsUpl_, "GLO:VrsUpl");
  if (name == "VrsUplTekst") return FieldRef(vrsUplText_, "VrsUplTekst");
  if (name == "ObrGod") return FieldRef(obrGod_, "GLO:ObrGod");
  if (name == "ObrMje") return FieldRef(obrMje_, "GLO:ObrMje");
  if (name == "RazdOd") return FieldRef(razdOd_, "GLO:RazdOd");
  if (name == "RazdDo") return FieldRef(razdDo_, "GLO:RazdDo");
  if (name == "IspGod") return FieldRef(ispGod_, "GLO:IspGod");
  if (name == "IspMje") return FieldRef(ispMje_, "GLO:IspMje");
  if (name == "UlazFile") return FieldRef(ulazFile_, "GLO:UlazFile");
  if (name == "Tijek") return FieldRef(progress_, "Tijek");
  return std::nullopt;
}

bool KontrolaUlaza::openTables() {
  for (const char* prefix : {"APL", "POS", "VUP"})
    if (!openTable(prefix)) return false;
  return true;
}

int KontrolaUlaza::takeWindowEvent(const Event& e) {
  if (e.kind == EventKind::OpenWindow && !prepared_) {
    prepared_ = true;
    fillEmployers();
    fillCodeDropList(*paymentTypes_, thread().table("VUP"));
    paymentTypes_->setCurrentIndex(-1);
    Context& ctx = thread().context();
    if (readParameters(ctx) == 0) {
      const Record& apl = ctx.table("APL").record();
      if (authorisedPersonMissing(apl))
        desktop().prompter.message(
            QString::fromUtf8("Ispravite podatke o ovlaštenoj osobi.| Ispravak izvršite kroz "
                              "Servisi/Aplikacijski parametri"));
      ulazFile_ = clipRight(apl.text(apl.index("ULAZDIR")));
    }
    binder().show();
  }
  return ProcedureWindow::takeWindowEvent(e);
}

// The employers in the order of their numbers; each item keeps its number.
void KontrolaUlaza::fillEmployers() {
  employers_->clear();
  Table& pos = thread().table("POS");
  const Record kept = pos.record();
  const Record& r = pos.record();
  pos.clear();
  if (pos.set("KEYREDBROJ") == 0)
    while (pos.next() == 0)
      employers_->addItem(fieldText(r, r.index("NAZIV")),
                          static_cast<int>(r.integer(r.index("REDBROJ"))));
  pos.record() = kept;
  employers_->setCurrentIndex(-1);
}

void KontrolaUlaza::employerChosen(int index) {
  firma_ = employers_->itemData(index).toInt();
  binder().show(kFirma);
}

void KontrolaUlaza::paymentTypeChosen(int index) {
  const QString code = paymentTypes_->itemData(index).toString();
  vrsUpl_ = cp1250FromUtf8(code.toStdString());
  vrsUplText_ =
      cp1250FromUtf8(paymentTypes_->itemText(index).mid(code.size()).trimmed().toStdString());
  binder().show(kVrstaUplate);
  binder().show(kVrstaUplateTekst);
}

int KontrolaUlaza::takeAccepted(int control) {
  const std::string year = std::to_string(obrGod_), month = std::to_string(obrMje_);
  CheckResult failure;
  switch (control) {
    case kFirma:
      employers_->setCurrentIndex(employers_->findData(firma_));
      break;
    case kGodina:
      failure = check::checkSelectionYear(year);
      break;
    case kMjesec:
      failure = check::checkSelectionMonth(month, utf8Of(vrsUpl_));
      break;
    case kOd:
    case kDo:
      failure = check::checkSelectionDay(std::to_string(control == kOd ? razdOd_ : razdDo_),
                                         control == kOd, month, year);
      break;
    case kOdaberi: {
      QPointer<KontrolaUlaza> self(this);
      chooseInputFile(this, fromUtf8(utf8Of(ulazFile_)), [self](const QString& path) {
        if (!self) return;
        self->ulazFile_ = cp1250FromUtf8(path.toStdString());
        self->binder().show(kDatoteka);
      });
      return level::kNotify;
    }
    case kKontrola:
      startCheck();
      return level::kNotify;
    case kIspravni:
      callProcedure(kPregeldPreuzetih, request::kNone, [](int) {});
      return level::kNotify;
    case kUlazna:
      callProcedure(kPregledUlaznogFile, request::kNone, [](int) {});
      return level::kNotify;
    case kGreske:
      callProcedure(kPregledGresaka, request::kNone, [](int) {});
      return level::kNotify;
    default:
      break;
  }
  if (failure) return refuse(*failure);
  return ProcedureWindow::takeAccepted(control);
}

void KontrolaUlaza::callProcedure(int number, int request, Done then) {
  ProcedureWindow* callee = nullptr;
  switch (number) {
    case kWinIzvjesce:
      callee = new WinIzvjesce(desktop(), threadHandle(), summary_, outcome_.note);
      break;
    case kPregeldPreuzetih:
      callee = new PregeldPreuzetih(desktop(), threadHandle());
      break;
    case kPregledUlaznogFile:
      callee = new PregledUlaznogFile(desktop(), threadHandle());
      break;
    case kPregledGresaka:
      callee = new PregledGresaka(desktop(), threadHandle());
      break;
    default:
      return ProcedureWindow::callProcedure(number, request, std::move(then));
  }
  callOnThread(callee, request, std::move(then));
}

check::InputSelection KontrolaUlaza::selection() {
  check::InputSelection s;
  s.employer = firma_;
  s.paymentType = utf8Of(vrsUpl_);
  s.year = std::to_string(obrGod_);
  s.month = std::to_string(obrMje_);
  s.firstDay = razdOd_;
  s.lastDay = razdDo_;
  s.file = parameterFolder(clipRight(ulazFile_), desktop().workDir);
  return s;
}

// "&Kontrola podataka": the run on its own thread and context, which leaves the work tables open
// shared at its end; the lists the buttons open read them on this window's thread.
void KontrolaUlaza::startCheck() {
  if (running()) return;
  setRunning(true);
  auto outcome = std::make_shared<check::InputCheckOutcome>();
  pending_ = outcome;
  run_->start([outcome, s = selection(), clock = clock_](Context& ctx, RunReporter& reporter) {
    *outcome = check::runInputCheck(ctx, *clock, s, reporter);
  });
}

void KontrolaUlaza::checkEnded(const QStringList& messages) {
  setRunning(false);
  outcome_ = pending_ ? *pending_ : check::InputCheckOutcome{};
  pending_.reset();
  if (closingAfterStop()) return postClose();
  for (const QString& m : messages) desktop().prompter.message(m);
  if (run_->failed() || !outcome_.status.ok()) {
    if (const int c = binder().controlOf(outcome_.failedField)) select(c);
    return;
  }
  summary_ = outcome_.summary;
  callProcedure(kWinIzvjesce, request::kNone, [](int) {});
}

}  // namespace obrazac::ui
