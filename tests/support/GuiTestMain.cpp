// The main() of every widget test: a QApplication on the offscreen platform,
// also when CMake lists the tests at build time without the test environment.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>

namespace {
QtMessageHandler g_standardHandler = nullptr;

// The offscreen platform cannot raise or activate windows and says so each time.
void QuietOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("This plugin does not support")))
        return;
    if (g_standardHandler)
        g_standardHandler(type, context, message);
    else
        fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_standardHandler = qInstallMessageHandler(QuietOffscreenNotices);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
