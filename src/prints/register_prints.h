// The prints of the register and the code lists: the obligors, the employees of one obligor
// with their monthly amounts, the four code lists with their wrapped descriptions, the
// contribution rates and the municipalities in three orders. Each walks one table in one order
// and prints one detail band per record; the clock gives the date and time of the page footer.
// An empty table gives no pages. Each is a RecordReport a window's paced walk fills, and a
// print* call that builds it at once.
#pragma once

#include <memory>

#include "data/context.h"
#include "data/date.h"
#include "prints/page.h"
#include "prints/record_report.h"

namespace obrazac::prints {

std::unique_ptr<RecordReport> poslodavciReport(const Clock& clock);
Pages printPoslodavci(Context& ctx, const Clock& clock);

// The obligor with the running number `firma` and its employees; no employees, no pages. The
// report reads the obligor at once: none when there is no such obligor.
std::unique_ptr<RecordReport> osiguraniciReport(Context& ctx, int firma, const Clock& clock);
Pages printOsiguranici(Context& ctx, int firma, const Clock& clock);

std::unique_ptr<RecordReport> vrsteUplataReport(const Clock& clock);
std::unique_ptr<RecordReport> vrsteObveznikaReport(const Clock& clock);
std::unique_ptr<RecordReport> osnovOsiguranjaReport(const Clock& clock);
std::unique_ptr<RecordReport> stazaReport(const Clock& clock);
Pages printVrsteUplata(Context& ctx, const Clock& clock);
Pages printVrsteObveznika(Context& ctx, const Clock& clock);
Pages printOsnovOsiguranja(Context& ctx, const Clock& clock);
Pages printStaza(Context& ctx, const Clock& clock);

std::unique_ptr<RecordReport> obracunskiKoeficijentiReport();
Pages printObracunskiKoeficijenti(Context& ctx);

// PrintOpcine1, PrintOpcine2 and PrintOpcine3: by running number, by code, by name.
enum class OpcineOrder { RunningNumber, Code, Name };
std::unique_ptr<RecordReport> opcineReport(OpcineOrder order, const Clock& clock);
Pages printOpcine(Context& ctx, OpcineOrder order, const Clock& clock);

// The period of a monthly row as the list of employees prints it: "01.03.2005. - 31.03.2005.".
std::string periodText(int firstDay, int lastDay, int month, int year);

}  // namespace obrazac::prints
