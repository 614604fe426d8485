// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The entry dialog of the newer family's address book: creates an entry on
// the phone or in the local file, or edits one where it is. Boxes left empty
// are saved as "<none>" (texts) or "0" (numbers), as the phone shows an
// entry's unset fields.

#include "phone/PhoneApi.h"
#include "views/common/EntryDialog.h"

#include <map>

class QComboBox;
class QLineEdit;

namespace orrin {

class CFieldValidator;
class CS57AddrbookData;

class CS57AddrbookEditDlg : public CEntryDialog {
    Q_OBJECT
public:
    // Save locations, in the order of the radio buttons.
    enum Location : int { kNoLocation = -1, kLocationPhone = kPhoneLocation, kLocationLocal = kLocalLocation };

    // Control ids.
    static constexpr int kNameEditId = 1050;
    static constexpr int kCityEditId = 1051;
    static constexpr int kCountryEditId = 1052;
    static constexpr int kPostCodeEditId = 1053;
    static constexpr int kOfficeEditId = 1054;
    static constexpr int kHomeEditId = 1055;
    static constexpr int kMobileEditId = 1056;
    static constexpr int kFaxEditId = 1057;
    static constexpr int kCompanyEditId = 1058;
    static constexpr int kStreetEditId = 1059;
    static constexpr int kEmailEditId = 1060;
    static constexpr int kUrlEditId = 1061;
    static constexpr int kPhoneButtonId = 1062;
    static constexpr int kLocalButtonId = 1063;
    static constexpr int kFax2EditId = 1064;
    static constexpr int kEmail2EditId = 1068;
    static constexpr int kGroupListId = 1069;
    static constexpr int kYearListId = 1070;
    static constexpr int kMonthListId = 1071;
    static constexpr int kDayListId = 1072;

    // Runs a command for the dialog: the view's hand-over to the store.
    using CommandRunner = ViewCommandRunner;

    // A new entry preselects the location the view does not show; a modified
    // entry is taken from the store's work record of g_nMemory.
    CS57AddrbookEditDlg(CS57AddrbookData &store, CommandRunner runCommand, QWidget *parent = nullptr);

    // The edit box of a control id, or null.
    QLineEdit *Edit(int controlId) const;

private:
    struct Box {
        QLineEdit *edit;
        CFieldValidator *limit;
    };

    void CreateControls();
    QLineEdit *AddBox(int fieldIndex);
    void OnInitDialog(int viewMemory) override;
    void ShowRecord(const S57AddrbookRecord &record);
    void ShowBirthday(const QString &birthday);
    void OnSave() override;
    void FillWorkRecord(S57AddrbookRecord &record) const;
    QString Birthday() const;

    CS57AddrbookData &m_store;
    std::map<int, Box> m_boxes; // by control id
    QComboBox *m_pGroup = nullptr;
    QComboBox *m_pYear = nullptr;
    QComboBox *m_pMonth = nullptr;
    QComboBox *m_pDay = nullptr;
};

} // namespace orrin
