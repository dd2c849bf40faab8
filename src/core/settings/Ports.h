#pragma once

#include <QtGlobal>

// The modem's command port leaves room for its data port, one above it;
// ports 1024 and below are the system's.
namespace Ports {
inline constexpr int CommandMin = 1025;
inline constexpr int CommandMax = 65534;
inline constexpr int Min = 1;
inline constexpr int Max = 65535;

constexpr bool IsCommandPort(qint64 port)
{
    return port >= CommandMin && port <= CommandMax;
}
constexpr int DataPortOf(int commandPort)
{
    return commandPort + 1;
}
// Any other TCP or UDP port: a logger, rigctld, the rig's control.
constexpr bool IsPort(qint64 port)
{
    return port >= Min && port <= Max;
}
} // namespace Ports
