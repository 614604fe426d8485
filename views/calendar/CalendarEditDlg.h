// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The entry dialog of the calendar view: start and end time, a reminder, the
// category and the entry's texts, saved into the memory the view shows. The
// calendar's commands show no wait window and no progress; a save to the
// phone asks for a connection first. The dialog stays open until the store
// answers.

#include "link/MessageTarget.h"
#include "stores/calendar/CalendarEntry.h"
#include "views/common/DataView.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orrin {

class CCalendarData;

class CCalendarEditDlg : public CMessageTarget<QDialog> {
    Q_OBJECT
public:
    enum Mode : int { kNewEntry = 0, kModifyEntry = 1 };

    // Control ids.
    static constexpr int kCategoryListId = 1030;
    static constexpr int kStartEditId = 1031;
    static constexpr int kEndCheckId = 1032;
    static constexpr int kEndEditId = 1033;
    static constexpr int kRemindCheckId = 1034;
    static constexpr int kRemindEditId = 1035;
    static constexpr int kSummaryEditId = 1036;
    static constexpr int kNoteEditId = 1037;
    static constexpr int kOkButtonId = 1;
    static constexpr int kCancelButtonId = 2;

    // The categories these phones file an entry under.
    static const QStringList &Categories();

    CCalendarEditDlg(CCalendarData &store, ViewCommandRunner runCommand, QWidget *parent = nullptr);

    // Opens the dialog modally on the work record of g_nMemory (the memory
    // the view shows): empty for a new entry, the listed entry for a modify.
    int Run(Mode mode);

    QComboBox *CategoryList() const { return m_pCategory; }
    QDateTimeEdit *StartEdit() const { return m_pStart; }
    QCheckBox *EndCheck() const { return m_pEndCheck; }
    QDateTimeEdit *EndEdit() const { return m_pEnd; }
    QCheckBox *RemindCheck() const { return m_pRemindCheck; }
    QDateTimeEdit *RemindEdit() const { return m_pRemind; }
    QLineEdit *SummaryEdit() const { return m_pSummary; }
    QPlainTextEdit *NoteEdit() const { return m_pNote; }
    QPushButton *OkButton() const { return m_pOkButton; }
    QPushButton *CancelButton() const { return m_pCancelButton; }

public slots:
    // Cancel frees the link; refused while the store works on a save.
    void reject() override;

protected:
    // WM_CALENDAR_DONE, passed on by the view, ends the dialog with OK;
    // WM_OPERATION_FAILED ends it as cancelled (the main frame shows why).
    void OnMessage(int message, int wParam) override;

private:
    // One time line: a check box (none for the start) over a time editor;
    // a time the editor cannot show is kept as it came until edited.
    struct TimeControl {
        QCheckBox *check = nullptr;
        QDateTimeEdit *edit = nullptr;
        QString kept;
        bool edited = false;
    };

    void CreateControls();
    QDateTimeEdit *NewTimeEdit(int controlId, TimeControl &control);
    void ShowEntry(const CalendarEntry &entry);
    static void ShowTime(TimeControl &control, const QString &text, const QDateTime &fallback);
    static QString TimeText(const TimeControl &control);
    CalendarEntry EnteredEntry() const;
    void OnOk();
    void SetSaving(bool saving);
    void EndSave(DialogCode result);

    CCalendarData &m_store;
    ViewCommandRunner m_runCommand;
    Mode m_nMode = kNewEntry;
    bool m_bSaving = false;
    TimeControl m_startTime;
    TimeControl m_endTime;
    TimeControl m_remindTime;
    QComboBox *m_pCategory = nullptr;
    QDateTimeEdit *m_pStart = nullptr;
    QCheckBox *m_pEndCheck = nullptr;
    QDateTimeEdit *m_pEnd = nullptr;
    QCheckBox *m_pRemindCheck = nullptr;
    QDateTimeEdit *m_pRemind = nullptr;
    QLineEdit *m_pSummary = nullptr;
    QPlainTextEdit *m_pNote = nullptr;
    QPushButton *m_pOkButton = nullptr;
    QPushButton *m_pCancelButton = nullptr;
};

} // namespace orrin
