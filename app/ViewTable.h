// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The main frame's views, one entry each. The frame builds from this table
// the views, the View menu items, the toolbar's view buttons (after Connect),
// the routing of the View commands and their check marks; table order is
// menu and toolbar order. Adding a view is one entry in ViewTable.cpp.

#include "phone/PhoneApi.h"

#include <functional>
#include <span>

class QStackedWidget;

namespace orrin {

class CDataView;

// What a View command shows for the phone family (CMobileLink::
// GetPhoneTypeCode): the view, readied for that family, or null when the
// family has none; the command then only moves the check mark.
using ViewPicker = std::function<CDataView *(PhoneFamily family)>;

// Builds an entry's views into the frame's stack, once, when the frame is
// made; returns the entry's picker.
using ViewBuilder = ViewPicker (*)(QStackedWidget &stack);

struct ViewEntry {
    int commandId;           // the View command of menu and toolbar
    const char *menuText;    // its item in the View menu, with its mnemonic (source text of CMainFrame)
    const char *toolbarText; // its toolbar button's label (source text of CMainFrame)
    int image;               // toolbar picture: images/toolbar-<image>.png and toolbar-hot-<image>.png
    ViewBuilder build;       // makes the view(s): OneView<CSomeWnd> for a view of its own
    bool followsPhoneType;   // the view depends on the phone type: a settings change runs the command again
};

// The table; its first entry is the information view, shown at start.
std::span<const ViewEntry> ViewTable();

} // namespace orrin
