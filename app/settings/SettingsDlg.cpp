// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/settings/SettingsDlg.h"

#include "link/CommandSlot.h"
#include "link/CountryTable.h"
#include "link/MessageBox.h"
#include "link/Messages.h"
#include "resources/Resources.h"
#include "app/settings/Settings.h"
#include "link/SharedState.h"
#include "ui/TabChain.h"
#include "ui/WaitWnd.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orrin {

const QStringList kDevices = [] {
    QStringList devices;
    for (int n = 1; n <= 15; ++n)
        devices << QStringLiteral("COM%1").arg(n);
    return devices;
}();

const QStringList kBaudRates = {"115200", "57600", "38400", "19200", "9600"};

namespace {

QGroupBox *MakeGroup(const QString &title, const QString &iconPath, const QString &note, QFormLayout *fields)
{
    auto *group = new QGroupBox(title);
    auto *icon = new QLabel;
    icon->setPixmap(QPixmap(iconPath));
    auto *text = new QLabel(note);
    text->setWordWrap(true);
    auto *header = new QHBoxLayout;
    header->addWidget(icon, 0, Qt::AlignTop);
    header->addWidget(text, 1);
    auto *layout = new QVBoxLayout(group);
    layout->addLayout(header);
    layout->addLayout(fields);
    return group;
}

// Shows a value as the list's selection; a value not in the list leaves
// the list without a selection.
void Select(QComboBox *list, const QString &value)
{
    list->setCurrentIndex(list->findText(value, Qt::MatchExactly));
}

} // namespace

CSettingsDlg::CSettingsDlg(QWidget *parent)
    : CMessageTarget(parent), m_phoneTypes(new QComboBox), m_countries(new QComboBox), m_devices(new QComboBox),
      m_baudRates(new QComboBox), m_autodetect(new QPushButton(tr("Autodetect"))),
      m_ok(new QPushButton(tr("OK"))), m_cancel(new QPushButton(tr("Cancel")))
{
    setWindowTitle(tr("Settings"));
    NameControls();
    m_phoneTypes->addItems(kPhoneTypes);
    m_countries->addItems(CountryNamesInListOrder());
    m_devices->addItems(kDevices);
    m_baudRates->addItems(kBaudRates);

    auto *userFields = new QFormLayout;
    userFields->addRow(tr("Phone type:"), m_phoneTypes);
    userFields->addRow(tr("Country:"), m_countries);
    auto *connectionFields = new QFormLayout;
    connectionFields->addRow(tr("Connect device:"), m_devices);
    connectionFields->addRow(tr("Baudrate:"), m_baudRates);
    connectionFields->addRow(QString(), m_autodetect);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    m_ok->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroup(tr("User"), BitmapPath(175),
                                tr("More information must be provided to \nensure this software work perfectly."),
                                userFields));
    layout->addWidget(MakeGroup(tr("Connection"), BitmapPath(166),
                                tr("This software supports infrared/COM port connection. "
                                   "We recommend you use auto-detect."),
                                connectionFields));
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &CSettingsDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CSettingsDlg::reject);
    connect(m_autodetect, &QPushButton::clicked, this, &CSettingsDlg::OnAutodetect);
    SetTabChain({m_phoneTypes, m_countries, m_devices, m_baudRates, m_autodetect, m_ok, m_cancel});
    // The layout's own minimum leaves out the extra lines of the wrapped
    // notes: on a screen too small for the size hint (a HiDPI scale on a
    // small screen) the dialog would squeeze the Autodetect button.
    setMinimumHeight(sizeHint().height());
}

int CSettingsDlg::exec()
{
    InitDialog();
    return QDialog::exec();
}

// Names by which the controls are found from outside, as by the tests.
void CSettingsDlg::NameControls()
{
    m_phoneTypes->setObjectName(QStringLiteral("phoneTypeList"));
    m_countries->setObjectName(QStringLiteral("countryList"));
    m_devices->setObjectName(QStringLiteral("deviceList"));
    m_baudRates->setObjectName(QStringLiteral("baudRateList"));
    m_autodetect->setObjectName(QStringLiteral("autodetectButton"));
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
}

void CSettingsDlg::InitDialog()
{
    m_strPhoneType.clear();
    m_strCountry.clear();
    m_strDevice.clear();
    m_strBaudRate.clear();
    const QString path = SettingsPath();
    ReadUserSettings(path, &m_strPhoneType, &m_strCountry);
    ReadConnectionSettings(path, &m_strDevice, &m_strBaudRate);
    SetDetecting(false);
    ShowValues();
    m_phoneTypes->setFocus();
}

void CSettingsDlg::ShowValues()
{
    Select(m_phoneTypes, m_strPhoneType);
    Select(m_countries, m_strCountry);
    Select(m_devices, m_strDevice);
    Select(m_baudRates, m_strBaudRate);
}

void CSettingsDlg::TakeValues()
{
    m_strPhoneType = m_phoneTypes->currentText();
    m_strCountry = m_countries->currentText();
    // A detected device outside the list stays the value though no item shows it.
    if (m_devices->currentIndex() >= 0 || kDevices.contains(m_strDevice))
        m_strDevice = m_devices->currentText();
    m_strBaudRate = m_baudRates->currentText();
}

void CSettingsDlg::accept()
{
    if (m_bDetecting)
        return;
    TakeValues();
    if (m_strPhoneType.isEmpty() || m_strCountry.isEmpty()) {
        MessageBox(this, tr("User information cannot be blank."), tr("Tip"),
                   BoxButtons::Ok, BoxIcon::Information);
        return;
    }
    QDialog::accept();
}

void CSettingsDlg::reject()
{
    if (!m_bDetecting)
        QDialog::reject();
}

void CSettingsDlg::OnAutodetect()
{
    if (g_bConnected.load() == 1) {
        MessageBox(this, tr("Please disconnect first before auto-detect."));
        return;
    }
    if (g_bBusy.load())
        return;
    TakeValues();
    ShowWaitWindow(this, tr("Detecting connection port"));
    SetDetecting(true);
    WriteCommand(kCommandDetect);
}

void CSettingsDlg::OnLinkResult(int wParam)
{
    SetDetecting(false);
    if (wParam == kLinkNoPortFound) {
        MessageBox(this,
                   tr("COM or Infrared port is not found. \nPlease verify you have connected a phone device."),
                   tr("Warning"), BoxButtons::Ok, BoxIcon::Information);
        return;
    }
    m_strDevice = g_strPortName.Get();
    m_strBaudRate = QString::number(g_nBaudRate.load());
    ShowValues();
}

void CSettingsDlg::SetDetecting(bool detecting)
{
    m_bDetecting = detecting;
    for (QWidget *control : {static_cast<QWidget *>(m_autodetect), static_cast<QWidget *>(m_ok),
                             static_cast<QWidget *>(m_cancel), static_cast<QWidget *>(m_devices),
                             static_cast<QWidget *>(m_baudRates)})
        control->setEnabled(!detecting);
}

void CSettingsDlg::OnMessage(int message, int wParam)
{
    if (message == WM_LINK_RESULT)
        OnLinkResult(wParam);
}

} // namespace orrin
