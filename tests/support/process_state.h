// Whether a process (a helper the tests watch) still runs, or still exists
// at all: a zombie runs no more but exists until its parent reaps it.
#pragma once

#include <sys/types.h>

#include <QFile>
#include <QString>

inline bool processExists(pid_t pid) { return QFile::exists(QStringLiteral("/proc/%1").arg(pid)); }

inline bool processRuns(pid_t pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close >= 0 && line.mid(close + 2, 1) != "Z";
}
