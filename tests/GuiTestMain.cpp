#include <QApplication>
#include <gtest/gtest.h>

namespace {
QtMessageHandler standardHandler = nullptr;

// The offscreen platform says it cannot raise or grab for every popup; nothing to act on.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        standardHandler(type, context, message);
}
} // namespace

// Window tests share one offscreen application, as the program has one.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(quietOffscreen);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
