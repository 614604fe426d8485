// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/telebook/TelebookEditDlg.h"

#include "ui/ControlId.h"
#include "views/common/FieldValidator.h"
#include "link/Messages.h"
#include "link/SharedState.h"
#include "stores/telebook/TelebookData.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orrin {
namespace {

// The bytes a field holds before its terminator.
constexpr int kNameBytes = int(sizeof(TelebookRecord::name)) - 1;
constexpr int kNumberBytes = int(sizeof(TelebookRecord::number)) - 1;

const CEntryDialog::SaveCommands kSaveCommands{
    kTelebookWrite, QStringLiteral(QT_TRANSLATE_NOOP("orrin::CEntryDialog", "Saving phone book")),
    kTelebookModify, QStringLiteral(QT_TRANSLATE_NOOP("orrin::CEntryDialog", "Modifying phone book"))};

} // namespace

CTelebookEditDlg::CTelebookEditDlg(CTelebookData &store, CommandRunner runCommand, QWidget *parent)
    : CEntryDialog(WM_TELEBOOK_DONE, std::move(runCommand), parent), m_store(store)
{
    setWindowTitle(tr("Phonebook"));
    CreateControls();
}

void CTelebookEditDlg::CreateControls()
{
    auto *content = new QGroupBox(tr("Content"));
    auto *fields = new QFormLayout(content);
    m_pNameEdit = new QLineEdit;
    m_pNameLimit = new CFieldValidator(kNameBytes, CFieldValidator::Characters::Any, this);
    m_pNameEdit->setValidator(m_pNameLimit);
    m_pNumberEdit = new QLineEdit;
    m_pNumberLimit = new CFieldValidator(kNumberBytes, CFieldValidator::Characters::Digits, this);
    m_pNumberEdit->setValidator(m_pNumberLimit);
    m_pVipCheck = new QCheckBox(tr("VIP"));
    fields->addRow(tr("Name"), m_pNameEdit);
    fields->addRow(tr("Telenum"), m_pNumberEdit);
    fields->addRow(QString(), m_pVipCheck);

    QGroupBox *where = NewLocationGroup(tr("Save location"),
                                        {{QT_TRANSLATE_NOOP("orrin::CEntryDialog", "Local"), kLocationLocal,
                                          kLocalButtonId, kLocalFile},
                                         {QT_TRANSLATE_NOOP("orrin::CEntryDialog", "Phone"), kLocationPhone,
                                          kPhoneButtonId, kPhoneMemory},
                                         {QT_TRANSLATE_NOOP("orrin::CEntryDialog", "SIM card"), kLocationSim,
                                          kSimButtonId, kSimCard}});
    QHBoxLayout *buttons = NewSaveButtonRow();

    SetControlId(m_pNameEdit, kNameEditId);
    SetControlId(m_pNumberEdit, kNumberEditId);
    SetControlId(m_pVipCheck, kVipCheckId);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(content);
    layout->addWidget(where);
    layout->addLayout(buttons);
    SetTabChain({m_pNameEdit, m_pNumberEdit, m_pVipCheck, LocationButton(kLocationLocal),
                 LocationButton(kLocationPhone), LocationButton(kLocationSim)});
}

void CTelebookEditDlg::OnInitDialog(int viewMemory)
{
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
    EnableLocations(m_nMode == kNewEntry);
    if (newerPhone)
        LocationButton(kLocationPhone)->setEnabled(false);
    m_pNameEdit->setFocus();
}

void CTelebookEditDlg::MembersToControls()
{
    m_pNameEdit->setText(m_strName);
    m_pNumberEdit->setText(m_strNumber);
    m_pVipCheck->setChecked(m_bVip);
    ChooseLocation(m_nLocation);
}

void CTelebookEditDlg::ControlsToMembers()
{
    m_strName = m_pNameEdit->text();
    m_strNumber = m_pNumberEdit->text();
    m_bVip = m_pVipCheck->isChecked();
    m_nLocation = ChosenLocation();
}

void CTelebookEditDlg::OnSave()
{
    ControlsToMembers();
    SaveToLocation(m_nLocation, kSaveCommands, [this](int memory) { FillEditRecord(memory); });
}

// The location field keeps what it holds: a modified entry stays where it is.
void CTelebookEditDlg::FillEditRecord(int memory) const
{
    TelebookRecord &record = memory == kLocalFile ? m_store.m_localEditRecord : m_store.m_editRecord;
    SetTelebookName(record, m_strName);
    SetTelebookNumber(record, m_strNumber);
    record.vip = m_bVip ? 1 : 0;
}

// The texts typed while the store saved are the ones kept.
void CTelebookEditDlg::OnMessage(int message, int wParam)
{
    if (message == WM_TELEBOOK_DONE)
        ControlsToMembers();
    CEntryDialog::OnMessage(message, wParam);
}

} // namespace orrin
