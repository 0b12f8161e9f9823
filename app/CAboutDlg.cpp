#include "app/CAboutDlg.h"

#include "resources/DialogTemplate.h"
#include "resources/Resources.h"
#include "resources/StringTable.h"

#include <QLabel>
#include <QPushButton>

namespace ampora {

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    BuildDialog(this, *FindDialogTemplate(100));
    setWindowIcon(ProgramIcon());
    SetControlText(this, 1095, LoadQString(174));
    SetControlText(this, 1096, LoadQString(175));
    if (auto* notice = Control<QLabel>(this, 1096))
        notice->setWordWrap(true); // the notice may take two lines

    setWindowTitle(LoadQString(101));
    if (auto* ok = Control<QPushButton>(this, 1))
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace ampora
