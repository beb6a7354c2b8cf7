// The book tests run inside one QApplication with the Polish catalogue, as the program does.

#include "messages/catalogue.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Also when CTest lists the tests at build time: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallMessageCatalogue(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
