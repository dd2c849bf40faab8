#pragma once

#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <QTest>

// A test that needs another program (socat, rigctld, python3): a workstation
// without it skips the test with a message; CI (CI=true) fails it, so a
// missing package cannot pass there unseen.
inline bool ToolInstalled(const QString& tool)
{
    if (QFileInfo(tool).isAbsolute())
        return QFileInfo(tool).isExecutable();
    return !QStandardPaths::findExecutable(tool).isEmpty();
}

inline bool UnderCi()
{
    return qEnvironmentVariable("CI") == QLatin1String("true");
}

// Use in a test function (or initTestCase): ends it when the tool is missing.
#define REQUIRE_TOOL(tool)                                                                                             \
    do {                                                                                                               \
        if (!ToolInstalled(QStringLiteral(tool))) {                                                                    \
            if (UnderCi())                                                                                             \
                QFAIL(tool " is not installed (CI=true: a test cannot skip for a missing tool)");                      \
            QSKIP(tool " is not installed");                                                                           \
        }                                                                                                              \
    } while (false)
