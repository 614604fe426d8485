// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Picks the recipients of a message from the local phone book and the local
// address book of the phone family: a tree of sources, names and numbers,
// and the sorted list of the lines chosen, each "name (number)". It reads
// the stores' local files when it opens and talks to no phone.

#include <QDialog>
#include <QIcon>
#include <QString>

#include <array>

class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace orrin {

class CNumberPickerDlg : public QDialog {
    Q_OBJECT
public:
    // Control ids.
    static constexpr int kTreeId = 1040;
    static constexpr int kAddButtonId = 1041;
    static constexpr int kChosenListId = 1042;
    static constexpr int kRemoveButtonId = 1043;
    static constexpr int kOkButtonId = 1;
    static constexpr int kCancelButtonId = 2;

    // The tree's pictures, in the order of the strip.
    enum TreeImage : int {
        kNameImage = 0,
        kOfficeImage = 1, // also a phone-book number
        kHomeImage = 2,
        kMobileImage = 3,
        kVipImage = 4,
        kSourceImage = 5,
        kFaxImage = 6,
        kTreeImageCount = 7
    };

    explicit CNumberPickerDlg(QWidget *parent = nullptr);

    // Loads the local phone book and address book, then runs the dialog
    // modally. On OK m_strResult holds the chosen numbers joined by ", ".
    int Run();

    // The text between the line's first "(" and its first ")"; empty when
    // there is no "(" or a ")" comes first.
    static QString ExtractNumber(const QString &line);

    QString m_strResult;

public slots:
    void accept() override;

private:
    using TreeImages = std::array<QIcon, kTreeImageCount>;
    static TreeImages LoadTreeImages();
    void CreateControls();
    void OnInitDialog();
    void LoadPhonebook();
    void LoadAddressbook();
    QTreeWidgetItem *AddItem(QTreeWidgetItem *parent, const QString &text, TreeImage image);
    QTreeWidgetItem *AddSource(const QString &text);
    // The line the selected item would add; empty unless a number is selected.
    QString CandidateLine() const;
    void UpdateAddButton();
    void OnAdd();
    void OnRemove();

    TreeImages m_images;
    QTreeWidget *m_pTree = nullptr;
    QListWidget *m_pChosen = nullptr;
    QPushButton *m_pAddButton = nullptr;
    QPushButton *m_pRemoveButton = nullptr;
    QPushButton *m_pOkButton = nullptr;
    QPushButton *m_pCancelButton = nullptr;
};

} // namespace orrin
