// The test program's entry point: one Qt application for every test, on the
// offscreen platform unless the environment names another, with the
// program's resources handed to the framework.
#include <QApplication>
#include <gtest/gtest.h>

#include "res/Resources.h"

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    SetApplicationResources(&TervanResources());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(TervanResources().name));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
