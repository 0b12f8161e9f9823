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
    std::vector<CaptionPair> table;
    for (const FieldLabel& label : BatteryInfoLabels())
        table.push_back({label.labelString, label.labelControl});
    for (const CaptionPair group : {CaptionPair{IDS_BI_NAME, IDC_BI_NAME_GROUP},
                                    CaptionPair{IDS_BI_PROPERTY, IDC_BI_PROPERTY_GROUP},
                                    CaptionPair{IDS_BI_CURRENT_STATE, IDC_BI_STATE_GROUP}})
        table.push_back(group);
    for (const FieldLabel& label : BatteryInfoLabels())
        table.push_back({IDS_NOT_AVAILABLE, label.field});
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
    // The dialog shows the first four batteries (numbers 0 to 3); for any other number every
    // field keeps "N/A". A listed number beyond the batteries present reads as an empty
    // record, like a battery that answers nothing.
    if (!m_pBatteryCtrl || static_cast<unsigned>(index) >= kShownBatteries)
        return;
    BatteryRecord record;
    m_pBatteryCtrl->GetBatteryRecord(&record, static_cast<unsigned>(index));
    SetFieldTexts(this, BatteryInfoFieldTexts(record));
}

void CBatteryInfo::OnHelp()
{
    ShowHelp(this, QStringLiteral("Battery info"));
}

} // namespace ampora
