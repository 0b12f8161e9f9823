#include "dialogs/CSysInfo.h"

#include "resources/HelpWindow.h"
#include "dialogs/InfoTexts.h"
#include "resources/DialogTemplate.h"
#include "resources/StringTable.h"

#include <QPushButton>

namespace ampora {
namespace {

constexpr int IDD_SYS_INFO = 129;
constexpr int IDC_HELP = 1103;
constexpr int IDS_SYSTEM_INFO = 118;

const std::vector<CaptionPair> kCaptionTable{
    {177, 1031}, {136, 1032}, {137, 1033}, {138, 1034}, {139, 1035}, {140, 1036},
    {141, 1037}, {142, 1038}, {143, 1039}, {144, 1040}, {145, 1041}, {120, IDC_HELP},
};

} // namespace

CSysInfo::CSysInfo(PowerInformation* source, QWidget* parent) : QDialog(parent), m_source(source)
{
    BuildDialog(this, *FindDialogTemplate(IDD_SYS_INFO));
    if (auto* ok = Control<QPushButton>(this, 1))
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    if (auto* help = Control<QPushButton>(this, IDC_HELP))
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
