// SPDX-License-Identifier: GPL-2.0-or-later
// Every dialog at QT_SCALE_FACTOR=2: each label, button and check box gets
// at least the room its text asks for, so no text is clipped on a HiDPI
// screen. The offscreen screen is then 400 by 400, smaller than some of the
// dialogs' size hints, as on a small HiDPI laptop screen. (The views paint
// their texts themselves, in the same logical pixels at every scale.)
#include "app/settings/SettingsDlg.h"
#include "resources/Resources.h"
#include "stores/addrbook/AddrbookData.h"
#include "stores/addrbook/S57AddrbookData.h"
#include "stores/calendar/CalendarData.h"
#include "stores/sms/SMSData.h"
#include "stores/telebook/TelebookData.h"
#include "tests/support/TestSupport.h"
#include "views/addrbook/AddrbookEditDlg.h"
#include "views/addrbook/S57AddrbookEditDlg.h"
#include "views/calendar/CalendarEditDlg.h"
#include "views/sms/NumberPickerDlg.h"
#include "views/sms/SMSComposeDlg.h"
#include "views/telebook/TelebookEditDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

#include <functional>

using namespace orrin;
using namespace orrin::test;

namespace {

// Before the test program's QApplication exists: the whole program runs at scale 2.
const bool kScaled = qputenv("QT_SCALE_FACTOR", "2");

QString TextOf(const QWidget &control)
{
    if (const auto *label = qobject_cast<const QLabel *>(&control))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(&control))
        return button->text();
    return {};
}

// The visible labels and buttons of the window whose text does not fit;
// checked counts those looked at.
QStringList ClippedTexts(const QWidget &window, int &checked)
{
    QStringList clipped;
    for (const QWidget *control : window.findChildren<QWidget *>()) {
        const QString text = TextOf(*control);
        if (text.isEmpty() || !control->isVisibleTo(&window))
            continue;
        ++checked;
        const QSize needed = control->hasHeightForWidth()
            ? QSize(control->minimumSizeHint().width(), control->heightForWidth(control->width()))
            : control->sizeHint();
        if (needed.width() > control->width() || needed.height() > control->height()) {
            clipped << QStringLiteral("\"%1\" needs %2x%3, has %4x%5")
                           .arg(text)
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(control->width())
                           .arg(control->height());
        }
    }
    return clipped;
}

void ExpectNothingClipped(QWidget &window, const char *name)
{
    window.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.devicePixelRatioF(), 2.0) << name;
    int checked = 0;
    const QStringList clipped = ClippedTexts(window, checked);
    EXPECT_GT(checked, 0) << name;
    EXPECT_TRUE(clipped.isEmpty()) << name << ": " << clipped.join(QStringLiteral("; ")).toStdString();
    window.hide();
}

class HiDpiLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(kScaled);
        InitResources();
        ResetSharedState();
    }

    static bool Refuse(const CommandRequest &, const std::function<void()> &) { return false; }
};

TEST_F(HiDpiLayoutTest, EveryDialogKeepsItsTextsWhole)
{
    CSettingsDlg settings;
    ExpectNothingClipped(settings, "settings");
    CTelebookEditDlg telebook(TheTelebookData(), Refuse);
    ExpectNothingClipped(telebook, "phone-book entry");
    CSMSComposeDlg compose(TheSMSData(), Refuse);
    ExpectNothingClipped(compose, "compose");
    CNumberPickerDlg picker;
    ExpectNothingClipped(picker, "number picker");
    CAddrbookEditDlg addrbook(TheAddrbookData(), Refuse);
    ExpectNothingClipped(addrbook, "address-book entry");
    CS57AddrbookEditDlg s57(TheS57AddrbookData(), Refuse);
    ExpectNothingClipped(s57, "S57 address-book entry");
    CCalendarEditDlg calendar(TheCalendarData(), Refuse);
    ExpectNothingClipped(calendar, "calendar entry");
}

} // namespace
