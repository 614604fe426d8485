// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/addrbook/AddrbookEditDlg.h"

#include "link/Messages.h"
#include "link/SharedState.h"
#include "stores/addrbook/AddrbookData.h"
#include "stores/common/TextField.h"
#include "ui/ControlId.h"
#include "views/common/FieldValidator.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cstddef>

namespace orrin {

namespace {

// One edit box and the record field it fills. Every box takes no more than
// its field holds before the terminator, so nothing is cut on saving.
struct Field {
    int controlId;
    const char *label;
    std::size_t offset;
    std::size_t size;
    CFieldValidator::Characters characters;
    int group; // 0 the entry, 1 "Phone numbers", 2 "Address"
};

#define ADDRBOOK_FIELD(member) offsetof(AddrbookRecord, member), sizeof(AddrbookRecord::member)

using Chars = CFieldValidator::Characters;
const Field kFields[] = {
    {CAddrbookEditDlg::kNameEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Name"), ADDRBOOK_FIELD(name), Chars::Any, 0},
    {CAddrbookEditDlg::kCityEditId, QT_TRANSLATE_NOOP("AddrbookFields", "City"), ADDRBOOK_FIELD(city), Chars::Any, 0},
    {CAddrbookEditDlg::kCountryEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Country"),
     ADDRBOOK_FIELD(country), Chars::Any, 0},
    {CAddrbookEditDlg::kPostCodeEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Post code"),
     ADDRBOOK_FIELD(postCode), Chars::Digits, 0},
    {CAddrbookEditDlg::kOfficeEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Office"),
     ADDRBOOK_FIELD(office), Chars::Digits, 1},
    {CAddrbookEditDlg::kHomeEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Home"),
     ADDRBOOK_FIELD(home), Chars::Digits, 1},
    {CAddrbookEditDlg::kMobileEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Mobile"),
     ADDRBOOK_FIELD(mobile), Chars::Digits, 1},
    {CAddrbookEditDlg::kFaxEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Fax"), ADDRBOOK_FIELD(fax), Chars::Digits, 1},
    {CAddrbookEditDlg::kCompanyEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Company"),
     ADDRBOOK_FIELD(company), Chars::Any, 2},
    {CAddrbookEditDlg::kStreetEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Street"),
     ADDRBOOK_FIELD(street), Chars::Any, 2},
    {CAddrbookEditDlg::kEmailEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Email"),
     ADDRBOOK_FIELD(email), Chars::Any, 2},
    {CAddrbookEditDlg::kUrlEditId, QT_TRANSLATE_NOOP("AddrbookFields", "URL"), ADDRBOOK_FIELD(url), Chars::Any, 2},
};

#undef ADDRBOOK_FIELD

char *FieldOf(AddrbookRecord &record, const Field &field)
{
    return reinterpret_cast<char *>(&record) + field.offset;
}

const char *FieldOf(const AddrbookRecord &record, const Field &field)
{
    return reinterpret_cast<const char *>(&record) + field.offset;
}

const CEntryDialog::SaveCommands kSaveCommands{
    kAddrbookWrite, QStringLiteral(QT_TRANSLATE_NOOP("orrin::CEntryDialog", "Saving address book")),
    kAddrbookModify, QStringLiteral(QT_TRANSLATE_NOOP("orrin::CEntryDialog", "Modifying address book"))};

} // namespace

CAddrbookEditDlg::CAddrbookEditDlg(CAddrbookData &store, ViewCommandRunner runCommand, QWidget *parent)
    : CEntryDialog(WM_ADDRBOOK_DONE, std::move(runCommand), parent), m_store(store)
{
    setWindowTitle(tr("Addressbook"));
    CreateControls();
}

void CAddrbookEditDlg::CreateControls()
{
    auto *entry = new QFormLayout;
    auto *numbers = new QGroupBox(tr("Phone numbers"));
    auto *address = new QGroupBox(tr("Address"));
    QFormLayout *forms[] = {entry, new QFormLayout(numbers), new QFormLayout(address)};
    for (const Field &field : kFields) {
        auto *edit = new QLineEdit;
        auto *limit = new CFieldValidator(int(field.size) - 1, field.characters, edit);
        edit->setValidator(limit);
        m_limits << limit;
        SetControlId(edit, field.controlId);
        forms[field.group]->addRow(QCoreApplication::translate("AddrbookFields", field.label), edit);
        m_edits << edit;
    }
    m_pVipCheck = new QCheckBox(tr("VIP"));
    SetControlId(m_pVipCheck, kVipCheckId);
    entry->addRow(QString(), m_pVipCheck);

    QGroupBox *where = NewPhoneOrLocalGroup(kPhoneButtonId, kLocalButtonId);
    QHBoxLayout *buttons = NewSaveButtonRow();

    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addLayout(entry);
    left->addWidget(where);
    left->addStretch();
    columns->addLayout(left);
    auto *right = new QVBoxLayout;
    right->addWidget(numbers);
    right->addWidget(address);
    columns->addLayout(right);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    // The left column, then the right one.
    SetTabChain({Edit(kNameEditId), Edit(kCityEditId), Edit(kCountryEditId), Edit(kPostCodeEditId), m_pVipCheck,
                 LocationButton(kLocationPhone), LocationButton(kLocationLocal), Edit(kOfficeEditId),
                 Edit(kHomeEditId), Edit(kMobileEditId), Edit(kFaxEditId), Edit(kCompanyEditId), Edit(kStreetEditId),
                 Edit(kEmailEditId), Edit(kUrlEditId)});
}

QLineEdit *CAddrbookEditDlg::Edit(int controlId) const
{
    for (QLineEdit *edit : m_edits) {
        if (ControlId(edit) == controlId)
            return edit;
    }
    return nullptr;
}

void CAddrbookEditDlg::OnInitDialog(int viewMemory)
{
    const bool modify = m_nMode == kModifyEntry;
    const bool local = g_nMemory.load() == kLocalFile;
    if (modify) {
        ShowRecord(local ? m_store.m_localRecord : m_store.m_phoneRecord);
        ChooseLocation(local ? kLocationLocal : kLocationPhone);
    } else {
        ShowRecord(AddrbookRecord{});
        ChooseLocation(LocationOfMemory(OtherMemory(viewMemory)));
    }
    EnableLocations(!modify);
    m_edits.first()->setFocus();
}

// A text read from the phone may hold what cannot be typed; it can still be
// edited, it only cannot grow.
void CAddrbookEditDlg::ShowRecord(const AddrbookRecord &record)
{
    for (qsizetype i = 0; i < m_edits.size(); ++i) {
        const QString text = QString::fromLocal8Bit(TextFieldView(FieldOf(record, kFields[i]), kFields[i].size));
        m_limits[i]->SetStartText(text);
        m_edits[i]->setText(text);
    }
    m_pVipCheck->setChecked(record.vip != 0);
}

void CAddrbookEditDlg::OnSave()
{
    SaveToLocation(ChosenLocation(), kSaveCommands, [this](int memory) {
        FillRecord(memory == kLocalFile ? m_store.m_localRecord : m_store.m_phoneRecord);
    });
}

// The other fields, the slot among them, keep what the view put there.
void CAddrbookEditDlg::FillRecord(AddrbookRecord &record) const
{
    for (qsizetype i = 0; i < m_edits.size(); ++i)
        CopyTextField(FieldOf(record, kFields[i]), kFields[i].size, m_edits[i]->text().toLocal8Bit());
    record.vip = m_pVipCheck->isChecked() ? 1 : 0;
}

} // namespace orrin
