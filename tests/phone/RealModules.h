// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The project's real Mobile and OBEX modules, loaded by name from the folder
// of the test program (the build's bin folder, beside the program), with
// their entry points fetched by name as the program does.

#include "phone/PhoneApi.h"
#include "tests/phone/PhoneTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <gtest/gtest.h>

namespace orrin::phone::test {

class CRealModules {
public:
    CRealModules()
        : m_mobile(ModulePath("Mobile")), m_obex(ModulePath("OBEX"))
    {
        m_mobile.load();
        m_obex.load();
    }

    bool Loaded() const { return m_mobile.isLoaded() && m_obex.isLoaded(); }
    QString Errors() const { return m_mobile.errorString() + QLatin1Char(' ') + m_obex.errorString(); }

    QFunctionPointer Mobile(const char *name) { return m_mobile.resolve(name); }
    QFunctionPointer Obex(const char *name) { return m_obex.resolve(name); }

    template <typename Fn>
    Fn *MobileEntry(const char *name) { return reinterpret_cast<Fn *>(Mobile(name)); }
    template <typename Fn>
    Fn *ObexEntry(const char *name) { return reinterpret_cast<Fn *>(Obex(name)); }

private:
    static QString ModulePath(const char *name)
    {
        return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(name));
    }

    QLibrary m_mobile;
    QLibrary m_obex;
};

// Entry points fetched under their exported names.
#define ORRIN_MOBILE_ENTRY(modules, name) (modules).MobileEntry<decltype(::name)>(#name)
#define ORRIN_OBEX_ENTRY(modules, name) (modules).ObexEntry<decltype(::name)>(#name)

// The connection, identity and family calls the tests use.
struct PhoneCalls {
    explicit PhoneCalls(CRealModules &m)
        : MonitorPhone(ORRIN_MOBILE_ENTRY(m, MonitorPhone)), OpenComms(ORRIN_MOBILE_ENTRY(m, OpenComms)),
          CloseComms(ORRIN_MOBILE_ENTRY(m, CloseComms)), GetMobileInfo(ORRIN_MOBILE_ENTRY(m, GetMobileInfo)),
          GetSIMInfo(ORRIN_MOBILE_ENTRY(m, GetSIMInfo)), GetMETime(ORRIN_MOBILE_ENTRY(m, GetMETime)),
          SetMETime(ORRIN_MOBILE_ENTRY(m, SetMETime)), SetMobileType(ORRIN_OBEX_ENTRY(m, SetMobileType)),
          IrdaConnect(ORRIN_OBEX_ENTRY(m, IrdaConnect)), ObexConnect(ORRIN_OBEX_ENTRY(m, ObexConnect)),
          IrdaClose(ORRIN_OBEX_ENTRY(m, IrdaClose))
    {
    }

    bool AllFound() const
    {
        return MonitorPhone && OpenComms && CloseComms && GetMobileInfo && GetSIMInfo && GetMETime && SetMETime &&
               SetMobileType && IrdaConnect && ObexConnect && IrdaClose;
    }

    decltype(::MonitorPhone) *MonitorPhone;
    decltype(::OpenComms) *OpenComms;
    decltype(::CloseComms) *CloseComms;
    decltype(::GetMobileInfo) *GetMobileInfo;
    decltype(::GetSIMInfo) *GetSIMInfo;
    decltype(::GetMETime) *GetMETime;
    decltype(::SetMETime) *SetMETime;
    decltype(::SetMobileType) *SetMobileType;
    decltype(::IrdaConnect) *IrdaConnect;
    decltype(::ObexConnect) *ObexConnect;
    decltype(::IrdaClose) *IrdaClose;
};

// The phone-book calls.
struct BookCalls {
    explicit BookCalls(CRealModules &m)
        : SetMobileEncodeFormat(ORRIN_MOBILE_ENTRY(m, SetMobileEncodeFormat)),
          SetTeleBookMemo(ORRIN_MOBILE_ENTRY(m, SetTeleBookMemo)),
          GetTeleBookNum(ORRIN_MOBILE_ENTRY(m, GetTeleBookNum)), ReadTeleBook(ORRIN_MOBILE_ENTRY(m, ReadTeleBook)),
          WriteTeleBook(ORRIN_MOBILE_ENTRY(m, WriteTeleBook)), ModifyTeleBook(ORRIN_MOBILE_ENTRY(m, ModifyTeleBook)),
          DeleteTeleBook(ORRIN_MOBILE_ENTRY(m, DeleteTeleBook))
    {
    }

    bool AllFound() const
    {
        return SetMobileEncodeFormat && SetTeleBookMemo && GetTeleBookNum && ReadTeleBook && WriteTeleBook &&
               ModifyTeleBook && DeleteTeleBook;
    }

    decltype(::SetMobileEncodeFormat) *SetMobileEncodeFormat;
    decltype(::SetTeleBookMemo) *SetTeleBookMemo;
    decltype(::GetTeleBookNum) *GetTeleBookNum;
    decltype(::ReadTeleBook) *ReadTeleBook;
    decltype(::WriteTeleBook) *WriteTeleBook;
    decltype(::ModifyTeleBook) *ModifyTeleBook;
    decltype(::DeleteTeleBook) *DeleteTeleBook;
};

// The short-message calls.
struct SmsCalls {
    explicit SmsCalls(CRealModules &m)
        : SetSMSMemoGetSMSNum(ORRIN_MOBILE_ENTRY(m, SetSMSMemoGetSMSNum)),
          GetSMSSpace(ORRIN_MOBILE_ENTRY(m, GetSMSSpace)), ListShortMessage(ORRIN_MOBILE_ENTRY(m, ListShortMessage)),
          GetShortMessage(ORRIN_MOBILE_ENTRY(m, GetShortMessage)),
          SaveShortMessage(ORRIN_MOBILE_ENTRY(m, SaveShortMessage)),
          SendShortMessage(ORRIN_MOBILE_ENTRY(m, SendShortMessage)), SendUnSent(ORRIN_MOBILE_ENTRY(m, SendUnSent)),
          DeleteShortMessage(ORRIN_MOBILE_ENTRY(m, DeleteShortMessage))
    {
    }

    bool AllFound() const
    {
        return SetSMSMemoGetSMSNum && GetSMSSpace && ListShortMessage && GetShortMessage && SaveShortMessage &&
               SendShortMessage && SendUnSent && DeleteShortMessage;
    }

    decltype(::SetSMSMemoGetSMSNum) *SetSMSMemoGetSMSNum;
    decltype(::GetSMSSpace) *GetSMSSpace;
    decltype(::ListShortMessage) *ListShortMessage;
    decltype(::GetShortMessage) *GetShortMessage;
    decltype(::SaveShortMessage) *SaveShortMessage;
    decltype(::SendShortMessage) *SendShortMessage;
    decltype(::SendUnSent) *SendUnSent;
    decltype(::DeleteShortMessage) *DeleteShortMessage;
};

// The seven texts of GetMobileInfo in buffers of the sizes the program uses.
struct MobileInfoTexts {
    char manufacturer[MOBILE_MANUFACTURER_SIZE] = {};
    char model[MOBILE_MODEL_SIZE] = {};
    char revision[MOBILE_REVISION_SIZE] = {};
    char imei[MOBILE_IMEI_SIZE] = {};
    char battery[MOBILE_BATTERY_SIZE] = {};
    char signal[MOBILE_SIGNAL_SIZE] = {};
    char ownNumber[MOBILE_OWN_NUMBER_SIZE] = {};

    bool Read(PhoneCalls &calls)
    {
        return calls.GetMobileInfo(manufacturer, model, revision, imei, battery, signal, ownNumber) != 0;
    }
};

struct SimInfoTexts {
    char cardNumber[SIM_CARD_NUMBER_SIZE] = {};
    char imsi[SIM_IMSI_SIZE] = {};
    char serviceCentre[SIM_SERVICE_CENTRE_SIZE] = {};

    bool Read(PhoneCalls &calls) { return calls.GetSIMInfo(cardNumber, imsi, serviceCentre) != 0; }
};

// A test with the real modules, run in a fresh current folder.
class RealModuleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(modules.Loaded()) << modules.Errors().toStdString();
        ASSERT_TRUE(calls.AllFound());
    }
    void TearDown() override { calls.CloseComms(); }

    CTestFolder folder;
    CRealModules modules;
    PhoneCalls calls{modules};
};

} // namespace orrin::phone::test
