// ortavel-cli verify against the simulator: bad input, a run that fails on an offset and passes after a zero, the
// certificate's CSV and PDF, the prompts with the pressure applied as asked.

#include "reliability/Programs.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace ortavel::test {
namespace {

class VerifyEndToEndTest : public DemoLine {
protected:
    std::string path(const char *name) const { return m_folder.path().toStdString() + "/" + name; }
    void write(const std::string &file, const std::string &text) const
    {
        QFile out(QString::fromStdString(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text.c_str());
    }
    std::string read(const std::string &file) const
    {
        QFile in(QString::fromStdString(file));
        return in.open(QIODevice::ReadOnly) ? in.readAll().toStdString() : std::string();
    }
    // Every request of the last run only reads.
    void expectOnlyReads() const
    {
        const std::set<std::string> reads = {"TY",  "ID",  "VR", "DL", "DH", "UT", "DP",
                                             "RT0", "RP0", "SL", "SH", "FU", "OL", "OH"};
        for (const auto &entry : m_server.trace())
            EXPECT_EQ(reads.count(entry.command), 1U) << entry.command;
    }
};

TEST_F(VerifyEndToEndTest, BadInputIsRefusedWithOneLineAndNothingSent)
{
    const std::string header = "run,address,type,id,point,direction,nominal,reference,reading,spread,error,"
                               "error_pct_span,result\n";
    write(path("other.csv"), header + "as found,07,QX830,B0707,0,up,-1.0000,-1.0000,-1.0000,0.0000,0.0000,0.00,pass\n");
    write(path("traffic.csv"), "time_ms,baud,address,request,reply,result,duration_ms\n");
    // Its reading less its reference is not the error it states.
    write(path("altered.csv"), header + "as found,01,QX820,A1001,0,up,0.000,0,0.8013,0.0050,0.7013,0.80,fail\n");
    const std::vector<std::vector<std::string>> rows = {
        {"--points", "0,120"},
        {"--points", "50,25"},
        {"--points", "0,x"},
        {"--tolerance", "0"},
        {"--tolerance", "-1"},
        {"--samples", "0"},
        {"--samples", "101"},
        {"--reference-values", "0,1"},
        {"--updown", "--reference-values", "0,25,50,75,100"},
        {"--as-found", path("none.csv")},
        {"--as-found", path("traffic.csv")},
        {"--as-found", path("other.csv")},
        {"--as-found", path("altered.csv")},
        {"--reference-due", "2026-02-30"},
        {"--reference-uncertainty", "-0.05"},
        {"--decision", "lenient"},
        {"--ambient", "21 C"},
        {"--ma-values", "25"},
        {"--procedure", "dkd-d"},
        {"--dwell", "-1"},
        {"--dwell", "3601"},
        {"--dwell", "1.5"},
        // dkd-c reads ten points: the values count the points, not the preload and zero readings.
        {"--procedure", "dkd-c", "--reference-values", "0,25,50,75,100,100,75,50,25,0,0,0"},
        // Past due: nothing sent unless the operator goes on knowingly.
        {"--reference-due", "2020-01-31"},
    };
    for (const auto &row : rows) {
        std::vector<std::string> arguments = {"verify", "1"};
        arguments.insert(arguments.end(), row.begin(), row.end());
        const auto result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << row.front();
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_TRUE(m_server.trace().empty()) << row.front();
    }
}

TEST_F(VerifyEndToEndTest, AnOffsetFailsAsFoundAndAZeroPassesAsLeft)
{
    m_server.setPressure(1, 0.0, 0.8);
    const auto found =
        run({"verify", "1", "--points", "0", "--samples", "3", "--reference-values", "0", "--csv", path("found.csv")});
    EXPECT_EQ(found.exitCode, 1) << found.err;
    expectOnlyReads();
    const std::string csv = read(path("found.csv"));
    EXPECT_NE(csv.find("\nas found,01,QX820,A1001,0,up,0.000,0,0.80"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",fail,"), std::string::npos) << csv;

    // Another transmitter's as-found run does not join.
    write(path("foreign.csv"), QString::fromStdString(csv).replace("A1001", "Z9999").toStdString());
    EXPECT_EQ(
        run({"verify", "1", "--points", "0", "--reference-values", "0", "--as-found", path("foreign.csv")}).exitCode,
        2);

    ASSERT_EQ(run({"zero", "1"}).exitCode, 0);
    const std::vector<std::string> leftRun = {"--json",
                                              "verify",
                                              "1",
                                              "--points",
                                              "0",
                                              "--reference-values",
                                              "0",
                                              "--as-found",
                                              path("found.csv"),
                                              "--csv",
                                              path("cert.csv"),
                                              "--pdf",
                                              path("cert.pdf"),
                                              "--operator",
                                              "J. Smith",
                                              "--instrument",
                                              "DPI 620",
                                              "--reference-due",
                                              "2020-01-31",
                                              "--accept-overdue-reference",
                                              "--reference-uncertainty",
                                              "0.01 k=2",
                                              "--decision",
                                              "conditional",
                                              "--customer",
                                              "Plant 7",
                                              "--tag",
                                              "PT-114",
                                              "--ambient",
                                              "21.5 C,,1013 hPa",
                                              "--ma-values",
                                              "4.010",
                                              "--report-prefix",
                                              "CAL"};
    const auto left = run(leftRun);
    EXPECT_EQ(left.exitCode, 0) << left.err;
    expectOnlyReads();
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(left.out)).object();
    EXPECT_EQ(json["verdict"].toString(), "PASS");
    EXPECT_EQ(json["as_found"].toObject()["verdict"].toString(), "FAIL");
    // The first report of the year from this computer's counter; 4.010 mA at 0 % of OL..OH is 0.06 % of 16 mA.
    const QString number = json["report"].toObject()["number"].toString();
    EXPECT_TRUE(number.startsWith("CAL-") && number.endsWith("-0001")) << left.out;
    const QJsonObject zero = json["points"].toArray()[0].toObject();
    EXPECT_EQ(zero["ma_expected"].toString() + " " + zero["ma_error_pct_span"].toString(), "4.000 0.06");
    EXPECT_EQ(zero["ma_result"].toString(), "pass");
    const std::string certificate = read(path("cert.csv"));
    // Both runs whole, each with its own samples and its own date and operator.
    const QString all = QString::fromStdString(certificate);
    EXPECT_EQ(all.count("\nas found,01,QX820,A1001,0,up,0.000,0,0.80"), 1) << certificate;
    EXPECT_EQ(all.count("\nas left,01,QX820,A1001,0,up,0.000,0,"), 1) << certificate;
    EXPECT_EQ(all.count(QRegularExpression("(?m)^as found,1,0,up,typed,1,\\d,0\\.[78]\\d+,kept$")), 3) << certificate;
    EXPECT_EQ(all.count(QRegularExpression("(?m)^as left,1,0,up,typed,1,\\d,-?0\\.0\\d+,kept$")), 5) << certificate;
    EXPECT_TRUE(all.contains("# as_found.operator: \n") && all.contains("# as_left.operator: J. Smith\n") &&
                all.contains("# as_left.reference_overdue_accepted: yes\n"))
        << certificate;

    QProcess text;
    text.start("pdftotext", {"-layout", QString::fromStdString(path("cert.pdf")), "-"});
    ASSERT_TRUE(text.waitForFinished(20000)) << "pdftotext (poppler-utils) is needed";
    const std::string pdf = text.readAllStandardOutput().toStdString();
    // The as-left run states its reference's uncertainty: the report is a calibration certificate.
    for (const char *expected : {"Calibration certificate",
                                 "As found: FAIL",
                                 "As left: PASS",
                                 "A1001",
                                 "QX820",
                                 "J. Smith",
                                 "DPI 620",
                                 "0.80",
                                 "Signature",
                                 "past its due date (2020-01-31)",
                                 "transmitter temperature at start (RT0): 25.",
                                 "U (k=2)",
                                 "0.01 k=2",
                                 "Non-binary acceptance",
                                 "Plant 7",
                                 "PT-114",
                                 "21.5 C",
                                 "1013 hPa",
                                 "relate only to the item",
                                 "4-20 mA output",
                                 "page 1 of 1",
                                 "End of report"})
        EXPECT_NE(pdf.find(expected), std::string::npos) << expected << " in\n" << pdf;

    EXPECT_NE(pdf.find(number.toStdString()), std::string::npos) << pdf;
    // The PDF names the CSV written beside it by its digest.
    QFile csvFile(QString::fromStdString(path("cert.csv")));
    ASSERT_TRUE(csvFile.open(QIODevice::ReadOnly));
    const QByteArray digest = QCryptographicHash::hash(csvFile.readAll(), QCryptographicHash::Sha256).toHex();
    EXPECT_NE(pdf.find("SHA-256 " + digest.toStdString()), std::string::npos) << pdf;

    // No line of text lies over another.
    text.start("pdftotext", {"-bbox", QString::fromStdString(path("cert.pdf")), "-"});
    ASSERT_TRUE(text.waitForFinished(20000));
    std::map<double, double> lines; // top to bottom of each line
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"[^\"]*\" yMin=\"([^\"]*)\" xMax=\"[^\"]*\" yMax=\"([^\"]*)\""));
    for (auto it = word.globalMatch(QString::fromUtf8(text.readAllStandardOutput())); it.hasNext();) {
        const auto match = it.next();
        double &bottom = lines[match.captured(1).toDouble()];
        bottom = std::max(bottom, match.captured(2).toDouble());
    }
    ASSERT_GE(lines.size(), 20U);
    for (auto line = lines.begin(); std::next(line) != lines.end(); ++line)
        EXPECT_GE(std::next(line)->first, line->second - 0.5) << "the line at " << line->first;
}

// The operator applies each pressure as asked and types the reference, or Enter for the nominal.
TEST_F(VerifyEndToEndTest, PromptsForEachPointAndTakesEnterAsTheNominal)
{
    QProcess cli;
    cli.setReadChannel(QProcess::StandardError);
    cli.start(ORTAVEL_CLI_PROGRAM,
              {"--settings-dir", m_folder.path(), "--no-history", "--device", QString::fromStdString(m_link), "verify",
               "1", "--points", "0,50,100", "--updown", "--samples", "2"});
    std::string err;
    for (int point = 0; point < 5; ++point) {
        while (!err.ends_with("]: ")) {
            ASSERT_TRUE(cli.waitForReadyRead(20000)) << err;
            err += cli.readAllStandardError().toStdString();
        }
        // "Apply 50.000 kPa, then type the reference reading [50.000]: "
        const QStringList words = QString::fromStdString(err).split(' ');
        ASSERT_EQ(words.size(), 10) << err;
        EXPECT_EQ(words[0] + words[2] + words[8], "ApplykPa,[" + words[1] + "]:");
        m_server.setPressure(1, words[1].toDouble());
        err.clear();
        cli.write(point == 1 ? "50.01\n" : "\n");
    }
    ASSERT_TRUE(cli.waitForFinished(20000));
    const std::string out = cli.readAllStandardOutput().toStdString();
    EXPECT_EQ(cli.exitCode(), 0) << out << err;
    // As typed, and the nominal taken over marked as such.
    EXPECT_TRUE(QString::fromStdString(out).simplified().contains(" 50 up 50.000 50.01 50.0")) << out;
    EXPECT_TRUE(QString::fromStdString(out).simplified().contains(" 100 up 100.000 100.000 (nominal) ")) << out;
    EXPECT_NE(out.find("hysteresis at 50.000: "), std::string::npos) << out;
    EXPECT_NE(out.find(": PASS\n"), std::string::npos) << out;
}

// Each procedure run through as the prompts ask: full scale for a preload, vented for a zero reading (0.2 kPa more
// after a cycle than before it), each point with an offset per series, so that b, h, f0 and linearity come out as
// worked by hand (noise of the demo transmitter: +-0.004 kPa).
TEST_F(VerifyEndToEndTest, EachProcedurePromptsItsStepsAndReportsItsCharacteristics)
{
    constexpr double kSeriesOffsets[] = {0.0, 0.5, 0.1, 0.6, 0.05}; // M1...M5, kPa
    constexpr double kNoise = 0.012;
    struct Row {
        const char *name;
        const char *procedure;
        const char *method;
        int preloads, zeros, points;
        std::optional<double> b, h, f0;
        double linearity;
    };
    const Row rows[] = {
        // Means 0.25, 0.25, 0 at 0, 50, 100: the least-squares line leaves 1/12 at 50.
        {"free plan up and down: h only where both directions read",
         "plan",
         "Free plan",
         0,
         0,
         5,
         {},
         0.5,
         {},
         0.5 / 6},
        {"dkd-c: one preload, one cycle, no repeated series",
         "dkd-c",
         "DKD-R 6-1 (03/2014) sequence C",
         1,
         2,
         10,
         {},
         0.5,
         0.2,
         0},
        {"dkd-b: M3 repeats M1", "dkd-b", "DKD-R 6-1 (03/2014) sequence B", 2, 4, 27, 0.1, 0.5, 0.2, 0},
        {"dkd-a: b the larger of M1/M3 and M2/M4, h their mean", "dkd-a", "DKD-R 6-1 (03/2014) sequence A", 3, 4, 36,
         0.1, 0.5, 0.2, 0},
        {"cg17-basic: b over three repeats at 0 and 40 %", "cg17-basic", "EURAMET cg-17 (v2.0) basic procedure", 1, 4,
         18, 0.55, 0.5, 0.2, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string csv = path("procedure.csv");
        const std::string pdf = path("procedure.pdf");
        QProcess cli;
        cli.setReadChannel(QProcess::StandardError);
        const QString arguments = "--no-history --json verify 1 --points 0,50,100 --updown --samples 2 --tolerance 1";
        cli.start(ORTAVEL_CLI_PROGRAM,
                  QStringList{"--settings-dir", m_folder.path(), "--device", QString::fromStdString(m_link)} +
                      arguments.split(' ') +
                      QStringList{"--procedure", row.procedure, "--csv", QString::fromStdString(csv), "--pdf",
                                  QString::fromStdString(pdf)});
        int preloads = 0, zeros = 0, points = 0, series = 1;
        double last = -1;
        std::string err;
        for (;;) {
            while (!err.ends_with("]: ") && !err.ends_with("press Enter") && cli.waitForReadyRead(20000))
                err += cli.readAllStandardError().toStdString();
            const QString prompt = QString::fromStdString(err.substr(err.rfind('\n') + 1));
            if (prompt.startsWith("Preload")) {
                ++preloads;
                m_server.setPressure(1, 100.0);
            } else if (prompt.startsWith("Zero reading")) {
                ++zeros;
                m_server.setPressure(1, 0.0, prompt.contains("after") ? 0.2 : 0.0);
            } else if (prompt.startsWith("Apply")) {
                ++points;
                const double pressure = prompt.section(' ', 1, 1).toDouble();
                const auto named = QRegularExpression("\\(M(\\d) ").match(prompt);
                // The free plan's prompt names no series: it turns down where the pressure stops rising.
                series = named.hasMatch() ? named.captured(1).toInt() : pressure <= last ? 2 : series;
                last = pressure;
                m_server.setPressure(1, pressure, kSeriesOffsets[series - 1]);
            } else {
                break;
            }
            err.clear();
            cli.write("\n");
        }
        ASSERT_TRUE(cli.state() == QProcess::NotRunning || cli.waitForFinished(20000));
        EXPECT_EQ(cli.exitCode(), 0) << err;
        EXPECT_EQ(std::vector({preloads, zeros, points}), std::vector({row.preloads, row.zeros, row.points}));
        const QJsonObject json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        EXPECT_EQ(json["method"].toString(), row.method);
        const QJsonObject figures = json["characteristics"].toObject();
        const std::pair<const char *, std::optional<double>> expected[] = {{"repeatability_b", row.b},
                                                                           {"hysteresis_h", row.h},
                                                                           {"zero_deviation_f0", row.f0},
                                                                           {"linearity", row.linearity}};
        for (const auto &[key, value] : expected) {
            EXPECT_EQ(figures.contains(key), value.has_value()) << key;
            if (value) {
                EXPECT_NEAR(figures[key].toObject()["value"].toString().toDouble(), *value, kNoise) << key;
            }
        }

        QProcess text;
        text.start("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
        ASSERT_TRUE(text.waitForFinished(20000)) << "pdftotext (poppler-utils) is needed";
        const QString pdfText = QString::fromUtf8(text.readAllStandardOutput());
        EXPECT_TRUE(pdfText.contains(QString("Method: ") + row.method)) << pdfText.toStdString();
        EXPECT_EQ(pdfText.contains("Repeatability b: "), row.b.has_value()) << pdfText.toStdString();
        EXPECT_TRUE(pdfText.contains("Linearity: ")) << pdfText.toStdString();

        // The as-left run reads the as-found CSV back with its procedure and figures.
        const auto left = run({"--json", "verify", "1", "--points", "0", "--reference-values", "0", "--as-found", csv});
        const QJsonObject found =
            QJsonDocument::fromJson(QByteArray::fromStdString(left.out)).object()["as_found"].toObject();
        EXPECT_EQ(found["procedure"].toString(), row.procedure) << left.out;
        EXPECT_EQ(found["characteristics"].toObject(), figures) << left.out;
    }
}

} // namespace
} // namespace ortavel::test
