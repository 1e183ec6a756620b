#include "app/working_folder_check.h"

#include "app/application_parameters.h"
#include "data/codepage.h"
#include "data/fixed_width.h"
#include "data/record_manager.h"

namespace obrazac {

std::string foreignFoldersQuestion(Context& ctx, const std::filesystem::path& workDir) {
  if (readParameters(ctx) != 0) return {};
  const Record& apl = ctx.table("APL").record();
  if (parametersNameThisFolder(apl, workDir)) return {};
  std::error_code ec;
  return "Radna mapa u aplikacijskim parametrima je " +
         utf8FromCp1250(clipRight(apl.text(apl.index("RADDIR")))) + ", a program radi u mapi " +
         std::filesystem::absolute(workDir, ec).string() +
         ". Datoteke bi se zapisivale u staru mapu.\nPostaviti radnu, ulaznu i izlaznu mapu na "
         "ovu mapu?";
}

Status moveParameterFoldersHere(Context& ctx, const std::filesystem::path& workDir) {
  RecordManager m(ctx, "APL");
  if (const int rc = m.open()) return Status::store(rc, m.table().decl().file);
  m.record().clear();
  m.record().setInteger(m.record().index("RB"), 1);
  m.table().watch();
  if (const int rc = m.table().get("KEYRB")) return Status::store(rc, "aplikacijski parametri");
  setFoldersTo(m.record(), workDir);
  const SaveResult saved = m.update();
  return saved.ok() ? Status() : saved.status;
}

}  // namespace obrazac
