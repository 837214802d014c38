#pragma once
// What a printed PDF file shows, read with poppler-utils: the text of each
// page as pdftotext reads it (text that was painted as a picture does not
// appear, so this also tells vector output from raster), and a page as a
// picture, as pdftoppm renders it.

#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>
#include <vector>

namespace quarvo::testing {

// Empty when pdftotext is not installed or cannot read the file.
inline std::optional<QStringList> pdfPages(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) return std::nullopt;
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return std::nullopt;
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    // pdftotext ends every page with a form feed, the last one too.
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

// A word of a PDF page and the box it covers, in points.
struct PdfWord {
    QString text;
    QRectF box;
};

// The words of every page, in reading order, as pdftotext -bbox finds them;
// empty when pdftotext is not installed or cannot read the file.
inline std::optional<std::vector<PdfWord>> pdfWords(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) return std::nullopt;
    QProcess process;
    process.start(tool, {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return std::nullopt;
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.push_back({m.captured(5), QRectF(topLeft, bottomRight)});
    }
    return words;
}

// Page number (from 1) at dpi dots per inch; a null image when pdftoppm is
// not installed or cannot read the file.
inline QImage pdfPageImage(const QString& path, int page, int dpi) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    QTemporaryDir folder;
    if (tool.isEmpty() || !folder.isValid()) return {};
    const QString prefix = folder.filePath(QStringLiteral("page"));
    QProcess process;
    process.start(tool, {QStringLiteral("-png"), QStringLiteral("-singlefile"),
                         QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                         QString::number(page), QStringLiteral("-l"), QString::number(page),
                         path, prefix});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QImage(prefix + QStringLiteral(".png"));
}

}  // namespace quarvo::testing
