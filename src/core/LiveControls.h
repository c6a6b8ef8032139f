#pragma once
// Control states that the output tick reads. The UI thread writes them on every
// change of the control; the tick never touches a widget.

#include "core/AtomicBytes.h"
#include "core/ShowLayout.h"

namespace korvanel {

enum class FadeMode : std::uint8_t { Faders = 0, Automatic = 1, Off = 2 };

struct LiveControls {
    AtomicByte fadeMode{0};                    // RadioGroupRate item
    AtomicBytes<StaticPictureCount> pictures;  // CheckBoxChs1 .. CheckBoxChsM
    AtomicByte manual{0};                      // CheckBoxManual
    AtomicBytes<FaderCount + 1> faderPosition; // ScrollBar1 .. ScrollBar27, index 1..27
    AtomicBytes<FaderCount + 1> faderChecked;  // CheckBox1 .. CheckBox27, index 1..27
    AtomicBytes<2> avtomatChannel;             // ScrollBarChannelAvtomat1/2
    AtomicByte blackout{0};                    // CheckBoxBlackOut
    AtomicByte macrosDown{0};                  // SpeedButtonMacrosOut
    AtomicByte HandScanActive{0};
    AtomicByte HandScanX{0};
    AtomicByte HandScanY{0};
    // ScrollBarGrandMaster: 0..100 %, scaling every slot on the wire; not part of the show.
    AtomicByte grandMaster{100};
};

} // namespace korvanel
