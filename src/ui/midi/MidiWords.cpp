#include "ui/midi/MidiWords.h"

#include <QCoreApplication>

namespace korvanel {

QString midiTargetWords(const MidiTarget &target)
{
    switch (target.kind) {
    case MidiTargetKind::Fader:
        return QCoreApplication::translate("MidiWords", "фейдер %1").arg(target.index);
    case MidiTargetKind::Picture:
        return QCoreApplication::translate("MidiWords", "статическая картинка %1").arg(target.index);
    case MidiTargetKind::Play:
        return QCoreApplication::translate("MidiWords", "запуск Шоу");
    case MidiTargetKind::Stop:
        return QCoreApplication::translate("MidiWords", "остановка Шоу");
    case MidiTargetKind::Blackout:
        return QCoreApplication::translate("MidiWords", "BlackOut");
    case MidiTargetKind::Tempo:
        return QCoreApplication::translate("MidiWords", "темп");
    case MidiTargetKind::Step:
        return target.index > 0 ? QCoreApplication::translate("MidiWords", "следующая сцена")
                                : QCoreApplication::translate("MidiWords", "предыдущая сцена");
    case MidiTargetKind::Slot:
        return QCoreApplication::translate("MidiWords", "кнопка конвейера %1").arg(target.index);
    }
    return {};
}

QString midiControlWords(const MidiAddress &address)
{
    const QString channel = address.channel == AnyMidiChannel
        ? QCoreApplication::translate("MidiWords", "любой канал")
        : QCoreApplication::translate("MidiWords", "канал %1").arg(address.channel + 1);
    switch (address.kind) {
    case MidiControlKind::Control:
        return QCoreApplication::translate("MidiWords", "контроллер %1, %2").arg(address.number).arg(channel);
    case MidiControlKind::Note:
        return QCoreApplication::translate("MidiWords", "нота %1, %2").arg(address.number).arg(channel);
    case MidiControlKind::Bend:
        return QCoreApplication::translate("MidiWords", "Pitch Bend, %1").arg(channel);
    }
    return {};
}

} // namespace korvanel
