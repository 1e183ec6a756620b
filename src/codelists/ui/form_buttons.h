// The buttons at the foot of every code-list form: save, close without changes, help.
#pragma once

#include "frame/ui/control_description.h"

namespace obrazac::ui {

constexpr ControlDescription formSaveButton(int id) {
  return {.kind = ControlKind::Button,
          .id = id,
          .prompt = "Spremi",
          .tip = "Spremanje promjena u bazu ",
          .role = ButtonRole::Ok,
          .pushRight = true};
}

constexpr ControlDescription formCancelButton(int id) {
  return {.kind = ControlKind::Button,
          .id = id,
          .prompt = "Odustani",
          .tip = "Zatvori prozor bez promjena",
          .role = ButtonRole::Cancel};
}

constexpr ControlDescription formHelpButton(int id) {
  return {.kind = ControlKind::Button,
          .id = id,
          .prompt = "Upute",
          .tip = "Upute za rad",
          .role = ButtonRole::Help};
}

}  // namespace obrazac::ui
