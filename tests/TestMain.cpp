#include "platform/LeakSuppressions.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

// The tests run with a GUI application object so that fonts, images, painting, SQL drivers and
// other plug-ins behave as in the programs; the offscreen platform needs no display.
int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    std::setlocale(LC_ALL, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
