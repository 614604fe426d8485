// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The entry dialog of the older family's address book: creates an entry and
// chooses where it is saved (phone or local file), or edits an entry where it
// is.

#include "views/common/EntryDialog.h"

class QCheckBox;
class QLineEdit;

struct AddrbookRecord;

namespace orrin {

class CAddrbookData;
class CFieldValidator;

class CAddrbookEditDlg : public CEntryDialog {
    Q_OBJECT
public:
    enum Location : int { kNoLocation = -1, kLocationPhone = kPhoneLocation, kLocationLocal = kLocalLocation };

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

    // A new entry preselects the memory the view does not show; a modified
    // entry is taken from the store's work record of g_nMemory and stays
    // where it is.
    CAddrbookEditDlg(CAddrbookData &store, ViewCommandRunner runCommand, QWidget *parent = nullptr);

    // The edit box of the control id, or null.
    QLineEdit *Edit(int controlId) const;

private:
    void CreateControls();
    void OnInitDialog(int viewMemory) override;
    void ShowRecord(const AddrbookRecord &record);
    void OnSave() override;
    void FillRecord(AddrbookRecord &record) const;

    CAddrbookData &m_store;
    QList<QLineEdit *> m_edits; // in the order of the record's fields
    QList<CFieldValidator *> m_limits;
    QCheckBox *m_pVipCheck = nullptr;
};

} // namespace orrin
