// Test entry point: a QApplication exists for every test program, so widget tests and
// string-table lookups work alike. CTest sets QT_QPA_PLATFORM=offscreen; test discovery and
// a test program run by hand get the same platform when nothing else was asked for.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
