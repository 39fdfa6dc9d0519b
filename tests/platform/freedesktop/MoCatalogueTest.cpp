#include "platform/freedesktop/MoCatalogue.h"

#include "MoWriter.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

const std::map<QByteArray, QByteArray> entries{
    {"", "Content-Type: text/plain; charset=UTF-8\n"},
    {"shortcut window\004New tab", "Neuer Tab"},
    {"New tab", "Neuer Reiter"},
    {"Quit", "Beenden"},
    {"File\0Files", QByteArray("Datei\0Dateien", 13)},
    {"Untranslated", ""},
    {"Umlaut", "Größe"},
};

TEST(MoCatalogue, LooksUpByContextInBothByteOrders) {
    struct Case {
        const char* context;
        const char* msgid;
        const char* expected;
    };
    const Case cases[] = {
        {"shortcut window", "New tab", "Neuer Tab"},
        {"", "New tab", "Neuer Reiter"},
        {"other context", "New tab", ""},
        {"shortcut window", "Quit", ""},  // a context is never dropped
        {"", "Quit", "Beenden"},
        {"", "File", "Datei"},  // the singular of a plural entry
        {"", "Untranslated", ""},
        {"", "", ""},  // the header is not a translation
        {"", "Umlaut", "Größe"},
        {"", "Missing", ""},
    };
    for (const bool bigEndian : {false, true}) {
        const auto catalogue = MoCatalogue::parse(moFile(entries, bigEndian));
        ASSERT_TRUE(catalogue) << "big endian " << bigEndian;
        for (const auto& c : cases) {
            EXPECT_EQ(
                catalogue->translate(QString::fromUtf8(c.context), QString::fromUtf8(c.msgid)),
                QString::fromUtf8(c.expected))
                << c.context << "|" << c.msgid << " big endian " << bigEndian;
        }
    }
}

TEST(MoCatalogue, RejectsDamagedFiles) {
    const QByteArray good = moFile(entries);
    const auto patched = [&](int offset, quint32 value) {
        QByteArray bytes = good;
        qToLittleEndian(value, bytes.data() + offset);
        return bytes;
    };
    const std::pair<const char*, QByteArray> cases[] = {
        {"empty", QByteArray()},
        {"header only", good.left(20)},
        {"cut inside the tables", good.left(60)},
        {"cut before the last string's end", good.chopped(3)},
        {"cut just before the last terminator", good.chopped(1)},
        {"wrong magic", patched(0, 0x12345678)},
        {"unknown major revision", patched(4, 0x20000)},
        {"more entries than the file holds", patched(8, 1000)},
        {"entry count beyond any catalogue", patched(8, MoCatalogue::maxEntries + 1)},
        {"table past the end", patched(12, 0xfffffff0)},
        {"string offset past the end", patched(28 + 4, 0xffffffff)},
        {"string length wrapping around", patched(28, 0xffffffff)},
    };
    for (const auto& [what, bytes] : cases) {
        EXPECT_FALSE(MoCatalogue::parse(bytes)) << what;
    }
    EXPECT_TRUE(MoCatalogue::parse(patched(4, 1)));  // a minor revision reads the same
}

TEST(MoCatalogue, FileNamesOnlyFromPlainNames) {
    EXPECT_EQ(catalogueFile("/usr/share/locale", "de_DE", "gnome-text-editor"),
              QString("/usr/share/locale/de_DE/LC_MESSAGES/gnome-text-editor.mo"));
    EXPECT_EQ(catalogueFile("/l", "sr@latin", "org.gnome.App"),
              QString("/l/sr@latin/LC_MESSAGES/org.gnome.App.mo"));
    for (const auto& [language, domain] :
         std::initializer_list<std::pair<const char*, const char*>>{{"de", "../../../etc/passwd"},
                                                                    {"de", "a/b"},
                                                                    {"..", "x"},
                                                                    {"de", ".hidden"},
                                                                    {"de", ""},
                                                                    {"", "x"},
                                                                    {"de", "x\ny"}}) {
        EXPECT_EQ(catalogueFile("/l", language, domain), QString()) << language << " " << domain;
    }
}

}  // namespace
}  // namespace holdsheet
