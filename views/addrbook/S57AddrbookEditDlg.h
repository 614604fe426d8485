// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The entry dialog of the newer family's address book: creates an entry on
// the phone or in the local file, or edits one where it is. Boxes left empty
// are saved as "<none>" (texts) or "0" (numbers), as the phone shows an
// entry's unset fields. Saving hands the entry to the store through the view
// that opened the dialog; the dialog stays open until the store has answered.

#include "link/MessageTarget.h"
#include "phone/PhoneApi.h"
#include "views/common/DataView.h"

#include <QDialog>

#include <functional>
#include <map>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace orrin {

class CFieldValidator;
class CS57AddrbookData;

class CS57AddrbookEditDlg : public CMessageTarget<QDialog> {
    Q_OBJECT
public:
    enum Mode : int { kNewEntry = 0, kModifyEntry = 1 };
    // Save locations, in the order of the radio buttons.
    enum Location : int { kNoLocation = -1, kLocationPhone = 0, kLocationLocal = 1 };

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
    static constexpr int kSaveButtonId = 1;
    static constexpr int kCancelButtonId = 2;

    // Runs a command for the dialog: the view's hand-over to the store.
    using CommandRunner = ViewCommandRunner;

    CS57AddrbookEditDlg(CS57AddrbookData &store, CommandRunner runCommand, QWidget *parent = nullptr);

    // Opens the dialog modally. A new entry preselects the location the view
    // does not show (viewMemory); a modified entry is taken from the store's
    // work record of g_nMemory. Returns the dialog's result.
    int Run(Mode mode, int viewMemory);

    // The edit box of a control id, or null.
    QLineEdit *Edit(int controlId) const;
    QComboBox *GroupList() const { return m_pGroup; }
    QComboBox *YearList() const { return m_pYear; }
    QComboBox *MonthList() const { return m_pMonth; }
    QComboBox *DayList() const { return m_pDay; }
    QAbstractButton *LocationButton(Location location) const;
    QPushButton *SaveButton() const { return m_pSaveButton; }
    QPushButton *CancelButton() const { return m_pCancelButton; }

    int m_nMode = kNewEntry;

public slots:
    // Cancel: frees the link. Refused while the store works on a save, whose
    // answer must come back to this dialog.
    void reject() override;

protected:
    // WM_S57ADDRBOOK_DONE ends the dialog with OK, WM_OPERATION_FAILED with
    // Cancel; both passed on by the view.
    void OnMessage(int message, int wParam) override;

private:
    struct Box {
        QLineEdit *edit;
        CFieldValidator *limit;
    };

    void CreateControls();
    QLineEdit *AddBox(int fieldIndex);
    void OnInitDialog(int viewMemory);
    void ShowRecord(const S57AddrbookRecord &record);
    void ShowBirthday(const QString &birthday);
    void SetLocation(int location);
    void SetSaving(bool saving);
    void OnSave();
    void FillWorkRecord(S57AddrbookRecord &record) const;
    QString Birthday() const;
    void EndSave(DialogCode result);

    CS57AddrbookData &m_store;
    CommandRunner m_runCommand;
    bool m_bSaving = false;
    std::map<int, Box> m_boxes; // by control id
    QComboBox *m_pGroup = nullptr;
    QComboBox *m_pYear = nullptr;
    QComboBox *m_pMonth = nullptr;
    QComboBox *m_pDay = nullptr;
    QButtonGroup *m_pLocations = nullptr;
    QPushButton *m_pSaveButton = nullptr;
    QPushButton *m_pCancelButton = nullptr;
};

} // namespace orrin
