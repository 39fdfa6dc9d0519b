#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace holdsheet {

// An application names its own accessibility socket, and a connection to a D-Bus address may
// run a program (unixexec:), dial out (tcp:) or start a bus (autolaunch:). Only sockets are
// acceptable: every entry must be unix: with an absolute path= or an abstract= name (and at
// most a guid=). Returns the address rebuilt from what was checked, so the connection opens
// exactly that; none when any entry is anything else or the text is not a valid address.
std::optional<QByteArray> peerSocketAddress(QByteArrayView address);

}  // namespace holdsheet
