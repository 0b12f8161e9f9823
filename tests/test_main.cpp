// Test entry point: a QApplication exists for every test program, so widget tests and
// string-table lookups work alike. The platform comes from QT_QPA_PLATFORM (offscreen).
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
