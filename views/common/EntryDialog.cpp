// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/common/EntryDialog.h"

#include "link/Messages.h"
#include "link/SharedState.h"
#include "link/Translated.h"
#include "ui/ControlId.h"
#include "ui/TabChain.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace orrin {

CEntryDialog::CEntryDialog(int doneMessage, ViewCommandRunner runCommand, QWidget *parent)
    : CMessageTarget(parent), m_nDoneMessage(doneMessage), m_runCommand(std::move(runCommand))
{
}

int CEntryDialog::Run(Mode mode, int viewMemory)
{
    m_nMode = mode;
    SetSaving(false);
    OnInitDialog(viewMemory);
    return exec();
}

void CEntryDialog::SetDialogButtons(QPushButton *save, QPushButton *cancel)
{
    m_pSaveButton = save;
    m_pCancelButton = cancel;
    save->setDefault(true);
    SetControlId(save, kSaveButtonId);
    SetControlId(cancel, kCancelButtonId);
    connect(save, &QPushButton::clicked, this, &CEntryDialog::OnSave);
    connect(cancel, &QPushButton::clicked, this, &CEntryDialog::reject);
}

QHBoxLayout *CEntryDialog::NewSaveButtonRow()
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    auto *save = new QPushButton(tr("Save"));
    auto *cancel = new QPushButton(tr("Cancel"));
    row->addWidget(save);
    row->addWidget(cancel);
    SetDialogButtons(save, cancel);
    return row;
}

void CEntryDialog::SetTabChain(const QList<QWidget *> &controls)
{
    orrin::SetTabChain(controls + QList<QWidget *>{m_pSaveButton, m_pCancelButton});
}

void CEntryDialog::StartSave(const CommandRequest &request, const std::function<void()> &fillStore)
{
    if (m_runCommand(request, fillStore))
        SetSaving(true);
}

void CEntryDialog::SaveToLocation(int location, const SaveCommands &commands,
                                  const std::function<void(int memory)> &fill)
{
    const int target = MemoryOfLocation(location);
    if (target == 0) {
        g_nMemory.store(0);
        return;
    }
    const bool isNew = m_nMode == kNewEntry;
    CommandRequest request;
    request.code = isNew ? commands.newCode : commands.modifyCode;
    request.waitText = Translated("orrin::CEntryDialog", isNew ? commands.newText : commands.modifyText);
    request.needsPhone = target != kLocalFile;
    request.waitOwner = this;
    request.linkHeld = true;
    StartSave(request, [target, fill] {
        g_nMemory.store(target);
        fill(target);
    });
}

void CEntryDialog::SetSaving(bool saving)
{
    m_bSaving = saving;
    m_pSaveButton->setEnabled(!saving);
    m_pCancelButton->setEnabled(!saving);
}

void CEntryDialog::reject()
{
    if (m_bSaving)
        return;
    g_bBusy.store(0);
    QDialog::reject();
}

void CEntryDialog::EndSave(DialogCode result)
{
    SetSaving(false);
    done(result);
}

void CEntryDialog::OnMessage(int message, int)
{
    if (message == m_nDoneMessage)
        EndSave(Accepted);
    else if (message == WM_OPERATION_FAILED)
        EndSave(Rejected);
}

QGroupBox *CEntryDialog::NewLocationGroup(const QString &title, std::initializer_list<LocationChoice> choices)
{
    auto *group = new QGroupBox(title);
    auto *row = new QHBoxLayout(group);
    m_pLocations = new QButtonGroup(this);
    m_choices.assign(choices);
    for (const LocationChoice &choice : m_choices) {
        auto *button = new QRadioButton(tr(choice.text));
        SetControlId(button, choice.controlId);
        m_pLocations->addButton(button, choice.location);
        row->addWidget(button);
    }
    return group;
}

QGroupBox *CEntryDialog::NewPhoneOrLocalGroup(int phoneButtonId, int localButtonId)
{
    return NewLocationGroup(tr("Location"), {{QT_TRANSLATE_NOOP("orrin::CEntryDialog", "Phone"), kPhoneLocation,
                                              phoneButtonId, kPhoneMemory},
                                             {QT_TRANSLATE_NOOP("orrin::CEntryDialog", "Local"), kLocalLocation,
                                              localButtonId, kLocalFile}});
}

QAbstractButton *CEntryDialog::LocationButton(int location) const
{
    return m_pLocations ? m_pLocations->button(location) : nullptr;
}

// The group is one tab stop, at the chosen button (the first without one);
// the arrow keys move on from there.
void CEntryDialog::ChooseLocation(int location)
{
    QAbstractButton *chosen = LocationButton(location);
    const QAbstractButton *tabStop = chosen ? chosen : m_pLocations->buttons().first();
    for (QAbstractButton *button : m_pLocations->buttons())
        button->setFocusPolicy(button == tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    if (chosen) {
        chosen->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; none is chosen here.
    m_pLocations->setExclusive(false);
    for (QAbstractButton *button : m_pLocations->buttons())
        button->setChecked(false);
    m_pLocations->setExclusive(true);
}

int CEntryDialog::ChosenLocation() const
{
    return m_pLocations->checkedId();
}

void CEntryDialog::EnableLocations(bool enabled)
{
    for (QAbstractButton *button : m_pLocations->buttons())
        button->setEnabled(enabled);
}

int CEntryDialog::MemoryOfLocation(int location) const
{
    const auto found = std::find_if(m_choices.begin(), m_choices.end(),
                                    [location](const LocationChoice &choice) { return choice.location == location; });
    return found == m_choices.end() ? 0 : found->memory;
}

int CEntryDialog::LocationOfMemory(int memory) const
{
    const auto found = std::find_if(m_choices.begin(), m_choices.end(),
                                    [memory](const LocationChoice &choice) { return choice.memory == memory; });
    return found == m_choices.end() ? -1 : found->location;
}

int CEntryDialog::OtherMemory(int memory)
{
    switch (memory) {
    case kLocalFile: return kPhoneMemory;
    case kPhoneMemory: return kLocalFile;
    default: return 0;
    }
}

} // namespace orrin
