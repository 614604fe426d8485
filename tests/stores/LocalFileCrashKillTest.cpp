// SPDX-License-Identifier: GPL-2.0-or-later
// Each store's local file killed in the middle of its writes: a child
// appends, overwrites and rewrites it in a loop and is killed with SIGKILL at
// random moments; after every kill the file loads and holds, byte for byte,
// the records of the last step the child finished (or of the one it was
// making).
#include "tests/stores/CrashKillModel.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace orrin;
using namespace orrin::test;

namespace {

constexpr int kKills = 200;

// The last step the child reported as finished: its last whole line.
int LastFinishedStep(const QByteArray &output, int startStep)
{
    const qsizetype end = output.lastIndexOf('\n');
    if (end < 0)
        return startStep;
    const qsizetype begin = output.lastIndexOf('\n', end - 1) + 1;
    return output.mid(begin, end - begin).toInt();
}

class LocalFileCrashKillTest : public ::testing::TestWithParam<int> {};

TEST_P(LocalFileCrashKillTest, EveryKillLeavesAFileWithEveryFinishedWrite)
{
    const LocalFileLayout &layout = kLocalFileLayouts.at(size_t(GetParam()));
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QString::fromLatin1(layout.fileName));
    const CLocalRecordFile file(path, layout.format, layout.recordSize);
    QRandomGenerator random(19 + GetParam());
    int step = 0;
    int killedInWrite = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess writer;
        writer.start(QStringLiteral(ORRIN_CRASH_WRITER_PATH),
                     {path, QString::number(step), QString::number(GetParam())});
        ASSERT_TRUE(writer.waitForStarted());
        // Random moments: mostly a few writes in, now and then many.
        const int reports = 1 + int(random.bounded(kill % 10 == 0 ? 200 : 12));
        QByteArray output;
        while (output.count('\n') < reports && writer.state() == QProcess::Running) {
            writer.waitForReadyRead(5000);
            output += writer.readAllStandardOutput();
        }
        QThread::usleep(random.bounded(2000));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(5000));
        ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit) << "the writer stopped by itself at step " << step;
        output += writer.readAllStandardOutput();
        const int finished = LastFinishedStep(output, step);
        ASSERT_GE(finished, step);

        QByteArray loaded;
        const LocalFileResult result = file.Load(loaded);
        ASSERT_TRUE(result == LocalFileResult::Ok || (finished == 0 && result == LocalFileResult::EmptyFile))
            << "kill " << kill << " after step " << finished;
        if (loaded == RecordsAfter(finished, layout.recordSize)) {
            step = finished;
        } else {
            ASSERT_EQ(loaded, RecordsAfter(finished + 1, layout.recordSize))
                << "kill " << kill << " after step " << finished;
            step = finished + 1;
            ++killedInWrite;
        }
        // A rewrite killed before its rename leaves one temporary file, which the next write removes;
        // one whose random part is all lower-case letters is kept, as a user's "Telebook.tml.backup" is.
        const QStringList leftovers = QDir(folder.path())
                                          .entryList(QDir::Files)
                                          .filter(QRegularExpression(QStringLiteral("\\.[a-z]*[A-Z0-9][A-Za-z0-9]*$")));
        ASSERT_LE(leftovers.size(), 1) << qPrintable(leftovers.join(u' '));
    }
    RecordProperty("steps", step);
    RecordProperty("killedAfterWriteBeforeReport", killedInWrite);
}

INSTANTIATE_TEST_SUITE_P(EveryFile, LocalFileCrashKillTest, ::testing::Range(0, int(kLocalFileLayouts.size())),
                         [](const ::testing::TestParamInfo<int> &info) {
                             QString name = QString::fromLatin1(kLocalFileLayouts.at(size_t(info.param)).fileName);
                             return name.remove(QLatin1Char('.')).toStdString();
                         });

} // namespace
