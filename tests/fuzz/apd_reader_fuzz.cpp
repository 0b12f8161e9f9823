// libFuzzer harness for the battery-data file reader. Any input must give a result, never a
// crash; the reader of a file on disk must agree with the reader of the same bytes in memory;
// an accepted input must survive writing and reading back unchanged.
#include "monitor/BatteryDataFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace ampora;
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("fuzz.apd"));
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));

    BatteryData loaded;
    const DataFileResult result = ParseBatteryData(bytes, path, &loaded);
    if (result.Ok() != result.error.isEmpty())
        std::abort();

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes.data(), bytes.size()) != bytes.size())
        std::abort();
    file.close();
    BatteryData fromFile;
    const DataFileResult fileResult = ReadBatteryDataFile(path, &fromFile);
    if (fileResult.status != result.status || fileResult.error != result.error || !(fromFile == loaded))
        std::abort();
    if (!result.Loaded())
        return 0;

    BatteryData again;
    if (!ParseBatteryData(SerializeBatteryData(loaded), path, &again).Ok() || !(again == loaded))
        std::abort();
    return 0;
}
