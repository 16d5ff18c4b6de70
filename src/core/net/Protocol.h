#pragma once

#include <QString>

namespace tv::protocol {

// The line the client sends when a launch finds a test file missing during a
// session (entries that report to the server).
inline QString missingFileReport(const QString &user, const QString &title)
{
    return QStringLiteral("9Uzytkownik") + user + QLatin1Char(' ') + title
        + QStringLiteral(" brakuje pliku konfiguracyjnego");
}

} // namespace tv::protocol
