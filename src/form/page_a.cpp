#include "form/page_a.h"

#include <cstdio>

#include "data/fixed_width.h"
#include "data/numeric_text.h"
#include "form/page_b.h"

namespace obrazac::form {
namespace {

std::string digits(int value, int width) {
  char text[32];
  std::snprintf(text, sizeof text, "%0*d", width, value);
  return text;
}

std::string orZeros(std::string_view value, std::size_t width) {
  return isNumeric(value) ? std::string(value) : std::string(width, '0');
}

// The fields set both before and after the rows are read.
void setFormFields(Record& a, const FormRequest& f) {
  a.setText(a.index("OBRMJE"), digits(f.month, 2));
  a.setText(a.index("OBRGOD"), digits(f.year, 4));
  a.setText(a.index("VRSUPLA"), f.paymentType);
  a.setText(a.index("KONVEZA"), f.identity.link);
  a.setText(a.index("GODPLA"), digits(f.paymentYear, 4));
  a.setText(a.index("MJEPLA"), digits(f.paymentMonth, 2));
}

void copyObligor(Record& a, const Record& pos, ObligorMB mbRule) {
  const auto& mb01 = pos.text(pos.index("MB01"));
  if (isNumeric(mb01) && (mbRule == ObligorMB::Numeric || mb01 != "00000000")) {
    a.setText(a.index("MB01"), mb01);
    a.setText(a.index("MB02"), orZeros(pos.text(pos.index("MB02")), 4));
  } else {
    a.setText(a.index("MB01"), "00000000");
    a.setText(a.index("MB02"), "0000");
  }
  a.setText(a.index("JMBG"), orZeros(pos.text(pos.index("JMBG")), 13));
  a.setText(a.index("NAZIV"), pos.text(pos.index("NAZIV")));
  a.setText(a.index("ADRESA"), pos.text(pos.index("ADRESA")));
  a.setText(a.index("KONTAKT"), pos.text(pos.index("KONTAKT")));
  a.setText(a.index("TELEFON"), pos.text(pos.index("TELEFON")));
  a.setText(a.index("EMAI"), pos.text(pos.index("EMAIL")));
  a.setText(a.index("VRSTOBVEZNIKA"), pos.text(pos.index("VRSTOBVEZNIKA")));
}

int openShared(Table& t) {
  const int rc = t.open();
  return rc == err::kFileAlreadyOpen ? 0 : rc;
}

}  // namespace

PageABuild buildPageA(Context& ctx, const FormRequest& f, RunReporter& reporter, ObligorMB mbRule) {
  PageABuild result;
  auto fail = [&](int rc, std::string what) {
    result.status = Status::store(rc, std::move(what));
    reporter.message(result.status.text());
    return result;
  };
  const std::string obligor = "obveznik " + std::to_string(f.employer);

  Table& pos = ctx.table("POS");
  Record& p = pos.record();
  if (const int rc = openShared(pos)) return fail(rc, pos.decl().file);
  p.clear();
  p.setInteger(p.index("REDBROJ"), f.employer);
  if (const int rc = pos.get("KEYREDBROJ"))
    return fail(rc, rc == err::kRecordNotFound ? obligor + " ne postoji" : obligor);

  Table& table = ctx.table("A");
  Record& a = table.record();
  if (const int rc = openShared(table)) return fail(rc, table.decl().file);
  a.clear();
  a.setText(a.index("IDENTIFIKATOR"), f.identity.identifier);
  setFormFields(a, f);
  if (const int rc = table.get("KEYIDENTIKATOR"); rc != 0 && rc != err::kRecordNotFound)
    return fail(rc, "stranica A obrasca " + f.identity.link);

  a.setInteger(a.index("BROJOSIG"), 0);
  a.setInteger(a.index("BROJSTRANA"), 0);
  copyObligor(a, p, mbRule);
  a.setText(a.index("KONZNAK"), "");

  const Record& rows = ctx.table("OSI").record();
  const int jmbg = rows.index("JMBG");
  const int rowAmount[5] = {rows.index("IZNOS7"), rows.index("IZNOS8"), rows.index("IZNOS9"),
                            rows.index("IZNOS10"), rows.index("IZNOS11")};
  const int amount[5] = {a.index("IZNOS7"), a.index("IZNOS8"), a.index("IZNOS9"),
                         a.index("IZNOS10"), a.index("IZNOS11")};
  Decimal totals[5];
  int persons = 0, pages = 0;
  std::string previous;
  const int rc = forEachFormRow(ctx, f.identity.link, [&](const Record& row) {
    ++result.rows;
    if (result.rows % 10 == 0) {
      char text[32];
      std::snprintf(text, sizeof text, "Obrađeno %5d", result.rows);
      reporter.status(text);
    }
    if (row.text(jmbg) != previous) {
      ++persons;
      previous = row.text(jmbg);
    }
    for (int i = 0; i < 5; ++i) totals[i] += row.decimal(rowAmount[i]);
    if (result.rows % kRowsPerPage == 0) ++pages;
    return true;
  });
  if (rc) return fail(rc, "stranica B obrasca " + f.identity.link);
  if (result.rows == 0) {
    reporter.status("Obrada prekinuta. Preuzeto 0 redaka");
    return result;
  }
  if (result.rows % kRowsPerPage != 0) ++pages;
  a.setInteger(a.index("BROJOSIG"), persons);
  a.setInteger(a.index("BROJSTRANA"), pages < 1 ? 1 : pages);
  a.setText(a.index("KONZNAK"), kControlNumberPlaceholder);
  setFormFields(a, f);
  for (int i = 0; i < 5; ++i) a.setDecimal(amount[i], pageATotal(totals[i]));

  reporter.status("1. dio obrade završena. Formiram SHA broj");

  const int last = p.index("IDENTIFIKATOR");
  if (f.formNumber > p.integer(last)) {
    p.setInteger(last, f.formNumber);
    // The obligor would be offered this form's number again: the run stops.
    if (const int w = pos.put())
      return fail(w, "zadnji broj obrasca obveznika " + std::to_string(f.employer));
  }
  return result;
}

int storePageA(Context& ctx, std::string_view controlNumber) {
  Table& table = ctx.table("A");
  Record& a = table.record();
  const Record built = a;
  a.clear();
  a.setText(a.index("KONVEZA"), built.text(built.index("KONVEZA")));
  const int found = table.get("KEYIDENTIKATOR");
  if (found != 0 && found != err::kRecordNotFound) return found;
  a = built;
  a.setText(a.index("KONZNAK"), controlNumber);
  return found == 0 ? table.put() : table.add();
}

}  // namespace obrazac::form
