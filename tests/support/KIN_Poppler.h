#ifndef KIN_POPPLER_H
#define KIN_POPPLER_H

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// The PDF tools of poppler-utils (pdfinfo, pdftotext, pdftoppm) read what the program wrote;
// ./dev.sh installs them, and the tests that need them are skipped without them.
constexpr const char* kPopplerMissing = "poppler-utils is not installed: ./dev.sh installs it";

inline bool KIN_HavePoppler(const char* pTool)
{
    return !QStandardPaths::findExecutable(QString::fromUtf8(pTool)).isEmpty();
}

// The tool's output, or an empty text when the tool is missing or fails.
inline QString KIN_Poppler(const char* pTool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(QString::fromUtf8(pTool));
    if (program.isEmpty())
        return QString();
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A field of pdfinfo's output ("Pages", "Page size"...).
inline QString KIN_PdfField(const QString& info, const char* pName)
{
    const QRegularExpression line(QString::fromUtf8(pName) + QStringLiteral(":\\s*([^\\n]*)"));
    return line.match(info).captured(1).trimmed();
}

inline int KIN_PdfPages(const QString& path)
{
    return KIN_PdfField(KIN_Poppler("pdfinfo", {path}), "Pages").toInt();
}

#endif
