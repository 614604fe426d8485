// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/telebook/TelebookEditDlg.h"

#include "ui/ControlId.h"
#include "views/common/FieldValidator.h"
#include "link/Messages.h"
#include "link/SharedState.h"
#include "stores/telebook/TelebookData.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orrin {
namespace {

// The bytes a field holds before its terminator.
constexpr int kNameBytes = int(sizeof(TelebookRecord::name)) - 1;
constexpr int kNumberBytes = int(sizeof(TelebookRecord::number)) - 1;

int MemoryOfLocation(int location)
{
    switch (location) {
    case CTelebookEditDlg::kLocationLocal: return kLocalFile;
    case CTelebookEditDlg::kLocationPhone: return kPhoneMemory;
    case CTelebookEditDlg::kLocationSim: return kSimCard;
    default: return 0;
    }
}

int LocationOfMemory(int memory)
{
    switch (memory) {
    case kLocalFile: return CTelebookEditDlg::kLocationLocal;
    case kPhoneMemory: return CTelebookEditDlg::kLocationPhone;
    case kSimCard: return CTelebookEditDlg::kLocationSim;
    default: return CTelebookEditDlg::kNoLocation;
    }
}

} // namespace

CTelebookEditDlg::CTelebookEditDlg(CTelebookData &store, CommandRunner runCommand, QWidget *parent)
    : CMessageTarget(parent), m_store(store), m_runCommand(std::move(runCommand))
{
    setWindowTitle(QStringLiteral("Phonebook"));
    CreateControls();
}

void CTelebookEditDlg::CreateControls()
{
    auto *content = new QGroupBox(QStringLiteral("Content"));
    auto *fields = new QFormLayout(content);
    m_pNameEdit = new QLineEdit;
    m_pNameLimit = new CFieldValidator(kNameBytes, CFieldValidator::Characters::Any, this);
    m_pNameEdit->setValidator(m_pNameLimit);
    m_pNumberEdit = new QLineEdit;
    m_pNumberLimit = new CFieldValidator(kNumberBytes, CFieldValidator::Characters::Digits, this);
    m_pNumberEdit->setValidator(m_pNumberLimit);
    m_pVipCheck = new QCheckBox(QStringLiteral("VIP"));
    fields->addRow(QStringLiteral("Name"), m_pNameEdit);
    fields->addRow(QStringLiteral("Telenum"), m_pNumberEdit);
    fields->addRow(QString(), m_pVipCheck);

    auto *where = new QGroupBox(QStringLiteral("Save location"));
    auto *choices = new QHBoxLayout(where);
    m_pLocations = new QButtonGroup(this);
    const struct {
        const char *text;
        int location;
        int controlId;
    } kChoices[] = {{"Local", kLocationLocal, kLocalButtonId},
                    {"Phone", kLocationPhone, kPhoneButtonId},
                    {"SIM card", kLocationSim, kSimButtonId}};
    for (const auto &choice : kChoices) {
        auto *button = new QRadioButton(QString::fromLatin1(choice.text));
        SetControlId(button, choice.controlId);
        m_pLocations->addButton(button, choice.location);
        choices->addWidget(button);
    }

    m_pSaveButton = new QPushButton(QStringLiteral("Save"));
    m_pSaveButton->setDefault(true);
    m_pCancelButton = new QPushButton(QStringLiteral("Cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pSaveButton);
    buttons->addWidget(m_pCancelButton);

    SetControlId(m_pNameEdit, kNameEditId);
    SetControlId(m_pNumberEdit, kNumberEditId);
    SetControlId(m_pVipCheck, kVipCheckId);
    SetControlId(m_pSaveButton, kSaveButtonId);
    SetControlId(m_pCancelButton, kCancelButtonId);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(content);
    layout->addWidget(where);
    layout->addLayout(buttons);

    connect(m_pSaveButton, &QPushButton::clicked, this, &CTelebookEditDlg::OnSave);
    connect(m_pCancelButton, &QPushButton::clicked, this, &CTelebookEditDlg::reject);
}

QAbstractButton *CTelebookEditDlg::LocationButton(Location location) const
{
    return m_pLocations->button(location);
}

int CTelebookEditDlg::Run(Mode mode, int viewMemory)
{
    m_nMode = mode;
    OnInitDialog(viewMemory);
    return exec();
}

void CTelebookEditDlg::OnInitDialog(int viewMemory)
{
    SetSaving(false);
    const bool newerPhone = CMobileLink::GetPhoneTypeCode() == PhoneFamily::Newer;
    if (m_nMode == kNewEntry) {
        m_strName.clear();
        m_strNumber.clear();
        m_bVip = false;
        m_nLocation = LocationOfMemory(viewMemory);
        // A location the phone family cannot take is not offered either.
        if (newerPhone && m_nLocation == kLocationPhone)
            m_nLocation = kNoLocation;
    } else {
        const int memory = g_nMemory.load();
        const TelebookRecord &record = memory == kLocalFile ? m_store.m_localEditRecord : m_store.m_editRecord;
        m_strName = TelebookName(record);
        m_strNumber = TelebookNumber(record);
        m_bVip = record.vip != 0;
        m_nLocation = LocationOfMemory(memory);
    }
    m_pNameLimit->SetStartText(m_strName);
    m_pNumberLimit->SetStartText(m_strNumber);
    MembersToControls();
    for (QAbstractButton *button : m_pLocations->buttons())
        button->setEnabled(m_nMode == kNewEntry);
    if (newerPhone)
        LocationButton(kLocationPhone)->setEnabled(false);
    m_pNameEdit->setFocus();
}

void CTelebookEditDlg::MembersToControls()
{
    m_pNameEdit->setText(m_strName);
    m_pNumberEdit->setText(m_strNumber);
    m_pVipCheck->setChecked(m_bVip);
    if (QAbstractButton *chosen = m_pLocations->button(m_nLocation)) {
        chosen->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; none is chosen here.
    m_pLocations->setExclusive(false);
    for (QAbstractButton *button : m_pLocations->buttons())
        button->setChecked(false);
    m_pLocations->setExclusive(true);
}

void CTelebookEditDlg::ControlsToMembers()
{
    m_strName = m_pNameEdit->text();
    m_strNumber = m_pNumberEdit->text();
    m_bVip = m_pVipCheck->isChecked();
    m_nLocation = m_pLocations->checkedId();
}

void CTelebookEditDlg::SetSaving(bool saving)
{
    m_bSaving = saving;
    m_pSaveButton->setEnabled(!saving);
    m_pCancelButton->setEnabled(!saving);
}

void CTelebookEditDlg::OnSave()
{
    ControlsToMembers();
    const int target = MemoryOfLocation(m_nLocation);
    if (target == 0) {
        g_nMemory.store(0);
        return;
    }
    CommandRequest request;
    request.code = m_nMode == kNewEntry ? kTelebookWrite : kTelebookModify;
    request.waitText = m_nMode == kNewEntry ? QStringLiteral("Saving phone book") : QStringLiteral("Modifying phone book");
    request.needsPhone = target != kLocalFile;
    request.waitOwner = this;
    request.linkHeld = true;
    const bool started = m_runCommand(request, [this, target] {
        g_nMemory.store(target);
        FillEditRecord(target);
    });
    if (started)
        SetSaving(true);
}

// The location field keeps what it holds: a modified entry stays where it is.
void CTelebookEditDlg::FillEditRecord(int memory) const
{
    TelebookRecord &record = memory == kLocalFile ? m_store.m_localEditRecord : m_store.m_editRecord;
    SetTelebookName(record, m_strName);
    SetTelebookNumber(record, m_strNumber);
    record.vip = m_bVip ? 1 : 0;
}

void CTelebookEditDlg::reject()
{
    if (m_bSaving)
        return;
    g_bBusy.store(0);
    QDialog::reject();
}

void CTelebookEditDlg::EndSave(DialogCode result)
{
    SetSaving(false);
    done(result);
}

void CTelebookEditDlg::OnMessage(int message, int)
{
    if (message == WM_TELEBOOK_DONE) {
        ControlsToMembers();
        EndSave(Accepted);
    } else if (message == WM_OPERATION_FAILED) {
        EndSave(Rejected);
    }
}

} // namespace orrin
