#pragma once
// The battery-data file (.apd): a saved run. A flat sequence of little-endian values:
//   int32 format number (100 when written; read and not checked)
//   int32 battery count, then that many battery images
//   int32 run length (seconds), int32 sample count, int32 tick count
//   sample count x 36-byte sample images (the nine int32 of Sample in field order)
// Bytes after the last sample image are ignored.
// A battery image is the five texts of BatteryRecord, each counted (int32 n, then n bytes,
// no NUL), followed by its int32 fields from designedCapacity to defaultAlert2 without
// estimatedTime; estimatedTime and the manufacture date are not stored and read back as 0.
//
// The reader opens only regular files (links are followed), reads through a buffered stream
// only what the counts need, and checks everything before it hands anything over, so a
// damaged file changes nothing the caller holds. A file that ends inside its sample images
// (a save cut short) gives the whole samples and says how many were claimed. The writer goes
// through a temporary file renamed into place, so a failed save leaves an earlier file of that
// name as it was; only where the folder refuses the temporary file is the file written in place,
// and then its earlier contents are put back when the new ones cannot be written whole.
#include "battery/BatteryRecord.h"
#include "monitor/Sample.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <vector>

namespace ampora {

inline constexpr int32_t kDataFileFormat = 100;
// Texts are read into a 260-byte buffer with room for a NUL, so no text is longer.
inline constexpr int32_t kMaxDataFileText = 259;

struct BatteryData {
    std::vector<BatteryRecord> records; // position = battery number
    int32_t runSeconds = 0;
    int32_t tickCount = 0;              // seconds the saved run lasted
    SampleSeries samples;

    bool operator==(const BatteryData&) const = default;
};

enum class DataFileStatus {
    Ok,
    Partial,     // read: the file ends inside its sample images; the whole ones were read
    CannotOpen,  // not a regular file, or it could not be opened (or, for a save, created)
    Damaged,     // read: the contents break the format
    WriteFailed, // save: writing or renaming into place failed
};

struct DataFileResult {
    DataFileStatus status = DataFileStatus::Ok;
    // For the user: names the file and what went wrong (for Partial: what was cut); empty when
    // Ok. The first line names the file, the detail follows on lines of its own.
    QString error;

    bool Ok() const { return status == DataFileStatus::Ok; }
    // The data were read (in full, or the whole samples of a cut file).
    bool Loaded() const { return status == DataFileStatus::Ok || status == DataFileStatus::Partial; }
};

// Saves `data` to `path` (the name used as given: complete it first). Every step of the write
// is checked; a failure is WriteFailed (or CannotOpen) with the system's reason in `error`.
DataFileResult WriteBatteryDataFile(const QString& path, const BatteryData& data);

// Reads the file at `path`. *data is replaced only when the result is Loaded().
DataFileResult ReadBatteryDataFile(const QString& path, BatteryData* data);

// The same checks over bytes already in memory; fileName is only used in messages.
DataFileResult ParseBatteryData(QByteArrayView bytes, const QString& fileName, BatteryData* data);

// The file image of `data`. Texts longer than kMaxDataFileText bytes are cut where no UTF-8
// sequence is split, so that every file written can be read back.
QByteArray SerializeBatteryData(const BatteryData& data);

// Appends ".apd" unless the path already holds ".apd" anywhere (case-sensitive):
// "run" -> "run.apd", "RUN.APD" -> "RUN.APD.apd", "old.apd.bak" stays.
QString CompleteDataFileName(const QString& path);

} // namespace ampora
