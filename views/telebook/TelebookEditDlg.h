// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The entry dialog of the phone book: creates an entry and chooses where it
// is saved (local file, phone memory, SIM card), or edits an entry in place.

#include "views/common/EntryDialog.h"

class QCheckBox;
class QLineEdit;

namespace orrin {

class CFieldValidator;
class CTelebookData;

class CTelebookEditDlg : public CEntryDialog {
    Q_OBJECT
public:
    // Save locations, in the order of the radio buttons.
    enum Location : int { kNoLocation = -1, kLocationLocal = 0, kLocationPhone = 1, kLocationSim = 2 };

    // Control ids.
    static constexpr int kLocalButtonId = 1000;
    static constexpr int kPhoneButtonId = 1001;
    static constexpr int kSimButtonId = 1002;
    static constexpr int kNameEditId = 1003;
    static constexpr int kNumberEditId = 1004;
    static constexpr int kVipCheckId = 1005;

    // Runs a command for the dialog: the view's hand-over to the store.
    using CommandRunner = ViewCommandRunner;

    // A new entry preselects the location of the memory the view shows; a
    // modified entry is taken from the store's edit record of g_nMemory.
    CTelebookEditDlg(CTelebookData &store, CommandRunner runCommand, QWidget *parent = nullptr);

    QString m_strName;
    QString m_strNumber;
    bool m_bVip = false;
    int m_nLocation = kNoLocation;

protected:
    void OnMessage(int message, int wParam) override;

private:
    void CreateControls();
    void OnInitDialog(int viewMemory) override;
    void MembersToControls();
    void ControlsToMembers();
    void OnSave() override;
    void FillEditRecord(int memory) const;

    CTelebookData &m_store;
    QLineEdit *m_pNameEdit = nullptr;
    QLineEdit *m_pNumberEdit = nullptr;
    CFieldValidator *m_pNameLimit = nullptr;
    CFieldValidator *m_pNumberLimit = nullptr;
    QCheckBox *m_pVipCheck = nullptr;
};

} // namespace orrin
