#include "monitor/BatteryDataFile.h"

#include "monitor/WholeWrite.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string_view>

namespace ampora {
namespace {

// The battery image: five counted texts, then twelve int32.
struct TextField {
    std::string BatteryRecord::*member;
    int nameId;
};
constexpr TextField kTextFields[] = {
    {&BatteryRecord::deviceName, IDS_FIELD_DEVICE_NAME},
    {&BatteryRecord::manufacturer, IDS_FIELD_MANUFACTURER},
    {&BatteryRecord::serialNumber, IDS_FIELD_SERIAL_NUMBER},
    {&BatteryRecord::uniqueId, IDS_FIELD_UNIQUE_ID},
    {&BatteryRecord::chemistry, IDS_FIELD_CHEMISTRY},
};
constexpr int32_t BatteryRecord::*kNumberFields[] = {
    &BatteryRecord::designedCapacity, &BatteryRecord::fullChargedCapacity,
    &BatteryRecord::remainingCapacity, &BatteryRecord::voltage,
    &BatteryRecord::criticalBias, &BatteryRecord::cycleCount,
    &BatteryRecord::technology, &BatteryRecord::temperature,
    &BatteryRecord::rate, &BatteryRecord::powerState,
    &BatteryRecord::defaultAlert1, &BatteryRecord::defaultAlert2,
};
constexpr int32_t Sample::*kSampleFields[] = {
    &Sample::tick, &Sample::designedCapacity, &Sample::fullChargedCapacity,
    &Sample::reserved, &Sample::remainingCapacity, &Sample::voltage,
    &Sample::batteryLifeTime, &Sample::batteryFullLifeTime, &Sample::batteryLifePercent,
};

constexpr qint64 kInt32Size = 4;
constexpr qint64 kSampleImageSize = std::size(kSampleFields) * kInt32Size;
static_assert(kSampleImageSize == 36);
// A battery image with five empty texts.
constexpr qint64 kMinBatteryImageSize = (std::size(kTextFields) + std::size(kNumberFields)) * kInt32Size;
// Sample images are read this many at a time.
constexpr qint64 kSamplesPerRead = 256;

QString ShownName(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Each message names the file on its first line; the detail follows on its own line.
DataFileResult Damaged(const QString& file, const QString& detail)
{
    return {DataFileStatus::Damaged, LoadQString(IDS_FILE_DAMAGED).arg(ShownName(file)) + QLatin1Char('\n') + detail};
}

DataFileResult PastEnd(const QString& file, const QString& detail)
{
    return {DataFileStatus::Damaged, LoadQString(IDS_PAST_END).arg(ShownName(file)) + QLatin1Char('\n') + detail};
}

DataFileResult PastEndOf(const QString& file, int fieldId)
{
    return PastEnd(file, LoadQString(IDS_WHILE_READING).arg(LoadQString(fieldId)));
}

QString Number(qint64 n)
{
    return QString::number(n);
}

DataFileResult CannotOpen(int messageId, const QString& file, const QString& reason = QString())
{
    const QString text = reason.isEmpty() ? LoadQString(messageId).arg(ShownName(file))
                                          : LoadQString(messageId).arg(ShownName(file), reason);
    return {DataFileStatus::CannotOpen, text};
}

// Reads little-endian values from a device, never past the bytes it held when reading began.
// Every read says whether the bytes were there.
class Reader {
public:
    explicit Reader(QIODevice& device) : m_device(device), m_left(std::max<qint64>(0, device.size() - device.pos())) {}

    qint64 Left() const { return m_left; }

    // Up to n bytes into out; returns how many were read.
    qint64 ReadUpTo(char* out, qint64 n)
    {
        const qint64 got = m_device.read(out, std::min(n, m_left));
        if (got < 0) {
            m_left = 0;
            return 0;
        }
        m_left -= got;
        return got;
    }

    bool Read(char* out, qint64 n) { return n <= m_left && ReadUpTo(out, n) == n; }

    bool Int32(int32_t* value)
    {
        char bytes[kInt32Size];
        if (!Read(bytes, kInt32Size))
            return false;
        *value = qFromLittleEndian<qint32>(bytes);
        return true;
    }

private:
    QIODevice& m_device;
    qint64 m_left;
};

void PutInt32(char* out, int32_t value)
{
    qToLittleEndian<qint32>(value, out);
}

void AppendInt32(QByteArray* out, int32_t value)
{
    char bytes[kInt32Size];
    PutInt32(bytes, value);
    out->append(bytes, kInt32Size);
}

// Cut to the longest prefix of at most max bytes that does not split a UTF-8 sequence.
std::string_view FitText(const std::string& text, std::size_t max)
{
    if (text.size() <= max)
        return text;
    std::size_t n = max;
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
        --n;
    return std::string_view(text).substr(0, n);
}

DataFileResult ReadBattery(Reader& in, const QString& file, int number, BatteryRecord* record)
{
    for (const TextField& field : kTextFields) {
        const QString name = LoadQString(field.nameId);
        int32_t length = 0;
        char text[kMaxDataFileText + 1] = {};
        if (!in.Int32(&length))
            return PastEnd(file, LoadQString(IDS_WHILE_READING_BATTERY_FIELD).arg(name, Number(number)));
        if (length < 0 || length > kMaxDataFileText)
            return Damaged(file, LoadQString(IDS_BAD_TEXT_LENGTH)
                                     .arg(name, Number(number), Number(length), Number(kMaxDataFileText)));
        if (!in.Read(text, length))
            return PastEnd(file, LoadQString(IDS_WHILE_READING_BATTERY_FIELD).arg(name, Number(number)));
        record->*field.member = std::string(text, ::strnlen(text, static_cast<std::size_t>(length)));
    }
    for (int32_t BatteryRecord::*member : kNumberFields) {
        if (!in.Int32(&(record->*member)))
            return PastEnd(file, LoadQString(IDS_WHILE_READING_BATTERY).arg(number));
    }
    return {};
}

void DecodeSample(const char* image, Sample* sample)
{
    for (int32_t Sample::*member : kSampleFields) {
        sample->*member = qFromLittleEndian<qint32>(image);
        image += kInt32Size;
    }
}

// The whole format over any device positioned at the file's start. Reads what the counts need
// and no more; nothing is allocated beyond what the bytes present can fill.
DataFileResult Parse(QIODevice& device, const QString& file, BatteryData* data)
{
    Reader in(device);
    BatteryData loaded;

    int32_t format = 0;
    if (!in.Int32(&format))
        return PastEndOf(file, IDS_FIELD_FORMAT_NUMBER);

    int32_t batteryCount = 0;
    if (!in.Int32(&batteryCount))
        return PastEndOf(file, IDS_FIELD_BATTERY_COUNT);
    if (batteryCount < 0)
        return Damaged(file, LoadQString(IDS_NEGATIVE_BATTERY_COUNT).arg(batteryCount));
    if (batteryCount > in.Left() / kMinBatteryImageSize)
        return Damaged(file, LoadQString(IDS_TOO_MANY_BATTERIES)
                                 .arg(Number(batteryCount), Number(in.Left() / kMinBatteryImageSize)));
    loaded.records.resize(static_cast<std::size_t>(batteryCount));
    for (int i = 0; i < batteryCount; ++i) {
        DataFileResult result = ReadBattery(in, file, i + 1, &loaded.records[static_cast<std::size_t>(i)]);
        if (!result.Ok())
            return result;
    }

    int32_t sampleCount = 0;
    if (!in.Int32(&loaded.runSeconds))
        return PastEndOf(file, IDS_FIELD_RUN_LENGTH);
    if (!in.Int32(&sampleCount))
        return PastEndOf(file, IDS_FIELD_SAMPLE_COUNT);
    if (!in.Int32(&loaded.tickCount))
        return PastEndOf(file, IDS_FIELD_TICK_COUNT);
    if (sampleCount < 0)
        return Damaged(file, LoadQString(IDS_NEGATIVE_SAMPLE_COUNT).arg(sampleCount));

    // A save cut short (a full disk) ends inside the sample images: the whole ones are kept.
    const qint64 present = std::min<qint64>(sampleCount, in.Left() / kSampleImageSize);
    loaded.samples.Reserve(static_cast<std::size_t>(present));
    char images[kSamplesPerRead * kSampleImageSize];
    for (qint64 done = 0; done < present;) {
        const qint64 wanted = std::min(kSamplesPerRead, present - done) * kSampleImageSize;
        const qint64 got = in.ReadUpTo(images, wanted) / kSampleImageSize;
        for (qint64 i = 0; i < got; ++i) {
            Sample sample;
            DecodeSample(images + i * kSampleImageSize, &sample);
            loaded.samples.Append(sample);
        }
        done += got;
        if (got * kSampleImageSize < wanted)
            break; // the file shrank while it was read
    }

    DataFileResult result;
    const auto whole = static_cast<qint64>(loaded.samples.Size());
    if (whole < sampleCount) {
        result = {DataFileStatus::Partial,
                  LoadQString(IDS_SAMPLES_CUT).arg(ShownName(file), Number(sampleCount), Number(whole))};
    }
    *data = std::move(loaded);
    return result;
}

} // namespace

DataFileResult ParseBatteryData(QByteArrayView bytes, const QString& file, BatteryData* data)
{
    QByteArray raw = QByteArray::fromRawData(bytes.data(), bytes.size());
    QBuffer buffer(&raw);
    buffer.open(QIODevice::ReadOnly);
    return Parse(buffer, file, data);
}

DataFileResult ReadBatteryDataFile(const QString& path, BatteryData* data)
{
    // Only a regular file (or a link to one) is opened: a pipe would block the open and a
    // device would never end. A missing file is left to the open, which says so.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return CannotOpen(IDS_NOT_A_FILE, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return CannotOpen(IDS_CANNOT_OPEN, path, file.errorString());
    if (file.isSequential()) // replaced by something else since the look above
        return CannotOpen(IDS_NOT_A_FILE, path);
    BatteryData loaded;
    const DataFileResult result = Parse(file, path, &loaded);
    if (file.error() == QFileDevice::ReadError)
        return CannotOpen(IDS_CANNOT_READ, path, file.errorString());
    if (result.Loaded())
        *data = std::move(loaded);
    return result;
}

QByteArray SerializeBatteryData(const BatteryData& data)
{
    QByteArray out;
    AppendInt32(&out, kDataFileFormat);
    AppendInt32(&out, static_cast<int32_t>(data.records.size()));
    for (const BatteryRecord& record : data.records) {
        for (const TextField& field : kTextFields) {
            const std::string_view text = FitText(record.*field.member, kMaxDataFileText);
            AppendInt32(&out, static_cast<int32_t>(text.size()));
            out.append(text.data(), static_cast<qsizetype>(text.size()));
        }
        for (int32_t BatteryRecord::*member : kNumberFields)
            AppendInt32(&out, record.*member);
    }
    AppendInt32(&out, data.runSeconds);
    AppendInt32(&out, static_cast<int32_t>(data.samples.Size()));
    AppendInt32(&out, data.tickCount);

    const qsizetype start = out.size();
    out.resize(start + static_cast<qsizetype>(data.samples.Size()) * kSampleImageSize);
    char* image = out.data() + start;
    for (const Sample& sample : data.samples) {
        for (int32_t Sample::*member : kSampleFields) {
            PutInt32(image, sample.*member);
            image += kInt32Size;
        }
    }
    return out;
}

namespace {

DataFileResult WriteFailed(const QString& path, const QString& reason)
{
    return {DataFileStatus::WriteFailed, LoadQString(IDS_CANNOT_SAVE).arg(ShownName(path), reason)};
}

// Where the folder leaves no room for a temporary file, the file is written in place: the
// earlier contents are kept in memory until the new ones are completely written, and put back
// when any step fails, so the earlier run is never lost for a failed save.
DataFileResult WriteInPlace(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return CannotOpen(IDS_CANNOT_SAVE, path, file.errorString());
    const QByteArray earlier = file.readAll();
    if (file.error() != QFileDevice::NoError || earlier.size() != file.size())
        return CannotOpen(IDS_CANNOT_SAVE, path, file.errorString()); // unreadable: it could not be put back
    if (file.seek(0) && WriteWhole(file, bytes.constData(), bytes.size()) && file.resize(bytes.size()))
        return {};
    const QString reason = file.errorString();
    file.unsetError();
    if (!file.seek(0) || !WriteWhole(file, earlier.constData(), earlier.size()) || !file.resize(earlier.size()))
        return WriteFailed(path, reason + QLatin1Char('\n') + file.errorString());
    return WriteFailed(path, reason);
}

} // namespace

DataFileResult WriteBatteryDataFile(const QString& path, const BatteryData& data)
{
    // Writing over a folder or a device would lose the data or the device; a link is followed
    // (QSaveFile writes the link's target and keeps the link).
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return CannotOpen(IDS_NOT_A_FILE, path);

    const QByteArray bytes = SerializeBatteryData(data);
    // The save goes through a temporary file renamed into place, so a failed save keeps the
    // earlier file. A file the user may write in a folder the user may not (a shared folder,
    // a file handed over by its owner) leaves no room for the temporary file: then the file is
    // written in place, which is what the user asked for.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (info.exists())
            return WriteInPlace(path, bytes);
        return CannotOpen(IDS_CANNOT_SAVE, path, file.errorString());
    }
    // Every step is checked before the rename: a write smaller than the device's buffer only
    // fails at the flush, and commit() alone has been seen to report success after that.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return WriteFailed(path, reason);
    }
    if (!file.commit())
        return WriteFailed(path, file.errorString());
    return {};
}

QString CompleteDataFileName(const QString& path)
{
    return path.contains(QLatin1String(".apd"), Qt::CaseSensitive) ? path : path + QLatin1String(".apd");
}

} // namespace ampora
