// How a finding about the control table ends: the rule a value broke and the combination of
// kind of obligor, kind of calculation and basis whose row the user should look at, as in
// "... mora biti >0. Provjerite kontrolnu tablicu za VOB=01 VOI=01 OO=01". The checks of monthly
// data, of payment lines and of submission files word these endings alike.
#pragma once

#include <string>
#include <string_view>

namespace obrazac {

// The codes of a combination as the finding shows them. The fixed words are plain ASCII, so the
// text comes out in the code page of the codes and the lead (Windows-1250 or UTF-8).
struct Combination {
  std::string_view vob, voi, oo;
};

// "VOB=01 VOI=01 OO=01".
std::string combinationText(const Combination& c);

enum class ControlTail {
  None,                    // the lead alone
  Combination,             // the lead and " Provjerite kontrolnu tablicu za VOB=.. VOI=.. OO=.."
  RuleAndCombination,      // the lead, the rule and the combination
  RuleStopAndCombination,  // the lead, the rule, a full stop and the combination
};

// The lead of a finding followed by its tail; `rule` is the rule as findings quote it (">=0").
std::string controlFinding(std::string_view lead, ControlTail tail, std::string_view rule,
                           const Combination& c);

}  // namespace obrazac
