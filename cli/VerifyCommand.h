#pragma once

#include "Subcommand.h"
#include "verify/Certificate.h"
#include "verify/ReportNumbers.h"

#include <optional>
#include <string>
#include <vector>

namespace ortavel {
class SettingsStore;
}

namespace ortavel::cli {

// `verify ADDR [...]`: one verification run, read only. The operator types
// the reference reading of each point (or gives them all with
// --reference-values); the run's table, verdict and hysteresis go to stdout,
// the certificate to --csv and --pdf. With --as-found it is the as-left run
// of that earlier run. Exit 0 PASS, 1 FAIL or INCOMPLETE.
class VerifyCommand final : public Subcommand {
public:
    bool parse(const std::vector<std::string> &args, const CommonOptions &options, std::string &error) override;
    int run(Bus &bus, const CommonOptions &options) override;

    // True when the arguments ask for a PDF: the program then needs fonts.
    static bool wantsPdf(const std::vector<std::string> &args);

private:
    bool takeRun(Bus &bus, verify::Run &run);
    // The reference as typed, empty for the nominal; nothing when the input ended.
    std::optional<std::string> referenceFor(int index, const verify::Point &point, const verify::Range &range);
    // A prompt to stderr, then Enter; with every reference given beforehand it goes on at once. False when the
    // input ended.
    bool confirmStep(const std::string &prompt) const;
    // The dwell before a reading; false when Ctrl-C stopped it.
    bool dwell(Bus &bus) const;
    void print(const verify::RunSheet &sheet, const CommonOptions &options,
               const std::optional<verify::ReportNumber> &number) const;
    // The next number of the history's, else this computer's, counter.
    std::optional<verify::ReportNumber> reportNumber(SettingsStore &settings, const CommonOptions &options,
                                                     std::string &error) const;
    // The files written go to `files`.
    bool writeOutputs(const verify::Certificate &certificate, std::vector<std::string> &files) const;

    std::string m_address;
    verify::Plan m_plan;
    std::vector<std::string> m_references;
    bool m_acceptOverdue = false;
    std::vector<std::optional<double>> m_currents;
    std::optional<std::string> m_prefix;
    std::optional<verify::Range> m_typedRange;
    std::optional<verify::RunSheet> m_asFound;
    bool m_asLeft = false;
    std::string m_csv;
    std::string m_pdf;
};

} // namespace ortavel::cli
