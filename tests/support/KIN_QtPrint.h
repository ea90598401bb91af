#ifndef KIN_QTPRINT_H
#define KIN_QTPRINT_H

#include <QString>
#include <QStringList>

#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* pStream)
{
    *pStream << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* pStream)
{
    *pStream << '{';
    for (const QString& text : texts)
        *pStream << '"' << text.toStdString() << "\" ";
    *pStream << '}';
}

#endif
