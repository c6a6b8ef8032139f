#include "ui/widgets/NameCodec.h"

#include <QStringDecoder>

namespace korvanel {

const NameCodec &NameCodec::instance()
{
    static const NameCodec codec;
    return codec;
}

NameCodec::NameCodec()
{
    QStringDecoder decoder("windows-1251", QStringDecoder::Flag::Stateless);
    for (int b = 1; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        const QString ch = decoder.decode(QByteArrayView(&byte, 1));
        // Without the converter only ASCII is left, which every code page holds.
        m_decode[static_cast<std::size_t>(b)] =
            ch.size() == 1 && decoder.isValid() ? ch.front() : (b < 128 ? QChar(b) : QChar(u'?'));
    }
    // Built backwards from the decoder, so every stored byte comes back unchanged.
    for (int b = 255; b >= 1; --b)
        m_encode.insert(m_decode[static_cast<std::size_t>(b)], static_cast<std::uint8_t>(b));
}

bool NameCodec::canEncode(const QString &text) const
{
    for (QChar ch : text) {
        if (!canEncode(ch))
            return false;
    }
    return true;
}

std::string NameCodec::encode(const QString &text) const
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text)
        bytes.push_back(static_cast<char>(m_encode.value(ch, static_cast<std::uint8_t>('?'))));
    return bytes;
}

QString NameCodec::decode(std::span<const std::uint8_t> bytes) const
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::uint8_t b : bytes) {
        if (b == 0)
            break;
        text.append(m_decode[b]);
    }
    return text;
}

} // namespace korvanel
