#include "prints/submission_file_prints.h"

#include <fstream>
#include <functional>

#include "data/file_replace.h"
#include "data/fixed_width.h"
#include "data/picture.h"
#include "data/record_format.h"
#include "submission/control_number.h"
#include "submission/work_files.h"

namespace obrazac::prints {
namespace {

constexpr std::string_view kNoRecords = "There are no records available to process.";

std::string_view cut(std::string_view line, std::string_view code) {
  return submission::fieldByCode(code)->cut(line);
}

Decimal amountOf(std::string_view line, std::string_view code) {
  return readAmount(cut(line, code)).value_or(Decimal());
}

int numberOf(std::string_view text) {
  int n = 0;
  for (char c : text)
    if (c >= '0' && c <= '9') n = n * 10 + (c - '0');
  return n;
}

// The form of a type 3 record: identifier, payment type and link.
struct FormOfFile {
  std::string identifier, paymentType, link;
  explicit FormOfFile(std::string_view header)
      : identifier("999" + padRight(cut(header, "RS3RBSU"), 4)),
        paymentType(padRight(cut(header, "RS3VROI"), 2)),
        link(identifier + paymentType) {}
};

// Copies the chosen file over TBSLOG3.TXT in the working folder and calls `line` with each of
// its lines (without the line end) until it returns false. False when the file could not be
// taken; the reason was shown.
bool readCopy(Context& ctx, const std::filesystem::path& file, RunReporter& reporter,
              const std::function<bool(std::string_view)>& line) {
  Table& copy = ctx.table("SL3");
  copy.close();
  const std::filesystem::path work = ctx.workDir() / "TBSLOG3.TXT";
  if (!replaceFileByCopy(file, work).empty()) {
    reporter.message("Greška kod preuzimanja " + file.string());
    return false;
  }
  std::ifstream in(work, std::ios::binary);
  std::string text;
  while (std::getline(in, text)) {
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (!line(text)) break;
  }
  return true;
}

void setText(Record& r, std::string_view name, std::string_view value) {
  r.setText(r.index(name), value);
}

}  // namespace

std::optional<std::string> preparePageAFromFile(Context& ctx, const std::filesystem::path& file,
                                                RunReporter& reporter) {
  const auto number = submission::controlNumberOfFile(file);
  if (!number.ok()) {
    reporter.message("Greška kod preuzimanja " + file.string());
    return std::nullopt;
  }
  std::string header;
  if (!readCopy(ctx, file, reporter, [&](std::string_view line) {
        if (line.size() < submission::kRecordWidth || line[249] != '3') return true;
        header = line;
        return false;
      }))
    return std::nullopt;
  if (header.empty()) {
    reporter.message(kNoRecords);
    return std::nullopt;
  }

  const FormOfFile form(header);
  Table& a = ctx.table("A");
  const bool opened = !a.isOpen();
  if (opened && a.open() != 0) {
    reporter.message("Greška kod otvaranja TBOBRAZA.DAT " + std::string(a.errorText()));
    return std::nullopt;
  }
  Record& r = a.record();
  a.clear();
  setText(r, "KONVEZA", form.link);
  if (a.get("KEYIDENTIKATOR") == 0) a.remove();

  a.clear();
  setText(r, "IDENTIFIKATOR", form.identifier);
  setText(r, "VRSUPLA", form.paymentType);
  const std::string_view period = cut(header, "RS3MMGG"), paid = cut(header, "RS3IGMM");
  setText(r, "OBRMJE", period.substr(0, 2));
  setText(r, "OBRGOD", period.substr(2, 4));
  r.setInteger(r.index("BROJOSIG"), numberOf(cut(header, "RS3BROS")));
  const std::string_view mb = cut(header, "RS3MBOO");
  setText(r, "MB01", mb.substr(0, 8));
  setText(r, "MB02", mb.substr(8, 4));
  setText(r, "JMBG", cut(header, "RS3MBGO"));
  setText(r, "NAZIV", cut(header, "RS3NAOB"));
  setText(r, "ADRESA", cut(header, "RS3ADOB"));
  setText(r, "VRSTOBVEZNIKA", cut(header, "RS3VROB"));
  const char* totals[] = {"IZNOS7", "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11"};
  const char* codes[] = {"RS3IBRT", "RS3IOSN", "RS3IST1", "RS3IST2", "RS3INET"};
  for (int k = 0; k < 5; ++k) r.setDecimal(r.index(totals[k]), amountOf(header, codes[k]));
  setText(r, "KONZNAK", submission::groupedControlNumber(number.digits));
  setText(r, "KONVEZA", form.link);
  setText(r, "GODPLA", paid.substr(0, 4));
  setText(r, "MJEPLA", paid.substr(4, 2));
  const int rc = a.add();
  if (rc != 0) reporter.message("Greška kod upisa " + std::string(a.errorText()));
  if (opened) a.close();
  if (rc != 0) return std::nullopt;
  return form.link;
}

std::optional<PageBHeader> preparePageBFromFile(Context& ctx, const std::filesystem::path& file,
                                                RunReporter& reporter) {
  reporter.status("Malo strpljenja. Pripremam B stranice ....");
  Table& osi2 = ctx.table("OSI2");
  const auto prepared = submission::prepareWorkFile(osi2);
  if (!prepared.ok()) {
    reporter.message("Greška kod pražnjenja TBOSIGU1.DAT " + std::string(osi2.errorText()));
    submission::reopenShared(osi2);
    return std::nullopt;
  }
  std::optional<FormOfFile> form;
  PageBHeader header;
  int rows = 0, rc = 0;
  Record& r = osi2.record();
  const bool read = readCopy(ctx, file, reporter, [&](std::string_view line) {
    const char type = line.size() >= submission::kRecordWidth ? line[249] : ' ';
    if (type == '3') {
      form.emplace(line);
      header = {
          .link = form->link,
          .obligorNumber = obligorNumber(cut(line, "RS3MBGO"), cut(line, "RS3MBOO").substr(0, 8),
                                         cut(line, "RS3MBOO").substr(8, 4)),
          .identifier = form->identifier.substr(3, 4)};
    } else if (type == '5' && form) {
      osi2.clear();
      setText(r, "JMBG", cut(line, "RS5MBGO"));
      setText(r, "PREZIME", cut(line, "RS5IMPR"));
      setText(r, "OPCINA", cut(line, "RS5GROP"));
      const std::string_view basis = cut(line, "RS5OSOB"), days = cut(line, "RS5RAZD");
      setText(r, "OSNOVA1", basis.substr(0, 2));
      setText(r, "OSNOVA3", basis.substr(2, 1));
      r.setInteger(r.index("OBRRAZD1"), numberOf(days.substr(0, 2)));
      r.setInteger(r.index("OBRRAZD2"), numberOf(days.substr(2, 2)));
      const char* amounts[] = {"IZNOS7", "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11"};
      const char* codes[] = {"RS5IBRT", "RS5IOSN", "RS5IST1", "RS5IST2", "RS5INET"};
      for (int k = 0; k < 5; ++k) r.setDecimal(r.index(amounts[k]), amountOf(line, codes[k]));
      setText(r, "IDENTIFIKATOR", form->identifier);
      setText(r, "VRSUPL", form->paymentType);
      setText(r, "KONVEZA", form->link);
      ++rows;
      rc = osi2.add();
    } else if (type == '7' && form) {
      return false;
    }
    return rc == 0;
  });
  if (read && rc == 0 && form)
    rc = appendFillerRows(osi2, rows, form->identifier, form->link, PageBOrder::Key);
  if (rc != 0) reporter.message("Greška kod upisa " + std::string(osi2.errorText()));
  submission::reopenShared(osi2);
  if (!read || rc != 0) return std::nullopt;
  if (!form || rows == 0) {
    reporter.message(kNoRecords);
    return std::nullopt;
  }
  reporter.status("Gotova priprema. Ispis...");
  return header;
}

}  // namespace obrazac::prints
