// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Base of the entry dialogs (phone book, both address books, calendar): the
// save flow they share. Saving hands the entry to the store through the view
// that opened the dialog, and the dialog stays open until the store has
// answered: Cancel is refused meanwhile, as that answer must come back here.
// The store's completion message ends the dialog with OK, WM_OPERATION_FAILED
// with Cancel (the main frame shows why); the view passes both on.
// A dialog that saves into a memory of the user's choice adds the location
// radio group, which may have none of its buttons checked.

#include "link/MessageTarget.h"
#include "views/common/DataView.h"

#include <QDialog>

#include <functional>
#include <initializer_list>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QHBoxLayout;
class QPushButton;

namespace orrin {

class CEntryDialog : public CMessageTarget<QDialog> {
    Q_OBJECT
public:
    enum Mode : int { kNewEntry = 0, kModifyEntry = 1 };

    static constexpr int kSaveButtonId = 1;
    static constexpr int kCancelButtonId = 2;

    // The command codes and wait texts of a new and of a modified entry.
    struct SaveCommands {
        int newCode;
        QString newText;
        int modifyCode;
        QString modifyText;
    };
    // One radio button of the location group and the memory it saves into.
    struct LocationChoice {
        const char *text;
        int location; // the button's id in the group
        int controlId;
        int memory;
    };

    // Opens the dialog modally for a new or a modified entry; viewMemory is
    // the memory the view shows. Returns the dialog's result.
    int Run(Mode mode, int viewMemory = 0);

    // The radio button of a save location, or null.
    QAbstractButton *LocationButton(int location) const;

    int m_nMode = kNewEntry;

public slots:
    // Cancel: frees the link. Refused while the store works on a save.
    void reject() override;

protected:
    CEntryDialog(int doneMessage, ViewCommandRunner runCommand, QWidget *parent);

    // Shows the entry of the mode set by Run.
    virtual void OnInitDialog(int viewMemory) = 0;
    // The Save (or OK) button was pressed.
    virtual void OnSave() = 0;

    // Save is the default button (Enter); Cancel rejects, as Escape does.
    void SetDialogButtons(QPushButton *save, QPushButton *cancel);
    // Save and Cancel at the right of a row, set as the dialog's buttons.
    QHBoxLayout *NewSaveButtonRow();
    // Chains the controls in this order for Tab, the dialog's buttons last.
    void SetTabChain(const QList<QWidget *> &controls);

    // Hands the command to the store; the dialog waits for its answer when
    // the view has started it.
    void StartSave(const CommandRequest &request, const std::function<void()> &fillStore);
    // Saves the entry into the memory of the location: fill puts the entry
    // into the store's work record of that memory. Without a location the
    // memory is cleared and nothing is saved.
    void SaveToLocation(int location, const SaveCommands &commands, const std::function<void(int memory)> &fill);
    void OnMessage(int message, int wParam) override;

    QGroupBox *NewLocationGroup(const QString &title, std::initializer_list<LocationChoice> choices);
    // The address books' "Location" group: the phone (location 0), then the
    // local file (location 1).
    enum PhoneOrLocal : int { kPhoneLocation = 0, kLocalLocation = 1 };
    QGroupBox *NewPhoneOrLocalGroup(int phoneButtonId, int localButtonId);
    // Checks the button of the location; none for a location without one.
    void ChooseLocation(int location);
    int ChosenLocation() const;
    void EnableLocations(bool enabled);
    int MemoryOfLocation(int location) const;
    int LocationOfMemory(int memory) const;
    // The phone memory for the local file and the other way round; 0 else.
    static int OtherMemory(int memory);

private:
    void SetSaving(bool saving);
    void EndSave(DialogCode result);

    int m_nDoneMessage;
    ViewCommandRunner m_runCommand;
    bool m_bSaving = false;
    std::vector<LocationChoice> m_choices;
    QButtonGroup *m_pLocations = nullptr;
    QPushButton *m_pSaveButton = nullptr;
    QPushButton *m_pCancelButton = nullptr;
};

} // namespace orrin
