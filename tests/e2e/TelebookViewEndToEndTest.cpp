// SPDX-License-Identifier: GPL-2.0-or-later
// The phone-book view end to end: the real frame, view and dialog, the real
// Mobile module and the simulated phone; what the view shows, the bytes of
// Telebook.tml and the phone's saved state must agree.
#include "tests/views/TelebookDialogDriver.h"
#include "ui/HeaderBar.h"
#include "stores/common/LocalRecordFile.h"
#include "ui/ReportList.h"
#include "tests/e2e/SimulatedPhoneFixture.h"
#include "stores/telebook/TelebookRecord.h"
#include "views/telebook/TelebookWnd.h"

#include <QAbstractButton>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>

using namespace orrin;
using namespace orrin::test;

namespace {

struct Shown {
    QString name;
    QString number;
    bool operator==(const Shown &) const = default;
};

class TelebookViewEndToEndTest : public SimulatedPhoneFixture {
protected:
    void SetUp() override
    {
        SimulatedPhoneFixture::SetUp();
        ResetTelebookStore();
        WriteSettings("[User]\r\nPhone type=S45i(Europe)\r\nCountry=Austria\r\n"
                      "[Connection]\r\nConnect device=COM1\r\nBaudrate=115200\r\n");
        StartPhone("COM1", {"--family", "older", "--state", StatePath(), "--save"});
        StartProgram();
        Run(ID_CONNECT);
        ASSERT_EQ(g_bConnected.load(), 1);
        m_frame->RouteCommand(ID_VIEW_PHONEBOOK);
    }
    void TearDown() override
    {
        SimulatedPhoneFixture::TearDown();
        ResetTelebookStore();
    }

    QString StatePath() const { return m_dir.filePath("phone.json"); }
    CTelebookWnd &View() const { return *FrameView<CTelebookWnd>(*m_frame); }
    CReportList &List() const { return *View().findChild<CReportList *>(); }

    QList<Shown> Rows() const
    {
        QList<Shown> rows;
        for (int row = 0; row < List().rowCount(); ++row)
            rows.append({List().item(row, 0)->text(), List().item(row, 1)->text()});
        return rows;
    }
    int RowOf(const QString &name) const
    {
        for (int row = 0; row < List().rowCount(); ++row) {
            if (List().item(row, 0)->text() == name)
                return row;
        }
        return -1;
    }
    void SelectOnly(int row) const
    {
        List().clearSelection();
        List().selectRow(row);
    }

    // Opens the entry dialog with the command, fills it in and saves.
    void SaveEntry(int command, const QString &name, const QString &number)
    {
        WhenEditShows([=](CTelebookEditDlg &dialog) {
            FindControl<QLineEdit>(dialog, CTelebookEditDlg::kNameEditId)->setText(name);
            FindControl<QLineEdit>(dialog, CTelebookEditDlg::kNumberEditId)->setText(number);
            SaveButton(dialog)->click();
        });
        Run(command);
        ASSERT_TRUE(WaitUntil([&] { return Idle() && !QApplication::activeModalWidget(); }, 10000));
    }

    // The SIM entries the phone saved at exit, as (location, name, number).
    QList<std::tuple<int, QString, QString>> SavedSim()
    {
        QFile file(StatePath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QJsonArray entries =
            QJsonDocument::fromJson(file.readAll()).object()["phoneBooks"].toObject()["SM"].toObject()["entries"].toArray();
        QList<std::tuple<int, QString, QString>> saved;
        for (const QJsonValue &entry : entries) {
            const QJsonObject e = entry.toObject();
            saved.append({e["location"].toInt(), e["name"].toString(), e["number"].toString()});
        }
        return saved;
    }
};

TEST_F(TelebookViewEndToEndTest, ReadDeleteAddModifyAndSynchroniseAgreeEverywhere)
{
    CBoxRecorder boxes(kIdYes);
    Run(ID_TELEBOOK_READ_PHONE);
    EXPECT_EQ(List().rowCount(), 6);
    EXPECT_EQ(List().item(0, 0)->text(), "Zoë Müller") << "a VIP's \"!\" is not part of its name";
    EXPECT_EQ(List().item(0, 3)->text(), "Yes");

    Run(ID_TELEBOOK_READ_SIM);
    ASSERT_EQ(List().rowCount(), 10);
    EXPECT_EQ(View().findChild<CHeaderBar *>()->Title(), "SIM card Telebook  ( 10 / 10 )");
    EXPECT_EQ(List().item(5, 0)->text(), "陈大文");
    if (const QByteArray folder = qgetenv("ORRIN_SCREENSHOT_DIR"); !folder.isEmpty()) {
        EXPECT_TRUE(m_frame->grab().save(QDir(QString::fromLocal8Bit(folder)).filePath("telebook-view.png")));
    }

    SelectOnly(RowOf("Max")); // location 8
    Run(ID_TELEBOOK_DELETE);
    EXPECT_EQ(RowOf("Max"), -1);
    ASSERT_EQ(List().rowCount(), 9);

    SaveEntry(ID_TELEBOOK_NEW, "Zoltán", "+3611234567");
    ASSERT_EQ(RowOf("Zoltán"), 7) << "the free location 8 takes it, between its neighbours";
    SelectOnly(RowOf("Zoltán"));
    SaveEntry(ID_TELEBOOK_MODIFY, "Zoltán", "+3619999999");
    EXPECT_EQ(Rows()[7], (Shown{"Zoltán", "+3619999999"}));
    const QList<Shown> simShown = Rows();

    Run(ID_TELEBOOK_SYNC);
    const QList<Shown> localShown = Rows();
    EXPECT_EQ(localShown.size(), 16) << "6 phone entries and 10 SIM entries, none twice";
    QList<TelebookRecord> records;
    ASSERT_EQ(TLocalRecordFile<TelebookRecord>(CTelebookData::LocalFilePath(), {"telebook"}).Load(records),
              LocalFileResult::Ok);
    QList<Shown> inFile;
    for (const TelebookRecord &record : records)
        inFile.append({TelebookName(record), TelebookNumber(record)});
    EXPECT_EQ(inFile, localShown);

    Run(ID_DISCONNECT);
    ASSERT_TRUE(m_phone.Stop());
    const auto saved = SavedSim();
    ASSERT_EQ(saved.size(), simShown.size());
    EXPECT_EQ(saved[7], std::make_tuple(8, QStringLiteral("Zoltán"), QStringLiteral("+3619999999")));
    for (int i = 0; i < saved.size(); ++i) {
        QString name = std::get<1>(saved[i]);
        if (name.endsWith('!'))
            name.chop(1);
        EXPECT_EQ(name, simShown[i].name);
        EXPECT_EQ(std::get<2>(saved[i]), simShown[i].number);
    }
    for (const BoxRequest &box : boxes.Boxes())
        ADD_FAILURE() << "unexpected box: " << box.text.toStdString();
}

} // namespace
