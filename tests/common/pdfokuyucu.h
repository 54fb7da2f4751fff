#pragma once

// What a reader sees in a PDF, through poppler's pdftotext and pdfinfo (Debian poppler-utils).

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

inline bool popplerKurulu()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

// The tool's standard output; empty when it could not run.
inline QString popplerCiktisi(const QString &arac, const QStringList &argumanlar)
{
    QProcess p;
    p.start(arac, argumanlar);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The page's text with its layout kept: a table row stays one line.
inline QString pdfMetni(const QString &pdf)
{
    return popplerCiktisi(QStringLiteral("pdftotext"), {"-layout", pdf, "-"});
}

inline int pdfSayfaSayisi(const QString &pdf)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                                         QRegularExpression::MultilineOption)
                                          .match(popplerCiktisi(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
