// The shipped translation module with bytes changed at seeded places, as a damaged download or
// disk would leave it: every variant is either refused (English texts) or used safely, and the
// program starts with each, looking up every text it has.
#include "AppTestSupport.h"

#include "app/CVolticDlg.h"
#include "platform/Backends.h"
#include "resources/Resources.h"
#include "resources/StringTable.h"
#include "resources/TranslationCheck.h"

#include <QFile>
#include <QMenu>

#include <gtest/gtest.h>

#include <random>

namespace ampora {
namespace {

QByteArray ShippedModule()
{
    QFile file(QStringLiteral(AMPORA_BUILD_DIR "/translations/de/TransBat.lng"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every text a start and a session look up by number or name.
void LookUpEveryText()
{
    for (int id = 0; id <= IDS_LOG_FAILED; ++id)
        LoadQString(id);
    LoadQString(IDS_FAILED_TO_LAUNCH_HELP);
    QMenu menu;
    BuildTrayMenu(&menu);
}

TEST(TranslationModuleFuzz, EveryDamagedVariantStarts)
{
    const QByteArray shipped = ShippedModule();
    ASSERT_TRUE(IsSoundTranslationModule(shipped));
    QTemporaryDir work;
    test::ScopedCurrentDir cwd(work.path());
    std::mt19937 random(27);
    std::uniform_int_distribution<qsizetype> position(0, shipped.size() - 1);
    std::uniform_int_distribution<int> delta(1, 255);
    int refused = 0;
    constexpr int kVariants = 300;
    for (int variant = 0; variant < kVariants; ++variant) {
        QByteArray bytes = shipped;
        const int changes = variant % 2 == 0 ? 1 : 10;
        for (int i = 0; i < changes; ++i) {
            const qsizetype at = position(random);
            bytes[at] = static_cast<char>(static_cast<unsigned char>(bytes[at]) + delta(random));
        }
        SCOPED_TRACE(variant);
        QFile file(QStringLiteral("TransBat.lng"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();

        UnloadTranslationModule();
        refused += LoadTranslationModule().isEmpty();
        LookUpEveryText();
        if (variant % 30 == 0) { // the whole main window now and then
            Backends backends = MakeBackends();
            CVolticDlg dialog(backends);
        }
    }
    UnloadTranslationModule();
    // Most single-byte changes land in a translation's text and are harmless; the rest are refused.
    EXPECT_GT(refused, 0);
    EXPECT_LT(refused, kVariants);
}

} // namespace
} // namespace ampora
