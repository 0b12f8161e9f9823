#pragma once
// The main dialog: live status fields, the monitoring run's controls, the battery selector,
// the graph and the routing of every command. It owns the battery list, the graph and the
// run's timer; the run itself (tick count, samples, log, the three lists, the reasons it
// stops) is m_run, the unit `ampora-cli record` drives too; the dialog names its state as
// members of its own (m_samples, m_tickCount, ...).
#include "battery/BatteryRecord.h"
#include "battery/CBatteryCtrl.h"
#include "monitor/MonitorRun.h"
#include "monitor/Sample.h"

#include <QDialog>
#include <QIcon>
#include <QPointer>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QWindow;

namespace ampora {

class CGraphControl;
class PowerEventSource;
class PowerInformation;
class SystemMenu;
class PowerStatusSource;
class TrayIcon;
struct Backends;

class CVolticDlg : public QDialog {
    Q_OBJECT
public:
    // `backends` and `events` belong to the caller and outlive the dialog; events may be null.
    explicit CVolticDlg(Backends& backends, PowerEventSource* events = nullptr, QWidget* parent = nullptr);
    ~CVolticDlg() override;

    // Shows the dialog and runs the program's one event loop until the dialog ends (Exit, the
    // close command, the tray's Exit). Hiding into the notification area does not end it, as
    // QDialog::exec() would. Returns the dialog's result.
    int RunModal();

    // The run (Start, Stop, one tick, one sample).
    void OnOK();     // Start: the dialog's OK command (the Enter key) starts a run
    void OnCancel(); // Stop: the dialog's Cancel command (the Escape key) stops it
    void OnTimer();
    bool TakeSample(bool writeRow);
    void ClearSeries();
    void OnDestroy();
    void SetRunControls(bool idle);
    void FillBatterySelector();

    // Saved runs.
    void OnSaveData();
    void OnViewData();
    // Fills the compared series and takes the file's run length when it is positive. False
    // when the file is damaged (the Start is then abandoned); a file that cannot be opened is
    // reported and the run starts without comparison.
    bool LoadCompareFile(const QString& path);

    // Buttons and menu commands.
    void OnBatteryInfo();
    void OnSystemInfo();
    void OnAbout();
    void OnHelp();
    void OnExit();

    // Power events.
    void OnSuspend();
    void OnPowerStatusChange();

    // Notification area. MinimizeToTray is the one way of hiding into it (the minimize box,
    // the system menu, a platform's own minimize hook).
    void MinimizeToTray();
    void OnTrayShowWindow();
    void OnTrayStartStop();
    void OnTrayExit();
    TrayIcon* Tray() const { return m_tray; }

    // Seams for tests: the file dialog (save = Save As) and the clock of the log rows.
    using FileDialogFunction = std::function<QString(QWidget* parent, bool save)>;
    void SetFileDialog(FileDialogFunction f) { m_fileDialog = std::move(f); }
    using ClockFunction = std::function<std::tm()>;
    void SetClock(ClockFunction f) { m_run.SetClock(std::move(f)); }

    // State, for the tray, the power events and tests.
    bool IsRunning() const { return m_running; }
    unsigned TickCount() const { return m_tickCount; }
    int RunSeconds() const { return m_runSeconds; }
    bool LogOpen() const { return m_run.LogOpen(); }
    bool TimerActive() const { return m_timer.isActive(); }
    const SampleSeries& Samples() const { return m_samples; }
    const SampleSeries& CompareSamples() const { return m_compareSamples; }
    const std::vector<BatteryRecord>& BatteryRecords() const { return m_batteryRecords; }
    CGraphControl* Graph() const { return m_graph; }
    const CBatteryCtrl& BatteryCtrl() const { return m_batteryCtrl; }

protected:
    void reject() override;            // Escape: Stop, never closes the window
    void done(int result) override;    // every way the dialog ends
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void TellLogFailure(); // the run's log failed: told once, the run goes on
    void OnInitDialog();
    void OnWindowStateChanged(Qt::WindowState state);
    void OnMinimizedBySystem();
    void PlaceGraph();
    void ShiftCompare(int delta);
    void RedrawGraph();
    void ShowSampleTexts(const PanelTexts& texts);
    int SelectedRunSeconds() const;
    QString AskFile(bool save);

    // Controls, bound by id once.
    QComboBox* m_rateCombo = nullptr; // the run length, in minutes (item data)
    QPushButton* m_batteryInfoButton = nullptr;
    QPushButton* m_aboutButton = nullptr;
    QPushButton* m_systemInfoButton = nullptr;
    QPushButton* m_viewDataButton = nullptr;
    QPushButton* m_helpButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    QPushButton* m_saveDataButton = nullptr;
    QPushButton* m_stopButton = nullptr;
    QPushButton* m_startButton = nullptr;
    QCheckBox* m_compareCheck = nullptr;
    QLineEdit* m_lifeLeftEdit = nullptr;
    QLineEdit* m_totalTimeEdit = nullptr;
    QLineEdit* m_timeRemainingEdit = nullptr;
    QLineEdit* m_batteryStatusEdit = nullptr;
    QLineEdit* m_powerSourceEdit = nullptr;
    QLineEdit* m_voltEdit = nullptr;
    QLineEdit* m_currentCapacityEdit = nullptr;
    QLineEdit* m_totalCapacityEdit = nullptr;
    QLineEdit* m_chargeEdit = nullptr;
    QComboBox* m_batterySelector = nullptr;

    // The run's timer and controls state.
    QTimer m_timer;
    intptr_t m_timerId = -1;
    bool m_running = false;

    TrayIcon* m_tray = nullptr;
    QPointer<QWindow> m_watchedWindow; // the native window whose state changes are followed
    std::unique_ptr<SystemMenu> m_systemMenu;
    CGraphControl* m_graph = nullptr; // made by the constructor, never null afterwards
    Backends& m_backends;
    PowerEventSource* m_events;
    CBatteryCtrl m_batteryCtrl;
    // The run, and its state under the dialog's own names (held by m_run, changed only
    // through it).
    MonitorRun m_run;
    const unsigned& m_tickCount;
    const int& m_runSeconds;
    SampleSeries& m_samples;
    SampleSeries& m_compareSamples;
    std::vector<BatteryRecord>& m_batteryRecords;
    QIcon m_hIcon;

    FileDialogFunction m_fileDialog;
};

} // namespace ampora
