#include "frame/standard_messages.h"

#include <array>

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "data/store_error.h"

namespace obrazac {
namespace {

using L = MessageLevel;

constexpr std::array<StandardMessage, 39> kMessages{{
    {27, L::Notice, "Invalid Key", "%File key file is invalid. Key must be rebuilt."},
    {26, L::Fatal, "Key was not built", "Error: (%ErrorText) repairing key for %File."},
    {10, L::Fatal, "File Creation Error", "Error: (%ErrorText) creating %File."},
    {24, L::Notice, "Procedure not defined", "The Procedure %Message has not been defined."},
    {17, L::Notice, "Range Error", "The value of %Field must be lower than %Message."},
    {18, L::Notice, "Range Error", "The value of %Field must be higher than %Message."},
    {16, L::Notice, "Range Error", "The value of %Field must be between %Message."},
    {14, L::Notice, "Field contents error",
     "The value of %Field must be found in the %Message file."},
    {31, L::Notice, "Referential Integrity Update Error",
     "This record is referenced from the file %File. Linking field(s) have been restricted from "
     "change and have been reset to original values."},
    {30, L::Notice, "Referential Integrity Delete Error",
     "This record is referenced from the file %File. This record cannot be deleted while these "
     "references exist."},
    {4, L::Notice, "Record Insert Error",
     "An error was experienced during the creation of a record. Error: %ErrorText."},
    {6, L::Notice, "Record Was Not Updated", "This record was changed by another station."},
    {7, L::Notice, "Record Was Not Updated",
     "This record was changed by another station. Those changes will now be displayed. Use the "
     "Ditto Button or Ctrl+' to recall your changes."},
    {34, L::Question, "Record Update Error",
     "An error was experienced changing this record. Do you want to try to save again?"},
    {33, L::Question, "Record Delete Error",
     "An error was experienced deleting this record. Do you want to try to delete it again?"},
    {20, L::Notice, "Invalid Request", "This form cannot be used to insert a record"},
    {38, L::Notice, "Invalid Request", "This form cannot be used to update a record"},
    {12, L::Notice, "Invalid Request", "This form cannot be used to delete a record"},
    {8, L::Question, "Changes will be lost!", "Are you sure you want to cancel?"},
    {13, L::Notice, "Duplicate Key Error",
     "Adding this record creates a duplicate entry for the key: %Message "},
    {32, L::Question, "Auto Increment Error",
     "Attempts to automatically number this record have failed.  Error: %ErrorText. Try Again?"},
    {19, L::Notice, "File Load Error", "%File File Load Error.  Error: %ErrorText."},
    {36, L::Question, "Beginning of File Error",
     "The beginning of the file was encountered. Do you want to start again from the end of the "
     "file?"},
    {37, L::Question, "End of File Error",
     "The end of the file was encountered. Do you want to start again from the beginning?"},
    {23, L::Fatal, "File Access Error", "File (%File) could not be opened.  Error: %ErrorText."},
    {25, L::Notice, "Record was not updated",
     "An error (%ErrorText) was experienced when making changes to the %File file."},
    {11, L::Notice, "Record was not deleted",
     "An error (%ErrorText) was experienced when deleting a record from the %File file."},
    {9, L::Question, "Confirm Delete", "Are you sure you want to delete the highlighted record?"},
    {35, L::Question, "Save Record", "Do you want to save the changes to this record?"},
    {21, L::Notice, "Transaction cancelled",
     "Error: (%ErrorText) attempting to frame the transaction on %File."},
    {1, L::Notice, "Record Retrieval Error",
     "Error: (%ErrorText) attempting to access a record from the %File file.  Returning to "
     "previous window."},
    {40, L::Notice, "View Open Error",
     "Error: (%ErrorText) attempting to open the current VIEW. Filter and Range Limits ignored."},
    {3, L::Question, "Record Added",
     "This record has been added to the file. Do you want to add another record?"},
    {28, L::Notice, "Record not read",
     "A record held by another station was encountered reading from the %File file."},
    {5, L::Notice, "Dodati podatak?", "Upisali ste podatak koji ne postoji. Želite li ga dodati?"},
    {15, L::Notice, "Value Error", "The value of %Field must be in the list : %Message."},
    {22, L::Notice, "No Records", "There are no records available to process."},
    {2, L::Notice, "Access Denied", "Could not get write access to %File so trying read-only."},
    {39, L::ProgramError, "File Usage Error", "Attempt to use file (%File) before it was opened"},
}};

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

}  // namespace

const StandardMessage* standardMessage(int id) {
  // Searched from the end, so an entry added later under the same number would win.
  for (auto it = kMessages.rbegin(); it != kMessages.rend(); ++it)
    if (it->id == id) return &*it;
  return nullptr;
}

std::string expandMessage(std::string_view text, const MessageValues& v) {
  const std::string error(storeErrorText(v.errorCode));
  const std::string errorText =
      v.errorCode == err::kFileSystemError
          ? utf8FromCp1250(v.driverError) + " (" + utf8FromCp1250(v.driverCode) + ")"
          : error + " (" + std::to_string(v.errorCode) + ")";
  // Every placeholder that begins like a shorter one is replaced before it (%FileError before
  // %File, %ErrorText before %Error), so no name is cut in half.
  std::string out(text);
  replaceAll(out, "%FileErrorCode", utf8FromCp1250(v.driverCode));
  replaceAll(out, "%FileError", utf8FromCp1250(v.driverError));
  replaceAll(out, "%File", utf8FromCp1250(clipRight(v.file)));
  replaceAll(out, "%ErrorCode", std::to_string(v.errorCode));
  replaceAll(out, "%ErrorText", errorText);
  replaceAll(out, "%Error", error);
  replaceAll(out, "%Message", utf8FromCp1250(v.message));
  replaceAll(out, "%Field", utf8FromCp1250(v.field));
  replaceAll(out, "%Previous", utf8FromCp1250(v.previous));
  return out;
}

ShownMessage showMessage(int id, const MessageValues& values) {
  const StandardMessage* m = standardMessage(id);
  if (!m) return {"", ""};
  return {std::string(m->title), expandMessage(m->text, values)};
}

}  // namespace obrazac
