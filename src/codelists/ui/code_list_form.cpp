#include "codelists/ui/code_list_form.h"

#include "codelists/code_uses.h"

namespace obrazac::ui {

QString CodeListForm::deleteQuestion() {
  const std::string code(record().text(record().index("SIFRA")));
  const auto uses = codeUses(thread().context(), primary().table().decl().prefix, code);
  return QString::fromStdString(codeInUseQuestion(code, uses));
}

}  // namespace obrazac::ui
