#include "FrmVerify.h"

#include "controls/MessageBox.h"
#include "history/OperatorName.h"
#include "link/Commands.h"
#include "link/Numbers.h"
#include "mainwin/Ortavel.h"

namespace ortavel {

namespace {

constexpr const char *kTitle = "Verification";
constexpr const char *kApplication = "Ortavel";
constexpr const char *kSection = "Verification";

// The report's own fields kept for the next report, by settings key.
struct KeptField {
    const char *key;
    TextBox FrmVerify::*box;
};
constexpr KeptField kKeptFields[] = {{"Organisation", &FrmVerify::txtOrganisation},
                                     {"OrganisationAddress", &FrmVerify::txtAddress},
                                     {"ReportPrefix", &FrmVerify::txtPrefix},
                                     {"Place", &FrmVerify::txtPlace}};

// Three texts separated by commas, any of them empty.
std::vector<std::string> ambientParts(const std::string &text)
{
    std::vector<std::string> parts(3);
    std::size_t start = 0;
    for (std::size_t i = 0; i < 3 && start <= text.size(); ++i) {
        const std::size_t comma = i == 2 ? text.size() : std::min(text.find(',', start), text.size());
        std::string part = text.substr(start, comma - start);
        part.erase(0, part.find_first_not_of(' '));
        part.erase(part.find_last_not_of(' ') + 1);
        parts[i] = part;
        start = comma + 1;
    }
    return parts;
}

} // namespace

FrmVerify::FrmVerify(Ortavel &main) : Form("Verification", "Verification"), m_main(main)
{
    for (Control *control : std::initializer_list<Control *>{
             &lblPoints,     &txtPoints,     &chkUpDown,     &lblTolerance, &txtTolerance,   &lblSamples,
             &txtSamples,    &lblRange,      &txtRangeLow,   &txtRangeHigh, &lblOperator,    &txtOperator,
             &lblInstrument, &txtInstrument, &lblSerial,     &txtSerial,    &lblCertificate, &txtCertificate,
             &lblDue,        &txtDue,        &lblNote,       &txtNote,      &chkAsLeftOnly,  &cmdStart,
             &lblPoint,      &lblReference,  &txtReference,  &cmdTake,      &cmdRepeat,      &cmdSkip,
             &lblProgress,   &lblVerdict,    &lblHysteresis, &lblAsFound,   &cmdSavePdf,     &cmdSaveCsv,
             &tmrSample})
        add(*control);
    for (const auto rule :
         {verify::DecisionRule::Simple, verify::DecisionRule::Guarded, verify::DecisionRule::Conditional})
        cmbDecision.addItem(std::string(verify::decisionRuleName(rule)), static_cast<int>(rule));
    cmbDecision.setSelectedIndex(0);
    cmdStart.onClick = [this] { cmdStart_Click(); };
    cmdTake.onClick = [this] { cmdTake_Click(); };
    cmdRepeat.onClick = [this] { cmdRepeat_Click(); };
    cmdSkip.onClick = [this] { cmdSkip_Click(); };
    tmrSample.onTimer = [this] { tmrSample_Timer(); };
    cmdSavePdf.onClick = [this] { cmdSavePdf_Click(); };
    cmdSaveCsv.onClick = [this] { cmdSaveCsv_Click(); };
    onQueryUnload = [this] {
        recordFinishedRuns();
        return true;
    };
    txtOperator.setText(rememberedOperatorName(m_main.settingsStore()));
    for (const KeptField &field : kKeptFields)
        (this->*field.box).setText(m_main.settingsStore().value(kApplication, kSection, field.key, ""));
    // The window belongs to the transmitter selected as it opens.
    m_address = m_main.hasTransmitter() ? m_main.selectedAddress() : std::string();
    m_selection = m_main.selection().current();
    setCaption(m_address.empty() ? std::string(kTitle) : std::string(kTitle) + " - " + m_address);
    showState();
}

// A search's pause has the line at the search's rate: another transmitter
// on the same address may answer there.
bool FrmVerify::ownTransmitterSelected() const
{
    return !m_address.empty() && !m_main.whyNoOperation() && m_main.selection().current() == m_selection &&
           m_main.selectedAddress() == m_address;
}

const verify::Run *FrmVerify::run() const
{
    return m_asLeft ? &*m_asLeft : m_asFound ? &*m_asFound : nullptr;
}

verify::Run *FrmVerify::activeRun()
{
    return m_asLeft ? &*m_asLeft : m_asFound ? &*m_asFound : nullptr;
}

void FrmVerify::tell(const std::string &text)
{
    m_main.messageBox().show(text, kTitle, true);
}

std::optional<verify::Range> FrmVerify::typedRange() const
{
    if (!isNumberText(txtRangeLow.text()) || !isNumberText(txtRangeHigh.text()))
        return std::nullopt;
    const double low = readNumber(txtRangeLow.text());
    const double high = readNumber(txtRangeHigh.text());
    if (low == high)
        return std::nullopt;
    return verify::Range{low, high, 3, {}, true};
}

std::optional<verify::Plan> FrmVerify::planFromBoxes()
{
    verify::Plan plan;
    const auto points = verify::numberList(txtPoints.text());
    if (!points) {
        tell("Points: numbers in % of the range, separated by commas.");
        return std::nullopt;
    }
    plan.points = *points;
    plan.upDown = chkUpDown.checked();
    plan.tolerancePct = isNumberText(txtTolerance.text()) ? readNumber(txtTolerance.text()) : 0;
    const auto samples = isNumberText(txtSamples.text()) ? wholeNumber32(readNumber(txtSamples.text())) : std::nullopt;
    plan.samples = samples.value_or(0);
    plan.operatorName = txtOperator.text();
    plan.instrument = txtInstrument.text();
    plan.instrumentSerial = txtSerial.text();
    if (txtUncertainty.text().find_first_not_of(' ') != std::string::npos) {
        plan.referenceUncertainty = verify::parseReferenceUncertainty(txtUncertainty.text());
        if (!plan.referenceUncertainty) {
            tell("Uncertainty: the reference's expanded uncertainty as its certificate states it, such as 0.05, "
                 "0.02% or 0.02% k=2; or leave it empty.");
            return std::nullopt;
        }
    }
    plan.decision = static_cast<verify::DecisionRule>(cmbDecision.itemData(std::max(0, cmbDecision.selectedIndex())));
    plan.instrumentCertificate = txtCertificate.text();
    plan.instrumentDue = txtDue.text();
    plan.note = txtNote.text();
    plan.organisation = txtOrganisation.text();
    plan.organisationAddress = txtAddress.text();
    plan.place = txtPlace.text();
    plan.customer = txtCustomer.text();
    plan.tag = txtTag.text();
    plan.location = txtLocation.text();
    const std::vector<std::string> ambient = ambientParts(txtAmbient.text());
    plan.ambientTemperature = ambient[0];
    plan.ambientHumidity = ambient[1];
    plan.ambientPressure = ambient[2];
    plan.departures = txtDepartures.text();
    if (const auto problem = plan.problem()) {
        tell("The run does not start: " + *problem + ".");
        return std::nullopt;
    }
    return plan;
}

void FrmVerify::cmdStart_Click()
{
    if (taking())
        return;
    if (!ownTransmitterSelected()) {
        tell(m_address.empty() ? "No transmitter was selected when this window opened; close it, choose one and "
                                 "open it again."
                               : "The transmitter " + m_address +
                                     " is no longer selected in the main window; close this window and open it again.");
        return;
    }
    auto plan = planFromBoxes();
    if (!plan)
        return;
    // Asked before anything goes on the line.
    if (plan->referenceOverdue(verify::localTimeText())) {
        if (!m_main.messageBox().confirm("The reference instrument was due on " + plan->instrumentDue +
                                             ". Start anyway? The report will say so on its first page.",
                                         kTitle))
            return;
        plan->overdueAccepted = true;
    }
    const auto ask = [this](const std::string &command) { return m_main.Comm_Send(m_address, command); };
    const auto unitName = [this](int code) {
        return code >= 0 && code < Ortavel::kUnitCount ? m_main.UnitNames[static_cast<std::size_t>(code)]
                                                       : std::string();
    };
    verify::IdentityRead read = verify::readIdentity(ask, m_address, unitName, verify::localTimeText());
    if (read.rangeProblem) {
        auto typed = typedRange();
        if (!typed) {
            tell("The run does not start: " + *read.rangeProblem +
                 ". Type the range (low and high) beside \"Range\" to verify against it.");
            return;
        }
        typed->decimals = read.identity.range.decimals;
        typed->unit = read.identity.range.unit;
        read.identity.range = *typed;
    }
    const bool asLeft = m_asFound.has_value() || chkAsLeftOnly.checked();
    if (asLeft && m_asFound) {
        if (const auto problem = verify::joinProblem(m_asFound->identity(), read.identity)) {
            tell("The as-left run does not join the as-found run: " + *problem + ".");
            return;
        }
    }
    // The as-found run is final now.
    recordFinishedRuns();
    rememberReportFields();
    // A new run makes a new report.
    m_reportNumber.clear();
    m_issued.clear();
    lblReport.setCaption("");
    (asLeft ? m_asLeft : m_asFound).emplace(*plan, read.identity);
    showState();
}

void FrmVerify::recordFinishedRuns()
{
    const auto record = [this](const std::optional<verify::Run> &run, RunRecord &kept, const char *name) {
        if (!run || !run->done() || kept.recorded)
            return;
        m_main.history().verification(m_address, name, verify::runVerdictText(*run),
                                      verify::runDetailJson(*run, kept.files));
        kept.recorded = true;
    };
    record(m_asFound, m_asFoundRecord, "as-found");
    record(m_asLeft, m_asLeftRecord, "as-left");
}

void FrmVerify::noteFile(const std::string &path)
{
    const std::string sha256 = fileSha256 ? fileSha256(path).value_or("") : std::string();
    if (m_asFound && !m_asFoundRecord.recorded)
        m_asFoundRecord.files.push_back({path, sha256});
    if (m_asLeft && !m_asLeftRecord.recorded)
        m_asLeftRecord.files.push_back({path, sha256});
}

void FrmVerify::cmdTake_Click()
{
    verify::Run *r = activeRun();
    if (r == nullptr || r->done() || taking())
        return;
    if (!ownTransmitterSelected()) {
        tell("The transmitter " + m_address + " is no longer selected in the main window; no reading is taken.");
        return;
    }
    const int index = r->current();
    const std::string typed = txtReference.text();
    // The nominal the box was given, unchanged, was not read off anything.
    if (!r->setReference(index, typed == m_shownReference ? std::string() : typed)) {
        tell("Reference: type the reading of the reference instrument, or leave it empty for the nominal.");
        return;
    }
    const std::string current = txtCurrent.text();
    if (current.find_first_not_of(' ') != std::string::npos) {
        const auto values = verify::currentList(current);
        if (!values || values->size() != 1 || !values->front()) {
            tell("mA: the meter's reading of the output from 0 to 24 mA, or leave it empty.");
            return;
        }
        r->point(index).currentMa = values->front();
    } else {
        r->point(index).currentMa.reset();
    }
    r->clearPoint(index);
    m_taking = index;
    m_samplesLeft = r->plan().samples;
    showState();
    tmrSample.setEnabled(true);
}

// One sample a tick: between two exchanges the main window's handlers run.
void FrmVerify::tmrSample_Timer()
{
    verify::Run *r = activeRun();
    if (r == nullptr || !taking()) {
        tmrSample.setEnabled(false);
        return;
    }
    if (!ownTransmitterSelected()) {
        // What was polled so far is no reading of this transmitter.
        tmrSample.setEnabled(false);
        r->clearPoint(m_taking);
        m_taking = -1;
        showState();
        tell("The transmitter " + m_address + " is no longer selected in the main window; the reading stopped.");
        return;
    }
    r->addSample(m_taking, m_main.Comm_Send(m_address, std::string(cmd::Pressure)));
    if (--m_samplesLeft > 0) {
        lblProgress.setCaption("Sample " + std::to_string(r->plan().samples - m_samplesLeft + 1) + " of " +
                               std::to_string(r->plan().samples));
        return;
    }
    finishPoint();
}

void FrmVerify::finishPoint()
{
    tmrSample.setEnabled(false);
    activeRun()->point(m_taking).taken = true;
    m_taking = -1;
    showState();
}

void FrmVerify::cmdRepeat_Click()
{
    verify::Run *r = activeRun();
    if (r == nullptr || taking() || r->current() == 0)
        return;
    r->repeatPoint(r->current() - 1);
    showState();
}

void FrmVerify::cmdSkip_Click()
{
    verify::Run *r = activeRun();
    if (r == nullptr || taking() || r->done())
        return;
    r->skipPoint(r->current());
    showState();
}

std::vector<verify::SheetLine> FrmVerify::rows() const
{
    const verify::Run *r = run();
    if (r == nullptr)
        return {};
    std::vector<verify::SheetLine> lines = verify::sheetOf(*r, m_asLeft ? verify::kAsLeft : verify::kAsFound).lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!r->points()[i].taken)
            lines[i].result.clear();
    }
    return lines;
}

verify::Certificate FrmVerify::certificate() const
{
    verify::Certificate certificate;
    certificate.reportNumber = m_reportNumber;
    certificate.issued = m_issued;
    if (m_asFound)
        certificate.asFound = verify::sheetOf(*m_asFound, verify::kAsFound);
    if (m_asLeft)
        certificate.asLeft = verify::sheetOf(*m_asLeft, verify::kAsLeft);
    if (const verify::Run *r = run())
        certificate.plan = r->plan();
    return certificate;
}

void FrmVerify::showState()
{
    const verify::Run *r = run();
    const bool running = r != nullptr && !r->done();
    cmdStart.setCaption(m_asFound ? "Start as left" : "Start as found");
    cmdStart.setEnabled(!taking() && !running && !m_asLeft);
    chkAsLeftOnly.setEnabled(!m_asFound && !m_asLeft);
    for (Control *control :
         std::initializer_list<Control *>{&txtPoints, &chkUpDown, &txtTolerance, &txtSamples, &cmbDecision})
        control->setEnabled(!running && !taking());
    cmdTake.setEnabled(running && !taking());
    cmdSkip.setEnabled(running && !taking());
    cmdRepeat.setEnabled(r != nullptr && !taking() && r->current() > 0);
    txtReference.setEnabled(running && !taking());
    txtCurrent.setEnabled(running && !taking());
    cmdSavePdf.setEnabled(r != nullptr && r->done());
    cmdSaveCsv.setEnabled(r != nullptr && r->done());
    lblProgress.setCaption(taking() ? "Sample 1 of " + std::to_string(r->plan().samples) : std::string());
    if (r == nullptr) {
        lblPoint.setCaption("Choose the plan, then Start.");
    } else if (running) {
        const verify::Point &p = r->points()[static_cast<std::size_t>(r->current())];
        const std::string nominal = r->identity().range.text(p.nominal);
        lblPoint.setCaption("Point " + std::to_string(r->current() + 1) + " of " + std::to_string(r->points().size()) +
                            " (" + std::string(directionName(p.planned.direction)) + "): apply " + nominal + " " +
                            r->identity().range.unit);
        if (!taking()) {
            m_shownReference = nominal;
            txtReference.setText(nominal);
        }
    } else {
        lblPoint.setCaption(m_asLeft ? "As left run done" : "As found run done: adjust, then Start as left");
    }
    lblVerdict.setCaption(r != nullptr && r->done() ? "Verdict: " + std::string(verify::verdictName(r->verdict()))
                                                    : std::string());
    std::string hysteresis;
    if (r != nullptr) {
        for (const verify::SheetHysteresis &h : verify::sheetOf(*r, "").hysteresis)
            hysteresis += (hysteresis.empty() ? "Hysteresis (% of span): " : ", ") + h.nominal + ": " + h.pctOfSpan;
    }
    lblHysteresis.setCaption(hysteresis);
    lblAsFound.setCaption(m_asFound && m_asLeft
                              ? "As found: " + std::string(verify::verdictName(m_asFound->verdict())) +
                                    " (kept until this window closes)"
                              : std::string());
    if (onRowsChanged)
        onRowsChanged();
}

void FrmVerify::rememberReportFields()
{
    for (const KeptField &field : kKeptFields)
        m_main.settingsStore().setValue(kApplication, kSection, field.key, (this->*field.box).text());
}

bool FrmVerify::numberReport()
{
    if (!m_reportNumber.empty())
        return true;
    const std::string prefix = txtPrefix.text();
    const std::unique_ptr<verify::ReportNumbers> numbers =
        openReportNumbers ? openReportNumbers(prefix)
                          : std::make_unique<verify::LocalReportNumbers>(m_main.settingsStore(), prefix);
    const std::string today = verify::localTimeText().substr(0, 10);
    const auto number = numbers->next(std::stoi(today.substr(0, 4)));
    if (!number) {
        tell("The report has no number, and is not saved: " + numbers->errorString() + ".");
        return false;
    }
    m_reportNumber = number->text;
    m_issued = today;
    lblReport.setCaption("Report " + number->text + " (" + number->source + ")");
    if (number->fellBack)
        tell("Report " + number->text + " is numbered by " + number->source + ".");
    return true;
}

void FrmVerify::cmdSavePdf_Click()
{
    if (!writePdf || !numberReport())
        return;
    const verify::Certificate c = certificate();
    saveToChosenFile(chooseSaveFile, "certificate-" + m_address + ".pdf", kTitle, m_main.messageBox(),
                     [this, &c](const std::string &path) {
                         const bool written = writePdf(path, c);
                         if (written)
                             noteFile(path);
                         return written;
                     });
}

void FrmVerify::cmdSaveCsv_Click()
{
    if (!numberReport())
        return;
    const verify::Certificate c = certificate();
    saveToChosenFile(chooseSaveFile, "certificate-" + m_address + ".csv", kTitle, m_main.messageBox(),
                     [this, &c](const std::string &path) {
                         const bool written = writeFile(path, [&c](std::ostream &out) { verify::writeCsv(out, c); });
                         if (written)
                             noteFile(path);
                         return written;
                     });
}

} // namespace ortavel
