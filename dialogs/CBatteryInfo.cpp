#include "dialogs/CBatteryInfo.h"

#include "ui/HelpWindow.h"
#include "battery/CBatteryCtrl.h"
#include "dialogs/InfoTexts.h"
#include "ui/DialogBuilder.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QPushButton>

namespace ampora {
namespace {

// Labels and group boxes, then "N/A" into every value field, then the Help button.
std::vector<CaptionPair> CaptionTable()
{
    std::vector<CaptionPair> table{
        {IDS_STATUS_LABEL, IDC_BI_STATUS_LABEL}, {IDS_BI_MANUFACTURER, IDC_BI_MANUFACTURER_LABEL},
        {IDS_BI_DEVICE_NAME, IDC_BI_DEVICE_NAME_LABEL}, {IDS_BI_UNIQUE_ID, IDC_BI_UNIQUE_ID_LABEL},
        {IDS_BI_TIME_REMAINING, IDC_BI_TIME_REMAINING_LABEL},
        {IDS_BI_TEMPERATURE, IDC_BI_TEMPERATURE_LABEL},
        {IDS_BI_MANUFACTURE_DATE, IDC_BI_MANUFACTURE_DATE_LABEL},
        {IDS_BI_TYPE_OF_USE, IDC_BI_TYPE_OF_USE_LABEL},
        {IDS_BI_RECHARGEABLE, IDC_BI_RECHARGEABLE_LABEL},
        {IDS_BI_CHEMISTRY, IDC_BI_CHEMISTRY_LABEL},
        {IDS_BI_DESIGN_CAPACITY, IDC_BI_DESIGN_CAPACITY_LABEL},
        {IDS_BI_FULL_CAPACITY, IDC_BI_FULL_CAPACITY_LABEL},
        {IDS_BI_CURRENT_CAPACITY, IDC_BI_CURRENT_CAPACITY_LABEL},
        {IDS_BI_ALERT_LEVELS, IDC_BI_ALERT_LEVELS_LABEL},
        {IDS_BI_CRITICAL_BIAS, IDC_BI_CRITICAL_BIAS_LABEL},
        {IDS_BI_CHARGE_CYCLES, IDC_BI_CHARGE_CYCLES_LABEL}, {IDS_BI_VOLTAGE, IDC_BI_VOLTAGE_LABEL},
        {IDS_BI_CHARGE_RATE, IDC_BI_CHARGE_RATE_LABEL},
        {IDS_BI_SERIAL_NUMBER, IDC_BI_SERIAL_NUMBER_LABEL}, {IDS_BI_NAME, IDC_BI_NAME_GROUP},
        {IDS_BI_PROPERTY, IDC_BI_PROPERTY_GROUP}, {IDS_BI_CURRENT_STATE, IDC_BI_STATE_GROUP},
    };
    for (int field : {IDC_BI_VOLTAGE, IDC_BI_UNIQUE_ID, IDC_BI_TYPE_OF_USE, IDC_BI_TIME_REMAINING,
                      IDC_BI_TEMPERATURE, IDC_BI_SERIAL_NUMBER, IDC_BI_FULL_CAPACITY,
                      IDC_BI_MANUFACTURER, IDC_BI_CURRENT_CAPACITY, IDC_BI_DEVICE_NAME,
                      IDC_BI_DESIGN_CAPACITY, IDC_BI_CRITICAL_BIAS, IDC_BI_CHEMISTRY,
                      IDC_BI_CHARGE_RATE, IDC_BI_CHARGE_CYCLES, IDC_BI_ALERT_LEVELS, IDC_BI_STATUS,
                      IDC_BI_RECHARGEABLE, IDC_BI_MANUFACTURE_DATE})
        table.push_back({IDS_NOT_AVAILABLE, field});
    table.push_back({IDS_HELP, IDC_BI_HELP});
    return table;
}

} // namespace

CBatteryInfo::CBatteryInfo(QWidget* parent) : QDialog(parent)
{
    BuildDialog(this, *FindDialogTemplate(IDD_BATTERY_INFO));
    if (auto* ok = Control<QPushButton>(this, IDC_OK))
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    if (auto* help = Control<QPushButton>(this, IDC_BI_HELP))
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
