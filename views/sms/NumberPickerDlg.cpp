// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/sms/NumberPickerDlg.h"

#include "link/MobileLink.h"
#include "resources/Resources.h"
#include "stores/addrbook/AddrbookData.h"
#include "stores/addrbook/S57AddrbookData.h"
#include "stores/common/TextField.h"
#include "stores/telebook/TelebookData.h"
#include "stores/telebook/TelebookRecord.h"
#include "ui/ControlId.h"
#include "ui/TabChain.h"

#include <QBitmap>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace orrin {
namespace {

constexpr int kTreeImageSize = 16;
const char *const kPhonebookSource = QT_TRANSLATE_NOOP("orrin::CNumberPickerDlg", "Phonebook");
const char *const kAddressbookSource = QT_TRANSLATE_NOOP("orrin::CNumberPickerDlg", "Addressbook");

// Texts sort as the user reads them, whatever their case.
bool SortsBefore(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

using NumberItem = std::pair<QString, CNumberPickerDlg::TreeImage>;

std::array<NumberItem, 4> NumbersOf(const AddrbookRecord &card)
{
    return {{{TextFieldString(card.office), CNumberPickerDlg::kOfficeImage},
             {TextFieldString(card.home), CNumberPickerDlg::kHomeImage},
             {TextFieldString(card.mobile), CNumberPickerDlg::kMobileImage},
             {TextFieldString(card.fax), CNumberPickerDlg::kFaxImage}}};
}

std::array<NumberItem, 5> NumbersOf(const S57AddrbookRecord &card)
{
    return {{{TextFieldString(card.office), CNumberPickerDlg::kOfficeImage},
             {TextFieldString(card.home), CNumberPickerDlg::kHomeImage},
             {TextFieldString(card.mobile), CNumberPickerDlg::kMobileImage},
             {TextFieldString(card.fax), CNumberPickerDlg::kFaxImage},
             {TextFieldString(card.fax2), CNumberPickerDlg::kFaxImage}}};
}

CNumberPickerDlg::TreeImage NameImageOf(const AddrbookRecord &card)
{
    return card.vip ? CNumberPickerDlg::kVipImage : CNumberPickerDlg::kNameImage;
}

// The newer family's cards have no VIP mark; they all show the VIP picture.
CNumberPickerDlg::TreeImage NameImageOf(const S57AddrbookRecord &)
{
    return CNumberPickerDlg::kVipImage;
}

} // namespace

// The pictures of the strip, each 16 pixels wide; white is transparent.
CNumberPickerDlg::TreeImages CNumberPickerDlg::LoadTreeImages()
{
    InitResources();
    QPixmap strip(BitmapPath(IDB_NUMBER_PICKER_TREE));
    TreeImages images;
    if (strip.isNull())
        return images;
    strip.setMask(strip.createMaskFromColor(Qt::white));
    for (int i = 0; i < int(images.size()); ++i)
        images[size_t(i)] = QIcon(strip.copy(i * kTreeImageSize, 0, kTreeImageSize, kTreeImageSize));
    return images;
}

CNumberPickerDlg::CNumberPickerDlg(QWidget *parent) : QDialog(parent), m_images(LoadTreeImages())
{
    setWindowTitle(tr("Select addressbook/phonebook"));
    CreateControls();
}

void CNumberPickerDlg::CreateControls()
{
    m_pTree = new QTreeWidget;
    m_pTree->setHeaderHidden(true);
    m_pTree->setRootIsDecorated(true);
    m_pTree->setIconSize(QSize(kTreeImageSize, kTreeImageSize));
    m_pAddButton = new QPushButton(QStringLiteral(">>"));
    m_pRemoveButton = new QPushButton(QStringLiteral("<<"));
    m_pChosen = new QListWidget;
    m_pOkButton = new QPushButton(tr("OK"));
    m_pOkButton->setDefault(true);
    m_pCancelButton = new QPushButton(tr("Cancel"));
    SetControlId(m_pTree, kTreeId);
    SetControlId(m_pAddButton, kAddButtonId);
    SetControlId(m_pRemoveButton, kRemoveButtonId);
    SetControlId(m_pChosen, kChosenListId);
    SetControlId(m_pOkButton, kOkButtonId);
    SetControlId(m_pCancelButton, kCancelButtonId);

    auto *moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(m_pAddButton);
    moves->addWidget(m_pRemoveButton);
    moves->addStretch();
    auto *lists = new QHBoxLayout;
    lists->addWidget(m_pTree);
    lists->addLayout(moves);
    lists->addWidget(m_pChosen);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pOkButton);
    buttons->addWidget(m_pCancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Select Phone numbers from Phonebook/Addressbook")));
    layout->addLayout(lists);
    layout->addLayout(buttons);

    connect(m_pTree, &QTreeWidget::currentItemChanged, this, &CNumberPickerDlg::UpdateAddButton);
    connect(m_pChosen, &QListWidget::currentRowChanged, this,
            [this](int row) { m_pRemoveButton->setEnabled(row >= 0); });
    connect(m_pAddButton, &QPushButton::clicked, this, &CNumberPickerDlg::OnAdd);
    connect(m_pRemoveButton, &QPushButton::clicked, this, &CNumberPickerDlg::OnRemove);
    connect(m_pOkButton, &QPushButton::clicked, this, &CNumberPickerDlg::accept);
    connect(m_pCancelButton, &QPushButton::clicked, this, &CNumberPickerDlg::reject);
    SetTabChain({m_pTree, m_pAddButton, m_pRemoveButton, m_pChosen, m_pOkButton, m_pCancelButton});
}

int CNumberPickerDlg::Run()
{
    OnInitDialog();
    return exec();
}

void CNumberPickerDlg::OnInitDialog()
{
    m_strResult.clear();
    m_pTree->clear();
    m_pChosen->clear();
    m_pAddButton->setEnabled(false);
    m_pRemoveButton->setEnabled(false);
    LoadPhonebook();
    LoadAddressbook();
    m_pTree->setFocus();
}

void CNumberPickerDlg::LoadPhonebook()
{
    CTelebookData &phonebook = TheTelebookData();
    phonebook.LoadLocalFile();
    QTreeWidgetItem *source = AddSource(tr(kPhonebookSource));
    for (const TelebookRecord &entry : std::as_const(phonebook.m_allList)) {
        QTreeWidgetItem *name = AddItem(source, TelebookName(entry), entry.vip ? kVipImage : kNameImage);
        AddItem(name, TelebookNumber(entry), kOfficeImage);
    }
}

void CNumberPickerDlg::LoadAddressbook()
{
    const auto addCards = [this](auto &store) {
        store.ReadLocal();
        QTreeWidgetItem *source = AddSource(tr(kAddressbookSource));
        for (const auto &card : std::as_const(store.m_mergedList)) {
            QTreeWidgetItem *name = AddItem(source, TextFieldString(card.name), NameImageOf(card));
            for (const auto &[number, image] : NumbersOf(card)) {
                if (!number.isEmpty())
                    AddItem(name, number, image);
            }
        }
    };
    if (CMobileLink::GetPhoneTypeCode() == PhoneFamily::Newer)
        addCards(TheS57AddrbookData());
    else
        addCards(TheAddrbookData());
}

QTreeWidgetItem *CNumberPickerDlg::AddSource(const QString &text)
{
    return AddItem(m_pTree->invisibleRootItem(), text, kSourceImage);
}

// Inserted after the last sibling that does not sort after it.
QTreeWidgetItem *CNumberPickerDlg::AddItem(QTreeWidgetItem *parent, const QString &text, TreeImage image)
{
    int position = parent->childCount();
    while (position > 0 && SortsBefore(text, parent->child(position - 1)->text(0)))
        --position;
    auto *item = new QTreeWidgetItem(QStringList{text});
    item->setIcon(0, m_images[size_t(image)]);
    parent->insertChild(position, item);
    return item;
}

// Only a number (an item two levels down) makes a line.
QString CNumberPickerDlg::CandidateLine() const
{
    const QTreeWidgetItem *item = m_pTree->currentItem();
    if (!item || !item->parent() || !item->parent()->parent())
        return {};
    return item->parent()->text(0) + QStringLiteral(" (") + item->text(0) + QLatin1Char(')');
}

// A line already chosen is not offered again: the message would reach the
// number twice.
void CNumberPickerDlg::UpdateAddButton()
{
    const QString line = CandidateLine();
    m_pAddButton->setEnabled(!line.isEmpty() && m_pChosen->findItems(line, Qt::MatchExactly).isEmpty());
}

void CNumberPickerDlg::OnAdd()
{
    const QString line = CandidateLine();
    if (line.isEmpty())
        return;
    int row = m_pChosen->count();
    while (row > 0 && SortsBefore(line, m_pChosen->item(row - 1)->text()))
        --row;
    m_pChosen->insertItem(row, line);
    UpdateAddButton();
}

void CNumberPickerDlg::OnRemove()
{
    const int row = m_pChosen->currentRow();
    if (row < 0 || !m_pChosen->item(row)->isSelected())
        return;
    delete m_pChosen->takeItem(row);
    m_pRemoveButton->setEnabled(m_pChosen->currentRow() >= 0);
    UpdateAddButton();
}

void CNumberPickerDlg::accept()
{
    QStringList numbers;
    for (int row = 0; row < m_pChosen->count(); ++row)
        numbers << ExtractNumber(m_pChosen->item(row)->text());
    m_strResult = numbers.join(QStringLiteral(", "));
    QDialog::accept();
}

QString CNumberPickerDlg::ExtractNumber(const QString &line)
{
    const qsizetype open = line.indexOf(QLatin1Char('('));
    const qsizetype close = line.indexOf(QLatin1Char(')'));
    if (open < 0 || close < open)
        return {};
    return line.mid(open + 1, close - open - 1);
}

} // namespace orrin
