#pragma once

#include <QString>
#include <QVariant>

#include <map>
#include <optional>

namespace holdsheet {

// The settings file's text, read and edited line by line so that everything the program did
// not change (comments, order, spacing, other sections) stays exactly as the user left it.
// Values follow the INI conventions of QSettings: comma-separated lists, "@Invalid()" for
// an empty list, quotes and backslash escapes, a leading "@" doubled.
struct IniText {
    // Keys of the [General] section (and of lines before any section) bare, others as
    // "section/key"; the last of repeated keys wins. Values are texts or lists of texts;
    // "@Invalid()" is an invalid QVariant; other "@…" forms are left out.
    std::map<QString, QVariant> values;
    // Every line is blank, a comment, a section or a setting, in valid UTF-8.
    bool sound = true;

    static IniText parse(const QByteArray& content);

    // The value as it is written after "key=".
    static QString encode(const QVariant& value);

    // `content` with the general key set to `value`, or removed when there is none; lines
    // that are no setting are left out when `dropUnsound`.
    static QByteArray edit(const QByteArray& content, const QString& key,
                           const std::optional<QVariant>& value, bool dropUnsound);
};

}  // namespace holdsheet
