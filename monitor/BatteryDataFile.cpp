#include "monitor/BatteryDataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <cstring>
#include <iterator>
#include <string_view>

namespace ampora {
namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("BatteryDataFile", text);
}

// The battery image: five counted texts, then twelve int32.
struct TextField {
    std::string BatteryRecord::*member;
    const char* name;
};
constexpr TextField kTextFields[] = {
    {&BatteryRecord::deviceName, QT_TRANSLATE_NOOP("BatteryDataFile", "device name")},
    {&BatteryRecord::manufacturer, QT_TRANSLATE_NOOP("BatteryDataFile", "manufacturer")},
    {&BatteryRecord::serialNumber, QT_TRANSLATE_NOOP("BatteryDataFile", "serial number")},
    {&BatteryRecord::uniqueId, QT_TRANSLATE_NOOP("BatteryDataFile", "unique id")},
    {&BatteryRecord::chemistry, QT_TRANSLATE_NOOP("BatteryDataFile", "chemistry")},
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

constexpr qsizetype kInt32Size = 4;
constexpr qsizetype kSampleImageSize = std::size(kSampleFields) * kInt32Size;
static_assert(kSampleImageSize == 36);
// A battery image with five empty texts.
constexpr qsizetype kMinBatteryImageSize = (std::size(kTextFields) + std::size(kNumberFields)) * kInt32Size;

QString ShownName(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

DataFileResult Damaged(const QString& file, const QString& what)
{
    return {DataFileStatus::Damaged, Tr("%1 is damaged: %2.").arg(ShownName(file), what)};
}

DataFileResult PastEnd(const QString& file, const QString& what)
{
    return {DataFileStatus::Damaged,
            Tr("An attempt was made to access %1 past its end, while reading %2.").arg(ShownName(file), what)};
}

// Reads little-endian values from a byte block; every read says whether the bytes were there.
class Reader {
public:
    explicit Reader(QByteArrayView bytes) : m_p(bytes.data()), m_end(bytes.data() + bytes.size()) {}

    qsizetype Left() const { return m_end - m_p; }

    bool Int32(int32_t* value)
    {
        if (Left() < kInt32Size)
            return false;
        *value = qFromLittleEndian<qint32>(m_p);
        m_p += kInt32Size;
        return true;
    }

    // n bytes the caller has checked are there.
    const char* Take(qsizetype n)
    {
        const char* p = m_p;
        m_p += n;
        return p;
    }

private:
    const char* m_p;
    const char* m_end;
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
        const QString what = Tr("the %1 of battery %2").arg(Tr(field.name)).arg(number);
        int32_t length = 0;
        if (!in.Int32(&length))
            return PastEnd(file, what);
        if (length < 0 || length > kMaxDataFileText)
            return Damaged(file, Tr("%1 is %2 bytes long (at most %3 are allowed)")
                                     .arg(what).arg(length).arg(kMaxDataFileText));
        if (in.Left() < length)
            return PastEnd(file, what);
        const char* text = in.Take(length);
        const void* nul = std::memchr(text, '\0', static_cast<std::size_t>(length));
        record->*field.member =
            std::string(text, nul ? static_cast<const char*>(nul) - text : length);
    }
    for (int32_t BatteryRecord::*member : kNumberFields) {
        if (!in.Int32(&(record->*member)))
            return PastEnd(file, Tr("battery %1").arg(number));
    }
    return {};
}

} // namespace

DataFileResult ParseBatteryData(QByteArrayView bytes, const QString& file, BatteryData* data)
{
    Reader in(bytes);
    BatteryData loaded;

    int32_t format = 0;
    if (!in.Int32(&format))
        return PastEnd(file, Tr("the format number"));

    int32_t batteryCount = 0;
    if (!in.Int32(&batteryCount))
        return PastEnd(file, Tr("the battery count"));
    if (batteryCount < 0)
        return Damaged(file, Tr("the battery count is negative (%1)").arg(batteryCount));
    if (batteryCount > in.Left() / kMinBatteryImageSize)
        return Damaged(file, Tr("it claims %1 batteries but has room for at most %2")
                                 .arg(batteryCount).arg(in.Left() / kMinBatteryImageSize));
    loaded.records.resize(static_cast<std::size_t>(batteryCount));
    for (int i = 0; i < batteryCount; ++i) {
        DataFileResult result = ReadBattery(in, file, i + 1, &loaded.records[static_cast<std::size_t>(i)]);
        if (!result.Ok())
            return result;
    }

    int32_t sampleCount = 0;
    if (!in.Int32(&loaded.runSeconds))
        return PastEnd(file, Tr("the run length"));
    if (!in.Int32(&sampleCount))
        return PastEnd(file, Tr("the sample count"));
    if (!in.Int32(&loaded.tickCount))
        return PastEnd(file, Tr("the tick count"));
    if (sampleCount < 0)
        return Damaged(file, Tr("the sample count is negative (%1)").arg(sampleCount));
    if (sampleCount > in.Left() / kSampleImageSize)
        return Damaged(file, Tr("it claims %1 samples but has room for only %2")
                                 .arg(sampleCount).arg(in.Left() / kSampleImageSize));

    loaded.samples.Reserve(static_cast<std::size_t>(sampleCount));
    for (int32_t i = 0; i < sampleCount; ++i) {
        const char* image = in.Take(kSampleImageSize);
        Sample sample;
        for (int32_t Sample::*member : kSampleFields) {
            sample.*member = qFromLittleEndian<qint32>(image);
            image += kInt32Size;
        }
        loaded.samples.Append(sample);
    }

    *data = std::move(loaded);
    return {};
}

DataFileResult ReadBatteryDataFile(const QString& path, BatteryData* data)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {DataFileStatus::CannotOpen, Tr("Cannot open %1: %2.").arg(ShownName(path), file.errorString())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {DataFileStatus::CannotOpen, Tr("Cannot read %1: %2.").arg(ShownName(path), file.errorString())};
    return ParseBatteryData(bytes, path, data);
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

DataFileResult WriteBatteryDataFile(const QString& path, const BatteryData& data)
{
    const QByteArray bytes = SerializeBatteryData(data);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {DataFileStatus::CannotOpen, Tr("Cannot save %1: %2.").arg(ShownName(path), file.errorString())};
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {DataFileStatus::WriteFailed, Tr("Cannot save %1: %2.").arg(ShownName(path), reason)};
    }
    if (!file.commit())
        return {DataFileStatus::WriteFailed, Tr("Cannot save %1: %2.").arg(ShownName(path), file.errorString())};
    return {};
}

QString CompleteDataFileName(const QString& path)
{
    return path.contains(QLatin1String(".apd"), Qt::CaseSensitive) ? path : path + QLatin1String(".apd");
}

} // namespace ampora
