#include "AppTestSupport.h"

#include <QFile>

namespace ampora::test {

FakeSysfs::FakeSysfs()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("class/power_supply"));
    Write(QStringLiteral("class/power_supply/AC/type"), QStringLiteral("Mains"));
    SetAcOnline(false);
}

void FakeSysfs::Write(const QString& relative, const QString& value)
{
    const QString path = QDir(m_dir.path()).filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(value.toUtf8() + "\n");
}

void FakeSysfs::AddBattery(int n, int energyNowMwh, int energyFullMwh, int powerMw)
{
    const QString b = QStringLiteral("class/power_supply/BAT%1/").arg(n);
    Write(b + "type", "Battery");
    Write(b + "present", "1");
    Write(b + "status", "Discharging");
    Write(b + "technology", "Li-ion");
    Write(b + "model_name", QStringLiteral("Model %1").arg(n));
    Write(b + "manufacturer", "Acme");
    Write(b + "serial_number", QStringLiteral("SN%1").arg(n));
    Write(b + "energy_full_design", QString::number(qint64(energyFullMwh + 5000) * 1000));
    Write(b + "energy_full", QString::number(qint64(energyFullMwh) * 1000));
    Write(b + "energy_now", QString::number(qint64(energyNowMwh) * 1000));
    Write(b + "power_now", QString::number(qint64(powerMw) * 1000));
    Write(b + "voltage_now", "11400000");
    Write(b + "voltage_min_design", "11100000");
    Write(b + "capacity", QString::number(100 * energyNowMwh / energyFullMwh));
    Write(b + "cycle_count", "42");
}

void FakeSysfs::RemoveBattery(int n)
{
    QDir(QDir(m_dir.path()).filePath(QStringLiteral("class/power_supply/BAT%1").arg(n))).removeRecursively();
}

void FakeSysfs::SetBatteryValue(int n, const char* attribute, const QString& value)
{
    Write(QStringLiteral("class/power_supply/BAT%1/%2").arg(n).arg(QLatin1String(attribute)), value);
}

void FakeSysfs::SetAcOnline(bool online)
{
    Write(QStringLiteral("class/power_supply/AC/online"), online ? "1" : "0");
}

ScopedCurrentDir::ScopedCurrentDir(const QString& dir)
    : m_previous(QDir::currentPath())
{
    QDir::setCurrent(dir);
}

ScopedCurrentDir::~ScopedCurrentDir()
{
    QDir::setCurrent(m_previous);
}

MessageRecorder::MessageRecorder(QMessageBox::StandardButton answer)
{
    SetMessageBoxHook([this, answer](QWidget*, QMessageBox::Icon icon, const QString& text,
                                     QMessageBox::StandardButtons) {
        messages.push_back({icon, text});
        return answer;
    });
}

MessageRecorder::~MessageRecorder()
{
    SetMessageBoxHook({});
}

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int CountOf(const QByteArray& haystack, const QByteArray& needle)
{
    return static_cast<int>(haystack.count(needle));
}

} // namespace ampora::test
