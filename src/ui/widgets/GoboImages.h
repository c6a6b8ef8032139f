#pragma once
// The picture list of channel kinds: small 16 × 16 symbols (dimmer, strobe, colours, gobos,
// prism, pan/tilt, …) that the fader page shows beside a channel's live level, so the operator
// sees at a glance what the channel drives. A channel stores only the picture number.

#include <QPixmap>
#include <QString>

namespace korvanel {

inline constexpr int GoboImageCount = 142;
inline constexpr int GoboImageSize = 16;

// Picture `number` (0 .. GoboImageCount-1); a null pixmap for any other number, which means
// "no picture". Each picture is drawn on its first use and kept; call from the UI thread only.
const QPixmap &goboImage(int number);

// Short name, in the interface language, of the kind the picture stands for (for tooltips); empty outside the list.
QString goboImageName(int number);

} // namespace korvanel
