#include <QApplication>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"
#include "support/TestFonts.h"

int main(int argc, char** argv)
{
    // Tests never need a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The same fonts on every machine.
    TestFonts::install();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
