#pragma once
// Everything the player says, in Russian and in English, in one table. The
// locale chooses, by the rule the window's "auto" setting follows. A text's
// %1, %2, ... are filled by the caller, so a language may put them in any order.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/InterfaceLanguage.h"

namespace korvanel {

enum class Say : std::uint8_t {
    // The command line.
    Usage,
    MoreHelp,
    HelpBody,
    UnknownOption,
    AmbiguousOption,
    OptionTakesNoValue,
    OptionNeedsValue,
    BadTempo,
    BadOutput,
    BadUniverse,
    NoOlaInBuild,
    UniverseNeedsOla,
    NoShowFile,
    Failure,
    // Files.
    FileNotFound,
    IsFolder,
    NotAFile,
    ShowTooShort,
    CannotOpen,
    CannotRead,
    NoReadRight,
    FileIoError,
    SystemError,
    CoderTooShort,
    CoderUnreadable,
    SettingsUnreadable,
    CoderNotLoaded,
    CoderLoaded,
    FirstShowNotLoaded,
    ShowNotLoadedSkipped,
    ShowReread,
    ShowKeptOld,
    ShowStillNotLoaded,
    // Playing.
    ShowPlaying,
    ShowSkipped,
    ShowEnded,
    Rereading,
    Stopping,
    BlackoutSent,
    RealTimePriority,
    NoRealTimeRight,
    NormalPriority,
    // The USB interface.
    UsbLibrary,
    LibraryNotLoadable,
    LibraryMissingFunction,
    StatusInvalidHandle,
    StatusDeviceNotFound,
    StatusDeviceNotOpened,
    StatusIoError,
    StatusInsufficientResources,
    StatusInvalidParameter,
    CallFailed,
    WriteCallFailed,
    BytesWritten,
    ErrorCode,
    WriteFault,
    InterfaceLost,
    InterfaceLostBecause,
    InterfaceFound,
    SerialNumber,
    NoDescription,
    InterfaceNotFound,
    InterfaceForbidden,
    InterfaceBusy,
    InterfaceForbiddenOrBusy,
    InterfaceClosed,
    // The OLA output.
    OlaModuleMissing,
    OlaOpened,
    OlaLost,
    OlaFound,
    OlaRestored,
    OlaNoDaemon,
    OlaNotAnswering,
    OlaAnswersAgain,
    OlaNoPort,
    OlaPorts,
    OlaClosed,
    OlaModuleNotLoaded,
    OlaModuleUndescribed,
    OlaModuleOtherInterface,
    OlaModuleOtherBuild,
    // --check.
    CheckShow,
    CheckFailed,
    CheckSettings,
    CheckSettingsNoCoder,
    CheckCoder,
    CheckAllFine,
    CheckSomeFailed,
    // The service's status line (systemd's STATUS=).
    StatusShow,
    StatusShowOver,
    StatusUsbOpen,
    StatusUsbNone,
    StatusUsbRefused,
    StatusOlaConnecting,
    StatusOlaConnected,
    StatusOlaNoPort,
    StatusOlaNoDaemon,
    StatusOlaNotAnswering,
    StatusOlaUnavailable,

    Count
};

class PlayerWords {
public:
    explicit PlayerWords(InterfaceLanguage language) : m_language(language) {}
    // The locale's language: the player has no setting of its own.
    static PlayerWords ofLocale();

    InterfaceLanguage language() const { return m_language; }

    // The text with %1, %2, ... replaced by the values in turn; a value is
    // taken as it is, never searched for placeholders itself.
    std::string operator()(Say id, std::initializer_list<std::string_view> values = {}) const;

    // The table's entry as written.
    static std::string_view text(Say id, InterfaceLanguage language);

private:
    InterfaceLanguage m_language;
};

} // namespace korvanel
