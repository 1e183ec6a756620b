#include "codelists/control_finding.h"

namespace obrazac {

std::string combinationText(const Combination& c) {
  std::string text = "VOB=";
  text.append(c.vob).append(" VOI=").append(c.voi).append(" OO=").append(c.oo);
  return text;
}

std::string controlFinding(std::string_view lead, ControlTail tail, std::string_view rule,
                           const Combination& c) {
  std::string text(lead);
  if (tail == ControlTail::None) return text;
  if (tail != ControlTail::Combination) text += rule;
  if (tail == ControlTail::RuleStopAndCombination) text += '.';
  return text.append(" Provjerite kontrolnu tablicu za ").append(combinationText(c));
}

}  // namespace obrazac
