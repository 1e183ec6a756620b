// The copy of a produced file to removable media, in the three variants the sending windows
// open: after a successful processing run (KopiranjeDatoteke), after the collective assembly
// (KopiranjeHASH) and from "Prijepis file-a" (KopiDat). Each tells what was made, proposes a
// target the user may change, and copies over an old file of that name on "Kopiraj datoteku";
// a failed copy is told once and the dialog closes either way. Each keeps its own place.
#pragma once

#include <filesystem>
#include <string>

#include "frame/ui/procedure_window.h"

namespace obrazac::ui {

class CopyDialog final : public ProcedureWindow {
  Q_OBJECT

 public:
  enum class Variant { OneObligor, Collective, Transcript };
  enum Control {
    kLine1 = 1,
    kLine2 = 2,
    kLine3 = 3,
    kLine4 = 4,
    kTarget = 5,
    kChoose = 6,
    kKopiraj = 7,
    kOdustani = 8,
  };

  CopyDialog(Desktop& desktop, std::shared_ptr<ProcedureThread> thread, Variant variant,
             std::filesystem::path file);

  Variant variant() const { return variant_; }
  // The text lines as shown (UTF-8), empty lines included.
  QStringList lines() const;

 protected:
  void declare() override;
  std::optional<FieldRef> stateField(std::string_view name) override;
  int takeAccepted(int control) override;

 private:
  void copy();
  void choose();

  Variant variant_;
  std::filesystem::path file_;
  std::string line_[4];  // Windows-1250, as the displays show them
  std::string target_;   // "Ime izlazne datoteke-file"
};

}  // namespace obrazac::ui
