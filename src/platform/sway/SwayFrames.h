#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace holdsheet {

// The compositor's IPC messages: "i3-ipc", the payload's length and the message type (both
// 32 bits in the host's byte order), then a JSON payload. Events carry the high bit.
struct SwayMessage {
    std::uint32_t type = 0;
    QByteArray payload;

    static constexpr std::uint32_t eventBit = 0x80000000u;
    bool isEvent() const { return (type & eventBit) != 0; }
};

namespace sway {
// Requests.
inline constexpr std::uint32_t runCommand = 0;
inline constexpr std::uint32_t subscribe = 2;
inline constexpr std::uint32_t getTree = 4;
inline constexpr std::uint32_t getVersion = 7;
inline constexpr std::uint32_t getBindingModes = 8;
inline constexpr std::uint32_t getConfig = 9;
inline constexpr std::uint32_t getBindingState = 12;
inline constexpr std::uint32_t getInputs = 100;
// Events, with the event bit.
inline constexpr std::uint32_t workspaceEvent = SwayMessage::eventBit | 0;
inline constexpr std::uint32_t windowEvent = SwayMessage::eventBit | 3;
inline constexpr std::uint32_t bindingEvent = SwayMessage::eventBit | 5;
inline constexpr std::uint32_t shutdownEvent = SwayMessage::eventBit | 6;
}  // namespace sway

QByteArray encodeSwayMessage(std::uint32_t type, const QByteArray& payload);

// Cuts a byte stream into messages. The other end is the compositor, but a stream that
// breaks the framing or announces a payload beyond any real tree is refused for good rather
// than buffered without end.
class SwayFrames {
  public:
    static constexpr std::uint32_t maxPayload = 64u << 20;

    void feed(const QByteArray& bytes);
    // The next whole message, if one has arrived.
    std::optional<SwayMessage> next();
    bool broken() const { return broken_; }

  private:
    QByteArray buffer_;
    qsizetype offset_ = 0;
    bool broken_ = false;
};

}  // namespace holdsheet
