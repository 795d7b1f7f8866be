#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// A control a window declares but never registers has no widget: its
// layout is handed a null one and the operator never sees the control.
void failOnNullWidget(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg && message.contains(QStringLiteral("null widget")))
        ADD_FAILURE() << message.toStdString();
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

// Widget tests run on the offscreen platform unless told otherwise.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(failOnNullWidget);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
