#pragma once
// Fixed layout of the show memory. The show file is this block byte for byte,
// so none of these numbers may change.

#include <cstddef>
#include <cstdint>

namespace korvanel {

inline constexpr std::size_t SceneMemorySize = 81920;
inline constexpr std::size_t ShowFileBlocks = 640; // blocks of 128 bytes
inline constexpr std::size_t RowSize = 256;

inline constexpr std::size_t SystemRowOffset = 0;
inline constexpr std::size_t ShowHeaderSize = 128;
inline constexpr std::size_t RateRowOffset = 256;
inline constexpr std::size_t NamesOffset = 512;
inline constexpr std::size_t NameSize = 16;
inline constexpr std::size_t StaticOffset = 4608;
inline constexpr std::size_t StaticPictureSize = 512; // flag row, then level row
inline constexpr std::size_t StaticPictureCount = 16;
inline constexpr std::size_t SelectionOffset = 12800;
inline constexpr std::size_t SpareOffset = 13056;
inline constexpr std::size_t SceneOffset = 16384;
inline constexpr std::size_t SceneCount = 256;
inline constexpr std::size_t ChannelCount = 255; // DMX channels 1..255 in a scene

// Show settings inside the system row.
inline constexpr std::size_t SysCurrentScene = 131;
inline constexpr std::size_t SysLastScene = 132;
inline constexpr std::size_t SysTempo = 133;
inline constexpr std::size_t SysRateLevel = 136;
inline constexpr std::size_t SysColorLock = 138;
inline constexpr std::size_t SysRed = 139;
inline constexpr std::size_t SysGreen = 140;
inline constexpr std::size_t SysBlue = 141;
inline constexpr std::size_t SysAvtomat1Tempo = 145;
inline constexpr std::size_t SysAvtomat1Channel = 146;
inline constexpr std::size_t SysAvtomat1Mode = 147;
inline constexpr std::size_t SysAvtomat1Bright = 148;
inline constexpr std::size_t SysAvtomat1Dark = 149;
inline constexpr std::size_t SysAvtomat2Tempo = 150;
inline constexpr std::size_t SysAvtomat2Channel = 151;
inline constexpr std::size_t SysAvtomat2Mode = 152;
inline constexpr std::size_t SysAvtomat2Bright = 153;
inline constexpr std::size_t SysAvtomat2Dark = 154;

// The picture that the macros button lays over a blacked-out frame (key M).
inline constexpr std::size_t MacrosPicture = 15;

inline constexpr std::size_t DmxFrameSize = 513; // start code + channels 1..512
inline constexpr std::size_t MixedSlots = 256;   // slots 0..255 are computed each tick
inline constexpr std::uint16_t TickPeriodMs = 50;

inline constexpr std::size_t FaderCount = 27;
inline constexpr std::uint8_t MaxFaderPageOffset = 228;
inline constexpr std::uint8_t MaxAvtomatChannel = 250;

constexpr std::size_t sceneRow(std::size_t scene) { return SceneOffset + scene * RowSize; }
constexpr std::size_t sceneByte(std::size_t scene, std::size_t channel) { return sceneRow(scene) + channel; }
constexpr std::size_t rateByte(std::size_t channel) { return RateRowOffset + channel; }
constexpr std::size_t nameOffset(std::size_t channel) { return NamesOffset + channel * NameSize; }
constexpr std::size_t pictureFlag(std::size_t picture, std::size_t channel)
{
    return StaticOffset + picture * StaticPictureSize + channel;
}
constexpr std::size_t pictureLevel(std::size_t picture, std::size_t channel)
{
    return StaticOffset + picture * StaticPictureSize + RowSize + channel;
}
constexpr std::size_t selectionByte(std::size_t channel) { return SelectionOffset + channel; }

static_assert(sceneRow(255) + 255 == SceneMemorySize - 1);
static_assert(StaticOffset + StaticPictureCount * StaticPictureSize == SelectionOffset);
static_assert(ShowFileBlocks * 128 == SceneMemorySize);
// Offsets the show file fixes: a change to any constant above must not move them.
static_assert(sceneByte(0, 0) == 16384 && sceneByte(255, 255) == 81919);
static_assert(rateByte(1) == 257);
static_assert(nameOffset(255) + NameSize - 1 == 4607);
static_assert(pictureFlag(15, 255) == 12543 && pictureLevel(15, 255) == 12799);
static_assert(selectionByte(0) == 12800);
static_assert(SysCurrentScene == 131 && SysLastScene == 132 && SysTempo == 133 && SysRateLevel == 136);
static_assert(SysColorLock == 138 && SysAvtomat1Tempo == 145 && SysAvtomat2Dark == 154);

} // namespace korvanel
