// A small sample installation for trying the program and for the demonstration: code lists with
// invented but plausible entries, a control table with its tree, contribution rates, the
// official list of municipalities, the parameter record with its folders inside the working
// folder, and three obligors (a legal person, a natural person and an obligor of kind "31")
// with employees and their monthly rows for one month, the first also as a payment file. Every name
// in it says it is a sample.
#pragma once

#include <filesystem>
#include <string>

#include "data/context.h"
#include "data/status.h"
#include "form/sending_header.h"

namespace obrazac {

// The month the sample's monthly rows are for, and the month their salaries were paid.
inline constexpr int kSampleYear = 2025;
inline constexpr int kSampleMonth = 11;
inline constexpr int kSamplePaymentYear = 2025;
inline constexpr int kSamplePaymentMonth = 12;

// The payment file of the first obligor's sample month in the input folder, as a payroll
// program delivers it for the input check and the takeover.
inline constexpr const char* kSamplePaymentFile = "PLACE.TXT";

// The first obligor's employees for the month after the sample month in the input folder, as a
// spreadsheet exports them for "employee import" (UTF-8 CSV, a header row of the column names);
// the pillar amounts of some rows are left empty for the rates to propose.
inline constexpr const char* kSampleEmployeesFile = "ZAPOSLENI.CSV";

// The header of a single sending of the sample month: days 1 to 30, payment type "01", paid in
// the sample payment month, sent on 15.12.2025, form 1 of the obligor. The obligor's kind is
// left for the choice of the obligor to fill in.
form::SendingHeader sampleMonthHeader(int employer);

// Creates every table file of a fresh installation, empty. A failure names the file that could
// not be created.
Status createInstallationTables(Context& ctx);

struct SampleSummary {
  int municipalities = 0;
  int obligors = 0;
  int employees = 0;    // different persons
  int monthlyRows = 0;  // rows of TBZAPOSL.DAT
  Status status;
};

// Fills the tables of the context's working folder (which should be new) with the sample and
// creates its input and output folders.
SampleSummary buildSampleInstallation(Context& ctx, const std::filesystem::path& municipalityList);

// A personal number with a valid check digit: birth date, two digits of the register region and
// a serial, which moves on while the check digit does not exist for it.
std::string sampleJmbg(int day, int month, int year, int region, int serial);

// A registration number of a legal person: seven digits and a valid check digit; the number
// moves on while the check digit does not exist for it.
std::string sampleMB(int firstSevenDigits);

}  // namespace obrazac
