#include "app/HoldsheetApp.h"

#include "app/AccessibilityPrompt.h"
#include "app/HoldKeyConflict.h"
#include "app/SheetActions.h"
#include "platform/linux/X11Connection.h"
#include "prefs/Preferences.h"
#include "sheetview/OverlayPanel.h"
#include "sheetview/SheetStyle.h"

#include <QApplication>

namespace holdsheet {

namespace {

bool compositorRuns() {
    const X11Connection probe;
    return compositingManagerRunning(probe);
}

}  // namespace

HoldsheetApp::HoldsheetApp()
    : localization_(store_),
      loader_(scheduler_, ax_, store_, hotKeys_, localization_),
      monitors_(
          [this] { return panelWindow_ && panelWindow_->isVisible() && panelWindow_->isKey(); },
          [this](quint64 window) {
              return panelWindow_ && static_cast<quint64>(panelWindow_->winId()) == window;
          }),
      compositing_(compositorRuns()),
      permission_({ax_, store_, scheduler_, runner_}),
      performer_({scheduler_, workspace_, ax_, poster_}),
      controller_(
          {scheduler_, workspace_, monitors_, screens_, store_, loader_},
          [this](SheetModel& model) {
              // The share and program menus arrive with the export; until then their
              // buttons do nothing.
              SheetServices services{
                  store_,
                  localization_,
                  permission_,
                  [this](const ShortcutItem& item) { clickRow(item, controller_, performer_); },
                  [this] { requestPermission(controller_, permission_); },
                  {},
                  {}};
              auto panel = std::make_unique<OverlayPanel>(model, std::move(services), compositing_);
              panelWindow_ = panel.get();
              return panel;
          },
          [this](const QString& key) { return localization_.localized(key); }),
      hold_({monitors_, scheduler_, store_, ax_, workspace_, controller_}),
      delegate_({store_, scheduler_, appearance_, log_, application_},
                {permission_, hold_, controller_},
                // The auxiliary windows are wired with their controllers.
                {[] {}, [] {}, [] {}, [] {}}, [] { return codeSignatureSummary(); }) {
    store_.watchForOutsideChanges();
    ax_.setConfirmEnabling([this] { return askToEnableAccessibility(localization_); });
}

HoldsheetApp::~HoldsheetApp() {
    shutDown();
}

void HoldsheetApp::start() {
    PanelController::setShared(&controller_);
    PermissionMonitor::setShared(&permission_);
    HoldMonitor::setShared(&hold_);
    AppDelegate::setShared(&delegate_);
    started_ = true;
    warnOfDesktopSuperKey(Preferences(store_).holdKey(), IniPreferenceStore::defaultPath());
    delegate_.applicationDidFinishLaunching();
}

void HoldsheetApp::shutDown() {
    if (!started_) {
        return;
    }
    started_ = false;
    delegate_.applicationWillTerminate();
    scheduler_.drain();  // a read or press in flight uses the adapters below
    AppDelegate::setShared(nullptr);
    HoldMonitor::setShared(nullptr);
    PermissionMonitor::setShared(nullptr);
    PanelController::setShared(nullptr);
}

QVariantMap HoldsheetApp::status() {
    const auto& model = controller_.model();
    const auto* panel = controller_.panel();
    return QVariantMap{
        {"visible", panel && panel->isVisible()},
        {"targetPid", static_cast<int>(model.targetPID)},
        {"loading", model.isLoading()},
        {"itemCount", model.sheet() ? model.sheet()->itemCount() : -1},
        {"notResponding", model.sheet() && model.sheet()->notResponding},
        {"query", model.query()},
        {"contentHeight", model.contentHeight()},
        {"dark", isDarkPalette(QApplication::palette())},
    };
}

}  // namespace holdsheet
