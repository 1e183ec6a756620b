#include "form/page_b.h"

#include <cstdio>
#include <vector>

#include "data/codepage.h"
#include "data/fixed_width.h"

namespace obrazac::form {
namespace {

std::string padded(long value, const char* format) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// Field indexes of the two tables, looked up once per build.
struct MonthlyFields {
  int redbroj, jmbg, prezime, opcina, vrstaupla, clandn, osnova1, osnova3, godobra, mjeobra, oddana,
      dodana, iznos[5];
  explicit MonthlyFields(const Record& r)
      : redbroj(r.index("REDBROJ")),
        jmbg(r.index("JMBG")),
        prezime(r.index("PREZIME")),
        opcina(r.index("OPCINA")),
        vrstaupla(r.index("VRSTAUPLA")),
        clandn(r.index("CLANDN")),
        osnova1(r.index("OSNOVA1")),
        osnova3(r.index("OSNOVA3")),
        godobra(r.index("GODOBRA")),
        mjeobra(r.index("MJEOBRA")),
        oddana(r.index("ODDANA")),
        dodana(r.index("DODANA")),
        iznos{r.index("IZNOS7"), r.index("IZNOS8"), r.index("IZNOS9"), r.index("IZNOS10"),
              r.index("IZNOS11")} {}
};

struct RowFields {
  int rbosob, jmbg, prezime, opcina, clandn, osnova1, osnova3, obrrazd1, obrrazd2, godobra, obrmje,
      identifikator, vrsupl, konveza, iznos[5];
  explicit RowFields(const Record& r)
      : rbosob(r.index("RBOSOB")),
        jmbg(r.index("JMBG")),
        prezime(r.index("PREZIME")),
        opcina(r.index("OPCINA")),
        clandn(r.index("CLANDN")),
        osnova1(r.index("OSNOVA1")),
        osnova3(r.index("OSNOVA3")),
        obrrazd1(r.index("OBRRAZD1")),
        obrrazd2(r.index("OBRRAZD2")),
        godobra(r.index("GODOBRA")),
        obrmje(r.index("OBRMJE")),
        identifikator(r.index("IDENTIFIKATOR")),
        vrsupl(r.index("VRSUPL")),
        konveza(r.index("KONVEZA")),
        iznos{r.index("IZNOS7"), r.index("IZNOS8"), r.index("IZNOS9"), r.index("IZNOS10"),
              r.index("IZNOS11")} {}
};

bool takes(const Record& r, const MonthlyFields& m, const FormRequest& f) {
  const auto from = r.integer(m.oddana), to = r.integer(m.dodana);
  return r.integer(m.redbroj) == f.employer && r.integer(m.godobra) == f.year &&
         r.integer(m.mjeobra) == f.month && from >= f.firstDay && from <= f.lastDay &&
         to >= f.firstDay && to <= f.lastDay && r.text(m.vrstaupla) == f.paymentType;
}

}  // namespace

PageBBuild buildPageBRows(Context& ctx, const FormRequest& f, RunReporter& reporter) {
  PageBBuild b;
  reporter.status("Radim. Strpite se..");
  Table& osi = ctx.table("OSI");
  osi.close();
  if (const int rc = osi.open(AccessMode::DenyAll)) {
    b.status = Status::refused("Greška pri otvaranju TBOSIGUR.DAT", rc);
    reporter.message(b.status.text());
    return b;
  }
  auto reopenShared = [&] {
    osi.close();
    osi.open();
  };
  auto failWith = [&](Status status) {
    osi.rollback();
    reopenShared();
    b.status = std::move(status);
    reporter.message(b.status.text());
    return b;
  };
  const std::string rows = "stranica B obrasca " + f.identity.link;
  if (const int rc = osi.begin()) return failWith(Status::store(rc, osi.decl().file));
  if (const int rc = removeFormRows(osi, f, reporter)) return failWith(Status::store(rc, rows));

  // A table another program holds is a failure naming it, never a month without rows.
  Table& rad = ctx.table("RAD");
  const std::string monthly =
      "mjesečni podaci obveznika " + std::to_string(f.employer) + " (" + rad.decl().file + ")";
  if (const int opened = rad.open(); opened != 0 && opened != err::kFileAlreadyOpen)
    return failWith(Status::store(opened, monthly, rad.driverError()));
  {
    Record& r = rad.record();
    Record& o = osi.record();
    const MonthlyFields m(r);
    const RowFields k(o);
    r.clear();
    r.setInteger(m.redbroj, f.employer);
    if (const int rc = rad.set("KEYRBRFIRME"))
      return failWith(Status::store(rc, monthly, rad.driverError()));
    int person = 0;
    std::string previous = "0000000000000";
    int rc;
    while ((rc = rad.next()) == 0) {
      ++b.read;
      if (r.text(m.jmbg) != previous) {
        ++person;
        previous = r.text(m.jmbg);
      }
      if (!takes(r, m, f)) continue;
      reporter.status(utf8FromCp1250(clipRight(r.text(m.prezime))));
      o.clear();
      o.setText(k.rbosob, padded(person, "%05ld"));
      o.setText(k.vrsupl, r.text(m.vrstaupla));
      o.setText(k.jmbg, r.text(m.jmbg));
      o.setText(k.prezime, r.text(m.prezime));
      o.setText(k.opcina, r.text(m.opcina));
      o.setText(k.clandn, r.text(m.clandn));
      o.setText(k.osnova1, r.text(m.osnova1));
      o.setText(k.osnova3, r.text(m.osnova3));
      o.setInteger(k.obrrazd1, r.integer(m.oddana));
      o.setInteger(k.obrrazd2, r.integer(m.dodana));
      for (int i = 0; i < 5; ++i) o.setDecimal(k.iznos[i], r.decimal(m.iznos[i]));
      o.setInteger(k.godobra, f.year);
      o.setInteger(k.obrmje, f.month);
      o.setText(k.identifikator, f.identity.identifier);
      o.setText(k.konveza, f.identity.link);
      // A row that cannot be stored would be missing from the file: the build stops.
      if (const int added = osi.add())
        return failWith(Status::store(
            added, "upis retka stranice B (" + utf8FromCp1250(clipRight(r.text(m.prezime))) + ")"));
      ++b.taken;
    }
    if (rc != err::kRecordNotAvailable)
      return failWith(Status::store(rc, monthly, rad.driverError()));
  }
  if (const int rc = osi.commit()) return failWith(Status::store(rc, rows));
  reopenShared();
  if (b.taken == 0)
    reporter.status("Obrada prekinuta. Pročitano=" + padded(b.read, "%4ld") +
                    " Preuzeto=" + padded(b.taken, "%5ld"));
  return b;
}

// Removes the form's old rows, remembering them first: a delete during the walk would make the
// walk read its batch again after every row.
int removeFormRows(Table& osi, const FormRequest& f, RunReporter& reporter) {
  Record& r = osi.record();
  const RowFields k(r);
  struct Old {
    Position at;
    std::string jmbg;
  };
  std::vector<Old> old;
  r.clear();
  r.setText(k.konveza, f.identity.link);
  if (const int rc = osi.set("KEYOBRGODMJE")) return rc;
  int rc;
  while ((rc = osi.next()) == 0 && r.text(k.konveza) == f.identity.link) {
    // Correcting rows ("99") replace only the rows of their own kind.
    if (f.paymentType == "99" && r.text(k.vrsupl) != "99") continue;
    old.push_back({osi.position(), r.text(k.jmbg)});
  }
  // A read that fails is no end of the form's rows: the rows past it would stay.
  if (rc != 0 && rc != err::kRecordNotAvailable) return rc;
  for (const auto& o : old) {
    reporter.status("Brišem " + utf8FromCp1250(f.identity.id4) + " MB " + utf8FromCp1250(o.jmbg));
    if ((rc = osi.reget(o.at)) != 0 || (rc = osi.remove()) != 0) return rc;
  }
  return 0;
}

int forEachFormRow(Context& ctx, std::string_view link,
                   const std::function<bool(const Record&)>& row) {
  Table& osi = ctx.table("OSI");
  if (const int rc = osi.open(); rc != 0 && rc != err::kFileAlreadyOpen) return rc;
  Record& r = osi.record();
  const int konveza = r.index("KONVEZA");
  r.clear();
  r.setText(konveza, link);
  if (const int rc = osi.set("KEYOBRGODMJE")) return rc;
  int rc;
  while ((rc = osi.next()) == 0 && r.text(konveza) == link)
    if (!row(r)) return 0;
  return rc == 0 || rc == err::kRecordNotAvailable ? 0 : rc;
}

}  // namespace obrazac::form
