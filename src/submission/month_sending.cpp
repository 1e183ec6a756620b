#include "submission/month_sending.h"

#include <cstdio>

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "form/page_b.h"
#include "form/sending_header.h"
#include "submission/control_number.h"
#include "submission/sending_run.h"

namespace obrazac::submission {

namespace {

std::string twoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

// The running numbers and names of the register, read before any run moves the POS buffer.
Status readRegister(Context& ctx, std::vector<MonthObligor>& obligors) {
  Table& pos = ctx.table("POS");
  pos.close();
  if (const int rc = pos.open()) return Status::store(rc, "obveznici (TBPOSLOD.DAT)");
  Record& r = pos.record();
  r.clear();
  pos.set("KEYREDBROJ");
  while (pos.next() == 0) {
    MonthObligor o;
    o.employer = static_cast<int>(r.integer(r.index("REDBROJ")));
    o.name = std::string(clipRight(r.text(r.index("NAZIV"))));
    obligors.push_back(std::move(o));
  }
  pos.close();
  return {};
}

// The header the sending window would hold for the obligor, every entry accepted in screen
// order; the first message of an entry refuses the obligor.
std::optional<std::string> enterHeader(Context& ctx, const MonthRequest& request,
                                       form::SendingHeader& h) {
  using F = form::HeaderField;
  if (Status chosen = form::chooseEmployer(ctx, h); !chosen.ok()) return chosen.text();
  h.paymentType = request.paymentType;
  h.year = std::to_string(request.year);
  h.month = twoDigits(request.month);
  h.firstDay = "1";
  h.lastDay = std::to_string(daysInMonth(request.year, request.month));
  h.sendingDate = request.sent;
  for (F entry : {F::Year, F::Month, F::FirstDay, F::LastDay}) {
    const auto check = form::acceptEntry(h, entry);
    if (!check.ok()) return check.messages.front().text;
  }
  h.paymentYear = std::to_string(request.paymentYear);
  h.paymentMonth = twoDigits(request.paymentMonth);
  for (F entry : {F::PaymentYear, F::PaymentMonth}) {
    const auto check = form::acceptEntry(h, entry);
    if (!check.ok()) return check.messages.front().text;
  }
  return std::nullopt;
}

// What page A and page B of the form just made hold.
void readForm(Context& ctx, MonthObligor& o) {
  const Record& a = ctx.table("A").record();
  o.identifier = std::string(clipRight(a.text(a.index("IDENTIFIKATOR"))));
  o.insured = a.integer(a.index("BROJOSIG"));
  const char* items[] = {"IZNOS7", "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11"};
  for (std::size_t i = 0; i < o.amounts.size(); ++i) o.amounts[i] = a.decimal(a.index(items[i]));
  const std::string link(a.text(a.index("KONVEZA")));
  form::forEachFormRow(ctx, link, [&](const Record&) {
    ++o.rows;
    return true;
  });
}

// The runs of the single obligors tell their status; what they would show goes into the summary
// instead of one box per obligor.
class StatusOnly final : public RunReporter {
 public:
  explicit StatusOnly(RunReporter& shown) : shown_(shown) {}
  void status(std::string_view text) override { shown_.status(text); }
  void message(std::string_view) override {}
  Answer ask(std::string_view text, bool withCancel) override {
    return shown_.ask(text, withCancel);
  }

 private:
  RunReporter& shown_;
};

}  // namespace

bool MonthOutcome::allDone() const {
  if (!status.ok()) return false;
  for (const auto& o : obligors)
    if (!o.status.ok()) return false;
  return !collective || collective->status.ok();
}

MonthOutcome runMonthSending(Context& ctx, const MonthRequest& request, RunReporter& reporter) {
  MonthOutcome out;
  if (out.status = readRegister(ctx, out.obligors); !out.status.ok()) {
    reporter.message(out.status.text());
    return out;
  }
  // The first form made starts the list of processed obligors; the run turns the job into
  // "Dodaj u file" for the ones after it.
  form::CollectiveJob job = form::CollectiveJob::NewFile;
  int made = 0;
  StatusOnly runs(reporter);
  for (MonthObligor& o : out.obligors) {
    reporter.status("Obveznik " + std::to_string(o.employer) + " " + utf8FromCp1250(o.name));
    form::SendingHeader h;
    h.employer = o.employer;
    h.method = request.separate ? form::SendingMethod::Single : form::SendingMethod::Collective;
    h.job = job;
    if (auto refusal = enterHeader(ctx, request, h)) {
      o.status = Status::refused(*refusal);
      continue;
    }
    const SendingOutcome sent = runSending(ctx, h, runs);
    o.status = sent.status;
    if (!sent.status.ok()) continue;
    job = h.job;
    o.file = sent.outputFile;
    readForm(ctx, o);
    ++made;
  }
  if (!request.separate && made > 0)
    out.collective = runCollectiveAssembly(ctx, request.sent, runs);
  return out;
}

std::vector<std::string> monthSummary(const MonthOutcome& outcome) {
  std::vector<std::string> lines;
  if (!outcome.status.ok()) lines.push_back(outcome.status.text());
  int made = 0, refused = 0;
  for (const auto& o : outcome.obligors) {
    std::string line = "Obveznik " + std::to_string(o.employer) + " " + utf8FromCp1250(o.name);
    if (!o.status.ok()) {
      ++refused;
      lines.push_back(line + ": ODBIJEN - " + o.status.text());
      continue;
    }
    ++made;
    line += ": obrazac " + utf8FromCp1250(o.identifier) + ", redaka " + std::to_string(o.rows) +
            ", osiguranika " + std::to_string(o.insured) + ", iznosi 7-11:";
    for (const Decimal& amount : o.amounts) line += " " + amount.toString(2);
    lines.push_back(line + ", datoteka " + o.file.filename().string());
  }
  if (outcome.collective) {
    const CollectiveOutcome& c = *outcome.collective;
    lines.push_back(c.status.ok() ? "Zbirna datoteka: " + c.file.string() +
                                        " (obrazaca: " + std::to_string(c.forms) +
                                        "), kontrolni broj " + groupedControlNumber(c.controlNumber)
                                  : "Zbirna datoteka nije formirana: " + c.status.text());
  }
  lines.push_back("Obrađeno obveznika: " + std::to_string(made) +
                  ", odbijeno: " + std::to_string(refused));
  return lines;
}

}  // namespace obrazac::submission
