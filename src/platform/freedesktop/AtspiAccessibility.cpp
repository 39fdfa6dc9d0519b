#include "platform/freedesktop/AtspiAccessibility.h"

#include "platform/freedesktop/AccessibilitySwitch.h"
#include "platform/freedesktop/AtspiBus.h"
#include "platform/freedesktop/AtspiChannel.h"
#include "platform/freedesktop/BusLink.h"
#include "platform/freedesktop/KeyBindingParser.h"
#include "platform/freedesktop/PeerAddress.h"

#include <QHash>
#include <QMutex>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <chrono>

namespace holdsheet {

namespace {

const QString rootPath = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString accessibleInterface = QStringLiteral("org.a11y.atspi.Accessible");
const QString actionInterface = QStringLiteral("org.a11y.atspi.Action");
const QString componentInterface = QStringLiteral("org.a11y.atspi.Component");

// AT-SPI roles and states used here.
enum Role : uint {
    roleCheckMenuItem = 8,
    roleDialog = 16,
    roleFiller = 20,
    roleFrame = 23,
    roleGlassPane = 24,
    roleInternalFrame = 28,
    roleLayeredPane = 30,
    roleMenu = 33,
    roleMenuBar = 34,
    roleMenuItem = 35,
    rolePanel = 39,
    rolePopupMenu = 41,
    roleRadioMenuItem = 45,
    roleRootPane = 46,
    roleScrollPane = 49,
    roleSeparator = 50,
    roleSplitPane = 53,
    roleToolBar = 63,
    roleViewport = 68,
    roleWindow = 69,
};
constexpr int stateActive = 1;
constexpr int stateEnabled = 8;
constexpr int stateSensitive = 24;
constexpr int stateShowing = 25;
constexpr int stateVisible = 30;

// Levels below the menu bar read ahead in batches, as deep as the reader looks: GTK puts a
// submenu's items three levels down, Qt (item, popup, item, popup, ...) six.
constexpr int gtkPrefetchLevels = 3;
constexpr int prefetchLevels = 6;
// Levels below a window searched for its menu bar: GTK nests it in two fillers, office
// suites show theirs under a scroll pane and a viewport, browsers and mail programs in a
// tool bar.
constexpr int menuBarSearchLevels = 8;

// Bounds of one read, whatever the application answers: elements kept, levels below a
// window, and items whose key binding is asked for. Far beyond any real menu (an office
// suite's whole menu tree is a few thousand elements).
constexpr qsizetype maximumNodes = 20000;
constexpr int maximumTreeDepth = 32;
constexpr int maximumItems = 8000;

bool isItemRole(uint role) {
    return role == roleMenuItem || role == roleCheckMenuItem || role == roleRadioMenuItem;
}

bool isContainerRole(uint role) {
    switch (role) {
        case roleDialog:
        case roleFiller:
        case roleFrame:
        case roleGlassPane:
        case roleInternalFrame:
        case roleLayeredPane:
        case rolePanel:
        case roleRootPane:
        case roleScrollPane:
        case roleSplitPane:
        case roleToolBar:
        case roleViewport:
        case roleWindow:
            return true;
        default:
            return false;
    }
}

bool hasState(quint64 states, int state) {
    return (states >> state) & 1U;
}

struct Node {
    bool attributesLoaded = false;
    std::optional<uint> role;
    std::optional<QString> name;
    std::optional<quint64> states;
    std::optional<QString> binding;
    bool bindingLoaded = false;
    // Qt marks every item of a closed menu not VISIBLE; only an item the application hid
    // has no extent there.
    bool noExtent = false;
    bool childrenLoaded = false;
    QStringList children;  // object paths on the application's bus name
    // Where the element sits in the tree kept of the application: each path under the
    // first parent that listed it, never twice.
    bool placed = false;
    QString parent;
    int depth = 0;
    bool nameCut = false;
    bool bindingCut = false;
};

// Applications whose cache took longer to hand out than walking their menus takes. GTK
// builds the cache from every element of every window: a few milliseconds for most
// applications, but well over 100 ms for an office suite, whose menus alone read faster.
class SlowCaches {
  public:
    static constexpr std::chrono::milliseconds limit{50};
    bool contains(const QString& busName) {
        QMutexLocker lock(&mutex_);
        return names_.contains(busName);
    }
    void insert(const QString& busName) {
        QMutexLocker lock(&mutex_);
        names_.insert(busName);
    }

  private:
    QMutex mutex_;
    QSet<QString> names_;  // unique bus names, never reused while the bus runs
};

}  // namespace

// One application on the bus, shared by all its elements. Elements stay valid as long as
// anything holds them; reads after the application went away simply fail.
struct AppState {
    std::shared_ptr<AtspiChannel> bus;
    // GTK's private socket, when open: quicker than the bus, and the only way to its cache.
    std::shared_ptr<AtspiChannel> peer;
    std::shared_ptr<SlowCaches> slowCaches;
    pid_t pid = 0;
    std::atomic<int> timeoutMs{1500};
    QMutex mutex;  // guards everything below
    bool resolved = false;
    QString busName;
    Toolkit toolkit = Toolkit::unknown;
    QHash<QString, Node> nodes;
    qsizetype placedNodes = 0;
    int itemsAsked = 0;

    // Calls on this application, in one batch. The first call that times out marks the
    // application unreachable: later calls fail at once, so a hung application costs one
    // timeout per read, not one per element.
    std::vector<AtspiBus::Reply> run(const std::vector<AtspiBus::Call>& calls) {
        if (unreachable.load()) {
            return std::vector<AtspiBus::Reply>(calls.size());
        }
        auto replies = channel().run(calls, timeoutMs.load());
        for (const auto& reply : replies) {
            if (reply.timedOut) {
                unreachable.store(true);
            }
        }
        return replies;
    }

    void send(const AtspiBus::Call& call) { channel().send(call); }

    AtspiChannel& channel() { return peer ? *peer : *bus; }

    std::atomic<bool> unreachable{false};
    // Something was left out to keep within the bounds of a read, or the tree looped.
    std::atomic<bool> cutShort{false};
};

namespace {

enum class Kind { application, menuBar, node, menuView };

class AtspiElement : public AXElement {
  public:
    AtspiElement(std::shared_ptr<AppState> app, Kind kind, QString path = {})
        : app(std::move(app)), kind(kind), path(std::move(path)) {}
    const std::shared_ptr<AppState> app;
    const Kind kind;
    const QString path;
};

AXElementRef makeElement(const std::shared_ptr<AppState>& app, Kind kind, const QString& path) {
    return std::make_shared<AtspiElement>(app, kind, path);
}

// GTK items never hold children (a submenu is a menu of its own): asking would cost a round
// trip per item.
void noteLeaf(const AppState& app, Node& node) {
    if (app.toolkit == Toolkit::gtk && node.role && isItemRole(*node.role)) {
        node.childrenLoaded = true;
    }
}

// Whether `path` is `parent` or one of its ancestors in the tree kept so far.
bool closesLoop(const AppState& app, const QString& parent, const QString& path) {
    QString current = parent;
    for (int step = 0; step <= maximumTreeDepth + 1; ++step) {
        if (current == path) {
            return true;
        }
        const auto found = app.nodes.constFind(current);
        if (found == app.nodes.cend() || !found->placed) {
            return false;
        }
        current = found->parent;
    }
    return true;
}

// Keeps what makes a tree of the children an application lists: a path already placed
// elsewhere is left there, one that loops back (the element itself or an ancestor) is
// dropped, and the bounds on elements and depth end the list. What the reader is shown is
// therefore always a tree, each element read once.
void storeChildren(AppState& app, const QString& parentPath, const AtspiBus::Reply& reply) {
    bool cut = false;
    const auto references = AtspiBus::references(reply, cut);
    const int depth = app.nodes[parentPath].depth + 1;
    QStringList kept;
    for (const auto& [name, path] : references) {
        // Children living on another connection (embedded plugs) are not menus.
        if (name != app.busName || path == AtspiBus::nullPath) {
            continue;
        }
        const auto found = app.nodes.constFind(path);
        if (found != app.nodes.cend()) {
            const bool loop = closesLoop(app, parentPath, path);
            if (loop || found->placed) {
                cut = cut || loop;
                continue;
            }
        }
        if (depth > maximumTreeDepth || app.placedNodes >= maximumNodes) {
            cut = true;
            break;
        }
        Node& child = app.nodes[path];
        child.placed = true;
        child.parent = parentPath;
        child.depth = depth;
        ++app.placedNodes;
        kept << path;
    }
    Node& parent = app.nodes[parentPath];
    parent.childrenLoaded = true;
    parent.children = std::move(kept);
    if (cut) {
        app.cutShort.store(true);
    }
}

// Reads role, name and state of these nodes in one batch, then the key bindings of the menu
// items among them in a second (asking a separator for one upsets GTK). Inside Qt menus,
// where any item may hold a submenu and a call that does not apply is simply refused, the
// binding and the children of every node are asked for in the first batch: one round trip
// per level instead of three.
// Qt marks no item of a closed menu VISIBLE; one the application hid has no extent there.
// Asked only of items that matter to the sheet: one with a binding that names a key, or one
// that holds a submenu.
void loadHiddenMarks(AppState& app, const QStringList& paths) {
    if (app.toolkit != Toolkit::qt) {
        return;
    }
    QStringList unseen;
    std::vector<AtspiBus::Call> calls;
    for (const QString& path : paths) {
        const Node& node = app.nodes[path];
        if (node.role && isItemRole(*node.role) && node.states &&
            !hasState(*node.states, stateVisible) &&
            (!node.children.isEmpty() ||
             (node.binding &&
              parseKeyBinding(*node.binding, app.toolkit, node.name.value_or(QString()))))) {
            calls.push_back(
                {app.busName, path, componentInterface, "GetExtents", {QVariant::fromValue(0u)}});
            unseen << path;
        }
    }
    const auto extents = app.run(calls);
    for (qsizetype i = 0; i < unseen.size(); ++i) {
        const auto& reply = extents[std::size_t(i)];
        const auto size = AtspiBus::extentSize(reply);
        app.nodes[unseen[i]].noExtent = !reply.timedOut && (!size || size->isEmpty());
    }
}

void loadAttributes(AppState& app, const QStringList& paths, bool inMenu = false) {
    const bool ahead = inMenu && app.toolkit == Toolkit::qt;
    const std::size_t stride = ahead ? 5 : 3;
    QStringList missing;
    std::vector<AtspiBus::Call> calls;
    for (const QString& path : paths) {
        if (!app.nodes[path].attributesLoaded) {
            missing << path;
            calls.push_back({app.busName, path, accessibleInterface, "GetRole", {}});
            calls.push_back(AtspiBus::property(app.busName, path, accessibleInterface, "Name"));
            calls.push_back({app.busName, path, accessibleInterface, "GetState", {}});
            if (ahead) {
                calls.push_back({app.busName, path, actionInterface, "GetKeyBinding", {0}});
                calls.push_back({app.busName, path, accessibleInterface, "GetChildren", {}});
            }
        }
    }
    const auto replies = app.run(calls);
    for (qsizetype i = 0; i < missing.size(); ++i) {
        const auto* r = &replies[std::size_t(i) * stride];
        bool childrenWanted = false;
        {
            Node& node = app.nodes[missing[i]];
            node.attributesLoaded = true;
            node.role = AtspiBus::unsignedValue(r[0]);
            node.name = AtspiBus::textValue(r[1], AtspiBus::textBytes, node.nameCut);
            node.states = AtspiBus::stateValue(r[2]);
            if (ahead) {
                node.bindingLoaded = true;
                if (node.role && isItemRole(*node.role)) {
                    node.binding =
                        AtspiBus::textValue(r[3], AtspiBus::bindingBytes, node.bindingCut);
                    ++app.itemsAsked;
                }
                childrenWanted = !node.childrenLoaded;
            }
        }
        if (childrenWanted) {
            storeChildren(app, missing[i], r[4]);  // may grow the table: no reference held
        }
        noteLeaf(app, app.nodes[missing[i]]);
    }
    std::vector<AtspiBus::Call> bindingCalls;
    QStringList items;
    for (const QString& path : paths) {
        Node& node = app.nodes[path];
        if (!node.bindingLoaded && node.role && isItemRole(*node.role)) {
            if (app.itemsAsked >= maximumItems) {
                app.cutShort.store(true);
                break;
            }
            ++app.itemsAsked;
            // Disabled GTK items report no actions but still answer with their binding.
            bindingCalls.push_back({app.busName, path, actionInterface, "GetKeyBinding", {0}});
            items << path;
        }
    }
    const auto bindings = app.run(bindingCalls);
    for (qsizetype i = 0; i < items.size(); ++i) {
        Node& node = app.nodes[items[i]];
        node.bindingLoaded = true;
        node.binding =
            AtspiBus::textValue(bindings[std::size_t(i)], AtspiBus::bindingBytes, node.bindingCut);
    }
    loadHiddenMarks(app, paths);
}

// GTK hands out role, name and state of every element it knows in one call, menus closed
// or open; child order is not in it, so children are still asked for. Only a head start:
// what does not fit in the bounds is asked for element by element, as without a cache.
void loadCache(AppState& app, const AtspiBus::Reply& reply) {
    bool cut = false;
    for (const auto& entry : AtspiBus::cacheItems(reply, std::size_t(maximumNodes), cut)) {
        if (entry.busName != app.busName) {
            continue;
        }
        Node& node = app.nodes[entry.path];
        node.attributesLoaded = true;
        node.role = entry.role;
        node.name = entry.name;
        node.nameCut = entry.nameCut;
        node.states = entry.states;
        noteLeaf(app, node);
    }
}

// Loads the children of `parents` (those not loaded yet) and then the attributes of every
// new child, two batches in all. Called with the application's mutex held.
QStringList loadLevel(AppState& app, const QStringList& parents, bool inMenu = false) {
    std::vector<AtspiBus::Call> childCalls;
    QStringList asked;
    for (const QString& parent : parents) {
        if (!app.nodes[parent].childrenLoaded) {
            childCalls.push_back({app.busName, parent, accessibleInterface, "GetChildren", {}});
            asked << parent;
        }
    }
    const auto childReplies = app.run(childCalls);
    for (qsizetype i = 0; i < asked.size(); ++i) {
        storeChildren(app, asked[i], childReplies[std::size_t(i)]);
    }
    QStringList all;
    for (const QString& parent : parents) {
        all += app.nodes[parent].children;
    }
    loadAttributes(app, all, inMenu);
    return all;
}

// An item or submenu the application hides from its menu. GTK marks every shown one VISIBLE,
// closed menus included; Qt marks none in a closed menu, but gives a hidden one no extent.
bool hiddenFromMenu(const AppState& app, const Node& node) {
    if (!node.role || !node.states || (!isItemRole(*node.role) && *node.role != roleMenu)) {
        return false;
    }
    switch (app.toolkit) {
        case Toolkit::gtk:
            return !hasState(*node.states, stateVisible);
        case Toolkit::qt:
            return node.noExtent;
        case Toolkit::unknown:
            break;
    }
    return false;
}

bool mayHaveMenuChildren(const AppState& app, const Node& node) {
    if (!node.role) {
        return false;
    }
    if (*node.role == roleMenuBar || *node.role == roleMenu || *node.role == rolePopupMenu) {
        return true;
    }
    // Qt hangs a submenu from its item; GTK items never have children.
    return isItemRole(*node.role) && app.toolkit != Toolkit::gtk;
}

void prefetchMenus(AppState& app, const QString& menuBarPath) {
    QStringList level{menuBarPath};
    const int levels = app.toolkit == Toolkit::gtk ? gtkPrefetchLevels : prefetchLevels;
    for (int depth = 0; depth < levels && !level.isEmpty(); ++depth) {
        // The last level's children are not read.
        const QStringList children = loadLevel(app, level, depth + 1 < levels);
        level.clear();
        for (const QString& child : children) {
            const Node& node = app.nodes[child];
            if (mayHaveMenuChildren(app, node) && !hiddenFromMenu(app, node)) {
                level << child;
            }
        }
    }
}

// The first of these menu bars that the user sees: showing, with an extent. Some
// applications keep a second, unmapped or empty bar whose bindings differ.
std::optional<QString> firstShown(AppState& app, const QStringList& bars) {
    QStringList showing;
    std::vector<AtspiBus::Call> calls;
    for (const QString& bar : bars) {
        if (hasState(app.nodes[bar].states.value_or(0), stateShowing)) {
            showing << bar;
            calls.push_back(
                {app.busName, bar, componentInterface, "GetExtents", {QVariant::fromValue(0u)}});
        }
    }
    const auto extents = app.run(calls);
    for (qsizetype i = 0; i < showing.size(); ++i) {
        const auto size = AtspiBus::extentSize(extents[std::size_t(i)]);
        if (size && !size->isEmpty()) {
            return showing[i];
        }
    }
    return std::nullopt;
}

// The application's private socket, only if the process listening there is the
// application itself (as the bus daemon knows it): an address may name anything.
std::shared_ptr<AtspiChannel> openOwnSocket(AppState& app, const QString& address) {
    const auto checked = peerSocketAddress(address.toUtf8());
    if (!checked) {
        return nullptr;
    }
    const QString daemon = QStringLiteral("org.freedesktop.DBus");
    const AtspiBus::Call userCall{daemon,
                                  QStringLiteral("/org/freedesktop/DBus"),
                                  daemon,
                                  QStringLiteral("GetConnectionUnixUser"),
                                  {app.busName}};
    const auto user = AtspiBus::unsignedValue(app.bus->run({userCall}, app.timeoutMs.load())[0]);
    if (!user) {
        return nullptr;
    }
    return app.bus->openPeer(QString::fromUtf8(*checked), {app.pid, static_cast<uid_t>(*user)});
}

// The menu bar the user sees in the window in front: the ACTIVE window first (a dialog in
// front has none), wherever the bar sits in it. When no bar shows, the first one found.
std::optional<QString> findMenuBar(AppState& app) {
    const QString application = QStringLiteral("org.a11y.atspi.Application");
    const auto first =
        app.run({{app.busName, rootPath, accessibleInterface, "GetChildren", {}},
                 AtspiBus::property(app.busName, rootPath, application, "ToolkitName"),
                 {app.busName, rootPath, application, "GetApplicationBusAddress", {}}});
    app.toolkit = toolkitFromName(AtspiBus::textValue(first[1]).value_or(QString()));
    if (app.toolkit == Toolkit::gtk) {
        const QString address = AtspiBus::textValue(first[2]).value_or(QString());
        if (!address.isEmpty() && !app.peer) {
            app.peer = openOwnSocket(app, address);
        }
        if (app.peer && !app.slowCaches->contains(app.busName)) {
            const auto start = std::chrono::steady_clock::now();
            const auto cache = app.run(
                {{app.busName, "/org/a11y/atspi/cache", "org.a11y.atspi.Cache", "GetItems", {}}});
            if (std::chrono::steady_clock::now() - start > SlowCaches::limit) {
                app.slowCaches->insert(app.busName);
            }
            loadCache(app, cache[0]);
        }
    }
    QStringList windows;
    for (const auto& [name, path] : AtspiBus::references(first[0])) {
        if (name == app.busName && !windows.contains(path)) {
            windows << path;
        }
    }
    std::vector<AtspiBus::Call> stateCalls;
    for (const QString& window : windows) {
        stateCalls.push_back({app.busName, window, accessibleInterface, "GetState", {}});
    }
    const auto states = app.run(stateCalls);
    QStringList ordered;
    for (qsizetype i = 0; i < windows.size(); ++i) {
        const bool active =
            hasState(AtspiBus::stateValue(states[std::size_t(i)]).value_or(0), stateActive);
        active ? ordered.prepend(windows[i]) : ordered.append(windows[i]);
    }
    windows = ordered;
    std::optional<QString> fallback;
    for (const QString& window : windows) {
        QStringList level{window};
        for (int depth = 0; depth < menuBarSearchLevels && !level.isEmpty(); ++depth) {
            const QStringList children = loadLevel(app, level);
            level.clear();
            QStringList bars;
            for (const QString& child : children) {
                const uint role = app.nodes[child].role.value_or(0);
                if (role == roleMenuBar) {
                    bars << child;
                } else if (isContainerRole(role)) {
                    level << child;
                }
            }
            if (auto shown = firstShown(app, bars)) {
                return shown;
            }
            if (!fallback && !bars.isEmpty()) {
                fallback = bars.front();
            }
        }
        if (app.unreachable.load()) {
            break;
        }
    }
    return fallback;
}

QString roleName(uint role) {
    if (role == roleMenu || isItemRole(role)) {
        return QStringLiteral("AXMenuItem");
    }
    switch (role) {
        case rolePopupMenu:
            return QStringLiteral("AXMenu");
        case roleMenuBar:
            return QStringLiteral("AXMenuBar");
        case roleSeparator:
            return QStringLiteral("AXSeparator");
        default:
            return QStringLiteral("AXUnknown");
    }
}

}  // namespace

namespace {

// One connection to the accessibility bus with what is known about the names on it: unique
// names start again from the first when the daemon restarts.
struct BusSession {
    std::shared_ptr<AtspiBus> bus;
    std::shared_ptr<SlowCaches> slowCaches;
};

struct AccessibilityBusDialer {
    using Bus = BusSession;
    using Pending = DBusPipe;
    // A working daemon answers in milliseconds.
    static constexpr int handshakeTimeoutMs = 1000;

    QByteArray address() { return AtspiBus::currentAddress(); }
    std::unique_ptr<DBusPipe> connect(const QByteArray& address) {
        return DBusPipe::connect(address);
    }
    bool handshake(DBusPipe& pipe) { return pipe.hello(handshakeTimeoutMs); }
    bool broken(DBusPipe& pipe) { return !pipe.connected(); }
    std::shared_ptr<BusSession> adopt(std::unique_ptr<DBusPipe> pipe, const QByteArray& address) {
        return std::make_shared<BusSession>(
            BusSession{AtspiBus::adopt(std::move(pipe), address), std::make_shared<SlowCaches>()});
    }
    bool healthy(BusSession& session) { return session.bus->healthy(); }
};

}  // namespace

struct AtspiAccessibility::Private {
    std::shared_ptr<AtspiChannel> replay;  // when set, every read goes through it
    std::shared_ptr<SlowCaches> replaySlowCaches = std::make_shared<SlowCaches>();

    // The bus as it is now: a daemon that restarted or hung up is replaced on the next use.
    // Connecting to a daemon that does not answer waits for the handshake's deadline, so the
    // main thread never asks. Empty while there is no bus to use.
    BusSession session() {
        const auto current = link_.current();
        return current ? *current : BusSession{};
    }
    std::shared_ptr<AtspiBus> bus() { return session().bus; }

    Status currentStatus() {
        const auto connected = bus();
        if (!connected) {
            return AtspiBus::currentAddress().isEmpty() ? Status::noBus : Status::notAnswering;
        }
        if (!connected->answers()) {
            return Status::notAnswering;
        }
        return AtspiBus::accessibilityEnabled() ? Status::ready : Status::disabled;
    }

    // Finds the bus names of a process: asks the registry and the bus daemon only, never
    // the applications themselves, so a hung application cannot slow the search.
    QStringList busNamesOf(pid_t pid) {
        const auto connected = bus();
        if (!connected) {
            return {};
        }
        return connected->applicationsOf(pid);
    }

    bool resolve(AppState& app) {
        if (app.resolved) {
            return !app.busName.isEmpty();
        }
        app.resolved = true;
        // Asked of the application's own bus: the one in use may be newer.
        if (app.bus) {
            const QStringList names = app.bus->applicationsOf(app.pid);
            if (!names.isEmpty()) {
                app.busName = names.front();
            }
        }
        return !app.busName.isEmpty();
    }

  private:
    BusLink<AccessibilityBusDialer> link_{AccessibilityBusDialer{}};
};

AtspiAccessibility::AtspiAccessibility() : d_(std::make_shared<Private>()) {}

AtspiAccessibility::AtspiAccessibility(std::shared_ptr<AtspiChannel> channel)
    : AtspiAccessibility() {
    d_->replay = std::move(channel);
}
AtspiAccessibility::~AtspiAccessibility() = default;

AtspiAccessibility::Status AtspiAccessibility::status() {
    return d_->currentStatus();
}

bool AtspiAccessibility::hasApplication(pid_t pid) {
    return !d_->busNamesOf(pid).isEmpty();
}

AXElementRef AtspiAccessibility::createApplication(pid_t pid) {
    auto app = std::make_shared<AppState>();
    if (d_->replay) {
        app->bus = d_->replay;
        app->slowCaches = d_->replaySlowCaches;
    } else {
        const BusSession session = d_->session();
        if (session.bus) {
            app->bus = std::make_shared<BusChannel>(session.bus);
        }
        app->slowCaches = session.slowCaches;
    }
    app->pid = pid;
    return makeElement(app, Kind::application, rootPath);
}

void AtspiAccessibility::setMessagingTimeout(const AXElementRef& application, double seconds) {
    if (const auto* element = dynamic_cast<const AtspiElement*>(application.get())) {
        element->app->timeoutMs.store(std::max(1, static_cast<int>(seconds * 1000)));
    }
}

bool AtspiAccessibility::hasTimedOut(const AXElementRef& application) {
    const auto* element = dynamic_cast<const AtspiElement*>(application.get());
    return element && element->app->unreachable.load();
}

bool AtspiAccessibility::wasCutShort(const AXElementRef& application) {
    const auto* element = dynamic_cast<const AtspiElement*>(application.get());
    return element && element->app->cutShort.load();
}

AXError AtspiAccessibility::copyAttributeValue(const AXElementRef& ref, const QString& attribute,
                                               AXValue& value) {
    value = AXValue();
    const auto* element = dynamic_cast<const AtspiElement*>(ref.get());
    if (!element || !element->app->bus) {
        return AXError::illegalArgument;
    }
    AppState& app = *element->app;
    QMutexLocker lock(&app.mutex);
    if (!d_->resolve(app)) {
        return AXError::invalidElement;
    }
    if (app.unreachable.load()) {
        return AXError::cannotComplete;
    }
    // What the menus show: items the application hides are not there.
    auto children = [&](const QStringList& paths) {
        AXValue::Elements list;
        for (const QString& path : paths) {
            if (!hiddenFromMenu(app, app.nodes[path])) {
                list.push_back(makeElement(element->app, Kind::node, path));
            }
        }
        return list;
    };

    switch (element->kind) {
        case Kind::application:
            if (attribute == QLatin1String("AXMenuBar")) {
                const auto bar = findMenuBar(app);
                if (!bar) {
                    return app.unreachable.load() ? AXError::cannotComplete : AXError::noValue;
                }
                value = makeElement(element->app, Kind::menuBar, *bar);
                return AXError::success;
            }
            if (attribute == QLatin1String("AXTitle")) {
                const auto name = AtspiBus::textValue(app.run(
                    {AtspiBus::property(app.busName, rootPath, accessibleInterface, "Name")})[0]);
                if (!name) {
                    return AXError::cannotComplete;
                }
                value = *name;
                return AXError::success;
            }
            return AXError::attributeUnsupported;
        case Kind::menuBar:
            if (attribute == QLatin1String("AXChildren")) {
                prefetchMenus(app, element->path);
                value = children(app.nodes[element->path].children);
                return app.unreachable.load() ? AXError::cannotComplete : AXError::success;
            }
            if (attribute == QLatin1String("AXRole")) {
                value = QStringLiteral("AXMenuBar");
                return AXError::success;
            }
            return AXError::noValue;
        case Kind::menuView:
        case Kind::node:
            break;
    }

    if (!app.nodes[element->path].attributesLoaded && element->kind == Kind::node) {
        loadAttributes(app, {element->path});  // not read ahead
    }
    const Node node = app.nodes[element->path];
    const uint role = node.role.value_or(0);

    if (attribute == QLatin1String("AXRole")) {
        if (element->kind == Kind::menuView) {
            value = QStringLiteral("AXMenu");
            return AXError::success;
        }
        if (!node.role) {
            return AXError::cannotComplete;
        }
        value = roleName(role);
        return AXError::success;
    }
    if (attribute == QLatin1String("AXChildren")) {
        // A GTK submenu is one element, item and menu at once: show it as an item that
        // holds a menu, the shape the reader walks.
        if (element->kind == Kind::node && role == roleMenu) {
            value = AXValue::Elements{makeElement(element->app, Kind::menuView, element->path)};
            return AXError::success;
        }
        if (!node.childrenLoaded) {
            loadLevel(app, {element->path});
        }
        auto list = children(app.nodes[element->path].children);
        if (list.empty()) {
            return app.unreachable.load() ? AXError::cannotComplete : AXError::noValue;
        }
        value = std::move(list);
        return AXError::success;
    }
    if (element->kind == Kind::menuView) {
        return AXError::noValue;
    }
    if (attribute == QLatin1String("AXTitle")) {
        if (!node.name) {
            return AXError::cannotComplete;
        }
        if (node.nameCut) {
            app.cutShort.store(true);
        }
        value = *node.name;
        return AXError::success;
    }
    if (attribute == QLatin1String("AXEnabled")) {
        if (!node.states) {
            return AXError::cannotComplete;
        }
        value = hasState(*node.states, stateEnabled) || hasState(*node.states, stateSensitive);
        return AXError::success;
    }
    const bool keyAttribute = attribute == QLatin1String("AXMenuItemCmdChar") ||
                              attribute == QLatin1String("AXMenuItemCmdVirtualKey") ||
                              attribute == QLatin1String("AXMenuItemCmdModifiers");
    if (keyAttribute) {
        if (node.bindingCut) {
            app.cutShort.store(true);
        }
        const auto key = parseKeyBinding(node.binding.value_or(QString()), app.toolkit,
                                         node.name.value_or(QString()));
        if (!key) {
            return AXError::noValue;
        }
        if (attribute == QLatin1String("AXMenuItemCmdChar") && key->character) {
            value = *key->character;
            return AXError::success;
        }
        if (attribute == QLatin1String("AXMenuItemCmdVirtualKey") && key->virtualKey) {
            value = qint64{*key->virtualKey};
            return AXError::success;
        }
        if (attribute == QLatin1String("AXMenuItemCmdModifiers")) {
            value = qint64{key->modifiers};
            return AXError::success;
        }
        return AXError::noValue;
    }
    return AXError::attributeUnsupported;
}

void AtspiAccessibility::performAction(const AXElementRef& ref, const QString& action) {
    const auto* element = dynamic_cast<const AtspiElement*>(ref.get());
    if (!element || element->kind != Kind::node || action != QLatin1String("AXPress")) {
        return;
    }
    AppState& app = *element->app;
    QMutexLocker lock(&app.mutex);
    if (!app.busName.isEmpty() && app.bus) {
        // Not waited for: a Qt item that opens a modal dialog answers only when it closes.
        app.send({app.busName, element->path, actionInterface, "DoAction", {0}});
    }
}

AccessibilitySwitch& AtspiAccessibility::accessibilitySwitch() {
    std::call_once(switchStarted_, [this] { switch_ = std::make_unique<AccessibilitySwitch>(); });
    return *switch_;
}

bool AtspiAccessibility::isProcessTrusted() {
    return accessibilitySwitch().on();
}

void AtspiAccessibility::isProcessTrustedWithPrompt() {
    // Switching accessibility on changes the whole desktop, for good: only with a yes.
    if (confirmEnabling_ && confirmEnabling_()) {
        AtspiBus::enableAccessibility();
        // In case the launcher does not announce the change.
        accessibilitySwitch().reread();
    }
}

void AtspiAccessibility::observeTrust(std::function<void()> changed) {
    accessibilitySwitch().onChange(std::move(changed));
}

}  // namespace holdsheet
