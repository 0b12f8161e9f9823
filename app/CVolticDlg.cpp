#include "app/CVolticDlg.h"

#include "app/CAboutDlg.h"
#include "ui/HelpWindow.h"
#include "ui/MessageBox.h"
#include "app/TrayIcon.h"
#include "platform/Backends.h"
#include "dialogs/CBatteryInfo.h"
#include "dialogs/CSysInfo.h"
#include "dialogs/InfoTexts.h"
#include "graph/CGraphControl.h"
#include "monitor/BatteryDataFile.h"
#include "monitor/BatteryLog.h"
#include "monitor/SampleTexts.h"
#include "platform/PowerEvents.h"
#include "platform/SystemMenu.h"
#include "ui/DialogBuilder.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"
#include "resources/StringTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QWindow>

namespace ampora {
namespace {

constexpr int kValueMax = 100;
constexpr const char* kDataFileFilter = "Battery data (*.apd)";

// (string id, control id), applied in this order; pairs for controls the template lacks
// are skipped, so the status group ends with "Status".
const std::vector<CaptionPair> kCaptionTable{
    {IDS_POWER_SOURCE_LABEL, IDC_POWER_SOURCE_LABEL},
    {IDS_BATTERY_STATUS_LABEL, IDC_BATTERY_STATUS_LABEL},
    {IDS_LIFE_LEFT_LABEL, IDC_LIFE_LEFT_LABEL},
    {IDS_TIME_REMAINING_LABEL, IDC_TIME_REMAINING_LABEL},
    {IDS_TOTAL_TIME_LABEL, IDC_TOTAL_TIME_LABEL}, {IDS_NUM_SAMPLES, IDC_NUM_SAMPLES_LABEL},
    {IDS_RUN_TIME, IDC_RUN_TIME_LABEL}, {IDS_DISCHARGE_RATE, IDC_DISCHARGE_RATE_LABEL},
    {IDS_RATE_LABEL, IDC_RATE_LABEL}, {IDS_START, IDC_START}, {IDS_STOP, IDC_STOP},
    {IDS_VIEW_DATA, IDC_VIEW_DATA}, {IDS_SAVE_DATA, IDC_SAVE_DATA},
    {IDS_BATTERY_INFO, IDC_BATTERY_INFO}, {IDS_ABOUT, IDC_ABOUT},
    {IDS_CONFIGURATION, IDC_CONFIGURATION}, {IDS_HELP, IDC_HELP}, {IDS_EXIT, IDC_EXIT},
    {IDS_SYSTEM_INFO, IDC_SYSTEM_INFO}, {IDS_NOT_AVAILABLE, IDC_POWER_SOURCE},
    {IDS_NOT_AVAILABLE, IDC_BATTERY_STATUS}, {IDS_NOT_AVAILABLE, IDC_LIFE_LEFT},
    {IDS_NOT_AVAILABLE, IDC_TOTAL_TIME}, {IDS_NOT_AVAILABLE, IDC_NUM_SAMPLES},
    {IDS_NOT_AVAILABLE, IDC_RUN_TIME}, {IDS_NOT_AVAILABLE, IDC_DISCHARGE_RATE},
    {IDS_NOT_AVAILABLE, IDC_TIME_REMAINING}, {IDS_NOT_AVAILABLE, IDC_VOLT},
    {IDS_NOT_AVAILABLE, IDC_CURRENT_CAPACITY}, {IDS_NOT_AVAILABLE, IDC_TOTAL_CAPACITY},
    {IDS_NOT_AVAILABLE, IDC_CHARGE}, {IDS_BATTERY_DETAILS, IDC_STATUS_GROUP},
    {IDS_TOTAL_CAPACITY_LABEL, IDC_TOTAL_CAPACITY_LABEL},
    {IDS_CURRENT_CAPACITY_LABEL, IDC_CURRENT_CAPACITY_LABEL}, {IDS_VOLT_LABEL, IDC_VOLT_LABEL},
    {IDS_CHARGE_LABEL, IDC_CHARGE_LABEL}, {IDS_STATUS, IDC_STATUS_GROUP},
    {IDS_MONITOR_INFO, IDC_MONITOR_GROUP}, {IDS_BATTERY_INFO, IDC_BATTERY_GROUP},
    {IDS_COMPARE, IDC_COMPARE},
};

QString DefaultFileDialog(QWidget* parent, bool save)
{
    const QString filter = QString::fromLatin1(kDataFileFilter);
    return save ? QFileDialog::getSaveFileName(parent, QString(), QString(), filter)
                : QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

} // namespace

CVolticDlg::CVolticDlg(Backends& backends, PowerEventSource* events, QWidget* parent)
    : QDialog(parent)
    , m_backends(backends)
    , m_events(events)
    , m_batteryCtrl(backends.driver.get())
    , m_run(backends.driver.get(), backends.powerStatus.get(), m_batteryCtrl)
    , m_tickCount(m_run.TickCount())
    , m_runSeconds(m_run.RunSeconds())
    , m_samples(m_run.Samples())
    , m_compareSamples(m_run.CompareSamples())
    , m_batteryRecords(m_run.BatteryRecords())
    , m_hIcon(ProgramIcon())
    , m_fileDialog(DefaultFileDialog)
{
    m_run.SetSampleTexts([this](const PanelTexts& texts) { ShowSampleTexts(texts); });
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    OnInitDialog();
}

CVolticDlg::~CVolticDlg()
{
    OnDestroy();
}

int CVolticDlg::RunModal()
{
    // QDialog::exec() would end its loop as soon as the window is hidden into the tray.
    const QMetaObject::Connection ending =
        connect(this, &QDialog::finished, qApp, [](int result) { QCoreApplication::exit(result); });
    show();
    const int result = QCoreApplication::exec();
    disconnect(ending);
    return result;
}

void CVolticDlg::OnInitDialog()
{
    BuildDialog(this, *FindDialogTemplate(IDD_MAIN));

    m_rateCombo = Control<QComboBox>(this, IDC_RATE);
    m_batteryInfoButton = Control<QPushButton>(this, IDC_BATTERY_INFO);
    m_aboutButton = Control<QPushButton>(this, IDC_ABOUT);
    m_systemInfoButton = Control<QPushButton>(this, IDC_SYSTEM_INFO);
    m_viewDataButton = Control<QPushButton>(this, IDC_VIEW_DATA);
    m_helpButton = Control<QPushButton>(this, IDC_HELP);
    m_exitButton = Control<QPushButton>(this, IDC_EXIT);
    m_saveDataButton = Control<QPushButton>(this, IDC_SAVE_DATA);
    m_stopButton = Control<QPushButton>(this, IDC_STOP);
    m_startButton = Control<QPushButton>(this, IDC_START);
    m_compareCheck = Control<QCheckBox>(this, IDC_COMPARE);
    m_lifeLeftEdit = Control<QLineEdit>(this, IDC_LIFE_LEFT);
    m_totalTimeEdit = Control<QLineEdit>(this, IDC_TOTAL_TIME);
    m_timeRemainingEdit = Control<QLineEdit>(this, IDC_TIME_REMAINING);
    m_batteryStatusEdit = Control<QLineEdit>(this, IDC_BATTERY_STATUS);
    m_powerSourceEdit = Control<QLineEdit>(this, IDC_POWER_SOURCE);
    m_voltEdit = Control<QLineEdit>(this, IDC_VOLT);
    m_currentCapacityEdit = Control<QLineEdit>(this, IDC_CURRENT_CAPACITY);
    m_totalCapacityEdit = Control<QLineEdit>(this, IDC_TOTAL_CAPACITY);
    m_chargeEdit = Control<QLineEdit>(this, IDC_CHARGE);
    m_batterySelector = Control<QComboBox>(this, IDC_BATTERY_SELECTOR);

    setWindowIcon(m_hIcon);
    setWindowTitle(LoadQString(IDS_CAPTION));
    ApplyCaptionTable(this, kCaptionTable);

    m_startButton->setEnabled(true);
    m_stopButton->setEnabled(false);
    m_saveDataButton->setEnabled(false);

    PlaceGraph();

    for (int minutes = 15; minutes < 300; minutes += 15)
        m_rateCombo->addItem(RunLengthItemText(minutes), minutes);
    m_rateCombo->setCurrentIndex(0);

    FillBatterySelector();

    connect(m_startButton, &QPushButton::clicked, this, &CVolticDlg::OnOK);
    connect(m_stopButton, &QPushButton::clicked, this, &CVolticDlg::OnCancel);
    connect(m_viewDataButton, &QPushButton::clicked, this, &CVolticDlg::OnViewData);
    connect(m_saveDataButton, &QPushButton::clicked, this, &CVolticDlg::OnSaveData);
    connect(m_batteryInfoButton, &QPushButton::clicked, this, &CVolticDlg::OnBatteryInfo);
    connect(m_systemInfoButton, &QPushButton::clicked, this, &CVolticDlg::OnSystemInfo);
    connect(m_aboutButton, &QPushButton::clicked, this, &CVolticDlg::OnAbout);
    connect(m_helpButton, &QPushButton::clicked, this, &CVolticDlg::OnHelp);
    connect(m_exitButton, &QPushButton::clicked, this, &CVolticDlg::OnExit);
    // A tick every 1000 ms counted from Start. The power events' own looks (the 3 s poll, the
    // clock check) ride on the ticks while they come (RunTicked): one wake-up a second.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &CVolticDlg::OnTimer);

    // Alt+Left / Alt+Right slide the compared curve, whichever control has the focus;
    // each press and each auto-repeat is one step.
    auto* left = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this);
    auto* right = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this);
    connect(left, &QShortcut::activated, this, [this] { ShiftCompare(-1); });
    connect(right, &QShortcut::activated, this, [this] { ShiftCompare(+1); });
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &CVolticDlg::OnHelp);

    m_tray = new TrayIcon(this);

    // The system menu gains "About Ampora..."; its Minimize hides into the notification area.
    m_systemMenu = InstallSystemMenu(this, LoadQString(IDS_ABOUT_BOX), ID_SYSMENU_ABOUT,
                                     {[this] { OnAbout(); }, [this] { MinimizeToTray(); }});

    if (m_events) {
        m_events->ListenTo(this);
        connect(m_events, &PowerEventSource::aboutToSuspend, this, &CVolticDlg::OnSuspend);
        connect(m_events, &PowerEventSource::powerStatusChanged, this, &CVolticDlg::OnPowerStatusChange);
    }
}

void CVolticDlg::PlaceGraph()
{
    QWidget* leftMarker = ControlById(this, IDC_GRAPH_LEFT);
    QWidget* rightMarker = ControlById(this, IDC_GRAPH_RIGHT);
    if (!leftMarker || !rightMarker)
        return;
    // The graph fills the band between the two hidden markers, 5 dialog pixels below the top
    // and 10 above the bottom of the client area, so it is wholly visible.
    const QRect rect(QPoint(leftMarker->x(), 5), QPoint(rightMarker->x() - 1, height() - 10 - 1));
    m_graph = new CGraphControl(this);
    m_graph->setObjectName(QString::number(IDC_GRAPH));
    m_graph->setWindowTitle(QStringLiteral("Wnd Graph"));
    m_graph->setGeometry(rect);
    m_graph->SetSeries(&m_samples);
    m_graph->show();
}

void CVolticDlg::FillBatterySelector()
{
    m_batteryCtrl.Enumerate(reinterpret_cast<void*>(effectiveWinId()));
    m_batterySelector->clear();
    const int count = m_batteryCtrl.GetBatteryCount();
    for (int i = 0; i < count; ++i)
        m_batterySelector->addItem(m_hIcon, BatterySelectorText(i), i);
    m_batterySelector->setCurrentIndex(count > 0 ? 0 : -1);
    const bool any = count != 0;
    m_startButton->setEnabled(any);
    m_batteryInfoButton->setEnabled(any);
    m_batterySelector->setEnabled(any);
}

void CVolticDlg::SetRunControls(bool idle)
{
    m_running = !idle;
    m_graph->SetRunState(m_running);
    m_graph->Redraw();
    m_stopButton->setEnabled(m_running);
    m_startButton->setEnabled(idle);
    m_rateCombo->setEnabled(idle);
    m_saveDataButton->setEnabled(idle);
    m_compareCheck->setEnabled(idle);
    m_viewDataButton->setEnabled(idle);
}

int CVolticDlg::SelectedRunSeconds() const
{
    const int index = m_rateCombo->currentIndex();
    return index < 0 ? -1 : m_rateCombo->itemData(index).toInt() * 60;
}

void CVolticDlg::RedrawGraph()
{
    m_graph->Redraw();
}

void CVolticDlg::OnOK()
{
    if (m_running)
        return;
    // The lists emptied, the selected length, the log created with its header.
    const int selected = SelectedRunSeconds();
    m_run.Prepare(selected, QString::fromLatin1(kLogFileName));
    TellLogFailure();
    m_graph->SetValueMax(kValueMax);
    if (selected >= 0)
        m_graph->SetTimeRange(static_cast<unsigned>(m_runSeconds));

    m_graph->SetCompareSeries(nullptr);
    m_graph->ResetCompareShift();
    if (m_compareCheck->isChecked()) {
        const QString chosen = AskFile(false);
        if (!chosen.isEmpty()) {
            if (!LoadCompareFile(CompleteDataFileName(chosen))) {
                m_run.Abandon(); // no log of a run that never ran
                return;
            }
            if (!m_compareSamples.Empty())
                m_graph->SetCompareSeries(&m_compareSamples);
        }
    }

    m_graph->SetElapsed(0);
    RedrawGraph();

    // Tick 0 and its sample; without a power status the run does not start.
    if (!m_run.Begin())
        return;
    m_timer.start(kTickMilliseconds);
    m_timerId = 1;
    SetRunControls(false);
    TellLogFailure();
}

void CVolticDlg::OnCancel()
{
    m_timer.stop();
    m_timerId = -1;
    m_run.Stop();
    SetRunControls(true);
}

void CVolticDlg::OnTimer()
{
    // The tick, and its sample every tenth tick (shown through ShowSampleTexts).
    const bool ends = m_run.Tick();
    m_graph->SetElapsed(m_tickCount);
    RedrawGraph();
    if (ends)
        OnCancel();
    TellLogFailure();
    if (m_events)
        m_events->RunTicked();
}

void CVolticDlg::TellLogFailure()
{
    const QString failure = m_run.TakeLogFailure();
    if (!failure.isEmpty())
        ShowMessage(this, QMessageBox::Warning, failure);
}

bool CVolticDlg::TakeSample(bool writeRow)
{
    return m_run.TakeSample(writeRow);
}

void CVolticDlg::ShowSampleTexts(const PanelTexts& texts)
{
    std::vector<FieldText> fields;
    for (const PanelField& field : PanelFields())
        fields.push_back({field.controlId, texts.*field.text});
    SetFieldTexts(this, fields);
}

void CVolticDlg::ClearSeries()
{
    m_run.ClearSeries();
}

void CVolticDlg::OnDestroy()
{
    if (m_running)
        OnCancel();
    m_run.Stop();
    ClearSeries();
}

void CVolticDlg::ShiftCompare(int delta)
{
    if (!m_compareCheck->isChecked())
        return;
    m_graph->ShiftCompare(delta);
    RedrawGraph();
}

QString CVolticDlg::AskFile(bool save)
{
    return m_fileDialog ? m_fileDialog(this, save) : QString();
}

void CVolticDlg::OnSaveData()
{
    const QString chosen = AskFile(true);
    if (chosen.isEmpty())
        return;
    const QString path = CompleteDataFileName(chosen);
    // The dialog asked about the name it returned; a completed name it never saw is asked here.
    if (path != chosen && QFileInfo::exists(path)) {
        const QString question = LoadQString(IDS_ALREADY_EXISTS).arg(QFileInfo(path).fileName());
        if (ShowMessage(this, QMessageBox::Warning, question, QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
            return;
    }
    const DataFileResult result = WriteBatteryDataFile(path, m_run.SavedData());
    if (!result.Ok())
        ShowMessage(this, QMessageBox::Critical, result.error);
}

void CVolticDlg::OnViewData()
{
    const QString chosen = AskFile(false);
    if (chosen.isEmpty())
        return;
    BatteryData data;
    const DataFileResult result = ReadBatteryDataFile(CompleteDataFileName(chosen), &data);
    if (!result.Loaded()) {
        // Nothing is replaced: the run on display stays.
        ShowMessage(this, QMessageBox::Critical, result.error);
        return;
    }
    m_run.ShowSaved(data);
    // The stored run length is not used: the axis spans the length selected now.
    const int selected = SelectedRunSeconds();
    if (selected >= 0)
        m_run.SetRunSeconds(selected);
    m_graph->SetTimeRange(static_cast<unsigned>(m_runSeconds));
    m_graph->SetValueMax(kValueMax);
    m_graph->SetElapsed(static_cast<unsigned>(data.tickCount));
    // Save data is left as it was: only Start and Stop switch it. A fresh session that views
    // a file has no run of its own to save.
    RedrawGraph();
    if (result.status == DataFileStatus::Partial)
        ShowMessage(this, QMessageBox::Warning, result.error); // over the whole samples, now shown
}

bool CVolticDlg::LoadCompareFile(const QString& path)
{
    if (path.isEmpty())
        return true;
    const DataFileResult result = m_run.LoadCompare(path);
    if (result.status == DataFileStatus::Partial)
        ShowMessage(this, QMessageBox::Warning, result.error); // the whole samples are compared
    else if (!result.Loaded())
        ShowMessage(this, QMessageBox::Critical, result.error);
    return MonitorRun::StartGoesOn(result);
}

void CVolticDlg::OnBatteryInfo()
{
    const int index = m_batterySelector->currentIndex();
    if (index < 0)
        return;
    CBatteryInfo dlg;
    dlg.SetBattery(m_batterySelector->itemData(index).toInt(), &m_batteryCtrl);
    dlg.exec();
}

void CVolticDlg::OnSystemInfo()
{
    CSysInfo dlg(m_backends.powerInformation.get());
    dlg.exec();
}

void CVolticDlg::OnAbout()
{
    CAboutDlg dlg;
    dlg.exec();
}

void CVolticDlg::OnHelp()
{
    ShowHelp(this);
}

void CVolticDlg::OnExit()
{
    done(QDialog::Accepted);
}

void CVolticDlg::reject()
{
    OnCancel();
}

void CVolticDlg::done(int result)
{
    m_tray->Remove();
    OnDestroy();
    QDialog::done(result);
}

void CVolticDlg::closeEvent(QCloseEvent* event)
{
    // The close box and Alt+F4 end the program, also during a run.
    event->accept();
    done(QDialog::Accepted);
}

void CVolticDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        MinimizeToTray();
}

void CVolticDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QWindow* window = windowHandle();
    if (window && window != m_watchedWindow) {
        m_watchedWindow = window;
        connect(window, &QWindow::windowStateChanged, this, &CVolticDlg::OnWindowStateChanged);
    }
}

// Qt's own title bar on Wayland (drawn where the compositor draws none) changes the native
// window alone: the widget hears nothing. Its minimize reports Minimized and at once Normal
// again; its maximize button is drawn on every window, also on this fixed-size one.
void CVolticDlg::OnWindowStateChanged(Qt::WindowState state)
{
    // Handled after Qt's own processing of the change, of which the widget may yet hear.
    if (state == Qt::WindowMinimized && !(windowState() & Qt::WindowMinimized))
        QTimer::singleShot(0, this, &CVolticDlg::OnMinimizedBySystem);
    if (state == Qt::WindowMaximized)
        QTimer::singleShot(0, this, [this] {
            if (m_watchedWindow)
                m_watchedWindow->setWindowStates(m_watchedWindow->windowStates() & ~Qt::WindowMaximized);
        });
}

// The system has minimized the window already: without a notification area it stays so.
void CVolticDlg::OnMinimizedBySystem()
{
    if (isVisible() && m_tray->Available())
        MinimizeToTray();
}

void CVolticDlg::MinimizeToTray()
{
    // Without a notification area the window stays minimized normally, never out of reach.
    if (!m_tray->Available()) {
        if (!(windowState() & Qt::WindowMinimized))
            setWindowState(windowState() | Qt::WindowMinimized);
        return;
    }
    m_tray->Add();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    hide();
}

void CVolticDlg::OnTrayShowWindow()
{
    m_tray->Remove();
    showNormal();
    raise();
    activateWindow();
}

void CVolticDlg::OnTrayStartStop()
{
    OnTrayShowWindow();
    if (m_running)
        OnCancel();
    else
        OnOK();
}

void CVolticDlg::OnTrayExit()
{
    m_tray->Remove();
    OnExit();
}

void CVolticDlg::OnSuspend()
{
    if (!m_running) {
        if (m_events)
            m_events->SuspendHandled();
        return;
    }
    OnCancel();
    // Let the machine sleep before the box waits for the user.
    if (m_events)
        m_events->SuspendHandled();
    ShowMessage(this, QMessageBox::Information, MonitorRun::StandByMessage());
}

void CVolticDlg::OnPowerStatusChange()
{
    // An unchanged count during a run takes a sample without a row there.
    const PowerChange change = m_run.PowerStatusChanged(reinterpret_cast<void*>(effectiveWinId()));
    if (!change.countChanged)
        return;
    if (change.stopsRun)
        OnCancel();
    ShowMessage(this, QMessageBox::Warning, change.message);
    FillBatterySelector();
}

} // namespace ampora
