// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The entry dialog of the phone book: creates an entry and chooses where it
// is saved (local file, phone memory, SIM card), or edits an entry in place.
// Saving hands the entry to the phone-book store through the view that
// opened the dialog; the dialog stays open until the store has answered.

#include "link/MessageTarget.h"
#include "views/common/DataView.h"

#include <QDialog>

#include <functional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;

namespace orrin {

class CFieldValidator;
class CTelebookData;

class CTelebookEditDlg : public CMessageTarget<QDialog> {
    Q_OBJECT
public:
    enum Mode : int { kNewEntry = 0, kModifyEntry = 1 };
    // Save locations, in the order of the radio buttons.
    enum Location : int { kNoLocation = -1, kLocationLocal = 0, kLocationPhone = 1, kLocationSim = 2 };

    // Control ids.
    static constexpr int kLocalButtonId = 1000;
    static constexpr int kPhoneButtonId = 1001;
    static constexpr int kSimButtonId = 1002;
    static constexpr int kNameEditId = 1003;
    static constexpr int kNumberEditId = 1004;
    static constexpr int kVipCheckId = 1005;
    static constexpr int kSaveButtonId = 1;
    static constexpr int kCancelButtonId = 2;

    // Runs a command for the dialog: the view's hand-over to the store.
    using CommandRunner = ViewCommandRunner;

    CTelebookEditDlg(CTelebookData &store, CommandRunner runCommand, QWidget *parent = nullptr);

    // Opens the dialog modally. A new entry preselects the location of the
    // memory the view shows (viewMemory); a modified entry is taken from the
    // store's edit record of g_nMemory. Returns the dialog's result.
    int Run(Mode mode, int viewMemory);

    QLineEdit *NameEdit() const { return m_pNameEdit; }
    QLineEdit *NumberEdit() const { return m_pNumberEdit; }
    QCheckBox *VipCheck() const { return m_pVipCheck; }
    QAbstractButton *LocationButton(Location location) const;
    QPushButton *SaveButton() const { return m_pSaveButton; }
    QPushButton *CancelButton() const { return m_pCancelButton; }

    int m_nMode = kNewEntry;
    QString m_strName;
    QString m_strNumber;
    bool m_bVip = false;
    int m_nLocation = kNoLocation;

public slots:
    // Cancel: frees the link. Refused while the store works on a save, whose
    // answer must come back to this dialog.
    void reject() override;

protected:
    // WM_TELEBOOK_DONE ends the dialog with OK, WM_OPERATION_FAILED with
    // Cancel; both passed on by the view.
    void OnMessage(int message, int wParam) override;

private:
    void CreateControls();
    void OnInitDialog(int viewMemory);
    void MembersToControls();
    void ControlsToMembers();
    void SetSaving(bool saving);
    void OnSave();
    void FillEditRecord(int memory) const;
    void EndSave(DialogCode result);

    CTelebookData &m_store;
    CommandRunner m_runCommand;
    bool m_bSaving = false;
    QLineEdit *m_pNameEdit = nullptr;
    QLineEdit *m_pNumberEdit = nullptr;
    CFieldValidator *m_pNameLimit = nullptr;
    CFieldValidator *m_pNumberLimit = nullptr;
    QCheckBox *m_pVipCheck = nullptr;
    QButtonGroup *m_pLocations = nullptr;
    QPushButton *m_pSaveButton = nullptr;
    QPushButton *m_pCancelButton = nullptr;
};

} // namespace orrin
