// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One run of an outside tool (a validator, a packager, a linter): its exit
// status, -1 if it did not run to its end, and its output, standard error
// and standard output together.
struct ToolRun
{
    int status = -1;
    QString output;
};

inline ToolRun runTool(const QString &program, const QStringList &arguments,
                       const QString &workingDirectory = {})
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments);
    if (!process.waitForFinished(240'000) || process.exitStatus() != QProcess::NormalExit) {
        return {-1, program + QStringLiteral(" did not finish: ") + process.errorString()};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}
