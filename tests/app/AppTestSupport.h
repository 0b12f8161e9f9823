#pragma once
// A temporary sysfs tree with laptop batteries and a mains adapter, a temporary current
// directory, and a message-box recorder: what the main-window tests need to drive real
// widgets without a person.
#include "ui/MessageBox.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

namespace ampora::test {

class FakeSysfs {
public:
    FakeSysfs();
    QString Root() const { return m_dir.path(); }
    // An energy-reporting battery BAT<n>, discharging.
    void AddBattery(int n, int energyNowMwh = 40000, int energyFullMwh = 50000, int powerMw = 10000);
    void RemoveBattery(int n);
    void SetBatteryValue(int n, const char* attribute, const QString& value);
    void SetAcOnline(bool online);

private:
    void Write(const QString& relative, const QString& value);
    QTemporaryDir m_dir;
};

// Changes the current directory for the lifetime of the object.
class ScopedCurrentDir {
public:
    explicit ScopedCurrentDir(const QString& dir);
    ~ScopedCurrentDir();

private:
    QString m_previous;
};

struct RecordedMessage {
    QMessageBox::Icon icon;
    QString text;
};

// Answers every message box with `answer` and records it.
class MessageRecorder {
public:
    explicit MessageRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~MessageRecorder();
    std::vector<RecordedMessage> messages;
};

QByteArray ReadFile(const QString& path);
int CountOf(const QByteArray& haystack, const QByteArray& needle);

} // namespace ampora::test
