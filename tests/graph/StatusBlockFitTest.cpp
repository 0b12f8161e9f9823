// The status block shows its texts whole in every shipped language: painted with the longest
// texts (either run state, the longest run's elapsed time and counter), no text reaches the
// graph's right frame, and no label runs into its value. Text is the only black ink in the
// block's columns apart from the frame.
#include "graph/CGraphControl.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <gtest/gtest.h>

namespace ampora {
namespace {

// The rows of the block with text ink in column x (the frame's row 0 aside).
int BlackPixelsInColumn(const QImage& image, int x, int rows)
{
    int ink = 0;
    for (int y = 1; y < rows; ++y) {
        const QRgb pixel = image.pixel(x, y); // black text, not the red grid crossing the block
        ink += qRed(pixel) < 128 && qGreen(pixel) < 128 && qBlue(pixel) < 128;
    }
    return ink;
}

// At Arial's 12-pixel cell "04:45:00" is 43 pixels wide, more than the 40 that W - 40 leaves.
TEST(StatusBlockFit, LongestTextsStayInsideInEveryShippedLanguage)
{
    std::vector<QString> languages{QString()};
    const QDir dir(QStringLiteral(AMPORA_BUILD_DIR "/translations"));
    for (const QString& language : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        languages.push_back(language);
    ASSERT_GE(languages.size(), 2u) << "no translation module was built";

    constexpr int kWidth = 500, kHeight = 300, kBlockRows = 60;
    constexpr uint32_t kLongestRunSeconds = 285 * 60; // 04:45:00 and 1710 samples
    for (const QString& language : languages) {
        QTranslator translator;
        if (!language.isEmpty()) {
            ASSERT_TRUE(translator.load(QDir(dir.filePath(language)).filePath(QStringLiteral("TransBat.lng"))));
            QCoreApplication::installTranslator(&translator);
        }
        for (const bool running : {false, true}) {
            CGraphControl graph;
            graph.SetRunState(running);
            graph.SetElapsed(kLongestRunSeconds);
            const QImage image = graph.Render(kWidth, kHeight);
            const StatusColumns columns = graph.StatusColumnsAt(kWidth);
            const std::string where = (language.isEmpty() ? std::string("built-in") : language.toStdString())
                                      + (running ? ", running" : ", stopped");
            EXPECT_LE(columns.value, kWidth - 40) << where;
            ASSERT_GT(BlackPixelsInColumn(image, columns.value + 2, kBlockRows), 0) << where << ": no value drawn";
            EXPECT_EQ(BlackPixelsInColumn(image, kWidth - 2, kBlockRows), 0) << where << ": a value reaches the right edge";
            for (const int x : {columns.value - 2, columns.value - 1})
                EXPECT_EQ(BlackPixelsInColumn(image, x, kBlockRows), 0) << where << ": a label runs into its value";
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

} // namespace
} // namespace ampora
