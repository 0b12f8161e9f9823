#include "dialogs/CSysInfo.h"

#include "ui/HelpWindow.h"
#include "dialogs/InfoTexts.h"
#include "ui/DialogBuilder.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QPushButton>

namespace ampora {
namespace {

// The labels, then the Help button.
std::vector<CaptionPair> CaptionTable()
{
    std::vector<CaptionPair> table;
    for (const FieldLabel& label : SysInfoLabels())
        table.push_back({label.labelString, label.labelControl});
    table.push_back({IDS_HELP, IDC_SI_HELP});
    return table;
}

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
    ApplyCaptionTable(this, CaptionTable());
    setWindowTitle(LoadQString(IDS_SYSTEM_INFO));
    SetFieldTexts(this, SysInfoFieldTexts(m_source));
}

void CSysInfo::OnHelp()
{
    ShowHelp(this, QStringLiteral("System info"));
}

} // namespace ampora
