#include "prints/record_report.h"

#include "prints/table_scan.h"

namespace obrazac::prints {

Pages buildReport(Context& ctx, RecordReport& report) {
  scanTable(
      ctx, report.prefix(), report.key(),
      [&](const Record& r) {
        if (!report.inRange(r)) return false;
        report.add(r);
        return true;
      },
      [&](Record& r) { report.start(r); });
  return report.finish();
}

}  // namespace obrazac::prints
