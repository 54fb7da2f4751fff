#pragma once

// What a reader sees in a PDF, through poppler's pdftotext (Debian poppler-utils).

#include <QProcess>
#include <QStandardPaths>

inline bool popplerKurulu()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// The text with its layout kept (a table row stays one line), each page ended by a form feed;
// empty when pdftotext could not run.
inline QString pdfMetni(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {"-layout", pdf, "-"});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline int pdfSayfaSayisi(const QString &pdf)
{
    return int(pdfMetni(pdf).count(u'\f'));
}
