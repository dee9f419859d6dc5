// Windows-1252 byte strings to and from QString, for the places where Qt draws a dictionary
// text or the clipboard takes one. Plain functions.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace halvena {

QString Cp1252ToQString(std::string_view text);
// Characters that Windows-1252 cannot hold become '?'.
std::string QStringToCp1252(const QString& text);

}  // namespace halvena
