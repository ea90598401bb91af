#include "KIT_QtText.h"

#include <QStringDecoder>

#include <cstring>

namespace
{
QString Decode(const char* pBytes, qsizetype nSize)
{
    const QByteArrayView bytes(pBytes, nSize);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(pBytes, nSize);
}
} // namespace

QString KIT_ToQString(const char* pText)
{
    if (!pText)
        return QString();
    return Decode(pText, static_cast<qsizetype>(std::strlen(pText)));
}

QString KIT_ToQString(const std::string& text)
{
    return Decode(text.data(), static_cast<qsizetype>(text.size()));
}

std::string KIT_ToBytes(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
