#include "frame/save_message.h"

#include <string>

namespace obrazac {

StandardMessageCall saveMessage(const SaveResult& result, int storeMessage, bool previousValueKey) {
  StandardMessageCall call;
  MessageValues& v = call.values;
  v.file = result.status.what();
  v.errorCode = result.status.code();
  v.driverError = result.status.driverText();
  if (!v.driverError.empty()) v.driverCode = std::to_string(v.errorCode);
  switch (result.outcome) {
    case SaveOutcome::Ok:
      break;
    case SaveOutcome::FieldRule:
      call.id = 16;
      if (result.rule) {
        v.field = result.rule->label;
        v.message = std::to_string(result.rule->low) + " and " + std::to_string(result.rule->high);
      }
      break;
    case SaveOutcome::DuplicateKey:
      call.id = 13;
      v.message = result.keyDescription;
      break;
    case SaveOutcome::AutoNumberFailed:
      call.id = 32;
      break;
    case SaveOutcome::RecordChanged:
      call.id = previousValueKey ? 7 : 6;
      break;
    case SaveOutcome::Restricted:
      call.id = 30;
      break;
    case SaveOutcome::StoreError:
      call.id = storeMessage;
      break;
  }
  return call;
}

}  // namespace obrazac
