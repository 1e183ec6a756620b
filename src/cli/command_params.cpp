// obrazac-cli params: the installation's parameter record, shown as one line; with FIELD=VALUE
// words, changed and stored after the checks of the parameter form, or refused with the form's
// message. Record 1 is made with the defaults of a new installation when it is missing. A folder
// given that does not exist is stored with a warning.
#include <ostream>

#include "app/application_parameters.h"
#include "app/parameter_checks.h"
#include "app/parameter_folders.h"
#include "cli/command.h"
#include "cli/record_text.h"
#include "data/record_manager.h"
#include "data/status.h"

namespace obrazac::cli {
namespace {

int storeError(const Invocation& inv, int code) {
  inv.err << Status::store(code, "APLPARAM.DAT").text() << "\n";
  return 1;
}

}  // namespace

int runParams(const Invocation& inv) {
  for (const auto& word : inv.args) {
    const auto name = word.substr(0, word.find('='));
    if (name == "RB" || name == "APL:RB") throw UsageError("APL:RB je uvijek 1");
  }
  Context ctx(inv.workDir);
  if (const int rc = ensureParameterRecord(ctx)) return storeError(inv, rc);
  RecordManager m(ctx, "APL");
  Record& apl = m.record();
  if (inv.args.empty()) {
    inv.out << recordLine(apl) << "\n";
    return 0;
  }
  // Read again under watch, so a change by another station is noticed rather than overwritten.
  apl.clear();
  apl.setInteger(apl.index("RB"), 1);
  m.table().watch();
  if (const int rc = m.table().get("KEYRB")) return storeError(inv, rc);
  assignFields(apl, inv.args);
  if (const CheckResult refused = checkParameterSave(apl)) {
    inv.err << refused->message << "\n";
    return 1;
  }
  const SaveResult saved = m.update();
  if (!saved.ok()) {
    const int code = saved.status.code();
    return storeError(inv, code ? code : err::kFileSystemError);
  }
  inv.out << "Spremljeno: " << recordLine(apl) << "\n";
  // A folder that does not exist is stored as given, with a warning for each one given.
  for (const char* folder : kParameterFolders)
    for (const auto& word : inv.args)
      if (word.starts_with(std::string(folder) + "=") ||
          word.starts_with("APL:" + std::string(folder) + "="))
        if (const auto warning = missingFolderWarning(apl, folder, inv.workDir); !warning.empty())
          inv.err << warning << "\n";
  return 0;
}

}  // namespace obrazac::cli
