// obrazac-cli print: any printed report of the program as a PDF file, built by the same builders
// the windows preview and print, with the preview's page list to keep some pages only. The PDF
// is put in place whole or not at all, so no half file ever stands under its name. Exit 0 when
// written, 1 when there is nothing to print, 2 on bad arguments or a file that could not be
// written.
#include <QGuiApplication>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <system_error>

#include "cli/cli_reporter.h"
#include "cli/command.h"
#include "frame/page_list.h"
#include "frame/standard_messages.h"
#include "prints/control_table_report.h"
#include "prints/findings_report.h"
#include "prints/page_a_print.h"
#include "prints/page_b_print.h"
#include "prints/register_prints.h"
#include "prints/submission_file_prints.h"
#include "render/page_painter.h"

namespace obrazac::cli {
namespace {

namespace fs = std::filesystem;
using prints::Pages;

const std::set<std::string, std::less<>> kValueOptions{"--pdf", "--pages", "--link", "--employer",
                                                       "--order"};
const std::set<std::string, std::less<>> kFlags{"--no-hash", "--collective", "--alphabetical",
                                                "--page-a", "--page-b"};

// The words of a print command: the report, its plain arguments, its options and flags.
struct PrintArgs {
  std::vector<std::string> words;
  std::map<std::string, std::string, std::less<>> values;
  std::set<std::string, std::less<>> flags;

  const std::string* value(std::string_view name) const {
    const auto it = values.find(name);
    return it == values.end() ? nullptr : &it->second;
  }
  bool flag(std::string_view name) const { return flags.contains(name); }
};

PrintArgs parse(std::span<const std::string> args) {
  PrintArgs p;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (kValueOptions.contains(a)) {
      if (i + 1 >= args.size()) throw UsageError("nedostaje vrijednost opcije " + a);
      p.values[a] = args[++i];
    } else if (kFlags.contains(a)) {
      p.flags.insert(a);
    } else if (a.starts_with("--")) {
      throw UsageError("nepoznata opcija: '" + a + "'");
    } else {
      p.words.push_back(a);
    }
  }
  if (p.words.empty()) throw UsageError("nedostaje izvještaj");
  return p;
}

// Which options each report takes besides --pdf and --pages.
struct Report {
  std::string_view name;
  std::size_t words;  // plain arguments after the report's name
  std::set<std::string_view> options;
  std::function<Pages(Context&, const PrintArgs&, RunReporter&)> build;
};

std::string required(const PrintArgs& p, std::string_view option) {
  if (const std::string* v = p.value(option)) return *v;
  throw UsageError("nedostaje opcija " + std::string(option));
}

int employerNumber(const PrintArgs& p) {
  const std::string text = required(p, "--employer");
  try {
    std::size_t used = 0;
    const int n = std::stoi(text, &used);
    if (used == text.size() && n > 0) return n;
  } catch (const std::exception&) {
  }
  throw UsageError("--employer: '" + text + "' nije redni broj obveznika");
}

prints::OpcineOrder municipalityOrder(const PrintArgs& p) {
  const std::string* order = p.value("--order");
  if (!order || *order == "number") return prints::OpcineOrder::RunningNumber;
  if (*order == "code") return prints::OpcineOrder::Code;
  if (*order == "name") return prints::OpcineOrder::Name;
  throw UsageError("--order: number, code ili name");
}

Pages submissionFilePages(Context& ctx, const PrintArgs& p, RunReporter& reporter) {
  const bool pageA = p.flag("--page-a"), pageB = p.flag("--page-b");
  if (pageA == pageB) throw UsageError("file: jedna od opcija --page-a ili --page-b");
  const fs::path file = p.words[1];
  if (pageA) {
    const auto link = prints::preparePageAFromFile(ctx, file, reporter);
    return link ? prints::pageAPrint(ctx, *link, prints::PrintFlag::ControlNumber) : Pages();
  }
  const auto header = prints::preparePageBFromFile(ctx, file, reporter);
  return header ? prints::pageBPrint(ctx, *header, prints::PageBOrder::Key) : Pages();
}

const std::vector<Report>& reports() {
  static const SystemClock clock;
  static const std::vector<Report> all{
      {"page-a",
       0,
       {"--link", "--no-hash", "--collective"},
       [](Context& ctx, const PrintArgs& p, RunReporter&) {
         const auto flag =
             p.flag("--no-hash") ? prints::PrintFlag::PageCount : prints::PrintFlag::ControlNumber;
         if (p.flag("--collective")) {
           if (p.value("--link")) throw UsageError("page-a: --link ili --collective, ne oboje");
           return prints::pageAPrintCollective(ctx, flag);
         }
         return prints::pageAPrint(ctx, required(p, "--link"), flag);
       }},
      {"page-b",
       0,
       {"--link", "--alphabetical"},
       [](Context& ctx, const PrintArgs& p, RunReporter&) {
         return prints::pageBPrintOfForm(
             ctx, required(p, "--link"),
             p.flag("--alphabetical") ? prints::PageBOrder::Alphabetical : prints::PageBOrder::Key);
       }},
      {"file", 1, {"--page-a", "--page-b"}, submissionFilePages},
      {"findings",
       0,
       {},
       [](Context& ctx, const PrintArgs&, RunReporter&) { return prints::findingsReport(ctx); }},
      {"controls",
       0,
       {},
       [](Context& ctx, const PrintArgs&, RunReporter& r) {
         return prints::controlTableReport(ctx, r);
       }},
      {"obligors",
       0,
       {},
       [](Context& ctx, const PrintArgs&, RunReporter&) {
         return prints::printPoslodavci(ctx, clock);
       }},
      {"employees",
       0,
       {"--employer"},
       [](Context& ctx, const PrintArgs& p, RunReporter&) {
         return prints::printOsiguranici(ctx, employerNumber(p), clock);
       }},
      {"kinds-of-obligor",
       0,
       {},
       [](Context& ctx, const PrintArgs&, RunReporter&) {
         return prints::printVrsteObveznika(ctx, clock);
       }},
      {"kinds-of-calculation",
       0,
       {},
       [](Context& ctx, const PrintArgs&, RunReporter&) {
         return prints::printVrsteUplata(ctx, clock);
       }},
      {"bases",
       0,
       {},
       [](Context& ctx, const PrintArgs&, RunReporter&) {
         return prints::printOsnovOsiguranja(ctx, clock);
       }},
      {"increased-duration",
       0,
       {},
       [](Context& ctx, const PrintArgs&, RunReporter&) { return prints::printStaza(ctx, clock); }},
      {"rates",
       0,
       {},
       [](Context& ctx, const PrintArgs&, RunReporter&) {
         return prints::printObracunskiKoeficijenti(ctx);
       }},
      {"municipalities",
       0,
       {"--order"},
       [](Context& ctx, const PrintArgs& p, RunReporter&) {
         return prints::printOpcine(ctx, municipalityOrder(p), clock);
       }},
  };
  return all;
}

const Report& reportOf(const PrintArgs& p) {
  for (const Report& r : reports()) {
    if (r.name != p.words[0]) continue;
    if (p.words.size() != r.words + 1)
      throw UsageError(std::string(r.name) + (r.words ? ": nedostaje datoteka ili je višak riječi"
                                                      : ": višak riječi '" + p.words[1] + "'"));
    for (const auto& [name, value] : p.values)
      if (name != "--pdf" && name != "--pages" && !r.options.contains(name))
        throw UsageError(std::string(r.name) + " ne prima opciju " + name);
    for (const auto& name : p.flags)
      if (!r.options.contains(name))
        throw UsageError(std::string(r.name) + " ne prima opciju " + name);
    return r;
  }
  throw UsageError("nepoznat izvještaj: '" + p.words[0] + "'");
}

// The renderer draws text with the platform's fonts: a GUI application is needed, offscreen
// where there is no display.
std::unique_ptr<QGuiApplication> guiApplication() {
  if (QGuiApplication::instance()) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "obrazac-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

std::string_view printUsage() {
  return "print IZVJEŠTAJ [opcije] --pdf IZLAZ.pdf [--pages POPIS]   izvještaj u PDF datoteku\n"
         "  izvještaji:\n"
         "    page-a --link KONVEZA [--no-hash]   strana A obrasca (--no-hash: broj stranica B\n"
         "                                        umjesto kontrolnog broja)\n"
         "    page-a --collective [--no-hash]     strane A zbirne datoteke\n"
         "    page-b --link KONVEZA [--alphabetical]   strane B obrasca\n"
         "    file DATOTEKA --page-a | --page-b   strana A ili B datoteke za VELOR\n"
         "    findings                            izvješće o greškama formalne kontrole\n"
         "    controls                            vezne kontrole (i tekst TEXTSIF.TXT)\n"
         "    obligors                            obveznici\n"
         "    employees --employer N              zaposleni obveznika N\n"
         "    kinds-of-obligor                    vrste obveznika\n"
         "    kinds-of-calculation                vrste obračuna/ispravka\n"
         "    bases                               osnove osiguranja\n"
         "    increased-duration                  staž s povećanim trajanjem\n"
         "    rates                               stope doprinosa\n"
         "    municipalities [--order number|code|name]   općine\n"
         "  --pages: stranice za ispis, npr. 1-3,5 (ostale se ne ispisuju)";
}

int runPrint(const Invocation& inv) {
  const PrintArgs args = parse(inv.args);
  const Report& report = reportOf(args);
  const fs::path out = required(args, "--pdf");
  if (out.filename().empty()) throw UsageError("--pdf: nije ime datoteke");

  const auto app = guiApplication();
  Context ctx(inv.workDir);
  CliReporter reporter(inv.err);
  Pages pages = report.build(ctx, args, reporter);
  ctx.closeAll();
  if (pages.empty()) {
    // A run that said why it has nothing to print is not told over again.
    if (reporter.messages() == 0) inv.err << showMessage(22, {}).text << "\n";
    return 1;
  }
  if (const std::string* list = args.value("--pages")) {
    Pages kept;
    for (const int p : pagesToPrint(*list, static_cast<int>(pages.size())))
      kept.push_back(std::move(pages[static_cast<std::size_t>(p - 1)]));
    if (kept.empty()) {
      inv.err << "Popis stranica '" << *list << "' ne odabire nijednu od " << pages.size()
              << " stranica izvještaja.\n";
      return 1;
    }
    pages = std::move(kept);
  }
  if (const QString failed = render::writePdf(pages, QString::fromStdString(out.string()));
      !failed.isEmpty()) {
    inv.err << "PDF datoteka " << out.string() << " nije zapisana: " << failed.toStdString()
            << "\n";
    return 2;
  }
  inv.err << "Zapisano stranica: " << pages.size() << " u " << out.string() << "\n";
  return 0;
}

}  // namespace obrazac::cli
