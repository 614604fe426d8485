// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/sms/SMSComposeDlg.h"

#include "link/CountryTable.h"
#include "link/MessageBox.h"
#include "link/Messages.h"
#include "link/SharedState.h"
#include "phone/sms/Gsm7.h"
#include "stores/common/TextField.h"
#include "stores/sms/SMSData.h"
#include "ui/ControlId.h"
#include "ui/MenuResource.h"
#include "ui/Mnemonics.h"
#include "ui/TabChain.h"
#include "views/sms/NumberPickerDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace orrin {
namespace {

bool IsNumberCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'+';
}

QString WithoutPlus(QString number)
{
    return number.remove(u'+');
}

const char *const kTooLongText =
    QT_TRANSLATE_NOOP("orrin::CSMSComposeDlg", "Too many characters, Please shorten your message!");
const char *const kNoNumberText =
    QT_TRANSLATE_NOOP("orrin::CSMSComposeDlg", "No phone number was given.\nPlease enter a number in \"Send to\".");

} // namespace

SmsLength MeasureSms(const QString &text)
{
    if (const std::optional<QByteArray> septets = phone::ToGsmSeptets(text))
        return {int(septets->size()), true};
    return {int(text.size()), false};
}

NextNumberResult NextNumber(const QString &sendTo, int start)
{
    NextNumberResult result;
    int position = std::max(start, 0);
    for (; position < sendTo.size() && IsNumberCharacter(sendTo[position]); ++position)
        result.number += sendTo[position];
    for (; position < sendTo.size() && !IsNumberCharacter(sendTo[position]); ++position) {
    }
    result.next = position < sendTo.size() ? position : -1;
    return result;
}

QString ConvertNumber(const QString &number, const QString &countryCode, NumberTarget target)
{
    const bool international = number.startsWith(u'+');
    if (target == NumberTarget::Phone)
        return international ? WithoutPlus(number) : countryCode + WithoutPlus(number);
    return international ? number : u'+' + countryCode + WithoutPlus(number);
}

CSMSComposeDlg::CSMSComposeDlg(CSMSData &store, CommandRunner runCommand, QWidget *parent)
    : QDialog(parent), m_store(store), m_runCommand(std::move(runCommand)), m_pickNumbers(PickFromLocalBooks),
      m_pTimer(new QTimer(this))
{
    setWindowTitle(tr("SMS"));
    CreateControls();
    m_pTimer->setInterval(kCounterTimerMs);
    connect(m_pTimer, &QTimer::timeout, this, &CSMSComposeDlg::OnCounterTick);
}

void CSMSComposeDlg::CreateControls()
{
    m_pSendTo = new QLineEdit;
    m_pPickButton = new QPushButton(QStringLiteral("..."));
    auto *sendTo = new QHBoxLayout;
    sendTo->addWidget(new QLabel(tr("Send to")));
    sendTo->addWidget(m_pSendTo, 1);
    sendTo->addWidget(m_pPickButton);

    auto *options = new QGroupBox(tr("Option"));
    auto *optionRows = new QFormLayout(options);
    m_pCountry = new QComboBox;
    m_pCountry->addItems(CountryNamesInListOrder());
    m_pValidity = new QComboBox;
    m_pValidity->addItems(SmsValidityTexts());
    m_pHandfree = new QCheckBox(tr("Handfree"));
    m_pReport = new QCheckBox(tr("Report status"));
    optionRows->addRow(tr("Country"), m_pCountry);
    optionRows->addRow(tr("Valid time"), m_pValidity);
    optionRows->addRow(m_pHandfree, m_pReport);

    m_pCounter = new QLabel(tr("Message"));
    m_pMessage = new QPlainTextEdit;
    // A short message holds no tab: Tab goes on to the buttons.
    m_pMessage->setTabChangesFocus(true);
    m_pSendButton = new QPushButton(tr("Send"));
    m_pSaveButton = new QPushButton(tr("Save"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {m_pPickButton, m_pSendButton, m_pSaveButton}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    buttons->addWidget(m_pSendButton);
    buttons->addWidget(m_pSaveButton);

    SetControlId(m_pSendTo, kSendToId);
    SetControlId(m_pPickButton, kPickButtonId);
    SetControlId(m_pCountry, kCountryId);
    SetControlId(m_pHandfree, kHandfreeId);
    SetControlId(m_pValidity, kValidityId);
    SetControlId(m_pReport, kReportId);
    SetControlId(m_pCounter, kCounterId);
    SetControlId(m_pMessage, kMessageId);
    SetControlId(m_pSendButton, kSendButtonId);
    SetControlId(m_pSaveButton, kSaveButtonId);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(sendTo);
    layout->addWidget(options);
    layout->addWidget(m_pCounter);
    layout->addWidget(m_pMessage, 1);
    layout->addLayout(buttons);

    connect(m_pSendButton, &QPushButton::clicked, this, &CSMSComposeDlg::OnSend);
    connect(m_pSaveButton, &QPushButton::clicked, this, &CSMSComposeDlg::OnSaveMenu);
    connect(m_pPickButton, &QPushButton::clicked, this, &CSMSComposeDlg::OnPickNumbers);
    SetTabChain({m_pSendTo, m_pPickButton, m_pCountry, m_pValidity, m_pHandfree, m_pReport, m_pMessage, m_pSendButton,
                 m_pSaveButton});
}

int CSMSComposeDlg::Run()
{
    Prepare();
    return exec();
}

void CSMSComposeDlg::Prepare()
{
    m_strCountry = g_strCountry.Get();
    if (m_nMode == kNewMessage) {
        m_bHandfree = false;
        m_bReport = false;
        m_strValidity = SmsValidityText(5);
        m_strSendTo.clear();
        m_strMessage.clear();
    } else {
        const SmsRecord &record = g_nMemory.load() == kLocalFile ? m_store.m_localRecord : m_store.m_phoneRecord;
        m_bHandfree = record.handfree != 0;
        m_bReport = record.report != 0;
        m_strSendTo = SmsNumber(record);
        m_strMessage = SmsContent(record);
        m_strValidity = SmsValidityText(record.validity);
    }
    m_bExchanging = false;
    MembersToControls();
    SetButtonsEnabled(true);
    OnCounterTick();
    m_pTimer->start();
    m_pSendTo->setFocus();
}

void CSMSComposeDlg::MembersToControls()
{
    m_pSendTo->setText(m_strSendTo);
    const int country = m_pCountry->findText(m_strCountry);
    if (country >= 0)
        m_pCountry->setCurrentIndex(country);
    m_pHandfree->setChecked(m_bHandfree);
    m_pValidity->setCurrentIndex(std::max(0, m_pValidity->findText(m_strValidity)));
    m_pReport->setChecked(m_bReport);
    if (m_pMessage->toPlainText() != m_strMessage)
        m_pMessage->setPlainText(m_strMessage);
}

void CSMSComposeDlg::ControlsToMembers()
{
    m_strSendTo = m_pSendTo->text();
    m_strCountry = m_pCountry->currentText();
    m_bHandfree = m_pHandfree->isChecked();
    m_strValidity = m_pValidity->currentText();
    m_bReport = m_pReport->isChecked();
    m_strMessage = m_pMessage->toPlainText();
}

// The buttons follow the counter while no exchange runs: a text the network
// would split, or the record could not hold whole, is never sent or saved.
void CSMSComposeDlg::OnCounterTick()
{
    ControlsToMembers();
    const SmsLength length = MeasureSms(m_strMessage);
    m_strCounter = length.english ? tr("Message  [%1/160 character]  [English]").arg(length.count)
                                  : tr("Message  [%1/70 character]  [Non-English]").arg(length.count);
    m_pCounter->setText(m_strCounter);
    if (g_bBusy.load())
        return;
    const bool fits = length.count <= length.Limit() && m_strMessage.toLocal8Bit().size() <= kSmsContentLimit;
    SetButtonsEnabled(fits);
}

void CSMSComposeDlg::SetButtonsEnabled(bool enabled)
{
    m_pSendButton->setEnabled(enabled);
    m_pSaveButton->setEnabled(enabled);
}

int CSMSComposeDlg::CheckLength()
{
    const SmsLength length = MeasureSms(m_strMessage);
    if (length.count <= length.Limit() && m_strMessage.toLocal8Bit().size() <= kSmsContentLimit)
        return 1;
    MessageBox(this, tr(kTooLongText));
    return 0;
}

QStringList CSMSComposeDlg::Recipients(NumberTarget target) const
{
    const QString code = DiallingCodeOf(m_strCountry);
    QStringList recipients;
    for (int position = 0; position >= 0;) {
        const NextNumberResult found = NextNumber(m_strSendTo, position);
        position = found.next;
        const QString number = found.number.isEmpty() ? QString() : ConvertNumber(found.number, code, target);
        if (!number.isEmpty() && !WithoutPlus(number).isEmpty())
            recipients << number;
    }
    return recipients;
}

// Fills the record and the recipients; false after the box that says why
// nothing can go: a text too long, no number, or a number the record would cut.
bool CSMSComposeDlg::PrepareRecord(SmsRecord &record, NumberTarget target)
{
    ControlsToMembers();
    if (!CheckLength())
        return false;
    const QStringList recipients = Recipients(target);
    if (recipients.isEmpty()) {
        MessageBox(this, tr(kNoNumberText));
        return false;
    }
    for (const QString &recipient : recipients) {
        if (recipient.toLocal8Bit().size() > kSmsNumberLimit) {
            MessageBox(this, tr("The number %1 is too long.\nA number has at most %2 digits.")
                                 .arg(recipient)
                                 .arg(kSmsNumberLimit));
            return false;
        }
    }
    record = {};
    record.status = kSmsStatusUnsent;
    SetSmsContent(record, m_strMessage);
    record.validity = SmsValidityCode(m_strValidity);
    record.report = m_bReport ? 1 : 0;
    record.handfree = m_bHandfree ? 1 : 0;
    m_store.m_recipients = recipients;
    return true;
}

void CSMSComposeDlg::OnSend()
{
    if (!g_bConnected.load()) {
        PostMessageTo(g_hMainWnd.Get(), WM_LINK_RESULT, kLinkNotConnected);
        return;
    }
    SmsRecord record;
    if (!PrepareRecord(record, NumberTarget::Phone))
        return;
    const bool started = m_runCommand({.code = kSmsSend, .waitText = tr("Sending SMS"), .waitOwner = this},
                                      [this, &record] { m_store.m_sendRecord = record; });
    if (started) {
        m_bExchanging = true;
        m_pSendButton->setEnabled(false);
    }
}

void CSMSComposeDlg::OnSaveMenu()
{
    const QList<MenuItem> places{{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Phone")), ID_SMS_SAVE_PHONE},
                                 {QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "SIM card")), ID_SMS_SAVE_SIM},
                                 {QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Local")), ID_SMS_SAVE_LOCAL}};
    if (const int chosen = RunItemMenu(this, places, m_pSaveButton->mapToGlobal(m_pSaveButton->rect().topRight())))
        OnSaveTo(chosen);
}

void CSMSComposeDlg::OnSaveTo(int commandId)
{
    const bool local = commandId == ID_SMS_SAVE_LOCAL;
    if (!local && !g_bConnected.load()) {
        PostMessageTo(g_hMainWnd.Get(), WM_LINK_RESULT, kLinkNotConnected);
        return;
    }
    SmsRecord record;
    if (!PrepareRecord(record, local ? NumberTarget::Local : NumberTarget::Phone))
        return;
    const int memory = local ? kLocalFile : commandId == ID_SMS_SAVE_SIM ? kSimCard : kPhoneMemory;
    CommandRequest request{.code = kSmsSave, .waitText = {}, .waitOwner = this};
    if (local) {
        request.needsPhone = false;
        request.showProgress = false;
    } else {
        request.waitText = tr("Saving SMS");
    }
    const bool started = m_runCommand(request, [this, &record, memory] {
        g_nMemory.store(memory);
        (memory == kLocalFile ? m_store.m_localRecord : m_store.m_phoneRecord) = record;
    });
    if (started) {
        m_bExchanging = true;
        m_pSaveButton->setEnabled(false);
    }
}

QString CSMSComposeDlg::PickFromLocalBooks(QWidget *owner)
{
    CNumberPickerDlg picker(owner);
    return picker.Run() == QDialog::Accepted ? picker.m_strResult : QString();
}

void CSMSComposeDlg::OnPickNumbers()
{
    if (!m_pickNumbers)
        return;
    const QString picked = m_pickNumbers(this);
    ControlsToMembers();
    if (m_strSendTo.isEmpty())
        m_strSendTo = picked;
    else if (!picked.isEmpty())
        m_strSendTo += QStringLiteral(" ,") + picked;
    MembersToControls();
}

void CSMSComposeDlg::reject()
{
    if (m_bExchanging)
        return;
    g_bBusy.store(0);
    QDialog::reject();
}

void CSMSComposeDlg::done(int result)
{
    m_pTimer->stop();
    QDialog::done(result);
}

bool CSMSComposeDlg::event(QEvent *event)
{
    auto *message = dynamic_cast<CLinkEvent *>(event);
    if (!message)
        return QDialog::event(event);
    m_bExchanging = false;
    switch (message->Message()) {
    case WM_SMS_DONE:
        SetButtonsEnabled(true);
        ControlsToMembers();
        done(Accepted);
        break;
    case WM_SMS_SENT:
        SetButtonsEnabled(true);
        g_bBusy.store(0);
        MessageBox(this, message->WParam() == kSmsSentOk ? tr("SMS sent.")
                                                         : tr("Failed to send SMS."));
        break;
    default:
        break;
    }
    return true;
}

} // namespace orrin
