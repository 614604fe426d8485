// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The settings dialog: phone type and country ("User"), connection device and
// baud rate ("Connection"), and detection of the port a phone answers on.

#include "link/MessageTarget.h"

#include <QDialog>

class QComboBox;
class QPushButton;

namespace orrin {

extern const QStringList kDevices;
extern const QStringList kBaudRates;

class CSettingsDlg : public CMessageTarget<QDialog> {
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

protected:
    void OnMessage(int message, int wParam) override;

private:
    void NameControls();
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
