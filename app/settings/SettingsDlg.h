#pragma once
// The settings dialog: phone type and country ("User"), connection device and
// baud rate ("Connection"), and detection of the port a phone answers on.

#include <QDialog>

class QComboBox;
class QPushButton;

namespace orrin {

extern const QStringList kDevices;
extern const QStringList kBaudRates;

class CSettingsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSettingsDlg(QWidget *parent = nullptr);

    // Reads setting.ini into the controls, then runs the dialog.
    int exec() override;
    void accept() override;
    void reject() override;

    QString m_strPhoneType;
    QString m_strCountry;
    QString m_strDevice;
    QString m_strBaudRate;

    // The controls, for the tests that drive the dialog.
    QComboBox *PhoneTypeList() const { return m_phoneTypes; }
    QComboBox *CountryList() const { return m_countries; }
    QComboBox *DeviceList() const { return m_devices; }
    QComboBox *BaudRateList() const { return m_baudRates; }
    QPushButton *AutodetectButton() const { return m_autodetect; }
    QPushButton *OkButton() const { return m_ok; }
    QPushButton *CancelButton() const { return m_cancel; }
    bool IsDetecting() const { return m_bDetecting; }

protected:
    bool event(QEvent *event) override;

private:
    void InitDialog();
    void OnAutodetect();
    void OnLinkResult(int wParam);
    void ShowValues();
    void TakeValues();
    void SetDetecting(bool detecting);

    QComboBox *m_phoneTypes;
    QComboBox *m_countries;
    QComboBox *m_devices;
    QComboBox *m_baudRates;
    QPushButton *m_autodetect;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    bool m_bDetecting = false;
};

} // namespace orrin
