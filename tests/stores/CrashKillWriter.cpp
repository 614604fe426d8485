// SPDX-License-Identifier: GPL-2.0-or-later
// The child of the crash-kill test: from the state after a given step it
// writes Telebook.tml step by step, forever, and prints each step's number
// once the file has taken it. The test kills it at random moments.
#include "tests/stores/CrashKillModel.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

using namespace orrin;
using namespace orrin::test;

namespace {

LocalFileResult WriteStep(const TLocalRecordFile<TelebookRecord> &file, int step, QList<TelebookRecord> &records)
{
    ApplyStep(step, records);
    switch (StepKind(step)) {
    case CrashStep::Append:
        return file.Append(records.last());
    case CrashStep::Overwrite:
        return file.Overwrite(step % records.size(), records[step % records.size()]);
    case CrashStep::Rewrite:
        return file.RewriteAll(records);
    }
    return LocalFileResult::CannotOpen;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    const TLocalRecordFile<TelebookRecord> file(QString::fromLocal8Bit(argv[1]), kTelebookFileFormat);
    int step = std::atoi(argv[2]);
    QList<TelebookRecord> records = RecordsAfter(step);
    for (;;) {
        if (WriteStep(file, ++step, records) != LocalFileResult::Ok)
            return 1;
        // write(2), not stdio: the number must be out the moment the step is.
        const QByteArray line = QByteArray::number(step) + '\n';
        if (write(STDOUT_FILENO, line.constData(), size_t(line.size())) != line.size())
            return 1;
    }
}
