#pragma once
// About Ampora: the version line, a notice line and OK.
#include <QDialog>

namespace ampora {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace ampora
