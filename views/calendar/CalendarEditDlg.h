// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The entry dialog of the calendar view: start and end time, a reminder, the
// category and the entry's texts, saved into the memory the view shows. The
// calendar's commands show no wait window and no progress; a save to the
// phone asks for a connection first.

#include "stores/calendar/CalendarEntry.h"
#include "views/common/EntryDialog.h"

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLineEdit;
class QPlainTextEdit;

namespace orrin {

class CCalendarData;

class CCalendarEditDlg : public CEntryDialog {
    Q_OBJECT
public:
    // Control ids.
    static constexpr int kCategoryListId = 1030;
    static constexpr int kStartEditId = 1031;
    static constexpr int kEndCheckId = 1032;
    static constexpr int kEndEditId = 1033;
    static constexpr int kRemindCheckId = 1034;
    static constexpr int kRemindEditId = 1035;
    static constexpr int kSummaryEditId = 1036;
    static constexpr int kNoteEditId = 1037;

    // The categories these phones file an entry under.
    static const QStringList &Categories();

    // Run shows the work record of g_nMemory (the memory the view shows):
    // empty for a new entry, the listed entry for a modify.
    CCalendarEditDlg(CCalendarData &store, ViewCommandRunner runCommand, QWidget *parent = nullptr);

private:
    // One time line: a check box (the start's has no control id) over a time editor;
    // a time the editor cannot show is kept as it came until edited.
    struct TimeControl {
        QCheckBox *check = nullptr;
        QDateTimeEdit *edit = nullptr;
        QString kept;
        bool edited = false;
    };

    void CreateControls();
    void OnInitDialog(int viewMemory) override;
    QDateTimeEdit *NewTimeEdit(int controlId, TimeControl &control);
    void ShowEntry(const CalendarEntry &entry);
    static void ShowTime(TimeControl &control, const QString &text, const QDateTime &fallback);
    static QString TimeText(const TimeControl &control);
    CalendarEntry EnteredEntry() const;
    void OnSave() override;

    CCalendarData &m_store;
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
};

} // namespace orrin
