// Input: the answers of an application on the accessibility bus, one after another, each
// call answered from the next bytes (a reply of the expected shape, another shape, an error
// or a timeout). The menu reader walks what they describe through the accessibility adapter.
#include "harvest/MenuBarReader.h"
#include "platform/freedesktop/AtspiAccessibility.h"
#include "platform/freedesktop/AtspiChannel.h"

#include "support/AtspiReplyBuilder.h"

#include <cstdlib>
#include <map>
#include <string>

using namespace holdsheet;
using namespace holdsheet::testing;

namespace {

constexpr pid_t pid = 4242;
const char* const busName = ":1.5";

class Bytes {
  public:
    Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }
    dbus_uint32_t word() {
        dbus_uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value = (value << 8) | next();
        }
        return value;
    }
    // A text from the input, with fragments bindings are made of; now and then a huge one.
    std::string text() {
        static const char* const pieces[] = {
            "<Primary>", "<Shift>",  "<Alt>",        "Ctrl+", "Shift+", ";",     ":",   ",",
            "F5",        "\xc3\xa9", "\xe2\x82\xac", " ",     "o",      "Space", "Alt+"};
        const uint8_t length = next();
        std::string result;
        if (length == 255) {
            return std::string(std::size_t(next()) * 4096 + 1, char('a' + next() % 26));
        }
        for (int i = 0; i < length % 24; ++i) {
            const uint8_t b = next();
            if (b < 32) {
                result += pieces[b % std::size(pieces)];
            } else if (b < 127) {
                result += char(b);
            }
        }
        return result;
    }
    std::string path() {
        const uint8_t b = next();
        return "/p" + std::to_string(b % 40);
    }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

class FuzzChannel : public AtspiChannel {
  public:
    FuzzChannel(const uint8_t* data, size_t size) : in_(data, size) {}

    std::vector<AtspiBus::Reply> run(const std::vector<AtspiBus::Call>& batch, int) override {
        std::vector<AtspiBus::Reply> replies;
        for (const auto& call : batch) {
            ++calls;
            if (call.method == "GetChildren") {
                ++childrenAsked[call.path.toStdString()];
            }
            replies.push_back(answer(call));
        }
        return replies;
    }
    void send(const AtspiBus::Call&) override {}
    QStringList applicationsOf(pid_t of) override {
        return of == pid ? QStringList{busName} : QStringList{};
    }
    std::shared_ptr<AtspiChannel> openPeer(const QString&, const DBusPipe::Credentials&) override {
        return nullptr;
    }

    long calls = 0;
    std::map<std::string, int> childrenAsked;

  private:
    AtspiBus::Reply answer(const AtspiBus::Call& call) {
        const uint8_t kind = in_.next();
        if (kind >= 250) {
            return {nullptr, false, true};  // timed out
        }
        if (kind >= 235) {
            return reply({}, true);
        }
        if (kind >= 220) {  // a shape other than the one asked for
            return reply([&](auto& i) { appendUnsigned(i, in_.word()); });
        }
        const QString& method = call.method;
        if (method == "GetChildren") {
            std::vector<std::pair<std::string, std::string>> references;
            const uint8_t count = in_.next();
            const int n = count == 255 ? 3000 : count % 12;
            for (int i = 0; i < n; ++i) {
                const uint8_t which = in_.next();
                references.emplace_back(which % 16 == 0 ? ":1.9" : busName,
                                        which % 16 == 1 ? call.path.toStdString() : in_.path());
            }
            return reply([&](auto& i) { appendReferences(i, references); });
        }
        if (method == "GetRole") {
            static const dbus_uint32_t roles[] = {23, 33, 34, 35, 41, 8, 45, 50, 20, 39, 16, 49};
            const uint8_t b = in_.next();
            return reply([&](auto& i) { appendUnsigned(i, b < 200 ? roles[b % 12] : b); });
        }
        if (method == "GetState") {
            const dbus_uint32_t low = in_.word(), high = in_.word();
            return reply([&](auto& i) { appendStates(i, {low, high}); });
        }
        if (method == "GetExtents") {
            const auto width = dbus_int32_t(in_.next()), height = dbus_int32_t(in_.next());
            return reply([&](auto& i) { appendExtents(i, width, height); });
        }
        if (method == "GetConnectionUnixUser") {
            return reply([&](auto& i) { appendUnsigned(i, in_.word()); });
        }
        if (method == "GetItems") {
            return reply({}, true);
        }
        // Texts: names, bindings, the toolkit and the socket address.
        std::string value = in_.text();
        if (call.arguments.value(1).toString() == "ToolkitName") {
            static const char* const toolkits[] = {"GTK", "Qt", "GAIL", ""};
            value = toolkits[in_.next() % 4];
        }
        const QByteArray valid = QString::fromUtf8(value.c_str()).toUtf8();
        const Append plain = [&](DBusMessageIter& i) {
            appendText(i, DBUS_TYPE_STRING, valid.constData());
        };
        if (method == "Get") {
            return reply([&](auto& i) { appendVariant(i, "s", plain); });
        }
        return reply(plain);
    }

    Bytes in_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto channel = std::make_shared<FuzzChannel>(data, size);
    AtspiAccessibility ax(channel);
    MenuBarReader reader(ax);
    const auto groups = reader.readMenus(pid, size > 0 && (data[0] & 1));
    for (const auto& group : groups) {
        if (group.items.empty() || group.title.size() > AtspiBus::textBytes) {
            std::abort();
        }
        for (const auto& item : group.items) {
            if (item.title.isEmpty() || item.title.size() > AtspiBus::textBytes) {
                std::abort();
            }
        }
    }
    // Each element's children are asked for once (the application's root may be listed
    // again as a child): nothing is walked twice, whatever loops the answers make.
    for (const auto& [path, times] : channel->childrenAsked) {
        if (times > 2) {
            std::abort();
        }
    }
    return 0;
}
