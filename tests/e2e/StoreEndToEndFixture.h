// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A store over the real phone modules, talking to a simulated phone linked
// as COM1 in a fresh working folder: the base of the store-level end-to-end
// tests. FamilyStoreFixture runs a test once for a phone type of each family.

#include "link/MobileLink.h"
#include "tests/support/PhoneSimProcess.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orrin::test {

class StoreEndToEndFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSharedState();
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        g_strPortName.Set(QStringLiteral("COM1"));
        g_nBaudRate.store(115200);
        g_strWorkDir.Set(m_dir.path());
    }
    void TearDown() override
    {
        if (m_pConnected)
            m_pConnected->ClosePort();
        m_phone.Stop();
        QDir::setCurrent(m_previousDir);
    }

    // Starts the simulated phone with the options and opens the store's line to it.
    void Connect(CMobileLink &store, const QStringList &options)
    {
        ASSERT_TRUE(m_phone.Start(options + QStringList{"--link", m_dir.filePath("ports/COM1")}));
        m_pConnected = &store;
        ASSERT_TRUE(store.OpenPort());
        g_bConnected.store(1);
    }
    void Disconnect()
    {
        ASSERT_EQ(m_pConnected->ClosePort(), 1);
        m_pConnected = nullptr;
        g_bConnected.store(0);
        ASSERT_TRUE(m_phone.Stop());
    }

    QString StatePath() const { return m_dir.filePath(QStringLiteral("phone.json")); }

    QTemporaryDir m_dir;
    QString m_previousDir;
    CPhoneSimProcess m_phone;

private:
    CMobileLink *m_pConnected = nullptr;
};

// The parameter is the phone type the program has detected.
class FamilyStoreFixture : public StoreEndToEndFixture, public ::testing::WithParamInterface<const char *> {
protected:
    void SetUp() override
    {
        StoreEndToEndFixture::SetUp();
        g_strPhoneType.Set(QString::fromLatin1(GetParam()));
        ASSERT_TRUE(QDir(m_dir.path()).mkpath(g_strPhoneType.Get()));
    }

    static bool Newer() { return CMobileLink::GetPhoneTypeCode() == PhoneFamily::Newer; }
    static QString Family() { return Newer() ? QStringLiteral("newer") : QStringLiteral("older"); }

    // A simulated phone of the parameter's family.
    void ConnectFamily(CMobileLink &store, const QStringList &options = {})
    {
        Connect(store, QStringList{"--family", Family()} + options);
    }
};

} // namespace orrin::test

// One phone type of each family.
#define ORRIN_FOR_BOTH_FAMILIES(Suite) \
    INSTANTIATE_TEST_SUITE_P(BothFamilies, Suite, ::testing::Values("S45i(Europe)", "S55(Europe,Latin America)"))
