// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The information store: the phone's identity and state, the SIM card's
// identity and the phone's clock, as last read; and the clock setting.

#include "link/MobileLink.h"

#include <QCoreApplication>
#include <QString>

#include <array>

namespace orrin {

// The texts last read, in the order the view keeps them.
enum InfoField : int {
    kManufacturer,
    kModel,
    kSoftwareVersion,
    kImei,
    kBattery,
    kSignal,
    kOwnNumber,
    kCardNumber,
    kImsi,
    kServiceCenter,
    kPhoneTime,
    kInfoFieldCount
};
using InfoTexts = std::array<QString, kInfoFieldCount>;

// Command codes of the information store.
enum InfoCommand : int {
    kInfoReadPhone = 1,
    kInfoReadSim = 2,
    kInfoReadPhoneAndSim = 3,
    kInfoReadTime = 4,
    kInfoSyncTime = 5,
};

class CInfoData : public CMobileLink {
    Q_DECLARE_TR_FUNCTIONS(CInfoData)

public:
    CInfoData();

    void RunOperation(QObject *view, int code) override;

    // Read by the view after WM_INFO_DONE only.
    InfoTexts Texts() const { return m_texts; }
    // Written by the view before it writes code 5: "yy/MM/dd,hh:mm:ss".
    QString m_strTimeToSet;

    int ReadPhoneInfo();
    int ReadSimInfo();
    int ReadPhoneTime();
    int SetPhoneTime();

private:
    InfoTexts m_texts;
    decltype(::GetSIMInfo) *m_pGetSIMInfo = nullptr;
    decltype(::GetMETime) *m_pGetMETime = nullptr;
    decltype(::SetMETime) *m_pSetMETime = nullptr;
};

CInfoData &TheInfoData();

} // namespace orrin
