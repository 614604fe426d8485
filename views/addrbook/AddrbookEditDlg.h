// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The entry dialog of the older family's address book: creates an entry and
// chooses where it is saved (phone or local file), or edits an entry where it
// is. Saving hands the entry to the address-book store through the view that
// opened the dialog; the dialog stays open until the store has answered.

#include "link/MessageTarget.h"
#include "views/common/DataView.h"

#include <QDialog>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;

struct AddrbookRecord;

namespace orrin {

class CAddrbookData;
class CFieldValidator;

class CAddrbookEditDlg : public CMessageTarget<QDialog> {
    Q_OBJECT
public:
    enum Mode : int { kNewEntry = 0, kModifyEntry = 1 };
    enum Location : int { kNoLocation = -1, kLocationPhone = 0, kLocationLocal = 1 };

    // Control ids.
    static constexpr int kNameEditId = 1016;
    static constexpr int kCityEditId = 1017;
    static constexpr int kCountryEditId = 1018;
    static constexpr int kPostCodeEditId = 1019;
    static constexpr int kOfficeEditId = 1020;
    static constexpr int kHomeEditId = 1021;
    static constexpr int kMobileEditId = 1022;
    static constexpr int kFaxEditId = 1023;
    static constexpr int kCompanyEditId = 1024;
    static constexpr int kStreetEditId = 1025;
    static constexpr int kEmailEditId = 1026;
    static constexpr int kUrlEditId = 1027;
    static constexpr int kVipCheckId = 1028;
    static constexpr int kPhoneButtonId = 1029;
    static constexpr int kLocalButtonId = 1031;
    static constexpr int kSaveButtonId = 1;
    static constexpr int kCancelButtonId = 2;

    CAddrbookEditDlg(CAddrbookData &store, ViewCommandRunner runCommand, QWidget *parent = nullptr);

    // Opens the dialog modally. A new entry preselects the memory the view
    // does not show (viewMemory); a modified entry is taken from the store's
    // work record of g_nMemory and stays where it is. Returns the result.
    int Run(Mode mode, int viewMemory);

    // The edit box of the control id, or null.
    QLineEdit *Edit(int controlId) const;
    QCheckBox *VipCheck() const { return m_pVipCheck; }
    QAbstractButton *LocationButton(Location location) const;
    QPushButton *SaveButton() const { return m_pSaveButton; }

public slots:
    // Cancel: frees the link. Refused while the store works on a save, whose
    // answer must come back to this dialog.
    void reject() override;

protected:
    // WM_ADDRBOOK_DONE ends the dialog with OK, WM_OPERATION_FAILED with
    // Cancel; both passed on by the view.
    void OnMessage(int message, int wParam) override;

private:
    void CreateControls();
    void OnInitDialog(int viewMemory);
    void ShowRecord(const AddrbookRecord &record);
    void ChooseLocation(int location);
    void OnSave();
    void FillRecord(AddrbookRecord &record) const;
    void SetSaving(bool saving);

    CAddrbookData &m_store;
    ViewCommandRunner m_runCommand;
    int m_nMode = kNewEntry;
    bool m_bSaving = false;
    QList<QLineEdit *> m_edits; // in the order of the record's fields
    QList<CFieldValidator *> m_limits;
    QCheckBox *m_pVipCheck = nullptr;
    QButtonGroup *m_pLocations = nullptr;
    QPushButton *m_pSaveButton = nullptr;
    QPushButton *m_pCancelButton = nullptr;
};

} // namespace orrin
