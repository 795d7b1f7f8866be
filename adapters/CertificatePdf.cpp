#include "CertificatePdf.h"

#include "TextTranslator.h"
#include "link/Numbers.h"
#include "text/OperatorText.h"
#include "verify/ProcedureSheet.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <sstream>
#include <utility>

namespace ortavel {

namespace {

using verify::RunSheet;

constexpr int kResolution = 300;
// Words of measurement that mean otherwise in the window ("Error").
constexpr const char *kReportContext = "Verification";
constexpr int kColumns = 11;
const std::array<const char *, kColumns> kHeaders = {
    OT_TR("Ortavel", "Point %"),    OT_TR("Ortavel", "Dir."),    OT_TR("Ortavel", "Nominal"),
    OT_TR("Ortavel", "Reference"),  OT_TR("Ortavel", "Reading"), OT_TR("Ortavel", "Spread"),
    OT_TR("Verification", "Error"), OT_TR("Ortavel", "Error %"), OT_TR("Ortavel", "U (k=2)"),
    OT_TR("Ortavel", "TUR"),        OT_TR("Ortavel", "Result")};
// Column widths in hundredths of the line's width.
const std::array<int, kColumns> kWidths = {7, 6, 10, 11, 11, 9, 9, 8, 9, 6, 14};

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

// The report's texts in its language; as written without a translator.
// Values (numbers, names typed by the operator, dates) are put into the
// translated patterns as they are.
class Words {
public:
    explicit Words(const TextTranslator *translator) : m_translator(translator) {}

    // A marked text, or one the verification core built from marked patterns.
    QString operator()(const std::string &text) const
    {
        return m_translator ? m_translator->translate(text, kReportContext) : q(text);
    }
    // A marked pattern in the language with %1..%9 replaced in one pass, so
    // a part holding "%1" (a note, a name) stays as typed.
    QString filled(const char *pattern, std::initializer_list<QString> parts) const
    {
        return filledPattern((*this)(pattern), parts);
    }

private:
    const TextTranslator *m_translator;
};

// Writes lines top down on the page, and on each page a footer with the
// report number and "page x of y".
class PageWriter {
public:
    // `totalPages`: 0 while the pages are being counted.
    PageWriter(QPdfWriter &writer, QPainter &painter, QRect viewport, QString reportNumber, int totalPages,
               const Words &words)
        : m_writer(writer), m_painter(painter), m_area(viewport), m_reportNumber(std::move(reportNumber)),
          m_totalPages(totalPages), m_words(words)
    {
        const int footerLine = QFontMetrics(footerFont(), m_painter.device()).height();
        m_area.setBottom(viewport.bottom() - 2 * footerLine);
        m_footer = QRect(viewport.left(), viewport.bottom() - footerLine, viewport.width(), footerLine);
        m_y = m_area.top();
    }

    void font(int points, bool bold)
    {
        QFont f(QStringLiteral("Sans Serif"));
        f.setPointSize(points);
        f.setBold(bold);
        // No ligatures: the text copied or searched out of the PDF reads as written.
        f.setStyleStrategy(QFont::PreferNoShaping);
        m_painter.setFont(f);
        m_line = QFontMetrics(f, m_painter.device()).height();
    }
    // A line, wrapped at the margin when it is longer.
    void line(const QString &text)
    {
        room();
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
        const QRect bounds = m_painter.boundingRect(QRect(m_area.left(), m_y, m_area.width(), m_line), flags, text);
        m_painter.drawText(QRect(m_area.left(), m_y, m_area.width(), bounds.height()), flags, text);
        m_y += std::max(bounds.height(), m_line);
    }
    void cells(const std::array<QString, kColumns> &texts)
    {
        room();
        int x = m_area.left();
        for (int i = 0; i < kColumns; ++i) {
            const int width = m_area.width() * kWidths[static_cast<std::size_t>(i)] / 100;
            const int align = i < 2 || i == kColumns - 1 ? Qt::AlignLeft : Qt::AlignRight;
            m_painter.drawText(QRect(x, m_y, width - m_line / 2, m_line), align | Qt::AlignVCenter,
                               texts[static_cast<std::size_t>(i)]);
            x += width;
        }
        m_y += m_line;
    }
    void rule()
    {
        m_painter.drawLine(m_area.left(), m_y + m_line / 4, m_area.right(), m_y + m_line / 4);
        m_y += m_line / 2;
    }
    void gap() { m_y += m_line / 2; }
    int bottom() const { return m_area.bottom(); }
    int y() const { return m_y; }
    void moveTo(int y) { m_y = y; }
    // Ends the report after the content: the pages it took.
    int finish()
    {
        font(9, true);
        gap();
        // A reader can tell that no page is missing at the end.
        line(m_words(OT_TR("Ortavel", "End of report")));
        drawFooter();
        return m_page;
    }

private:
    static QFont footerFont()
    {
        QFont f(QStringLiteral("Sans Serif"));
        f.setPointSize(8);
        f.setStyleStrategy(QFont::PreferNoShaping);
        return f;
    }
    void drawFooter()
    {
        m_painter.save();
        m_painter.setFont(footerFont());
        m_painter.drawLine(m_footer.left(), m_footer.top(), m_footer.right(), m_footer.top());
        const QString total = m_totalPages > 0 ? QString::number(m_totalPages) : QStringLiteral("?");
        const QString page = QString::number(m_page);
        m_painter.drawText(m_footer, Qt::AlignLeft | Qt::AlignBottom,
                           m_reportNumber.isEmpty() ? m_words.filled(OT_TR("Ortavel", "page %1 of %2"), {page, total})
                                                    : m_words.filled(OT_TR("Ortavel", "Report %1   page %2 of %3"),
                                                                     {m_reportNumber, page, total}));
        m_painter.restore();
    }
    // Longer plans than a page holds go on to the next.
    void room()
    {
        if (m_y + m_line <= m_area.bottom())
            return;
        drawFooter();
        if (m_writer.newPage()) {
            ++m_page;
            m_y = m_area.top();
        }
    }

    QPdfWriter &m_writer;
    QPainter &m_painter;
    QRect m_area;
    QRect m_footer;
    QString m_reportNumber;
    int m_totalPages;
    const Words &m_words;
    int m_page = 1;
    int m_y = 0;
    int m_line = 0;
};

QString orDash(const std::string &text)
{
    return text.empty() ? QStringLiteral("-") : q(text);
}

// RT0 as answered: a number in degrees, or the failure as it came.
QString temperatureText(const std::string &rt0)
{
    if (rt0.empty())
        return QStringLiteral("-");
    return isNumberText(rt0) ? q(rt0) + QStringLiteral(" \u2103") : q(rt0);
}

// What each run was done with: a run keeps its own plan, operator,
// reference and range, whatever changed in the window since.
void runContext(PageWriter &page, const Words &words, const RunSheet &sheet)
{
    const verify::Identity &id = sheet.identity;
    const verify::Plan &plan = sheet.plan;
    page.font(9, true);
    const QString started = id.time.empty() ? QStringLiteral("-") : q(id.time);
    page.line(sheet.run == verify::kAsFound ? words.filled(OT_TR("Ortavel", "As found run, %1"), {started})
                                            : words.filled(OT_TR("Ortavel", "As left run, %1"), {started}));
    page.font(9, false);
    page.line(words.filled(OT_TR("Ortavel", "Range: %1 to %2 %3%4   transmitter temperature at start (RT0): %5"),
                           {q(id.range.text(id.range.low)), q(id.range.text(id.range.high)), q(id.range.unit),
                            id.range.typed ? words(OT_TR("Ortavel", " (typed by the operator, not read)")) : QString(),
                            temperatureText(id.temperature)}));
    page.line(words.filled(OT_TR("Ortavel", "Operator: %1   tolerance: ±%2 % of span   samples per point: %3"),
                           {orDash(plan.operatorName), q(sheet.tolerance), QString::number(plan.samples)}));
    page.line(words.filled(OT_TR("Ortavel", "Reference instrument: %1   serial %2   certificate %3   due %4"),
                           {orDash(plan.instrument), orDash(plan.instrumentSerial), orDash(plan.instrumentCertificate),
                            orDash(plan.instrumentDue)}));
    page.line(words.filled(OT_TR("Ortavel", "Reference uncertainty (expanded): %1   decision rule: %2"),
                           {plan.referenceUncertainty ? q(verify::referenceUncertaintyText(*plan.referenceUncertainty))
                                                      : words(OT_TR("Ortavel", "not stated")),
                            words(std::string(verify::decisionRuleText(plan.decision)))}));
    if (plan.overdueAccepted)
        page.line(words.filled(OT_TR("Ortavel", "The reference instrument was past its due date (%1) at this run; "
                                                "the operator went on."),
                               {q(plan.instrumentDue)}));
    const int discarded = sheet.discardedTakes();
    const int skipped = sheet.skippedPoints();
    if (discarded > 0 || skipped > 0)
        page.line(words.filled(OT_TR("Ortavel", "Points repeated: %1 earlier take(s) discarded (kept in the CSV)   "
                                                "points skipped: %2"),
                               {QString::number(discarded), QString::number(skipped)}));
    if (!plan.note.empty())
        page.line(words.filled(OT_TR("Ortavel", "Note: %1"), {q(plan.note)}));
}

// What the run's procedure adds below its table: its method when the runs differ, preloads, zero readings,
// readings taken early and the characteristics, which are printed and not judged.
void procedureLines(PageWriter &page, const Words &words, const RunSheet &sheet)
{
    const std::string &unit = sheet.identity.range.unit;
    QString steps = words.filled(OT_TR("Ortavel", "Method: %1"), {words(sheet.method)});
    if (sheet.plan.dwellSeconds > 0)
        steps += words.filled(OT_TR("Ortavel", "   dwell before each reading: %1 s"),
                              {QString::number(sheet.plan.dwellSeconds)});
    if (sheet.preloads > 0)
        steps += words.filled(OT_TR("Ortavel", "   preloads: %1 of %2"),
                              {QString::number(sheet.preloadsConfirmed), QString::number(sheet.preloads)});
    page.line(steps);
    if (!sheet.zeros.empty()) {
        QString zeros = words.filled(OT_TR("Ortavel", "Zero readings (vented, %1):"), {q(unit)});
        for (const verify::SheetZero &z : sheet.zeros) {
            const QString series = QString::number(z.series);
            const QString reading = z.reading.empty() ? QStringLiteral("-") : q(z.reading);
            zeros += z.before ? words.filled(OT_TR("Ortavel", "  M%1 before: %2"), {series, reading})
                              : words.filled(OT_TR("Ortavel", "  M%1 after: %2"), {series, reading});
        }
        page.line(zeros);
    }
    int early = 0;
    for (const verify::SheetLine &l : sheet.lines)
        early += l.takenEarly ? 1 : 0;
    for (const verify::SheetZero &z : sheet.zeros)
        early += z.takenEarly ? 1 : 0;
    if (early > 0)
        page.line(
            words.filled(OT_TR("Ortavel", "Readings taken before their dwell ran out: %1"), {QString::number(early)}));
    if (sheet.characteristics.empty())
        return;
    page.line(words(OT_TR("Ortavel", "Characteristics (not judged):")));
    for (const verify::SheetCharacteristic &c : sheet.characteristics)
        page.line(QStringLiteral("  ") + words(verify::characteristicText(c, unit)));
}

// A point's result with what the reader should know of its readings.
QString resultCell(const Words &words, const verify::SheetLine &l)
{
    QString text = words(l.result);
    if (l.unstable)
        text += words(OT_TR("Ortavel", ", unstable"));
    if (!l.discarded.empty())
        text += words.filled(OT_TR("Ortavel", ", repeated %1x"), {QString::number(l.discarded.size())});
    return text;
}

void runTable(PageWriter &page, const Words &words, const RunSheet &sheet)
{
    runContext(page, words, sheet);
    page.font(11, true);
    const QString verdict = words(std::string(verify::verdictName(sheet.verdict)));
    page.line(sheet.run == verify::kAsFound ? words.filled(OT_TR("Ortavel", "As found: %1"), {verdict})
                                            : words.filled(OT_TR("Ortavel", "As left: %1"), {verdict}));
    page.font(8, true);
    std::array<QString, kColumns> header;
    for (int i = 0; i < kColumns; ++i)
        header[static_cast<std::size_t>(i)] = words(kHeaders[static_cast<std::size_t>(i)]);
    page.cells(header);
    page.font(8, false);
    for (const verify::SheetLine &l : sheet.lines) {
        page.cells({q(l.point), words(l.direction), q(l.nominal),
                    q(l.reference + (l.referenceFromNominal ? " (n)" : "")), q(l.reading.empty() ? "-" : l.reading),
                    q(l.spread.empty() ? "-" : l.spread), q(l.error.empty() ? "-" : l.error),
                    q(l.errorPct.empty() ? "-" : l.errorPct), q(l.expanded.empty() ? "-" : l.expanded),
                    q(l.tur.empty() ? "-" : l.tur), resultCell(words, l)});
    }
    if (sheet.currentVerdict) {
        page.line(words.filled(
            OT_TR("Ortavel", "4-20 mA output (4 mA at OL %1, 20 mA at OH %2): %3"),
            {sheet.identity.outputLow ? q(sheet.identity.range.text(*sheet.identity.outputLow)) : QStringLiteral("-"),
             sheet.identity.outputHigh ? q(sheet.identity.range.text(*sheet.identity.outputHigh)) : QStringLiteral("-"),
             words(std::string(verify::verdictName(*sheet.currentVerdict)))}));
        for (const verify::SheetLine &l : sheet.lines) {
            if (!l.maResult.empty())
                page.line(
                    words.filled(OT_TR("Ortavel", "  at %1 %: expected %2 mA, meter %3 mA, error %4 % of 16 mA, %5"),
                                 {q(l.point), q(l.maExpected), q(l.maReading), q(l.maErrorPct), words(l.maResult)}));
        }
    }
    if (!sheet.hysteresis.empty()) {
        QString text = words(OT_TR("Ortavel", "Hysteresis (% of span, not judged):"));
        for (const verify::SheetHysteresis &h : sheet.hysteresis)
            text += words.filled(OT_TR("Ortavel", "  at %1 %2: %3"),
                                 {q(h.nominal), q(sheet.identity.range.unit), q(h.pctOfSpan)});
        page.line(text);
    }
    procedureLines(page, words, sheet);
    page.gap();
}

QString titleOf(const Words &words, const verify::Certificate &certificate)
{
    return words(certificate.title());
}

void drawCertificate(PageWriter &page, const Words &words, const verify::Certificate &certificate)
{
    const std::vector<const RunSheet *> runs = certificate.runs();
    const RunSheet &last = *runs.back();
    const verify::Identity &id = last.identity;
    const QString title = titleOf(words, certificate);
    page.font(16, true);
    page.line(title);
    page.font(9, false);
    page.line(
        words(OT_TR("Ortavel", "Verification of a pressure transmitter: as found and as left against a reference")));
    const verify::Plan &plan = certificate.plan;
    page.line(words.filled(OT_TR("Ortavel", "Report %1   issued %2"),
                           {orDash(certificate.reportNumber), orDash(certificate.issued)}));
    if (!plan.organisation.empty() || !plan.organisationAddress.empty())
        page.line(
            words.filled(OT_TR("Ortavel", "Issued by: %1   %2"), {q(plan.organisation), q(plan.organisationAddress)}));
    page.rule();
    page.line(words.filled(OT_TR("Ortavel", "Customer or owner: %1   tag: %2   location: %3   place of the work: %4"),
                           {orDash(plan.customer), orDash(plan.tag), orDash(plan.location), orDash(plan.place)}));
    page.line(words.filled(OT_TR("Ortavel", "Transmitter: address %1   type %2   id %3   version %4   sensor range "
                                            "%5 to %6 %7"),
                           {q(id.address), q(id.type), q(id.id), orDash(id.version), orDash(id.sensorLow),
                            orDash(id.sensorHigh), q(id.sensorUnit)}));
    QString dates;
    for (const RunSheet *sheet : runs) {
        const QString date = orDash(sheet->identity.time.substr(0, 10));
        dates += (dates.isEmpty() ? QString() : QStringLiteral("   ")) +
                 (sheet->run == verify::kAsFound ? words.filled(OT_TR("Ortavel", "as found: %1"), {date})
                                                 : words.filled(OT_TR("Ortavel", "as left: %1"), {date}));
    }
    page.line(words.filled(OT_TR("Ortavel", "Dates of the runs: %1"), {dates}));
    if (!plan.departures.empty())
        page.line(words.filled(OT_TR("Ortavel", "Departures from the method: %1"), {q(plan.departures)}));
    if (!plan.ambientTemperature.empty() || !plan.ambientHumidity.empty() || !plan.ambientPressure.empty())
        page.line(words.filled(
            OT_TR("Ortavel", "Ambient conditions: temperature %1   humidity %2   atmospheric pressure %3"),
            {orDash(plan.ambientTemperature), orDash(plan.ambientHumidity), orDash(plan.ambientPressure)}));
    page.line(words.filled(OT_TR("Ortavel", "Method: %1"), {words(last.method)}));
    if (const auto adjustment = certificate.rangeAdjustment())
        page.line(words(*adjustment));
    for (const RunSheet *sheet : runs) {
        if (sheet->plan.overdueAccepted) {
            page.font(9, true);
            page.line(
                words(OT_TR("Ortavel", "A reference instrument past its due date was used (see the runs below).")));
            page.font(9, false);
            break;
        }
    }
    page.rule();
    for (const RunSheet *sheet : runs)
        runTable(page, words, *sheet);
    page.font(7, false);
    page.line(
        words.filled(OT_TR("Ortavel", "Pressures in %1 with the transmitter's decimals. Nominal: the point's "
                                      "pressure on the range; Reference: read off the reference instrument, "
                                      "\"(n)\": the nominal taken over;"),
                     {id.range.unit.empty() ? words(OT_TR("Ortavel", "the transmitter's unit")) : q(id.range.unit)}));
    page.line(words(OT_TR("Ortavel", "Reading: mean of the transmitter's samples, a digit more than it shows; Spread: "
                                     "highest minus lowest sample; Error: reading minus reference; Error %: of "
                                     "span.")));
    page.line(words(OT_TR("Ortavel", "U (k=2): expanded uncertainty of the error from the reference's stated "
                                     "uncertainty, one digit of the transmitter and the samples' standard deviation "
                                     "of their mean;")));
    page.line(words(OT_TR("Ortavel", "TUR: tolerance / U. Each point is judged by its run's decision rule; "
                                     "\"unstable\": spread above a quarter of the tolerance; \"not read\": a sample "
                                     "failed.")));
    page.line(words(OT_TR("Ortavel", "The results relate only to the item calibrated. This report may be reproduced "
                                     "only in full.")));
    // The CSV written for this report holds every sample; its digest ties
    // the two together.
    std::ostringstream csv;
    verify::writeCsv(csv, certificate);
    page.line(words.filled(
        OT_TR("Ortavel", "CSV record of this report: SHA-256 %1"),
        {QString::fromLatin1(
            QCryptographicHash::hash(QByteArray::fromStdString(csv.str()), QCryptographicHash::Sha256).toHex())}));
    page.font(9, false);
    page.moveTo(std::max(page.y() + 40, page.bottom() - 200));
    page.line(words(OT_TR("Ortavel", "Performed by: ______________________   Date: ____________   Signature: "
                                     "______________________")));
    page.gap();
    page.line(words(OT_TR("Ortavel", "Checked by:   ______________________   Date: ____________   Signature: "
                                     "______________________")));
}

// The certificate on `writer`: the pages it took, 0 when it could not be drawn.
int layOut(QPdfWriter &writer, const Words &words, const verify::Certificate &certificate, int totalPages)
{
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 15, 18, 15),
                                     QPageLayout::Millimeter));
    writer.setTitle(titleOf(words, certificate));
    writer.setCreator(QStringLiteral("Ortavel"));
    QPainter painter(&writer);
    if (!painter.isActive())
        return 0;
    PageWriter page(writer, painter, painter.viewport(), q(certificate.reportNumber), totalPages, words);
    drawCertificate(page, words, certificate);
    const int pages = page.finish();
    return painter.end() ? pages : 0;
}

} // namespace

bool writeCertificatePdf(const std::string &path, const verify::Certificate &certificate,
                         const TextTranslator *translator)
{
    if (certificate.runs().empty())
        return false;
    const Words words(translator);
    // Every page names the total: a first layout into memory counts them.
    QBuffer counted;
    counted.open(QIODevice::WriteOnly);
    int pages = 0;
    {
        QPdfWriter counting(&counted);
        pages = layOut(counting, words, certificate, 0);
    }
    if (pages == 0)
        return false;
    QPdfWriter writer(q(path));
    return layOut(writer, words, certificate, pages) == pages;
}

} // namespace ortavel
