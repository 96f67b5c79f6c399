#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // The tests never need a display; listing them at build time has no
    // environment of its own, so default to the offscreen platform there too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
