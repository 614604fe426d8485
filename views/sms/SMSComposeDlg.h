// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The compose dialog of the message view: a message is written with a live
// character counter, then sent, saved to the phone memory or SIM card, or
// saved to the local file. The numbers typed or picked are turned into
// international form with the dialling code of the chosen country. Every
// exchange is handed to the message store through the view that opened the
// dialog; a save closes the dialog when the store has answered, a send leaves
// it open and says how it went.

#include "stores/sms/SmsRecord.h"
#include "views/common/DataView.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace orrin {

class CSMSData;

// Commands of the Save pop-up. (No fixed underlying type: lupdate loses the
// namespace of the declarations that follow one.)
enum SmsSaveCommand { ID_SMS_SAVE_PHONE = 32818, ID_SMS_SAVE_LOCAL = 32819, ID_SMS_SAVE_SIM = 32820 };

// How a message travels: GSM 7-bit counts septets against 160 (an extension
// character takes two), any other text UTF-16 units against 70.
struct SmsLength {
    int count = 0;
    bool english = true;
    int Limit() const { return english ? 160 : 70; }
};
SmsLength MeasureSms(const QString &text);

// One number of a Send-to text: the digits and "+" signs from start up to
// the first other character, and where the next number starts (-1 at the end).
struct NextNumberResult {
    QString number;
    int next = -1;
};
NextNumberResult NextNumber(const QString &sendTo, int start);

enum class NumberTarget {
    Phone, // send, or save to the phone memory or SIM card: digits without "+"
    Local  // save to the local file: "+", the code, then the number
};
QString ConvertNumber(const QString &number, const QString &countryCode, NumberTarget target);

class CSMSComposeDlg : public QDialog {
    Q_OBJECT
public:
    enum Mode : int { kNewMessage = 0, kOpenedMessage = 1 };

    // Control ids.
    static constexpr int kSendToId = 1034;
    static constexpr int kPickButtonId = 1014;
    static constexpr int kCountryId = 1015;
    static constexpr int kHandfreeId = 1010;
    static constexpr int kValidityId = 1008;
    static constexpr int kReportId = 1011;
    static constexpr int kCounterId = 1033;
    static constexpr int kMessageId = 1009;
    static constexpr int kSendButtonId = 1012;
    static constexpr int kSaveButtonId = 1013;
    static constexpr int kCounterTimerMs = 100;

    using CommandRunner = ViewCommandRunner;
    // Asks the user for numbers; the empty text when cancelled.
    using NumberPicker = std::function<QString(QWidget *owner)>;

    CSMSComposeDlg(CSMSData &store, CommandRunner runCommand, QWidget *parent = nullptr);

    // Prepares the controls for m_nMode (a message opened from a list is
    // taken from the store's record of g_nMemory) and starts the counter.
    void Prepare();
    // Prepare, then runs the dialog modally; the dialog's result.
    int Run();

    // The number picker over the local phone book and address book, unless replaced.
    void SetNumberPicker(NumberPicker picker) { m_pickNumbers = std::move(picker); }

    // The recipients of the Send-to text for the target, in the order found;
    // numbers that convert to nothing are left out.
    QStringList Recipients(NumberTarget target) const;
    // 0 after the box when the message cannot travel or fit its record.
    int CheckLength();

    // The Save pop-up's commands.
    void OnSaveTo(int commandId);
    void OnSend();
    void OnCounterTick();

    int m_nMode = kNewMessage;
    QString m_strSendTo;
    QString m_strCountry;
    bool m_bHandfree = false;
    QString m_strValidity;
    bool m_bReport = false;
    QString m_strCounter;
    QString m_strMessage;

public slots:
    // Enter does not close the dialog.
    void accept() override {}
    // Cancel frees the link; refused while the store works on this dialog's
    // exchange, whose answer must come back here.
    void reject() override;

protected:
    // WM_SMS_DONE closes the dialog with OK, WM_SMS_SENT says how the send
    // went; both passed on by the view, as is WM_OPERATION_FAILED.
    bool event(QEvent *event) override;
    void done(int result) override;

private:
    void CreateControls();
    void MembersToControls();
    void ControlsToMembers();
    void OnSaveMenu();
    static QString PickFromLocalBooks(QWidget *owner);
    void OnPickNumbers();
    bool PrepareRecord(SmsRecord &record, NumberTarget target);
    void SetButtonsEnabled(bool enabled);

    CSMSData &m_store;
    CommandRunner m_runCommand;
    NumberPicker m_pickNumbers;
    bool m_bExchanging = false;
    QTimer *m_pTimer = nullptr;
    QLineEdit *m_pSendTo = nullptr;
    QPushButton *m_pPickButton = nullptr;
    QComboBox *m_pCountry = nullptr;
    QCheckBox *m_pHandfree = nullptr;
    QComboBox *m_pValidity = nullptr;
    QCheckBox *m_pReport = nullptr;
    QLabel *m_pCounter = nullptr;
    QPlainTextEdit *m_pMessage = nullptr;
    QPushButton *m_pSendButton = nullptr;
    QPushButton *m_pSaveButton = nullptr;
};

} // namespace orrin
