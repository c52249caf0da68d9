#include <QApplication>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

// Widget tests drive the real widgets on the offscreen platform with Qt Test's events.
int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    std::setlocale(LC_ALL, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
