#pragma once
// The remote page's access token. It is kept in a file that only the user can
// read, so that a phone once paired stays paired across restarts, until the
// operator asks for a new one.

#include <QByteArray>
#include <QString>

namespace korvanel {

// 160 random bits from the system's source, as 40 lower-case hex digits.
QByteArray makeRemoteToken();

// The token kept in file; a new one, kept there, when the file holds none or
// others than the user could read it.
QByteArray keptRemoteToken(const QString &file);

// Writes token to file, readable and writable by the user alone, replacing it whole.
bool keepRemoteToken(const QString &file, const QByteArray &token);

} // namespace korvanel
