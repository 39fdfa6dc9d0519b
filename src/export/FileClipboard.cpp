#include "export/FileClipboard.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

namespace holdsheet {

std::unique_ptr<QMimeData> pdfFileMimeData(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    auto data = std::make_unique<QMimeData>();
    data->setUrls({url});
    data->setData(QStringLiteral("x-special/gnome-copied-files"),
                  "copy\n" + url.toEncoded(QUrl::FullyEncoded));
    data->setData(QStringLiteral("application/pdf"), file.readAll());
    return data;
}

bool copyPDFToClipboard(const QString& path) {
    auto data = pdfFileMimeData(path);
    if (!data) {
        return false;
    }
    QGuiApplication::clipboard()->setMimeData(data.release());  // the clipboard owns it
    return true;
}

}  // namespace holdsheet
