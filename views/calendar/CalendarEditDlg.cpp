// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/calendar/CalendarEditDlg.h"

#include "link/MessageBox.h"
#include "link/Messages.h"
#include "link/SharedState.h"
#include "stores/calendar/CalendarData.h"
#include "ui/ControlId.h"
#include "views/common/FieldValidator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orrin {
namespace {

constexpr int kSummaryBytes = int(sizeof(CalendarRecord::summary)) - 1;
const char *const kTooLongText = QT_TRANSLATE_NOOP("orrin::CCalendarEditDlg",
                                                   "The entry is too long for the phone's calendar.\n"
                                                   "Please shorten its summary or its details.");

CalendarRecord &WorkRecord(CCalendarData &store)
{
    return g_nMemory.load() == kLocalFile ? store.m_localRecord : store.m_phoneRecord;
}

// A new entry starts at the next full hour, lasting an hour, reminded a
// quarter of an hour before.
QDateTime NextFullHour()
{
    const QDateTime now = QDateTime::currentDateTime();
    return QDateTime(now.date(), QTime(now.time().hour(), 0)).addSecs(3600);
}

} // namespace

const QStringList &CCalendarEditDlg::Categories()
{
    // Each fits the record's heading.
    static const QStringList kCategories{QStringLiteral("MEETING"),  QStringLiteral("BIRTHDAY"),
                                         QStringLiteral("HOLIDAY"),  QStringLiteral("VACATION"),
                                         QStringLiteral("PERSONAL"), QStringLiteral("BUSINESS"),
                                         QStringLiteral("TRAVEL"),   QStringLiteral("EDUCATION")};
    return kCategories;
}

CCalendarEditDlg::CCalendarEditDlg(CCalendarData &store, ViewCommandRunner runCommand, QWidget *parent)
    : CEntryDialog(WM_CALENDAR_DONE, std::move(runCommand), parent), m_store(store)
{
    setWindowTitle(tr("Dialog"));
    CreateControls();
}

QDateTimeEdit *CCalendarEditDlg::NewTimeEdit(int controlId, TimeControl &control)
{
    control.edit = new QDateTimeEdit;
    control.edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    control.edit->setCalendarPopup(true);
    SetControlId(control.edit, controlId);
    connect(control.edit, &QDateTimeEdit::dateTimeChanged, this, [&control] { control.edited = true; });
    connect(control.check, &QCheckBox::toggled, control.edit, &QWidget::setEnabled);
    return control.edit;
}

void CCalendarEditDlg::CreateControls()
{
    m_startTime.check = new QCheckBox(tr("Start time"));
    m_endTime.check = m_pEndCheck = new QCheckBox(tr("End time"));
    m_remindTime.check = m_pRemindCheck = new QCheckBox(tr("Remind"));
    m_pStart = NewTimeEdit(kStartEditId, m_startTime);
    m_pEnd = NewTimeEdit(kEndEditId, m_endTime);
    m_pRemind = NewTimeEdit(kRemindEditId, m_remindTime);
    SetControlId(m_pEndCheck, kEndCheckId);
    SetControlId(m_pRemindCheck, kRemindCheckId);

    m_pCategory = new QComboBox;
    SetControlId(m_pCategory, kCategoryListId);
    m_pSummary = new QLineEdit;
    m_pSummary->setValidator(new CFieldValidator(kSummaryBytes, CFieldValidator::Characters::Any, this));
    SetControlId(m_pSummary, kSummaryEditId);
    m_pNote = new QPlainTextEdit;
    m_pNote->setTabChangesFocus(true);
    SetControlId(m_pNote, kNoteEditId);

    auto *fields = new QFormLayout;
    fields->addRow(m_startTime.check, m_pStart);
    fields->addRow(m_endTime.check, m_pEnd);
    fields->addRow(m_remindTime.check, m_pRemind);
    fields->addRow(tr("Categories"), m_pCategory);
    fields->addRow(tr("Summary"), m_pSummary);
    fields->addRow(tr("Details"), m_pNote);

    auto *buttons = new QDialogButtonBox;
    SetDialogButtons(buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole),
                     buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    SetTabChain({m_startTime.check, m_pStart, m_pEndCheck, m_pEnd, m_pRemindCheck, m_pRemind, m_pCategory, m_pSummary,
                 m_pNote});
}

void CCalendarEditDlg::OnInitDialog(int)
{
    CalendarEntry entry = ReadCalendarEntry(WorkRecord(m_store));
    if (m_nMode == kNewEntry) {
        entry = {};
        entry.category = Categories().first();
        entry.start = CalendarTimeText(NextFullHour());
    }
    ShowEntry(entry);
    m_pSummary->setFocus();
}

void CCalendarEditDlg::ShowEntry(const CalendarEntry &entry)
{
    const QDateTime start = CalendarTime(entry.start).value_or(NextFullHour());
    ShowTime(m_startTime, entry.start, start);
    ShowTime(m_endTime, entry.end, start.addSecs(3600));
    ShowTime(m_remindTime, entry.alarm, start.addSecs(-15 * 60));
    m_pCategory->clear();
    m_pCategory->addItems(Categories());
    // A category of the phone's own that the list lacks stays as it came.
    if (!Categories().contains(entry.category))
        m_pCategory->addItem(entry.category);
    m_pCategory->setCurrentText(entry.category);
    m_pSummary->setText(entry.summary);
    m_pNote->setPlainText(entry.note);
}

void CCalendarEditDlg::ShowTime(TimeControl &control, const QString &text, const QDateTime &fallback)
{
    const std::optional<QDateTime> time = CalendarTime(text);
    control.kept = time ? QString() : text;
    control.check->setChecked(!text.isEmpty());
    control.edit->setEnabled(!text.isEmpty());
    control.edit->setDateTime(time.value_or(fallback));
    control.edited = false;
}

QString CCalendarEditDlg::TimeText(const TimeControl &control)
{
    if (!control.check->isChecked())
        return {};
    if (!control.kept.isEmpty() && !control.edited)
        return control.kept;
    return CalendarTimeText(control.edit->dateTime());
}

CalendarEntry CCalendarEditDlg::EnteredEntry() const
{
    CalendarEntry entry;
    entry.category = m_pCategory->currentText();
    entry.summary = m_pSummary->text();
    entry.start = TimeText(m_startTime);
    entry.end = TimeText(m_endTime);
    entry.alarm = TimeText(m_remindTime);
    entry.note = m_pNote->toPlainText();
    return entry;
}

void CCalendarEditDlg::OnSave()
{
    // Written into a copy first: an entry that does not fit changes nothing.
    CalendarRecord entered = WorkRecord(m_store);
    if (!WriteCalendarEntry(EnteredEntry(), entered)) {
        MessageBox(this, tr(kTooLongText));
        return;
    }
    CommandRequest request;
    request.code = m_nMode == kNewEntry ? kCalendarNew : kCalendarModify;
    request.needsPhone = g_nMemory.load() != kLocalFile;
    request.showProgress = false;
    request.linkHeld = true;
    StartSave(request, [this, entered] { WorkRecord(m_store) = entered; });
}

} // namespace orrin
