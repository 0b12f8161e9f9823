#pragma once
// The modal "System info" dialog: eleven power-management facts of the computer, read once
// when the dialog is first shown. Built from dialog template 129.
#include <QDialog>

namespace ampora {

class PowerInformation;

class CSysInfo : public QDialog {
    Q_OBJECT
public:
    // `source` is borrowed and must outlive the dialog; null shows "N/A" everywhere.
    explicit CSysInfo(PowerInformation* source, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    void OnHelp();

    PowerInformation* m_source;
    bool m_initialised = false;
};

} // namespace ampora
