#include "platform/sway/SwayFrames.h"

#include <cstring>

namespace holdsheet {

namespace {

constexpr char magic[] = {'i', '3', '-', 'i', 'p', 'c'};
constexpr qsizetype headerSize = sizeof magic + 2 * sizeof(std::uint32_t);

}  // namespace

QByteArray encodeSwayMessage(std::uint32_t type, const QByteArray& payload) {
    QByteArray frame(magic, sizeof magic);
    const auto length = static_cast<std::uint32_t>(payload.size());
    frame.append(reinterpret_cast<const char*>(&length), sizeof length);
    frame.append(reinterpret_cast<const char*>(&type), sizeof type);
    frame.append(payload);
    return frame;
}

void SwayFrames::feed(const QByteArray& bytes) {
    if (!broken_) {
        buffer_.append(bytes);
    }
}

std::optional<SwayMessage> SwayFrames::next() {
    if (broken_ || buffer_.size() - offset_ < headerSize) {
        return std::nullopt;
    }
    const char* header = buffer_.constData() + offset_;
    std::uint32_t length = 0;
    std::uint32_t type = 0;
    std::memcpy(&length, header + sizeof magic, sizeof length);
    std::memcpy(&type, header + sizeof magic + sizeof length, sizeof type);
    if (std::memcmp(header, magic, sizeof magic) != 0 || length > maxPayload) {
        broken_ = true;
        buffer_.clear();
        offset_ = 0;
        return std::nullopt;
    }
    if (buffer_.size() - offset_ - headerSize < static_cast<qsizetype>(length)) {
        return std::nullopt;
    }
    SwayMessage message{type, buffer_.mid(offset_ + headerSize, length)};
    offset_ += headerSize + length;
    // Drop what was read once it outweighs what waits, so a long session does not keep
    // every event it ever received.
    if (offset_ >= buffer_.size() / 2) {
        buffer_.remove(0, offset_);
        offset_ = 0;
    }
    return message;
}

}  // namespace holdsheet
