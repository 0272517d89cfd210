// libs: veltonetwork
// The race's message reader over arbitrary bytes from a peer, fed in pieces
// of every size: nothing may crash; every message it accepts must be written
// back as the very bytes it was read from, and read back as itself; and
// whatever pieces the bytes come in, the reader must accept the same
// messages and fail the same way. The same bytes taken as a name or a
// reason of ours must always be written, and read back as WireText made them.
#include "network/racemessages.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Our text as the wire has it, whatever it was: written, and read back the same.
void checkOwnText(const QString& text)
{
    using namespace network;
    const QString name = WireText(text, MaxNameLength, MaxNameBytes);
    const QByteArray hello = EncodeFrame(THello{ProtocolVersion, text});
    check(!hello.isEmpty());
    const std::optional<TMessage> helloBack = DecodeBody(hello.mid(4));
    check(helloBack.has_value() && std::get<THello>(*helloBack).Name == name);

    const QString reason = WireText(text, MaxReasonLength, MaxReasonBytes);
    const QByteArray refuse = EncodeFrame(TRefuse{text});
    check(!refuse.isEmpty());
    const std::optional<TMessage> refuseBack = DecodeBody(refuse.mid(4));
    check(refuseBack.has_value() && std::get<TRefuse>(*refuseBack).Reason == reason);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace network;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    TFrameReader whole;
    const std::vector<TMessage> messages = whole.Feed(bytes);
    QByteArray written;
    for (const TMessage& message : messages) {
        const QByteArray frame = EncodeFrame(message);
        check(!frame.isEmpty() && frame.size() <= 4 + MaxFrameSize);
        const std::optional<TMessage> back = DecodeBody(frame.mid(4));
        check(back.has_value() && *back == message);
        written += frame;
    }
    // The frames read are the first bytes, and each one is what its message
    // is written as: no message has two forms on the wire.
    check(bytes.startsWith(written));

    const int piece = size > 0 ? 1 + data[0] % 7 : 1;
    TFrameReader pieces;
    std::vector<TMessage> read;
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        for (TMessage& message : pieces.Feed(bytes.mid(at, piece)))
            read.push_back(std::move(message));
    check(read == messages);
    check(pieces.Failed() == whole.Failed());

    // As text of ours: UTF-8 with its faults, and UTF-16 with lone surrogates.
    if (size <= 1024) {
        checkOwnText(QString::fromUtf8(bytes));
        QString utf16(bytes.size() / 2, Qt::Uninitialized);
        std::memcpy(utf16.data(), bytes.constData(), static_cast<std::size_t>(utf16.size()) * sizeof(QChar));
        checkOwnText(utf16);
    }
    return 0;
}
