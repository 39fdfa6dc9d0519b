#include "app/ExitStatus.h"

#include <algorithm>

namespace holdsheet {

namespace {

bool appliesTo(const ExitStatusRow& row, std::string_view command) {
    if (command.empty() || row.commands == "all") {
        return true;
    }
    // A whole name of the comma-separated list: "show" is not in "showAll".
    std::string_view rest = row.commands;
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        std::string_view name = rest.substr(0, comma);
        while (!name.empty() && name.front() == ' ') {
            name.remove_prefix(1);
        }
        if (name == command) {
            return true;
        }
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    return false;
}

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

}  // namespace

QString exitStatusTable(std::string_view command) {
    int width = 0;
    for (const auto& row : exitStatuses) {
        width = std::max(width, static_cast<int>(row.commands.size()));
    }
    QString table =
        QStringLiteral("  status  %1  meaning\n").arg(QStringLiteral("command"), -width);
    for (const auto& row : exitStatuses) {
        if (appliesTo(row, command)) {
            table += QStringLiteral("  %1  %2  %3\n")
                         .arg(row.status, 6)
                         .arg(text(row.commands), -width)
                         .arg(text(row.meaning));
        }
    }
    return table;
}

}  // namespace holdsheet
