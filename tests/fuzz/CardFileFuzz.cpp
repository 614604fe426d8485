// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as a contacts file to import: split into cards, each read into
// the phone-book and both address-book records; nothing may read outside the
// input, crash or hang.
#include "tools/export/CardFile.h"
#include "tools/export/ContactImport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const orrin::exporter::CardText &card : orrin::exporter::SplitCards(bytes).cards) {
        QString error;
        (void)orrin::exporter::ContactOf(card.bytes, error);
    }
    return 0;
}
