#pragma once
// Show files made byte by byte for tests, at plain offsets.

#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray showBytes(unsigned char current, unsigned char last, unsigned char tempo)
{
    QByteArray show(81920, '\0');
    show.replace(0, 14, "foreign header");
    // Rates as every saved show has them after New: the fader page shows them unchanged.
    show.replace(256, 256, QByteArray(256, static_cast<char>(255)));
    show[131] = static_cast<char>(current);
    show[132] = static_cast<char>(last);
    show[133] = static_cast<char>(tempo);
    show[16384 + 256 * current + 3] = static_cast<char>(77); // channel 3 of the current scene
    return show;
}

inline void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

inline QByteArray readFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Byte `at` of the file, or -1 when the file is shorter or missing.
inline int fileByte(const QString &name, qsizetype at)
{
    const QByteArray bytes = readFile(name);
    return at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : -1;
}
