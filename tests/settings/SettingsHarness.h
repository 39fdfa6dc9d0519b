#pragma once

#include "permissions/PermissionMonitor.h"
#include "permissions/ShellExtension.h"
#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "settings/SettingsServices.h"
#include "support/FakeAccessibility.h"
#include "support/FakeInstalledApplications.h"
#include "support/FakeLoginItems.h"
#include "support/FakeRunner.h"
#include "support/FakeShell.h"
#include "support/MemoryPreferenceStore.h"
#include "support/QtPrinters.h"
#include "support/VirtualScheduler.h"

#include <QCoreApplication>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace holdsheet::testing {

// Settings in memory that remember which keys were written, in order.
class CountingStore : public MemoryPreferenceStore {
  public:
    void set(const QString& key, const QVariant& value) override {
        writes << key;
        MemoryPreferenceStore::set(key, value);
    }
    QStringList writes;
};

// The simulated platform of the settings, welcome and tour views: an English desktop, the
// permission held and polled, start at login off, two installed applications.
struct SettingsHarness {
    SettingsHarness() : permission({ax, store, scheduler, runner}) {
        permission.startWatching();
        applications.applications = {
            {"org.xfce.mousepad", "Mousepad", "", QIcon()},
            {"featherpad", "FeatherPad", "FeatherPad", QIcon()},
        };
    }

    SettingsServices services(VersionInfo version = {}, LoginItems* login = nullptr) {
        return {store,
                localization,
                permission,
                extension,
                login ? *login : loginItems,
                log,
                applications,
                runner,
                version,
                [this](QWidget*) -> std::optional<QString> {
                    ++choices;
                    if (whileChoosing) {
                        whileChoosing();
                    }
                    return chosen;
                }};
    }
    void setTrusted(bool trusted) {
        ax.setTrusted(trusted);
        settle();
    }
    // Shows a tab's view at the width the window gives it, as tall as it needs there once
    // its widgets are polished.
    static void showInTab(QWidget& view) {
        constexpr int width = 640 - 2 * 28;
        view.resize(width, 100);
        view.show();
        const int height = view.heightForWidth(width);
        view.resize(width, height > 0 ? height : view.sizeHint().height());
        settle();
    }
    // Runs what the views put off to the next turns of the event loop.
    static void settle() {
        for (int turn = 0; turn < 4; ++turn) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
    }
    // A preference changed elsewhere, with what the views do about it done.
    template <typename Edit>
    void change(Edit edit) {
        Preferences prefs(store);
        edit(prefs);
        settle();
    }

    VirtualScheduler scheduler;
    FakeAccessibility ax;
    CountingStore store;
    FakeRunner runner;
    Localization localization{
        store, {[] { return QStringList{QStringLiteral("en")}; }, [] { return QLocale("en_US"); }}};
    PermissionMonitor permission;
    ShellExtension extension{runner};
    FakeLoginItems loginItems;
    FakeLog log;
    FakeInstalledApplications applications;
    std::optional<QString> chosen;        // what the chooser answers
    std::function<void()> whileChoosing;  // what happens while it is open
    int choices = 0;
};

// Where `widget` lies in `view`'s coordinates.
inline QRect inView(const QWidget& view, const QWidget& widget) {
    return QRect(widget.mapTo(&view, QPoint(0, 0)), widget.size());
}

// The widgets of type T that `root` shows, in the order they were made (dynamic_cast, so
// that views without a meta-object of their own are found too).
template <typename T>
std::vector<T*> shownWidgets(const QWidget& root) {
    std::vector<T*> found;
    for (QWidget* child : root.findChildren<QWidget*>()) {
        if (auto* widget = dynamic_cast<T*>(child); widget && widget->isVisibleTo(&root)) {
            found.push_back(widget);
        }
    }
    return found;
}

// The texts of the labels `root` shows, empty ones left out.
inline QStringList shownTexts(const QWidget& root) {
    QStringList texts;
    for (const QLabel* label : shownWidgets<QLabel>(root)) {
        if (!label->text().isEmpty()) {
            texts << label->text();
        }
    }
    return texts;
}

// Opens a tab's view as the settings window shows it.
template <typename Tab>
struct TabTest : ::testing::Test, SettingsHarness {
    std::unique_ptr<Tab> open() {
        auto tab = std::make_unique<Tab>(services());
        showInTab(*tab);
        return tab;
    }
};

}  // namespace holdsheet::testing
