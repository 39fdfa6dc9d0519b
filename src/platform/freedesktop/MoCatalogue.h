#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <optional>

namespace holdsheet {

// A compiled gettext catalogue (.mo), read without touching the process's locale: the
// program has its own language and threads.
class MoCatalogue {
  public:
    static constexpr qsizetype maxFileBytes = 16 << 20;
    static constexpr quint32 maxEntries = 100'000;

    // Either byte order; nullopt for anything that is not a well-formed catalogue.
    static std::optional<MoCatalogue> parse(QByteArrayView bytes);
    static std::optional<MoCatalogue> load(const QString& path);

    // The translation of `msgid` in `context` (empty: none), or an empty string.
    QString translate(const QString& context, const QString& msgid) const;
    qsizetype size() const { return entries_.size(); }

  private:
    QHash<QByteArray, QByteArray> entries_;
};

// The catalogue file of `domain` for `language` under a locale folder, or an empty string
// for a domain that is not a plain file name.
QString catalogueFile(const QString& localeRoot, const QString& language, const QString& domain);

}  // namespace holdsheet
