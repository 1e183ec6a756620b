#include "codelists/ui/code_drop_list.h"

#include <QComboBox>

#include "frame/ui/update_form.h"

namespace obrazac::ui {

void fillCodeDropList(QComboBox& combo, Table& codes, bool withBlank) {
  combo.clear();
  combo.setMaxVisibleItems(16);
  if (withBlank) combo.addItem(QString(), QString());
  const Record kept = codes.record();
  const Record& r = codes.record();
  const int code = r.index("SIFRA"), name = r.index("SKROPIS");
  codes.clear();
  if (codes.set("KEYSIFRA") == 0) {
    while (codes.next() == 0) {
      const QString c = fieldText(r, code);
      combo.addItem(c + "  " + fieldText(r, name), c);
    }
  }
  codes.record() = kept;
}

}  // namespace obrazac::ui
