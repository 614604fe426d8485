// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as a BFB line: the frames found and the data blocks they join
// into. Every frame found holds 1 to 32 bytes, and every block found encodes
// to frames that are read back as the same block.
#include "phone/obex/BfbFrame.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace orrin::phone::bfb;

namespace {

void CheckRoundTrip(const BfbBlock &block)
{
    if (block.command == kAckBlock)
        return;
    CFrameReader frames;
    frames.Append(EncodeFrames(kDataFrame, EncodeBlock(block.command, block.sequence, block.obex)));
    CBlockAssembler again;
    CBlockAssembler::Result result = CBlockAssembler::Result::NeedMore;
    while (const std::optional<BfbFrame> frame = frames.Next())
        result = again.Add(frame->payload);
    if (result != CBlockAssembler::Result::Block || again.Block().obex != block.obex ||
        again.Block().sequence != block.sequence)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    CFrameReader reader;
    CBlockAssembler blocks;
    // In pieces of varying size, as a serial port delivers them.
    for (qsizetype at = 0, piece = 1; at < bytes.size(); at += piece, piece = piece % 7 + 1) {
        reader.Append(bytes.mid(at, piece));
        while (const std::optional<BfbFrame> frame = reader.Next()) {
            if (frame->payload.isEmpty() || frame->payload.size() > kMaxFramePayload)
                std::abort();
            if (frame->type == kDataFrame && blocks.Add(frame->payload) == CBlockAssembler::Result::Block)
                CheckRoundTrip(blocks.Block());
        }
    }
    return 0;
}
