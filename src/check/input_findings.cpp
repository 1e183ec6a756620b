#include "check/input_findings.h"

namespace obrazac::check {

void fillFindingRow(Record& gre, const PaymentLine& line, std::string_view messageUtf8,
                    int number) {
  gre.clear();
  auto text = [&gre](const char* field, std::string_view value) {
    gre.setText(gre.index(field), value);
  };
  gre.setInteger(gre.index("RB"), number);
  gre.setInteger(gre.index("TIP"), 0);
  gre.setTextFromUtf8(gre.index("OPIS"), messageUtf8);
  text("MB", line.mb);
  text("MB2", line.mb2);
  text("VRSOBV", line.vrsobv);
  text("VRSTAUPLA", line.vrstaupla);
  text("IDENTIFIKATOR", line.identifikator);
  text("GODOBRA", line.godobra);
  text("OBRMJE", line.obrmje);
  text("OBRRAZD1", line.obrrazd1);
  text("OBRRAZD2", line.obrrazd2);
  text("JMBG", line.jmbg);
  text("PREZIME", line.prezime);
  text("OPCINA", line.opcina);
  text("CLANDN", line.clandn);
  text("OSNOVA1", line.osnova1);
  text("OSNOVA3", line.osnova3);
  text("IZNOS7", line.amountField(7));
  text("IZNOS8", line.amountField(8));
  text("IZNOS9", line.amountField(9));
  text("IZNOS10", line.amountField(10));
  text("IZNOS11", line.amountField(11));
}

int appendFinding(Table& gre, const PaymentLine& line, std::string_view messageUtf8, int number) {
  fillFindingRow(gre.record(), line, messageUtf8, number);
  return gre.append();
}

}  // namespace obrazac::check
