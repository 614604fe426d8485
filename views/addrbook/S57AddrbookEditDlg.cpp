// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/addrbook/S57AddrbookEditDlg.h"

#include "link/Messages.h"
#include "link/SharedState.h"
#include "stores/addrbook/S57AddrbookData.h"
#include "stores/common/TextField.h"
#include "ui/ControlId.h"
#include "views/common/FieldValidator.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cstddef>
#include <iterator>

namespace orrin {
namespace {

using Characters = CFieldValidator::Characters;
using Record = S57AddrbookRecord;

enum class Section { Person, PhoneNumbers, Address };

// One edit box and the record field it fills. Typing stops where the field
// is full; a longer text from elsewhere is cut at a character boundary.
struct TextBox {
    int controlId;
    const char *label;
    Section section;
    Characters characters;
    int maxBytes;
    QString (*get)(const Record &);
    void (*set)(Record &, const QString &);
};

template <std::size_t N>
constexpr int BytesBeforeTerminator(char (Record::*)[N])
{
    return int(N) - 1;
}

template <auto Field>
constexpr TextBox BoxFor(int controlId, const char *label, Section section, Characters characters)
{
    return {controlId,
            label,
            section,
            characters,
            BytesBeforeTerminator(Field),
            [](const Record &record) { return TextFieldString(record.*Field); },
            [](Record &record, const QString &text) { SetTextFieldString(record.*Field, text); }};
}

using Dlg = CS57AddrbookEditDlg;
const TextBox kTextBoxes[] = {
    BoxFor<&Record::name>(Dlg::kNameEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Name"),
                          Section::Person, Characters::Any),
    BoxFor<&Record::city>(Dlg::kCityEditId, QT_TRANSLATE_NOOP("AddrbookFields", "City"),
                          Section::Person, Characters::Any),
    BoxFor<&Record::country>(Dlg::kCountryEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Country"),
                             Section::Person, Characters::Any),
    BoxFor<&Record::postCode>(Dlg::kPostCodeEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Post code"),
                              Section::Person, Characters::Digits),
    BoxFor<&Record::office>(Dlg::kOfficeEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Office"),
                            Section::PhoneNumbers, Characters::Digits),
    BoxFor<&Record::home>(Dlg::kHomeEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Home"),
                          Section::PhoneNumbers, Characters::Digits),
    BoxFor<&Record::mobile>(Dlg::kMobileEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Mobile"),
                            Section::PhoneNumbers, Characters::Digits),
    BoxFor<&Record::fax>(Dlg::kFaxEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Fax"),
                         Section::PhoneNumbers, Characters::Digits),
    BoxFor<&Record::fax2>(Dlg::kFax2EditId, QT_TRANSLATE_NOOP("AddrbookFields", "Fax 2"),
                          Section::PhoneNumbers, Characters::Digits),
    BoxFor<&Record::company>(Dlg::kCompanyEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Company"),
                             Section::Address, Characters::Any),
    BoxFor<&Record::street>(Dlg::kStreetEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Street"),
                            Section::Address, Characters::Any),
    BoxFor<&Record::email>(Dlg::kEmailEditId, QT_TRANSLATE_NOOP("AddrbookFields", "Email"),
                           Section::Address, Characters::Any),
    BoxFor<&Record::email2>(Dlg::kEmail2EditId, QT_TRANSLATE_NOOP("AddrbookFields", "Email 2"),
                            Section::Address, Characters::Any),
    BoxFor<&Record::url>(Dlg::kUrlEditId, QT_TRANSLATE_NOOP("AddrbookFields", "URL"),
                         Section::Address, Characters::Any),
};

// What a box left empty is saved as.
QString EmptyBoxText(Characters characters)
{
    return characters == Characters::Digits ? QStringLiteral("0") : QStringLiteral("<none>");
}

const QString kNoGroup = QStringLiteral("No group");

QStringList GroupNames()
{
    return {QStringLiteral("Family"), QStringLiteral("Friends"), QStringLiteral("Office"),
            QStringLiteral("VIP"),    QStringLiteral("Leisure"), QStringLiteral("Private"),
            QStringLiteral("Business"), QStringLiteral("Received"), kNoGroup};
}

QStringList Numbers(int first, int last, int width)
{
    QStringList texts;
    for (int n = first; n <= last; ++n)
        texts << QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
    return texts;
}

QStringList Years() { return Numbers(1920, 2000, 4); }
QStringList Months() { return Numbers(1, 12, 2); }
QStringList Days() { return Numbers(1, 31, 2); }

// Sets the list back to its own texts and selects text. A text the list
// does not offer (a birthday year past 2000, a group another program set) is
// added for this opening, so an unchanged entry is saved as it was read.
void SelectOrKeep(QComboBox &list, const QStringList &offered, const QString &text)
{
    list.clear();
    list.addItems(offered);
    if (!text.isEmpty() && !offered.contains(text))
        list.addItem(text);
    list.setCurrentIndex(list.findText(text));
}

const CEntryDialog::SaveCommands kSaveCommands{
    kAddrbookWrite, QStringLiteral(QT_TRANSLATE_NOOP("orrin::CEntryDialog", "Saving address book")),
    kAddrbookModify, QStringLiteral(QT_TRANSLATE_NOOP("orrin::CEntryDialog", "Modifying address book"))};

} // namespace

CS57AddrbookEditDlg::CS57AddrbookEditDlg(CS57AddrbookData &store, CommandRunner runCommand, QWidget *parent)
    : CEntryDialog(WM_S57ADDRBOOK_DONE, std::move(runCommand), parent), m_store(store)
{
    setWindowTitle(tr("Addrbook"));
    CreateControls();
}

QLineEdit *CS57AddrbookEditDlg::AddBox(int fieldIndex)
{
    const TextBox &field = kTextBoxes[fieldIndex];
    auto *edit = new QLineEdit;
    auto *limit = new CFieldValidator(field.maxBytes, field.characters, this);
    edit->setValidator(limit);
    SetControlId(edit, field.controlId);
    m_boxes.emplace(field.controlId, Box{edit, limit});
    return edit;
}

void CS57AddrbookEditDlg::CreateControls()
{
    auto *person = new QFormLayout;
    auto *numbers = new QGroupBox(tr("Phone numbers"));
    auto *numberFields = new QFormLayout(numbers);
    auto *address = new QGroupBox(tr("Address"));
    auto *addressFields = new QFormLayout(address);
    for (int i = 0; i < int(std::size(kTextBoxes)); ++i) {
        const TextBox &field = kTextBoxes[i];
        QFormLayout *fields = field.section == Section::Person         ? person
                              : field.section == Section::PhoneNumbers ? numberFields
                                                                      : addressFields;
        fields->addRow(QCoreApplication::translate("AddrbookFields", field.label), AddBox(i));
    }

    m_pGroup = new QComboBox;
    SetControlId(m_pGroup, kGroupListId);
    person->addRow(tr("Group"), m_pGroup);
    auto *birthday = new QHBoxLayout;
    const struct {
        QComboBox **list;
        int controlId;
    } kDateLists[] = {{&m_pYear, kYearListId}, {&m_pMonth, kMonthListId}, {&m_pDay, kDayListId}};
    for (const auto &date : kDateLists) {
        if (date.list != &m_pYear)
            birthday->addWidget(new QLabel(QStringLiteral("_")));
        *date.list = new QComboBox;
        SetControlId(*date.list, date.controlId);
        birthday->addWidget(*date.list);
    }
    person->addRow(tr("Birthday"), birthday);

    QGroupBox *where = NewPhoneOrLocalGroup(kPhoneButtonId, kLocalButtonId);
    QHBoxLayout *buttons = NewSaveButtonRow();

    auto *groups = new QHBoxLayout;
    groups->addWidget(numbers);
    groups->addWidget(address);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(person);
    layout->addLayout(groups);
    layout->addWidget(where);
    layout->addLayout(buttons);
    SetTabChain({Edit(kNameEditId), Edit(kCityEditId), Edit(kCountryEditId), Edit(kPostCodeEditId), m_pGroup, m_pYear,
                 m_pMonth, m_pDay, Edit(kOfficeEditId), Edit(kHomeEditId), Edit(kMobileEditId), Edit(kFaxEditId),
                 Edit(kFax2EditId), Edit(kCompanyEditId), Edit(kStreetEditId), Edit(kEmailEditId),
                 Edit(kEmail2EditId), Edit(kUrlEditId), LocationButton(kLocationPhone),
                 LocationButton(kLocationLocal)});
}

QLineEdit *CS57AddrbookEditDlg::Edit(int controlId) const
{
    const auto found = m_boxes.find(controlId);
    return found == m_boxes.end() ? nullptr : found->second.edit;
}

void CS57AddrbookEditDlg::OnInitDialog(int viewMemory)
{
    if (m_nMode == kNewEntry) {
        Record unset{};
        for (const TextBox &field : kTextBoxes)
            field.set(unset, EmptyBoxText(field.characters));
        SetTextFieldString(unset.group, kNoGroup);
        ShowRecord(unset);
        ChooseLocation(LocationOfMemory(OtherMemory(viewMemory)));
    } else {
        const bool local = g_nMemory.load() == kLocalFile;
        ShowRecord(local ? m_store.m_localRecord : m_store.m_phoneRecord);
        ChooseLocation(local ? kLocationLocal : kLocationPhone);
    }
    EnableLocations(m_nMode == kNewEntry);
    Edit(kNameEditId)->setFocus();
}

void CS57AddrbookEditDlg::ShowRecord(const Record &record)
{
    for (const TextBox &field : kTextBoxes) {
        const Box &box = m_boxes.at(field.controlId);
        const QString text = field.get(record);
        box.limit->SetStartText(text);
        box.edit->setText(text);
    }
    const QString group = TextFieldString(record.group);
    SelectOrKeep(*m_pGroup, GroupNames(), group.isEmpty() ? kNoGroup : group);
    ShowBirthday(TextFieldString(record.birthday));
}

// Four characters of year, two of month, two of day; what is missing stays unselected.
void CS57AddrbookEditDlg::ShowBirthday(const QString &birthday)
{
    SelectOrKeep(*m_pYear, Years(), birthday.left(4));
    SelectOrKeep(*m_pMonth, Months(), birthday.mid(4, 2));
    SelectOrKeep(*m_pDay, Days(), birthday.mid(6, 2));
}

void CS57AddrbookEditDlg::OnSave()
{
    SaveToLocation(ChosenLocation(), kSaveCommands, [this](int memory) {
        FillWorkRecord(memory == kLocalFile ? m_store.m_localRecord : m_store.m_phoneRecord);
    });
}

// Index and reserved bytes keep what the view put there.
void CS57AddrbookEditDlg::FillWorkRecord(Record &record) const
{
    for (const TextBox &field : kTextBoxes) {
        const QString text = m_boxes.at(field.controlId).edit->text();
        field.set(record, text.isEmpty() ? EmptyBoxText(field.characters) : text);
    }
    SetTextFieldString(record.group, m_pGroup->currentText());
    SetTextFieldString(record.birthday, Birthday());
}

QString CS57AddrbookEditDlg::Birthday() const
{
    return m_pYear->currentText() + m_pMonth->currentText() + m_pDay->currentText();
}

} // namespace orrin
