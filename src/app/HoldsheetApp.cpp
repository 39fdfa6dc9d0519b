#include "app/HoldsheetApp.h"

#include "app/AccessibilityPrompt.h"
#include "app/BuildVersion.h"
#include "app/SheetActions.h"
#include "harvest/HelpSource.h"
#include "harvest/SheetReason.h"
#include "prefs/Preferences.h"
#include "settings/SettingsView.h"
#include "sheetview/CheatSheetRoot.h"
#include "sheetview/OverlayPanel.h"
#include "ui/SheetStyle.h"
#include "ui/SheetSymbols.h"

#include <QApplication>
#include <QMenu>
#include <QWindow>

#include <algorithm>

namespace holdsheet {

namespace {

// Any window of the program's own: the panel and the menus it pops up.
bool isOwnWindow(quint64 window) {
    const auto windows = QGuiApplication::allWindows();
    return std::any_of(windows.begin(), windows.end(), [window](const QWindow* own) {
        return own->handle() && static_cast<quint64>(own->winId()) == window;
    });
}

// The open pop-up menu's items for Status, "x y width height title" each on the screen.
QStringList openMenuItems() {
    QStringList items;
    const auto* menu = qobject_cast<const QMenu*>(QApplication::activePopupWidget());
    if (!menu) {
        return items;
    }
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            continue;
        }
        const QRect frame(menu->mapToGlobal(menu->actionGeometry(action).topLeft()),
                          menu->actionGeometry(action).size());
        items << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(frame.x())
                     .arg(frame.y())
                     .arg(frame.width())
                     .arg(frame.height())
                     .arg(action->text());
    }
    return items;
}

}  // namespace

HoldsheetApp::HoldsheetApp(const SessionFactory& makeSession)
    : localization_(store_),
      desktopEntries_(entriesScheduler_),
      session_(makeSession(
          desktopEntries_,
          {[this] { return panelWindow_ && panelWindow_->isVisible() && panelWindow_->isKey(); },
           isOwnWindow})),
      workspace_(session_->workspace()),
      hotKeys_(session_->desktopHotKeys()),
      loader_(
          scheduler_, ax_, store_, *hotKeys_, localization_,
          {{std::make_shared<HelpSource>(help_, accelerators_, localization_)}, &processFacts_}),
      permission_({ax_, store_, scheduler_, runner_}),
      performer_({scheduler_, workspace_, ax_, session_->keyPoster()}),
      controller_(
          {scheduler_, workspace_, session_->monitors(), screens_, store_, loader_},
          [this](SheetModel& model) {
              SheetServices services{
                  store_,
                  localization_,
                  permission_,
                  extension_,
                  [this](const ShortcutItem& item) { clickRow(item, controller_, performer_); },
                  [this] { requestPermission(controller_, permission_); },
                  [this](QPoint) { menus_.showShareMenu(); },
                  [this](QPoint) { menus_.showPanelMenu(); }};
              auto panel = std::make_unique<OverlayPanel>(model, std::move(services),
                                                          session_->compositing());
              panelWindow_ = panel.get();
              return panel;
          },
          [this](const QString& key) { return localization_.localized(key); }),
      hold_({session_->monitors(), scheduler_, store_, ax_, workspace_, controller_}),
      settings_(
          windowPlatform(), [this] { controller_.hide(); },
          [this](std::function<void(double)> onHeight) {
              return makeSettingsView(std::move(onHeight));
          }),
      welcome_(windowPlatform(), permission_, extension_, [this] { settings_.show(); }),
      tour_(windowPlatform(), session_->compositing(), [this] { settings_.show(); }),
      menus_(
          scheduler_,
          {[this] { return panelContentView(); }, [this] { export_.printSheet(); },
           [this] { export_.shareSheet(); }, [this] { export_.savePDF(); },
           [this] { settings_.show(); }, [this] { quit(); }, [this] { panelTakesKeyboard(); }},
          [this](const QString& key) { return localization_.localized(key); },
          [](const QString& symbol) {
              return symbolIcon(symbol, 16, QApplication::palette().color(QPalette::Text));
          }),
      export_({controller_, workspace_, exportDialogs_, fileHandlers_, fileViewer_, runner_, menus_,
               localization_, [this] { beep(); }, [this] { return panelContentView(); }}),
      delegate_(
          {store_, appearance_, log_, application_}, {permission_, hold_, controller_},
          {[this] { settings_.show(); }, [this] { welcome_.show(); }, [this] { tour_.show(); },
           [this] {
               if (QWidget* window = welcome_.window()) {
                   window->close();
               }
           }},
          AppDelegate::startupLine(buildVersion(), session_->name())),
      statusMenu_(store_, localization_,
                  {[this] { controller_.show(); }, [this] { settings_.show(); },
                   [this] { delegate_.quitApplication(); }}) {
    store_.watchForOutsideChanges();
    followExtension();
    session_->onExtensionStateChanged([this] { followExtension(); });
    ax_.setConfirmEnabling([this] { return askToEnableAccessibility(localization_); });
}

QWidget* HoldsheetApp::panelContentView() const {
    auto* panel = dynamic_cast<OverlayPanel*>(controller_.panel());
    return panel ? panel->sheet() : nullptr;
}

void HoldsheetApp::panelTakesKeyboard() {
    if (PanelWindow* panel = controller_.panel(); panel && panel->isVisible()) {
        panel->makeKey();
    }
}

void HoldsheetApp::beep() {
    ++beeps_;
    session_->beep();
}

WindowPlatform HoldsheetApp::windowPlatform() {
    return {store_, localization_, scheduler_, session_->raiser()};
}

std::unique_ptr<QWidget> HoldsheetApp::makeSettingsView(std::function<void(double)> onHeight) {
    SettingsServices services{store_, localization_, permission_, extension_,     loginItems_,
                              log_,   applications_, runner_,     buildVersion(), {}};
    return std::make_unique<SettingsView>(std::move(services), std::move(onHeight));
}

HoldsheetApp::~HoldsheetApp() {
    shutDown();
}

void HoldsheetApp::start() {
    started_ = true;
    delegate_.applicationDidFinishLaunching();
    if (const QString trouble = session_->start(store_, scheduler_); !trouble.isEmpty()) {
        log_.log(trouble);
    }
    followExtension();  // known to some sessions only once started
}

void HoldsheetApp::followExtension() {
    // The UUID first: the views redraw their texts on the state's change.
    extension_.setLoadedUuid(session_->extensionUuid());
    extension_.setState(session_->extensionState());
}

void HoldsheetApp::shutDown() {
    if (!started_) {
        return;
    }
    started_ = false;
    delegate_.applicationWillTerminate();
    // A read or press in flight uses the adapters below. One that does not end in time
    // (a slow application, a huge menu) is ended with the process, before they go.
    if (!scheduler_.drain(AppDelegate::exitFallback)) {
        application_.exitProcess(0);
    }
}

QStringList HoldsheetApp::openWindows() const {
    QStringList open;
    const std::pair<const char*, QWidget*> windows[] = {
        {"settings", settings_.window()}, {"welcome", welcome_.window()}, {"tour", tour_.window()}};
    for (const auto& [name, window] : windows) {
        if (window && window->isVisible()) {
            open << QString::fromLatin1(name);
        }
    }
    return open;
}

QVariantMap HoldsheetApp::status() {
    const auto& model = controller_.model();
    const auto* panel = controller_.panel();
    // The text of the line under the header, empty when there is none.
    const auto reason = model.sheet() ? sheetReasonKey(*model.sheet()) : std::nullopt;
    return QVariantMap{
        {"visible", panel && panel->isVisible()},
        {"targetPid", static_cast<int>(model.targetPID)},
        {"targetName", model.appName()},
        {"loading", model.isLoading()},
        {"itemCount", model.sheet() ? model.sheet()->itemCount() : -1},
        {"notResponding", model.sheet() && model.sheet()->notResponding},
        {"cutShort", model.sheet() && model.sheet()->cutShort},
        {"reason", reason ? localization_.localized(*reason).arg(model.displayName()) : QString()},
        {"query", model.query()},
        {"contentHeight", model.contentHeight()},
        {"dark", isDarkPalette(QApplication::palette())},
        {"windows", openWindows()},
        {"menu", openMenuItems()},
        {"beeps", beeps_},
        // What the panel says of the Shell extension, empty when nothing.
        {"extensionNotice",
         extensionNotice(localization_, extension_.state(), extension_.loadedUuid())},
    };
}

}  // namespace holdsheet
