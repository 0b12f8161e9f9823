#include "app/CAboutDlg.h"

#include "ui/DialogBuilder.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"
#include "resources/StringTable.h"

#include <QLabel>
#include <QPushButton>

namespace ampora {

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    BuildDialog(this, *FindDialogTemplate(IDD_ABOUT));
    setWindowIcon(ProgramIcon());
    SetControlText(this, IDC_ABOUT_VERSION, LoadQString(IDS_ABOUT_VERSION));
    SetControlText(this, IDC_ABOUT_COPYRIGHT, LoadQString(IDS_ABOUT_COPYRIGHT));
    if (auto* notice = Control<QLabel>(this, IDC_ABOUT_COPYRIGHT))
        notice->setWordWrap(true); // the notice may take two lines
    setWindowTitle(LoadQString(IDS_ABOUT_BOX));
    if (auto* ok = Control<QPushButton>(this, IDC_OK))
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace ampora
