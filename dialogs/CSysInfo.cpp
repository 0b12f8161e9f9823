#include "dialogs/CSysInfo.h"

#include "ui/HelpWindow.h"
#include "dialogs/InfoTexts.h"
#include "ui/DialogBuilder.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QPushButton>

namespace ampora {
namespace {

const std::vector<CaptionPair> kCaptionTable{
    {IDS_SI_MAX_MHZ, IDC_SI_MAX_MHZ_LABEL}, {IDS_SI_CURRENT_MHZ, IDC_SI_CURRENT_MHZ_LABEL},
    {IDS_SI_UPS, IDC_SI_UPS_LABEL}, {IDS_SI_THROTTLE, IDC_SI_THROTTLE_LABEL},
    {IDS_SI_MIN_THROTTLE, IDC_SI_MIN_THROTTLE_LABEL},
    {IDS_SI_MAX_THROTTLE, IDC_SI_MAX_THROTTLE_LABEL}, {IDS_SI_THERMAL, IDC_SI_THERMAL_LABEL},
    {IDS_SI_VIDEO_DIM, IDC_SI_VIDEO_DIM_LABEL}, {IDS_SI_APM, IDC_SI_APM_LABEL},
    {IDS_SI_DISK_SPIN_DOWN, IDC_SI_DISK_SPIN_DOWN_LABEL},
    {IDS_SI_FAN_TOLERANCE, IDC_SI_FAN_TOLERANCE_LABEL}, {IDS_HELP, IDC_SI_HELP},
};

} // namespace

CSysInfo::CSysInfo(PowerInformation* source, QWidget* parent) : QDialog(parent), m_source(source)
{
    BuildDialog(this, *FindDialogTemplate(IDD_SYS_INFO));
    if (auto* ok = Control<QPushButton>(this, IDC_OK))
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    if (auto* help = Control<QPushButton>(this, IDC_SI_HELP))
        connect(help, &QPushButton::clicked, this, &CSysInfo::OnHelp);
}

void CSysInfo::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CSysInfo::OnInitDialog()
{
    ApplyCaptionTable(this, kCaptionTable);
    setWindowTitle(LoadQString(IDS_SYSTEM_INFO));
    for (const FieldText& field : SysInfoFieldTexts(m_source))
        SetControlText(this, field.controlId, field.text);
}

void CSysInfo::OnHelp()
{
    ShowHelp(this, QStringLiteral("System info"));
}

} // namespace ampora
