#pragma once
// Channel names are 16 single-byte Windows-1251 characters in the show.

#include <QString>
#include <cstddef>

namespace korvanel {

struct Engine;

// The name as shown: zero bytes read as blanks, trailing blanks dropped.
QString channelName(const Engine &engine, std::size_t channel);

} // namespace korvanel
