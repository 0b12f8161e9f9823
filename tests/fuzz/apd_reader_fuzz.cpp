// libFuzzer harness for the battery-data file reader. Any input must give a result, never a
// crash; an accepted input must survive writing and reading back unchanged.
#include "monitor/BatteryDataFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace ampora;
    const QString name = QStringLiteral("fuzz.apd");
    BatteryData loaded;
    const DataFileResult result =
        ParseBatteryData(QByteArrayView(data, static_cast<qsizetype>(size)), name, &loaded);
    if (result.Ok() != result.error.isEmpty())
        std::abort();
    if (!result.Ok())
        return 0;

    BatteryData again;
    if (!ParseBatteryData(SerializeBatteryData(loaded), name, &again).Ok() || !(again == loaded))
        std::abort();
    return 0;
}
