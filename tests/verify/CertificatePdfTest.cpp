#include "adapters/CertificatePdf.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ortavel::test {
namespace {

// pdftotext -layout: the text of each page, in order.
std::vector<QString> pagesOf(const QString &pdf)
{
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    if (!text.waitForFinished(20000) || text.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(u'\f');
    pages.removeLast(); // after the last page's form feed
    return {pages.begin(), pages.end()};
}

// 100 points up and back down fill several pages.
TEST(CertificatePdf, EveryPageNamesTheReportAndItsPlaceAndTheLastEndsIt)
{
    verify::Certificate certificate;
    verify::RunSheet &sheet = certificate.asLeft.emplace();
    sheet.run = verify::kAsLeft;
    for (int i = 0; i < 199; ++i) {
        const std::string point = std::to_string(i < 100 ? i : 198 - i);
        sheet.lines.push_back({point,
                               i < 100 ? "up" : "down",
                               point,
                               point,
                               point,
                               "0.0",
                               "0.0",
                               "0.00",
                               "pass",
                               false,
                               false,
                               {},
                               {},
                               {},
                               {},
                               {},
                               {},
                               {},
                               {}});
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("long.pdf");
    certificate.reportNumber = "CAL-2026-0042";
    ASSERT_TRUE(writeCertificatePdf(path.toStdString(), certificate));
    const std::vector<QString> pages = pagesOf(path);
    ASSERT_GE(pages.size(), 3u) << "pdftotext (poppler-utils) is needed";
    for (std::size_t k = 1; k <= pages.size(); ++k) {
        SCOPED_TRACE(k);
        const QStringList lines = pages[k - 1].trimmed().split(u'\n');
        // The footer is the page's last line, with nothing drawn over or below it.
        EXPECT_EQ(lines.last().simplified(),
                  QStringLiteral("Report CAL-2026-0042 page %1 of %2").arg(k).arg(pages.size()));
        EXPECT_EQ(pages[k - 1].count("End of report"), k == pages.size() ? 1 : 0);
    }
    EXPECT_TRUE(pages.back().contains("Signature"));
}

} // namespace
} // namespace ortavel::test

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
