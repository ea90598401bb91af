#ifndef KIT_QTTEXT_H
#define KIT_QTTEXT_H

#include <QString>

#include <string>

// The one crossing between the program's byte strings and QString. Byte strings hold
// UTF-8; bytes that are not valid UTF-8 (texts from older Latin-1 files) decode as Latin-1,
// so nothing the user wrote turns into "?".
QString KIT_ToQString(const char* pText);
QString KIT_ToQString(const std::string& text);
std::string KIT_ToBytes(const QString& text);

#endif
