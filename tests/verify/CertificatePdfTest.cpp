#include "adapters/CertificatePdf.h"
#include "adapters/TextTranslator.h"

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
    // The CJK font's glyph of 页 is also the radical ⻚, and pdftotext reads it back as that.
    QStringList pages =
        QString::fromUtf8(text.readAllStandardOutput()).replace(QChar(0x2EDA), QChar(0x9875)).split(u'\f');
    pages.removeLast(); // after the last page's form feed
    return {pages.begin(), pages.end()};
}

// 100 points up and back down fill several pages, in the report's language; the operator's name is put in as typed.
TEST(CertificatePdf, EveryPageNamesTheReportAndItsPlaceAndTheLastEndsIt)
{
    struct Row {
        const char *name;
        TextLanguage language;
        const char *footer;
        const char *end;
        const char *operatorLine;
    };
    const Row rows[] = {
        {"as specified", TextLanguage::Specified, "Report CAL-2026-0042 page %1 of %2", "End of report",
         "Operator: Li %1 tolerance"},
        {"in Chinese", TextLanguage::Chinese, "报告 CAL-2026-0042 第 %1 页，共 %2 页", "报告结束", "操作员：Li %1"},
    };
    verify::Certificate certificate;
    verify::RunSheet &sheet = certificate.asLeft.emplace();
    sheet.run = verify::kAsLeft;
    sheet.plan.operatorName = "Li %1";
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
    certificate.reportNumber = "CAL-2026-0042";
    // The compiled translations lie beside the test programs, as beside the window program.
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const TextTranslator words(row.language, folder);
        ASSERT_TRUE(words.loaded());
        QTemporaryDir dir;
        const QString path = dir.filePath("long.pdf");
        ASSERT_TRUE(writeCertificatePdf(path.toStdString(), certificate, &words));
        const std::vector<QString> pages = pagesOf(path);
        ASSERT_GE(pages.size(), 3u) << "pdftotext (poppler-utils) is needed";
        EXPECT_TRUE(pages.front().simplified().contains(QString::fromUtf8(row.operatorLine)));
        for (std::size_t k = 1; k <= pages.size(); ++k) {
            SCOPED_TRACE(k);
            const QStringList lines = pages[k - 1].trimmed().split(u'\n');
            // The footer is the page's last line, with nothing drawn over or below it.
            EXPECT_EQ(lines.last().simplified(), QString::fromUtf8(row.footer).arg(k).arg(pages.size()));
            EXPECT_EQ(pages[k - 1].count(QString::fromUtf8(row.end)), k == pages.size() ? 1 : 0);
        }
    }
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
