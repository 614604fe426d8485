// SPDX-License-Identifier: GPL-2.0-or-later
// The child of the crash-kill test: from the state after a given step it
// writes a local file of the given layout step by step, forever, and prints
// each step's number once the file has taken it. The test kills it at random
// moments.
#include "tests/stores/CrashKillModel.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

using namespace orrin;
using namespace orrin::test;

namespace {

LocalFileResult WriteStep(const CLocalRecordFile &file, qsizetype size, int step, QByteArray &records)
{
    ApplyStep(step, size, records);
    switch (StepKind(step)) {
    case CrashStep::Append:
        return file.Append(QByteArrayView(records).last(size));
    case CrashStep::Overwrite: {
        const qsizetype position = step % (records.size() / size);
        return file.Overwrite(position, QByteArrayView(records).sliced(position * size, size));
    }
    case CrashStep::Rewrite:
        return file.RewriteAll(records);
    }
    return LocalFileResult::CannotOpen;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4)
        return 2;
    const LocalFileLayout &layout = kLocalFileLayouts.at(size_t(std::atoi(argv[3])));
    const CLocalRecordFile file(QString::fromLocal8Bit(argv[1]), layout.format, layout.recordSize);
    int step = std::atoi(argv[2]);
    QByteArray records = RecordsAfter(step, layout.recordSize);
    for (;;) {
        if (WriteStep(file, layout.recordSize, ++step, records) != LocalFileResult::Ok)
            return 1;
        // write(2), not stdio: the number must be out the moment the step is.
        const QByteArray line = QByteArray::number(step) + '\n';
        if (write(STDOUT_FILENO, line.constData(), size_t(line.size())) != line.size())
            return 1;
    }
}
