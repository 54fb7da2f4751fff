#pragma once

// What a reader sees in a PDF, through poppler's pdftotext and pdfinfo (Debian poppler-utils).

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

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

struct PdfKelime {
    QString metin;
    QRectF kutu; // in points, from the page's top left corner
};

// Every word with where it stands on the first page.
inline QList<PdfKelime> pdfKelimeleri(const QString &pdf)
{
    const QString html =
        popplerCiktisi(QStringLiteral("pdftotext"), {"-bbox", "-l", "1", pdf, "-"});
    static const QRegularExpression kelime(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PdfKelime> kelimeler;
    for (auto i = kelime.globalMatch(html); i.hasNext();) {
        const QRegularExpressionMatch m = i.next();
        kelimeler.append(
            {m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return kelimeler;
}
