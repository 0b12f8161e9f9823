#pragma once
// The modal "Battery info" dialog: everything known about one battery, read once when the
// dialog is first shown. Built from dialog template 182.
#include <QDialog>

namespace ampora {

class CBatteryCtrl;

class CBatteryInfo : public QDialog {
    Q_OBJECT
public:
    // Batteries 0 to 3 can be shown; any other number leaves every field at "N/A".
    static constexpr unsigned kShownBatteries = 4;

    explicit CBatteryInfo(QWidget* parent = nullptr);

    // The battery to show (its number in ctrl's list) and the battery-access object, which
    // is borrowed and must outlive the dialog. Call before the dialog is shown.
    void SetBattery(int index, CBatteryCtrl* ctrl);

    // Reads battery `index` and writes every value field. Without a battery-access object,
    // or for a number outside 0 to 3, the fields keep "N/A".
    void FillFields(int index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    void OnHelp();

    CBatteryCtrl* m_pBatteryCtrl = nullptr;
    int m_batteryIndex = -1;
    bool m_initialised = false;
};

} // namespace ampora
