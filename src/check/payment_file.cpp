#include "check/payment_file.h"

#include "data/field_value.h"
#include "data/fixed_width.h"

namespace obrazac::check {

PaymentFileReader::PaymentFileReader(Table& copy) : file_(dynamic_cast<TextTable&>(copy)) {}

Status PaymentFileReader::checkLineEnds() {
  file_.setPhysical();
  do {
    while (file_.next() == 0) {
      const auto& shape = file_.lineShape();
      if (shape.bareCR)
        return Status::refused("Ulazna datoteka nema krajeve redaka CR LF (redak " +
                               std::to_string(shape.number) +
                               " sadrži CR bez LF); podaci nisu preuzeti");
    }
  } while (file_.stepOverEndMark());
  if (file_.error() != err::kRecordNotAvailable)
    return Status::store(file_.error(), file_.file().filename().string());
  return {};
}

bool PaymentFileReader::next(PaymentLine& line) {
  if (!started_) {
    file_.setPhysical();
    started_ = true;
  }
  for (;;) {
    if (file_.next() != 0) {
      if (file_.error() == err::kRecordNotAvailable && file_.stepOverEndMark()) continue;
      if (file_.error() != err::kRecordNotAvailable) error_ = file_.error();
      return false;
    }
    const auto& shape = file_.lineShape();
    if (shape.pastEndMark && isBlank(file_.lineOf(file_.record()))) continue;
    readPaymentLine(file_.record(), line);
    const std::string number = std::to_string(shape.number);
    if (shape.pastEndMark)
      fault_ = "Redak " + number + " stoji iza oznake kraja datoteke (Ctrl-Z) i nije pročitan";
    else if (shape.length > static_cast<std::int64_t>(kPaymentLineWidth))
      fault_ = "Redak " + number + " je dulji od 194 znaka (duljina " +
               std::to_string(shape.length) + "); višak nije pročitan";
    else if (auto unfit = recordBytesError(file_.record()))
      fault_ = std::move(*unfit);
    else
      fault_.clear();
    controlByte_ = !fault_.empty() && !shape.pastEndMark &&
                   shape.length <= static_cast<std::int64_t>(kPaymentLineWidth);
    return true;
  }
}

}  // namespace obrazac::check
