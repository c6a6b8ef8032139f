#pragma once
// Channel names are stored as Windows-1251 bytes, one byte per character.
// The codec is built once from Qt's converter. It needs Qt Core only, so the
// file fuzzers can build it without the widgets.

#include <QHash>
#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace korvanel {

class NameCodec {
public:
    static const NameCodec &instance();

    bool canEncode(QChar ch) const { return m_encode.contains(ch); }
    bool canEncode(const QString &text) const;
    // One byte per character; a character outside the code page becomes '?'.
    std::string encode(const QString &text) const;
    // The bytes up to the first zero byte.
    QString decode(std::span<const std::uint8_t> bytes) const;

private:
    NameCodec();
    std::array<QChar, 256> m_decode{};
    QHash<QChar, std::uint8_t> m_encode;
};

} // namespace korvanel
