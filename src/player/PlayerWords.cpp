#include "player/PlayerWords.h"

#include <cstdlib>

namespace korvanel {

namespace {

struct Wording {
    std::string_view russian;
    std::string_view english;
};

constexpr std::string_view HelpRussian =
    R"(Играет шоу без окна: шаг сцен по темпу шоу с переходом, как в режиме «Автомат»,
и выводит кадры DMX в интерфейс USB и (или) во вселенную демона OLA. Несколько
шоу играют по очереди, каждое один раз по всем сценам, затем снова с первого.

  --tempo N             темп 10..170 вместо записанного в шоу (сцена длится N×N мс)
  --once                остановиться на последней сцене последнего шоу
                        (она остаётся на выходе до завершения)
  --coder ФАЙЛ          таблица перекодировки (.kvr)
  --settings ФАЙЛ       файл настроек (без него настройки не читаются);
                        из него берётся таблица перекодировки, если нет --coder
  --output usb|ola|both куда выводить кадры: интерфейс USB (по умолчанию),
                        демон OLA на 127.0.0.1 или оба сразу (OLA — если
                        сборка с ним)
  --universe N          вселенная OLA 1..65535 (по умолчанию 1); только
                        с --output ola или both
  --blackout-on-exit    при завершении отправить затемнение
  --no-realtime         не просить приоритет реального времени для вывода
  --check               только проверить файлы шоу, настроек и таблицы
                        перекодировки и сказать, что в каждом; ничего
                        не выводить
  -h, --help            эта справка
  -V, --version         версия

Сигналы: SIGTERM и SIGINT завершают работу, SIGHUP перечитывает файлы шоу.
Код выхода: 0 — остановлен сигналом (с --check: все файлы в порядке),
2 — неверные параметры или первое шоу не читается (с --check: в каком-то
файле ошибка), 1 — другая ошибка.
)";

constexpr std::string_view HelpEnglish = R"(Plays shows without a window: steps through the scenes at each show's tempo,
crossfading as the window's automatic mode does, and sends the DMX frames to
the USB interface and/or a universe of the OLA daemon. Several shows play in
turn, each once through all its scenes, then round again from the first.

  --tempo N             tempo 10..170 instead of the show's own
                        (a scene lasts N×N ms)
  --once                stop at the last scene of the last show
                        (it stays on the output until the player ends)
  --coder FILE          recoding table (.kvr)
  --settings FILE       settings file (without it no settings are read);
                        its recoding table is used unless --coder is given
  --output usb|ola|both where the frames go: the USB interface (default),
                        the OLA daemon on 127.0.0.1, or both (OLA only if
                        this build has it)
  --universe N          OLA universe 1..65535 (default 1); only with
                        --output ola or both
  --blackout-on-exit    send a blackout when stopping
  --no-realtime         do not ask for real-time priority for the output
  --check               only check the show, settings and recoding table
                        files and say what is in each; send nothing
  -h, --help            this help
  -V, --version         version

Signals: SIGTERM and SIGINT stop the player, SIGHUP rereads the show files.
Exit code: 0 stopped by a signal (with --check: every file is fine), 2 bad
options or the first show cannot be read (with --check: a file has an
error), 1 any other error.
)";

// A switch, so that an id without its texts does not compile.
Wording wording(Say id)
{
    switch (id) {
    case Say::Usage:
        return {"Использование: korvanel-player [ПАРАМЕТР]... ШОУ.kvl...",
                "Usage: korvanel-player [OPTION]... SHOW.kvl..."};
    case Say::MoreHelp:
        return {"Подробнее: korvanel-player --help", "More help: korvanel-player --help"};
    case Say::HelpBody:
        return {HelpRussian, HelpEnglish};
    case Say::UnknownOption:
        return {"неизвестный параметр «%1»", "unknown option '%1'"};
    case Say::AmbiguousOption:
        return {"неоднозначный параметр «%1»", "ambiguous option '%1'"};
    case Say::OptionTakesNoValue:
        return {"параметр «%1» не принимает значения", "option '%1' takes no value"};
    case Say::OptionNeedsValue:
        return {"параметру «%1» нужно значение", "option '%1' needs a value"};
    case Say::BadTempo:
        return {"темп — число от 10 до 170, а не «%1»", "the tempo is a number from 10 to 170, not '%1'"};
    case Say::BadOutput:
        return {"вывод — usb, ola или both, а не «%1»", "the output is usb, ola or both, not '%1'"};
    case Say::BadUniverse:
        return {"вселенная OLA — число от 1 до 65535, а не «%1»",
                "the OLA universe is a number from 1 to 65535, not '%1'"};
    case Say::NoOlaInBuild:
        return {"в этой сборке нет вывода OLA: --output ola, --output both и --universe недоступны",
                "this build has no OLA output: --output ola, --output both and --universe are not available"};
    case Say::UniverseNeedsOla:
        return {"--universe задаёт вселенную OLA и нужен только с --output ola или --output both",
                "--universe sets the OLA universe and is only for --output ola or --output both"};
    case Say::NoShowFile:
        return {"не указан файл шоу", "no show file given"};
    case Say::Failure:
        return {"сбой: %1", "failure: %1"};
    case Say::FileNotFound:
        return {"файл не найден", "file not found"};
    case Say::IsFolder:
        return {"это папка, а не файл шоу", "a folder, not a show file"};
    case Say::NotAFile:
        return {"это не обычный файл", "not a regular file"};
    case Say::ShowTooShort:
        return {"файл короче %1 байт: это не шоу", "file shorter than %1 bytes: not a show"};
    case Say::CannotOpen:
        return {"не открывается: %1", "cannot be opened: %1"};
    case Say::CannotRead:
        return {"не читается: %1", "cannot be read: %1"};
    case Say::NoReadRight:
        return {"нет прав на чтение", "no permission to read"};
    case Say::FileIoError:
        return {"ошибка ввода-вывода", "input/output error"};
    case Say::SystemError:
        return {"системная ошибка %1 (%2)", "system error %1 (%2)"};
    case Say::CoderTooShort:
        return {"файл короче %1 байт: это не таблица перекодировки",
                "file shorter than %1 bytes: not a recoding table"};
    case Say::CoderUnreadable:
        return {"не читается (системная ошибка %1)", "cannot be read (system error %1)"};
    case Say::SettingsUnreadable:
        return {"файл настроек не читается: %1: %2", "settings file cannot be read: %1: %2"};
    case Say::CoderNotLoaded:
        return {"таблица перекодировки не загружена: %1: %2", "recoding table not loaded: %1: %2"};
    case Say::CoderLoaded:
        return {"таблица перекодировки: %1", "recoding table: %1"};
    case Say::FirstShowNotLoaded:
        return {"первое шоу не загружено: %1: %2", "first show not loaded: %1: %2"};
    case Say::ShowNotLoadedSkipped:
        return {"шоу не загружено, будет пропускаться: %1: %2", "show not loaded, will be skipped: %1: %2"};
    case Say::ShowReread:
        return {"шоу перечитано: %1", "show reread: %1"};
    case Say::ShowKeptOld:
        return {"шоу не перечитано, остаётся прежнее: %1: %2", "show not reread, the previous one plays on: %1: %2"};
    case Say::ShowStillNotLoaded:
        return {"шоу по-прежнему не загружено: %1: %2", "show still not loaded: %1: %2"};
    case Say::ShowPlaying:
        return {"шоу: %1, сцен %2, темп %3 (%4 мс)", "show: %1, scenes: %2, tempo %3 (%4 ms)"};
    case Say::ShowSkipped:
        return {"шоу пропущено: %1: %2", "show skipped: %1: %2"};
    case Say::ShowEnded:
        return {"показ окончен: последняя сцена остаётся на выходе", "show over: the last scene stays on the output"};
    case Say::Rereading:
        return {"SIGHUP: файлы шоу перечитываются", "SIGHUP: rereading the show files"};
    case Say::Stopping:
        return {"остановка по сигналу %1", "stopping on %1"};
    case Say::BlackoutSent:
        return {"отправлено затемнение", "blackout sent"};
    case Say::RealTimePriority:
        return {"вывод DMX с приоритетом реального времени", "DMX output at real-time priority"};
    case Say::NoRealTimeRight:
        return {"вывод DMX без приоритета реального времени: нет прав",
                "DMX output without real-time priority: not permitted"};
    case Say::NormalPriority:
        return {"вывод DMX с обычным приоритетом (--no-realtime)", "DMX output at normal priority (--no-realtime)"};
    case Say::UsbLibrary:
        return {"библиотека USB: %1", "USB library: %1"};
    case Say::LibraryNotLoadable:
        return {"Библиотека %1 не загружается: %2", "Library %1 cannot be loaded: %2"};
    case Say::LibraryMissingFunction:
        return {"Библиотека %1 не используется: в ней нет функции %2", "Library %1 not used: it lacks the function %2"};
    case Say::StatusInvalidHandle:
        return {"Ошибка Handle...", "invalid handle"};
    case Say::StatusDeviceNotFound:
        return {"Устройство не найдено....", "device not found"};
    case Say::StatusDeviceNotOpened:
        return {"Устройство не открывается...", "device cannot be opened"};
    case Say::StatusIoError:
        return {"Ошибка ввода-вывода...", "input/output error"};
    case Say::StatusInsufficientResources:
        return {"Не хватает ресурсов...", "insufficient resources"};
    case Say::StatusInvalidParameter:
        return {"Неверный параметр ...", "invalid parameter"};
    case Say::CallFailed:
        return {"%1 - %2", "%1: %2"};
    case Say::WriteCallFailed:
        return {"Интерфейс отключен от компьютера  - %1", "interface disconnected from the computer: %1"};
    case Say::BytesWritten:
        return {"записано %1 из %2 байт", "%1 of %2 bytes written"};
    case Say::ErrorCode:
        return {"код ошибки %1", "error code %1"};
    case Say::WriteFault:
        return {"ошибка записи в интерфейс - %1; интерфейс открывается заново",
                "write to the interface failed: %1; reopening the interface"};
    case Say::InterfaceLost:
        return {"интерфейс потерян", "interface lost"};
    case Say::InterfaceLostBecause:
        return {"интерфейс потерян: %1", "interface lost: %1"};
    case Say::InterfaceFound:
        return {"интерфейс найден: %1", "interface found: %1"};
    case Say::SerialNumber:
        return {"серийный номер = %1", "serial number %1"};
    case Say::NoDescription:
        return {"без описания", "no description"};
    case Say::InterfaceNotFound:
        return {"интерфейс не найден, поиск раз в секунду", "interface not found, looking again every second"};
    case Say::InterfaceForbidden:
        return {"интерфейс есть, но нет прав на него: нужно правило udev 60-korvanel-ftdi.rules и группа plugdev; "
                "повтор раз в секунду",
                "the interface is there, but there is no permission to open it: the udev rule "
                "60-korvanel-ftdi.rules and the group plugdev are needed; looking again every second"};
    case Say::InterfaceBusy:
        return {"интерфейс есть, но занят другой программой или драйвером; повтор раз в секунду",
                "the interface is there, but another program or driver holds it; looking again every second"};
    case Say::InterfaceForbiddenOrBusy:
        return {"интерфейс есть, но не открывается: нет прав на него (правило udev 60-korvanel-ftdi.rules, группа "
                "plugdev) или он занят другой программой; повтор раз в секунду",
                "the interface is there, but cannot be opened: no permission (the udev rule 60-korvanel-ftdi.rules, "
                "the group plugdev) or another program holds it; looking again every second"};
    case Say::InterfaceClosed:
        return {"интерфейс закрыт", "interface closed"};
    case Say::OlaModuleMissing:
        return {"вывод OLA не загружен: нет модуля korvanel-ola.so ни рядом с программой, ни в ../lib/korvanel",
                "OLA output not loaded: no module korvanel-ola.so beside the program or in ../lib/korvanel"};
    case Say::OlaOpened:
        return {"вывод OLA: вселенная %1, демон на 127.0.0.1:%2", "OLA output: universe %1, daemon at 127.0.0.1:%2"};
    case Say::OlaLost:
        return {"вывод OLA: связь с демоном потеряна, повтор раз в секунду",
                "OLA output: connection to the daemon lost, retrying every second"};
    case Say::OlaFound:
        return {"вывод OLA: демон найден, кадры идут во вселенную %1",
                "OLA output: daemon found, frames go to universe %1"};
    case Say::OlaRestored:
        return {"вывод OLA: связь с демоном восстановлена", "OLA output: connection to the daemon restored"};
    case Say::OlaNoDaemon:
        return {"вывод OLA: демон не запущен, на 127.0.0.1:%1 никто не слушает; повтор раз в секунду",
                "OLA output: no daemon runs, nothing listens at 127.0.0.1:%1; retrying every second"};
    case Say::OlaNotAnswering:
        return {"вывод OLA: демон не отвечает на запросы (остановлен или перегружен)",
                "OLA output: the daemon does not answer requests (stopped or overloaded)"};
    case Say::OlaAnswersAgain:
        return {"вывод OLA: демон снова отвечает, кадры идут во вселенную %1",
                "OLA output: the daemon answers again, frames go to universe %1"};
    case Say::OlaNoPort:
        return {"вывод OLA: у вселенной %1 нет выходного порта, кадры никуда не выводятся",
                "OLA output: universe %1 has no output port, the frames go nowhere"};
    case Say::OlaPorts:
        return {"вывод OLA: вселенная %1 выводится через %2", "OLA output: universe %1 goes out through %2"};
    case Say::OlaClosed:
        return {"вывод OLA закрыт", "OLA output closed"};
    case Say::OlaModuleNotLoaded:
        return {"вывод OLA недоступен: %1 не загружается: %2", "OLA output unavailable: %1 does not load: %2"};
    case Say::OlaModuleUndescribed:
        return {"вывод OLA недоступен: %1 от другой версии программы (модуль не описывает себя), переустановите "
                "программу",
                "OLA output unavailable: %1 is from another version of the program (it does not describe "
                "itself), reinstall the program"};
    case Say::OlaModuleOtherInterface:
        return {"вывод OLA недоступен: %1 от другой версии программы (интерфейс %2, нужен %3), переустановите "
                "программу",
                "OLA output unavailable: %1 is from another version of the program (interface %2, needs %3), "
                "reinstall the program"};
    case Say::OlaModuleOtherBuild:
        return {"вывод OLA недоступен: %1 от другой сборки программы, переустановите программу",
                "OLA output unavailable: %1 is from another build of the program, reinstall the program"};
    case Say::CheckShow:
        return {"%1: шоу, сцен %2, темп %3 (%4 мс), занято каналов: %5",
                "%1: show, scenes: %2, tempo %3 (%4 ms), channels used: %5"};
    case Say::CheckFailed:
        return {"%1: ошибка: %2", "%1: error: %2"};
    case Say::CheckSettings:
        return {"%1: файл настроек, таблица перекодировки %2", "%1: settings file, recoding table %2"};
    case Say::CheckSettingsNoCoder:
        return {"%1: файл настроек, без таблицы перекодировки", "%1: settings file, no recoding table"};
    case Say::CheckCoder:
        return {"%1: таблица перекодировки в порядке", "%1: recoding table, fine"};
    case Say::CheckAllFine:
        return {"проверено файлов: %1, все в порядке", "files checked: %1, all fine"};
    case Say::CheckSomeFailed:
        return {"проверено файлов: %1, с ошибками: %2", "files checked: %1, with errors: %2"};
    case Say::StatusShow:
        return {"%1, сцена %2 из %3", "%1, scene %2 of %3"};
    case Say::StatusShowOver:
        return {"%1, сцена %2 из %3, показ окончен", "%1, scene %2 of %3, show over"};
    case Say::StatusUsbOpen:
        return {"USB: %1", "USB: %1"};
    case Say::StatusUsbNone:
        return {"USB: интерфейс не найден", "USB: no interface"};
    case Say::StatusUsbRefused:
        return {"USB: интерфейс не открывается", "USB: the interface cannot be opened"};
    case Say::StatusOlaConnecting:
        return {"OLA: подключение", "OLA: connecting"};
    case Say::StatusOlaConnected:
        return {"OLA: вселенная %1", "OLA: universe %1"};
    case Say::StatusOlaNoPort:
        return {"OLA: у вселенной %1 нет выходного порта", "OLA: universe %1 has no output port"};
    case Say::StatusOlaNoDaemon:
        return {"OLA: демон не найден", "OLA: no daemon"};
    case Say::StatusOlaNotAnswering:
        return {"OLA: демон не отвечает", "OLA: the daemon does not answer"};
    case Say::StatusOlaUnavailable:
        return {"OLA: недоступен", "OLA: unavailable"};
    case Say::Count:
        break;
    }
    return {};
}

} // namespace

PlayerWords PlayerWords::ofLocale()
{
    return PlayerWords(systemLanguage([](const char *name) -> const char * { return std::getenv(name); }));
}

std::string_view PlayerWords::text(Say id, InterfaceLanguage language)
{
    const Wording w = wording(id);
    return language == InterfaceLanguage::English ? w.english : w.russian;
}

std::string PlayerWords::operator()(Say id, std::initializer_list<std::string_view> values) const
{
    const std::string_view text = PlayerWords::text(id, m_language);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t n = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
            out += values.begin()[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace korvanel
