// libs: veltonetwork
// The race's message reader over arbitrary bytes from a peer, fed in pieces
// of every size: nothing may crash, every message it accepts must encode to a
// frame that reads back as the same message, and whatever pieces the bytes
// come in, the reader must accept the same messages and fail the same way.
#include "network/racemessages.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace network;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    TFrameReader whole;
    const std::vector<TMessage> messages = whole.Feed(bytes);
    for (const TMessage& message : messages) {
        const QByteArray frame = EncodeFrame(message);
        check(frame.size() <= 4 + MaxFrameSize);
        const std::optional<TMessage> back = DecodeBody(frame.mid(4));
        check(back.has_value() && *back == message);
    }

    const int piece = size > 0 ? 1 + data[0] % 7 : 1;
    TFrameReader pieces;
    std::vector<TMessage> read;
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        for (TMessage& message : pieces.Feed(bytes.mid(at, piece)))
            read.push_back(std::move(message));
    check(read == messages);
    check(pieces.Failed() == whole.Failed());
    return 0;
}
