#include "dialogs/CBatteryInfo.h"

#include "resources/HelpWindow.h"
#include "battery/CBatteryCtrl.h"
#include "dialogs/InfoTexts.h"
#include "resources/DialogTemplate.h"
#include "resources/StringTable.h"

#include <QPushButton>

namespace ampora {
namespace {

constexpr int IDD_BATTERY_INFO = 182;
constexpr int IDC_HELP = 1104;
constexpr int IDS_BATTERY_INFO = 116;
constexpr int IDS_NOT_AVAILABLE = 123;
constexpr int IDS_HELP = 120;

// Labels and group boxes, then "N/A" into every value field, then the Help button.
std::vector<CaptionPair> CaptionTable()
{
    std::vector<CaptionPair> table{
        {148, 1053}, {149, 1054}, {150, 1055}, {151, 1061}, {152, 1062}, {153, 1063},
        {154, 1064}, {155, 1065}, {156, 1066}, {157, 1067}, {158, 1068}, {159, 1069},
        {160, 1070}, {161, 1071}, {162, 1072}, {163, 1073}, {164, 1074}, {165, 1075},
        {166, 1056}, {192, 1123}, {193, 1124}, {194, 1125},
    };
    for (int field : {IDC_BI_VOLTAGE, IDC_BI_UNIQUE_ID, IDC_BI_TYPE_OF_USE, IDC_BI_TIME_REMAINING,
                      IDC_BI_TEMPERATURE, IDC_BI_SERIAL_NUMBER, IDC_BI_FULL_CAPACITY,
                      IDC_BI_MANUFACTURER, IDC_BI_CURRENT_CAPACITY, IDC_BI_DEVICE_NAME,
                      IDC_BI_DESIGN_CAPACITY, IDC_BI_CRITICAL_BIAS, IDC_BI_CHEMISTRY,
                      IDC_BI_CHARGE_RATE, IDC_BI_CHARGE_CYCLES, IDC_BI_ALERT_LEVELS, IDC_BI_STATUS,
                      IDC_BI_RECHARGEABLE, IDC_BI_MANUFACTURE_DATE})
        table.push_back({IDS_NOT_AVAILABLE, field});
    table.push_back({IDS_HELP, IDC_HELP});
    return table;
}

} // namespace

CBatteryInfo::CBatteryInfo(QWidget* parent) : QDialog(parent)
{
    BuildDialog(this, *FindDialogTemplate(IDD_BATTERY_INFO));
    if (auto* ok = Control<QPushButton>(this, 1))
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    if (auto* help = Control<QPushButton>(this, IDC_HELP))
        connect(help, &QPushButton::clicked, this, &CBatteryInfo::OnHelp);
}

void CBatteryInfo::SetBattery(int index, CBatteryCtrl* ctrl)
{
    m_batteryIndex = index;
    m_pBatteryCtrl = ctrl;
}

void CBatteryInfo::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CBatteryInfo::OnInitDialog()
{
    ApplyCaptionTable(this, CaptionTable());
    setWindowTitle(LoadQString(IDS_BATTERY_INFO));
    FillFields(m_batteryIndex);
}

void CBatteryInfo::FillFields(int index)
{
    // Every listed battery can be shown, however many there are; a number beyond the list
    // reads as an empty record, like a battery that answers nothing.
    if (!m_pBatteryCtrl || index < 0)
        return;
    BatteryRecord record;
    m_pBatteryCtrl->GetBatteryRecord(&record, static_cast<unsigned>(index));
    for (const FieldText& field : BatteryInfoFieldTexts(record))
        SetControlText(this, field.controlId, field.text);
}

void CBatteryInfo::OnHelp()
{
    ShowHelp(this, QStringLiteral("Battery info"));
}

} // namespace ampora
