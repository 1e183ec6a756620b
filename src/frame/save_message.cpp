#include "frame/save_message.h"

#include <string>

namespace obrazac {

StandardMessageCall saveMessage(const SaveResult& result, int storeMessage, bool previousValueKey) {
  StandardMessageCall call;
  MessageValues& v = call.values;
  v.file = result.file;
  v.errorCode = result.storeError;
  v.driverError = result.driverError;
  if (!result.driverError.empty()) v.driverCode = std::to_string(result.storeError);
  switch (result.status) {
    case SaveStatus::Ok:
      break;
    case SaveStatus::FieldRule:
      call.id = 16;
      if (result.rule) {
        v.field = result.rule->label;
        v.message = std::to_string(result.rule->low) + " and " + std::to_string(result.rule->high);
      }
      break;
    case SaveStatus::DuplicateKey:
      call.id = 13;
      v.message = result.keyDescription;
      break;
    case SaveStatus::AutoNumberFailed:
      call.id = 32;
      break;
    case SaveStatus::RecordChanged:
      call.id = previousValueKey ? 7 : 6;
      break;
    case SaveStatus::Restricted:
      call.id = 30;
      break;
    case SaveStatus::StoreError:
      call.id = storeMessage;
      break;
  }
  return call;
}

}  // namespace obrazac
