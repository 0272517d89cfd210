#pragma once
// The messages of a race between two machines, and their form on the wire.
//
// Every message is a frame: a 4-byte big-endian length, then that many bytes,
// the first of which is the message's type. A frame is at most MaxFrameSize
// bytes, and every field is checked against its range when it is read, so
// that nothing a peer sends reaches the game unchecked: a frame that is too
// long, of an unknown type, of the wrong length for its type or with a field
// out of range is an error, and the connection is closed with a message.
//
// Reading and writing are each other's inverse: a body that reads as a
// message is exactly the body that message is written as, so no two bodies
// mean the same and nothing read is ever sent on changed. Texts (names and
// reasons) travel clean: no control, format or separator character, within
// their bounds in characters as seen and in bytes.
//
// Seats are absolute: 0 the host, 1 the guest. Cards are the card library's
// IDs of the standard cards (2..53), 0 for no card. Only what both players
// may see ever travels: the face-down piles go as counts, never as cards.
#include "core/racesnapshot.h"
#include "platform/playername.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace network {

// The race's own types, carried as they are.
using core::TRaceEvent;
using core::TRaceSnapshot;

// 2: the host says its hello only once it has let the guest in, and the
// hellos carry the seat's token.
constexpr std::uint16_t ProtocolVersion = 2;
constexpr int MaxFrameSize = 256;
constexpr int MaxNameLength = platform::MaxPlayerNameLength; // characters as seen
constexpr int MaxNameBytes = 80;                                // of UTF-8
constexpr int MaxReasonLength = 100;                            // characters as seen
constexpr int MaxReasonBytes = 200;                             // of UTF-8

// The first message each side sends: the guest's as it connects, the
// host's once it has let that guest in (until then the host says nothing
// but heartbeats, so a stranger learns nothing of it). The host's carries
// the seat's token (TokenSize bytes), which the guest's carries back when it
// comes back to the same race; otherwise the token is empty. Another
// version's hello is read only as far as its version, so that the mismatch
// can be named; what follows is kept in Unread as it came, and its Name
// and Token stay empty.
constexpr int TokenSize = 16;
struct THello {
    std::uint16_t Version = ProtocolVersion;
    QString Name{};
    QByteArray Token{};
    QByteArray Unread{};
    friend bool operator==(const THello&, const THello&) = default;
};
// The host's answer to a hello it cannot take (another version, a race
// already on, a guest it did not let in), then it closes.
constexpr const char* NotLetIn = "not let in";
struct TRefuse {
    QString Reason;
    friend bool operator==(const TRefuse&, const TRefuse&) = default;
};
// Sent by both when they have sent nothing else for a while.
struct THeartbeat {
    friend bool operator==(const THeartbeat&, const THeartbeat&) = default;
};
// A new deal (host to guest): the whole table as it starts.
struct TDealt {
    TRaceSnapshot Snapshot;
    friend bool operator==(const TDealt&, const TDealt&) = default;
};
// The player has pressed OK in the start box.
struct TReady {
    friend bool operator==(const TReady&, const TReady&) = default;
};
// The guest asks to play its Slot card, which it saw as Card, onto Centre.
struct TPlayRequest {
    std::uint8_t Slot = 0;
    std::uint8_t Centre = 0;
    std::uint8_t Card = core::NoCard;
    friend bool operator==(const TPlayRequest&, const TPlayRequest&) = default;
};
// The host's decision on a request it refused: the card goes back.
struct TRefused {
    TPlayRequest Request;
    friend bool operator==(const TRefused&, const TRefused&) = default;
};
// A change of the race (host to guest), in the host's order.
struct TEventMessage {
    TRaceEvent Event;
    friend bool operator==(const TEventMessage&, const TEventMessage&) = default;
};
// The answer to "play again?".
struct TAgain {
    bool Yes = false;
    friend bool operator==(const TAgain&, const TAgain&) = default;
};
// The player has left the race.
struct TBye {
    friend bool operator==(const TBye&, const TBye&) = default;
};

// The race as it stands, to a guest that came back after its line dropped
// (host to guest, right after the host's hello): the whole table, where the
// deal is, and what the host's player has answered in it.
struct TResumed {
    enum class TPhase : std::uint8_t {
        StartBox = 0, // dealt, waiting for both OKs
        Running = 1,
        Over = 2,     // the deal has ended; "play again?" is open
    };
    core::TRaceSnapshot Snapshot;
    TPhase Phase = TPhase::StartBox;
    bool HostReady = false; // the host's player has pressed OK
    bool HostAgain = false; // the host's player has said Yes to another deal
    friend bool operator==(const TResumed&, const TResumed&) = default;
};

using TMessage = std::variant<THello, TRefuse, THeartbeat, TDealt, TReady, TPlayRequest, TRefused, TEventMessage,
                              TAgain, TBye, TResumed>;

// The frame of a message, length prefix included. Texts are cleaned (a
// forbidden character becomes a space) and cut to their bounds first, so a
// peer never refuses what this side writes; anything else out of the wire's
// range gives an empty array, and nothing is to be sent.
QByteArray EncodeFrame(const TMessage& Message);

// Text as it goes on the wire: cleaned, then cut to MaxLength characters as
// seen and to MaxBytes of UTF-8, never inside a character.
QString WireText(const QString& Text, int MaxLength, int MaxBytes);

// The message in a frame's body (the bytes after the length prefix), or an
// error in Error (English, for the log and the message box).
std::optional<TMessage> DecodeBody(const QByteArray& Body, QString* Error = nullptr);

// Cuts a byte stream into messages as it arrives, whatever pieces the
// network delivers it in. After the first error it reads nothing more.
class TFrameReader {
public:
    // Appends bytes and returns every message they complete.
    std::vector<TMessage> Feed(const QByteArray& Bytes);
    bool Failed() const { return !FError.isEmpty(); }
    const QString& Error() const { return FError; }
    // Bytes held back waiting for the rest of their frame.
    qsizetype Pending() const { return FBuffer.size(); }

private:
    QByteArray FBuffer;
    QString FError;
};

} // namespace network
