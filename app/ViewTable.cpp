// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ViewTable.h"

#include "app/MainFrame.h"
#include "views/addrbook/AddrbookWnd.h"
#include "views/addrbook/S57AddrbookWnd.h"
#include "views/info/InfoWnd.h"
#include "views/picture/PictureWnd.h"
#include "views/ringtone/RingtoneWnd.h"
#include "views/sms/SMSWnd.h"
#include "views/telebook/TelebookWnd.h"

#include <QStackedWidget>

namespace orrin {

namespace {

// A view of its own, the same for every phone type.
template <class View>
ViewPicker OneView(QStackedWidget &stack)
{
    auto *view = new View;
    stack.addWidget(view);
    return [view](PhoneFamily) { return view; };
}

// The phone book's task pane differs between the families.
ViewPicker PhonebookViews(QStackedWidget &stack)
{
    auto *view = new CTelebookWnd;
    stack.addWidget(view);
    return [view](PhoneFamily family) {
        view->SetLocalMenu(family == PhoneFamily::Newer ? kTelebookMenuNewer : kTelebookMenuOlder);
        return view;
    };
}

// Each family has an address book of its own.
ViewPicker AddressbookViews(QStackedWidget &stack)
{
    auto *older = new CAddrbookWnd;
    auto *newer = new CS57AddrbookWnd;
    stack.addWidget(older);
    stack.addWidget(newer);
    return [older, newer](PhoneFamily family) -> CDataView * {
        return family == PhoneFamily::Newer ? static_cast<CDataView *>(newer) : static_cast<CDataView *>(older);
    };
}

const ViewEntry kViewTable[] = {
    {ID_VIEW_INFO, QT_TRANSLATE_NOOP("orrin::CMainFrame", "Phone &Infomation"), QT_TRANSLATE_NOOP("orrin::CMainFrame", "Information"),
     1, &OneView<CInfoWnd>, false},
    {ID_VIEW_MESSAGE, QT_TRANSLATE_NOOP("orrin::CMainFrame", "&Message"), QT_TRANSLATE_NOOP("orrin::CMainFrame", "Message"), 2,
     &OneView<CSMSWnd>, false},
    {ID_VIEW_PHONEBOOK, QT_TRANSLATE_NOOP("orrin::CMainFrame", "&Phonebook"), QT_TRANSLATE_NOOP("orrin::CMainFrame", "Phonebook"), 3,
     &PhonebookViews, true},
    {ID_VIEW_ADDRESSBOOK, QT_TRANSLATE_NOOP("orrin::CMainFrame", "&Addressbook"),
     QT_TRANSLATE_NOOP("orrin::CMainFrame", "Addressbook"), 4, &AddressbookViews, true},
    {ID_VIEW_PICTURE, QT_TRANSLATE_NOOP("orrin::CMainFrame", "Pi&cture"), QT_TRANSLATE_NOOP("orrin::CMainFrame", "Picture"), 5,
     &OneView<CPictureWnd>, false},
    {ID_VIEW_RINGTONE, QT_TRANSLATE_NOOP("orrin::CMainFrame", "&Ringtone"), QT_TRANSLATE_NOOP("orrin::CMainFrame", "Ringtone"), 6,
     &OneView<CRingtoneWnd>, false},
};

} // namespace

std::span<const ViewEntry> ViewTable()
{
    return kViewTable;
}

} // namespace orrin
