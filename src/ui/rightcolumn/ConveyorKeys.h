#pragma once
// Captions of the conveyor keys: navy and bold with the key's letter and a
// short show name when the key holds a file, red and regular when empty.
// The navy caption is also how the conveyor tells a key that holds a file.

#include <QString>

class QToolButton;

namespace korvanel {

// "Q=" .. "L=" for keys 1..19; key 20 has no letter: " ".
QString conveyorKeyPrefix(int n);

void showConveyorKeyFile(QToolButton &button, int n, const QString &shortName);
void showConveyorKeyEmpty(QToolButton &button, int n);
// After the conveyor was cleared: "Q (пусто)" .. "(пусто)".
void showConveyorKeyCleared(QToolButton &button, int n);

} // namespace korvanel
