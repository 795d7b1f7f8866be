#include "FrmVerify.h"

#include "controls/MessageBox.h"
#include "history/OperatorName.h"
#include "link/Commands.h"
#include "link/Numbers.h"
#include "mainwin/Ortavel.h"
#include "verify/Procedure.h"
#include "verify/ProcedureSheet.h"

#include <algorithm>

namespace ortavel {

namespace {

constexpr const char *kTitle = OT_TR("Ortavel", "Verification");
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

constexpr verify::Procedure kProcedures[] = {verify::Procedure::Plan, verify::Procedure::DkdA, verify::Procedure::DkdB,
                                             verify::Procedure::DkdC, verify::Procedure::Cg17Basic};

// The dwell remembered in the settings, or the default where it is unset or no whole number of seconds.
std::string rememberedDwell(const SettingsStore &settings)
{
    const std::string text = settings.value("Ortavel", "Verification", "DwellSeconds", "");
    const auto seconds = isNumberText(text) ? wholeNumber32(readNumber(text)) : std::nullopt;
    return std::to_string(seconds && *seconds >= 0 && *seconds <= verify::Plan::kMaxDwellSeconds
                              ? *seconds
                              : FrmVerify::kDefaultDwellSeconds);
}

} // namespace

FrmVerify::FrmVerify(Ortavel &main) : Form("Verification", kTitle), m_main(main)
{
    for (Control *control : std::initializer_list<Control *>{
             &lblPoints,       &txtPoints,       &chkUpDown,      &lblTolerance,   &txtTolerance,   &lblSamples,
             &txtSamples,      &lblRange,        &txtRangeLow,    &txtRangeHigh,   &lblOperator,    &txtOperator,
             &lblInstrument,   &txtInstrument,   &lblSerial,      &txtSerial,      &lblCertificate, &txtCertificate,
             &lblDue,          &txtDue,          &lblUncertainty, &txtUncertainty, &lblDecision,    &cmbDecision,
             &lblOrganisation, &txtOrganisation, &lblAddress,     &txtAddress,     &lblPrefix,      &txtPrefix,
             &lblPlace,        &txtPlace,        &lblCustomer,    &txtCustomer,    &lblTag,         &txtTag,
             &lblLocation,     &txtLocation,     &lblAmbient,     &txtAmbient,     &lblDepartures,  &txtDepartures,
             &lblNote,         &txtNote,         &lblProcedure,   &cmbProcedure,   &lblDwell,       &txtDwell,
             &chkAsLeftOnly,   &cmdStart,        &lblPoint,       &lblReference,   &txtReference,   &lblCurrent,
             &txtCurrent,      &cmdTake,         &cmdRepeat,      &cmdSkip,        &lblProgress,    &lblVerdict,
             &lblHysteresis,   &lblAsFound,      &lblReport,      &cmdSavePdf,     &cmdSaveCsv,     &tmrSample,
             &tmrDwell})
        add(*control);
    for (const auto rule :
         {verify::DecisionRule::Simple, verify::DecisionRule::Guarded, verify::DecisionRule::Conditional})
        cmbDecision.addItem(std::string(verify::decisionRuleName(rule)), static_cast<int>(rule));
    cmbDecision.setSelectedIndex(0);
    for (const auto procedure : kProcedures)
        cmbProcedure.addItem(std::string(verify::procedureName(procedure)), static_cast<int>(procedure));
    cmbProcedure.setSelectedIndex(0);
    cmbProcedure.onClick = [this] { cmbProcedure_Click(); };
    tmrDwell.onTimer = [this] { tmrDwell_Timer(); };
    txtDwell.setText(rememberedDwell(m_main.settingsStore()));
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
    m_held = m_main.holdSelected();
    setCaption(m_held.address.empty() ? std::string(kTitle)
                                      : fill(OT_TR("Ortavel", "Verification - %1"), {m_held.address}));
    showState();
}

// A search's pause has the line at the search's rate: another transmitter
// on the same address may answer there.
bool FrmVerify::ownTransmitterSelected() const
{
    return m_main.stillSelected(m_held);
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
        tell(OT_TR("Ortavel", "Points: numbers in % of the range, separated by commas."));
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
            tell(OT_TR("Ortavel", "Uncertainty: the reference's expanded uncertainty as its certificate states it, "
                                  "such as 0.05, 0.02% or 0.02% k=2; or leave it empty."));
            return std::nullopt;
        }
    }
    plan.decision = static_cast<verify::DecisionRule>(cmbDecision.itemData(std::max(0, cmbDecision.selectedIndex())));
    plan.procedure = static_cast<verify::Procedure>(cmbProcedure.itemData(std::max(0, cmbProcedure.selectedIndex())));
    const auto dwell = isNumberText(txtDwell.text()) ? wholeNumber32(readNumber(txtDwell.text())) : std::nullopt;
    // The free plan reads at once, as it always has; the dwell box serves the guidelines' sequences.
    plan.dwellSeconds = plan.procedure == verify::Procedure::Plan ? 0 : dwell.value_or(-1);
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
        tell(fill(OT_TR("Ortavel", "The run does not start: %1."), {*problem}));
        return std::nullopt;
    }
    return plan;
}

void FrmVerify::cmdStart_Click()
{
    if (taking())
        return;
    if (!ownTransmitterSelected()) {
        tell(m_held.address.empty()
                 ? std::string(OT_TR("Ortavel", "No transmitter was selected when this window opened; close it, "
                                                "choose one and open it again."))
                 : fill(OT_TR("Ortavel", "The transmitter %1 is no longer selected in the main window; close this "
                                         "window and open it again."),
                        {m_held.address}));
        return;
    }
    auto plan = planFromBoxes();
    if (!plan)
        return;
    // Asked before anything goes on the line.
    if (plan->referenceOverdue(verify::localTimeText())) {
        if (!m_main.messageBox().confirm(fill(OT_TR("Ortavel", "The reference instrument was due on %1. Start "
                                                               "anyway? The report will say so on its first page."),
                                              {plan->instrumentDue}),
                                         kTitle))
            return;
        plan->overdueAccepted = true;
    }
    if (plan->procedure != verify::Procedure::Plan)
        m_main.settingsStore().setValue("Ortavel", "Verification", "DwellSeconds", std::to_string(plan->dwellSeconds));
    const auto ask = [this](const std::string &command) { return m_main.Comm_Send(m_held.address, command); };
    const auto unitName = [this](int code) {
        return code >= 0 && code < Ortavel::kUnitCount ? m_main.UnitNames[static_cast<std::size_t>(code)]
                                                       : std::string();
    };
    verify::IdentityRead read = verify::readIdentity(ask, m_held.address, unitName, verify::localTimeText());
    if (read.rangeProblem) {
        auto typed = typedRange();
        if (!typed) {
            tell(fill(OT_TR("Ortavel", "The run does not start: %1. Type the range (low and high) beside "
                                       "\"Range\" to verify against it."),
                      {*read.rangeProblem}));
            return;
        }
        typed->decimals = read.identity.range.decimals;
        typed->unit = read.identity.range.unit;
        read.identity.range = *typed;
    }
    const bool asLeft = m_asFound.has_value() || chkAsLeftOnly.checked();
    if (asLeft && m_asFound) {
        if (const auto problem = verify::joinProblem(m_asFound->identity(), read.identity)) {
            tell(fill(OT_TR("Ortavel", "The as-left run does not join the as-found run: %1."), {*problem}));
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
        m_main.history().verification(m_held.address, name, verify::runVerdictText(*run),
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
    if (dwelling()) {
        tmrDwell.setEnabled(false);
        const int step = m_dwelling;
        m_dwelling = -1;
        startSampling(step, true);
        return;
    }
    if (!ownTransmitterSelected()) {
        tell(fill(OT_TR("Ortavel", "The transmitter %1 is no longer selected in the main window; no reading is "
                                   "taken."),
                  {m_held.address}));
        return;
    }
    const int step = r->currentStep();
    const verify::RunStep &s = r->steps()[static_cast<std::size_t>(step)];
    if (s.step.kind == verify::StepKind::Preload) {
        r->confirmPreload(step);
        showState();
        return;
    }
    if (s.step.kind == verify::StepKind::Point) {
        const std::string typed = txtReference.text();
        // The nominal the box was given, unchanged, was not read off anything.
        if (!r->setReference(s.record, typed == m_shownReference ? std::string() : typed)) {
            tell(OT_TR("Ortavel",
                       "Reference: type the reading of the reference instrument, or leave it empty for the nominal."));
            return;
        }
        const std::string current = txtCurrent.text();
        std::optional<double> currentMa;
        if (current.find_first_not_of(' ') != std::string::npos) {
            const auto values = verify::currentList(current);
            if (!values || values->size() != 1 || !values->front()) {
                tell(OT_TR("Ortavel", "mA: the meter's reading of the output from 0 to 24 mA, or leave it empty."));
                return;
            }
            currentMa = values->front();
        }
        r->point(s.record).currentMa = currentMa;
    }
    // Not taken yet: this only clears what a stopped reading left.
    r->repeatStep(step);
    if (r->plan().dwellSeconds > 0) {
        m_dwelling = step;
        m_dwellLeftSeconds = r->plan().dwellSeconds;
        showState();
        tmrDwell.setEnabled(true);
        return;
    }
    startSampling(step, false);
}

void FrmVerify::startSampling(int step, bool early)
{
    verify::Run *r = activeRun();
    r->reading(step)->takenEarly = early;
    m_taking = step;
    m_samplesLeft = r->plan().samples;
    showState();
    tmrSample.setEnabled(true);
}

// One tick a second, so the window never waits.
void FrmVerify::tmrDwell_Timer()
{
    if (!dwelling() || activeRun() == nullptr) {
        tmrDwell.setEnabled(false);
        return;
    }
    if (!ownTransmitterSelected()) {
        tmrDwell.setEnabled(false);
        m_dwelling = -1;
        showState();
        tell(fill(OT_TR("Ortavel", "The transmitter %1 is no longer selected in the main window; no reading is "
                                   "taken."),
                  {m_held.address}));
        return;
    }
    if (--m_dwellLeftSeconds > 0) {
        showState();
        return;
    }
    tmrDwell.setEnabled(false);
    const int step = m_dwelling;
    m_dwelling = -1;
    startSampling(step, false);
}

void FrmVerify::cmbProcedure_Click()
{
    showState();
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
        r->repeatStep(m_taking);
        m_taking = -1;
        showState();
        tell(fill(OT_TR("Ortavel", "The transmitter %1 is no longer selected in the main window; the reading "
                                   "stopped."),
                  {m_held.address}));
        return;
    }
    r->addStepSample(m_taking, m_main.Comm_Send(m_held.address, std::string(cmd::Pressure)));
    if (--m_samplesLeft > 0) {
        lblProgress.setCaption(
            fill(OT_TR("Ortavel", "Sample %1 of %2"),
                 {std::to_string(r->plan().samples - m_samplesLeft + 1), std::to_string(r->plan().samples)}));
        return;
    }
    finishPoint();
}

void FrmVerify::finishPoint()
{
    tmrSample.setEnabled(false);
    activeRun()->reading(m_taking)->taken = true;
    m_taking = -1;
    showState();
}

void FrmVerify::cmdRepeat_Click()
{
    verify::Run *r = activeRun();
    if (r == nullptr || taking() || dwelling() || r->currentStep() == 0)
        return;
    r->repeatStep(r->currentStep() - 1);
    showState();
}

void FrmVerify::cmdSkip_Click()
{
    verify::Run *r = activeRun();
    if (r == nullptr || taking() || dwelling() || r->done())
        return;
    r->skipStep(r->currentStep());
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
    cmdStart.setCaption(m_asFound ? OT_TR("Ortavel", "Start as left") : OT_TR("Ortavel", "Start as found"));
    cmdStart.setEnabled(!taking() && !dwelling() && !running && !m_asLeft);
    chkAsLeftOnly.setEnabled(!m_asFound && !m_asLeft);
    for (Control *control :
         std::initializer_list<Control *>{&txtPoints, &chkUpDown, &txtTolerance, &txtSamples, &cmbDecision})
        control->setEnabled(!running && !taking());
    const bool freePlan =
        cmbProcedure.itemData(std::max(0, cmbProcedure.selectedIndex())) == static_cast<int>(verify::Procedure::Plan);
    txtPoints.setEnabled(txtPoints.enabled() && freePlan);
    chkUpDown.setEnabled(chkUpDown.enabled() && freePlan);
    cmbProcedure.setEnabled(!running && !taking());
    txtDwell.setEnabled(!running && !taking() && !freePlan);
    const verify::RunStep *step = running ? &r->steps()[static_cast<std::size_t>(r->currentStep())] : nullptr;
    const bool idle = !taking() && !dwelling();
    cmdTake.setEnabled(running && !taking());
    cmdSkip.setEnabled(step != nullptr && idle && step->step.kind != verify::StepKind::Preload);
    cmdRepeat.setEnabled(r != nullptr && idle && r->currentStep() > 0);
    txtReference.setEnabled(step != nullptr && idle && step->step.kind == verify::StepKind::Point);
    txtCurrent.setEnabled(step != nullptr && idle && step->step.kind == verify::StepKind::Point);
    cmdSavePdf.setEnabled(r != nullptr && r->done());
    cmdSaveCsv.setEnabled(r != nullptr && r->done());
    lblProgress.setCaption(
        taking()     ? fill(OT_TR("Ortavel", "Sample %1 of %2"), {"1", std::to_string(r->plan().samples)})
        : dwelling() ? fill(OT_TR("Ortavel", "Dwell: %1 s left; Take reads now"), {std::to_string(m_dwellLeftSeconds)})
                     : std::string());
    if (r == nullptr) {
        lblPoint.setCaption(OT_TR("Ortavel", "Choose the plan, then Start."));
    } else if (running && step->step.kind != verify::StepKind::Point) {
        lblPoint.setCaption(stepPrompt(*r));
        if (idle)
            txtReference.setText(step->step.kind == verify::StepKind::Zero ? "0" : "");
    } else if (running) {
        const verify::Point &p = r->points()[static_cast<std::size_t>(step->record)];
        const std::string nominal = r->identity().range.text(p.nominal);
        lblPoint.setCaption(fill(OT_TR("Ortavel", "Point %1 of %2 (%3): apply %4 %5"),
                                 {std::to_string(step->record + 1), std::to_string(r->points().size()),
                                  directionName(p.planned.direction), nominal, r->identity().range.unit}));
        if (idle) {
            m_shownReference = nominal;
            txtReference.setText(nominal);
        }
    } else {
        lblPoint.setCaption(m_asLeft ? OT_TR("Ortavel", "As left run done")
                                     : OT_TR("Ortavel", "As found run done: adjust, then Start as left"));
    }
    lblVerdict.setCaption(r != nullptr && r->done()
                              ? fill(OT_TR("Ortavel", "Verdict: %1"), {verify::verdictName(r->verdict())})
                              : std::string());
    std::string hysteresis;
    if (r != nullptr) {
        // Values at nominals: the list itself is no text to translate.
        std::string values;
        for (const verify::SheetHysteresis &h : verify::sheetOf(*r, "").hysteresis)
            values += (values.empty() ? "" : ", ") + h.nominal + ": " + h.pctOfSpan;
        if (!values.empty())
            hysteresis = fill(OT_TR("Ortavel", "Hysteresis (% of span): %1"), {values});
    }
    // A guideline's run shows what its procedure reports instead: h there is over the whole sequence.
    if (r != nullptr && r->plan().procedure != verify::Procedure::Plan) {
        std::vector<std::string> characteristics;
        for (const verify::SheetCharacteristic &c : verify::sheetOf(*r, "").characteristics)
            characteristics.push_back(verify::characteristicText(c, r->identity().range.unit));
        hysteresis = joinTexts(characteristics, OT_TR("Ortavel", "; "));
    }
    lblHysteresis.setCaption(hysteresis);
    lblAsFound.setCaption(m_asFound && m_asLeft ? fill(OT_TR("Ortavel", "As found: %1 (kept until this window closes)"),
                                                       {verify::verdictName(m_asFound->verdict())})
                                                : std::string());
    if (onRowsChanged)
        onRowsChanged();
}

void FrmVerify::rememberReportFields()
{
    // Each write rewrites the settings file; an unchanged field is not written.
    SettingsStore &store = m_main.settingsStore();
    for (const KeptField &field : kKeptFields) {
        const std::string text = (this->*field.box).text();
        if (store.value(kApplication, kSection, field.key, "") != text)
            store.setValue(kApplication, kSection, field.key, text);
    }
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
        tell(fill(OT_TR("Ortavel", "The report has no number, and is not saved: %1."), {numbers->errorString()}));
        return false;
    }
    m_reportNumber = number->text;
    m_issued = today;
    lblReport.setCaption(fill(OT_TR("Ortavel", "Report %1 (%2)"), {number->text, number->source}));
    if (number->fellBack)
        tell(fill(OT_TR("Ortavel", "Report %1 is numbered by %2."), {number->text, number->source}));
    return true;
}

std::string FrmVerify::stepPrompt(const verify::Run &run) const
{
    const verify::Step &step = run.steps()[static_cast<std::size_t>(run.currentStep())].step;
    if (step.kind == verify::StepKind::Zero)
        return fill(step.zeroBefore ? OT_TR("Ortavel", "Zero reading (M%1, before): vent, then Take")
                                    : OT_TR("Ortavel", "Zero reading (M%1, after): vent, then Take"),
                    {std::to_string(step.series)});
    const auto preloads = std::count_if(run.steps().begin(), run.steps().end(), [](const verify::RunStep &s) {
        return s.step.kind == verify::StepKind::Preload;
    });
    return fill(OT_TR("Ortavel", "Preload %1 of %2: apply full scale, hold, vent; then Take"),
                {std::to_string(step.preload), std::to_string(preloads)});
}

void FrmVerify::cmdSavePdf_Click()
{
    if (!writePdf || !numberReport())
        return;
    const verify::Certificate c = certificate();
    saveToChosenFile(chooseSaveFile, "certificate-" + m_held.address + ".pdf", kTitle, m_main.messageBox(),
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
    saveToChosenFile(chooseSaveFile, "certificate-" + m_held.address + ".csv", kTitle, m_main.messageBox(),
                     [this, &c](const std::string &path) {
                         const bool written = writeFile(path, [&c](std::ostream &out) { verify::writeCsv(out, c); });
                         if (written)
                             noteFile(path);
                         return written;
                     });
}

} // namespace ortavel
