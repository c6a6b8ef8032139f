#include "ui/rightcolumn/ConveyorControl.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

#include "core/Engine.h"
#include "playback/Conveyor.h"
#include "ui/mainwindow/Dialogs.h"
#include "ui/mainwindow/ShowFileCommands.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/rightcolumn/ConveyorGroup.h"
#include "ui/rightcolumn/ConveyorKeys.h"
#include "ui/rightcolumn/SequencerControl.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

namespace {
std::size_t slotIndex(int n) { return static_cast<std::size_t>(n - 1); }
} // namespace

ConveyorControl::ConveyorControl(WindowServices &window, ConveyorGroup &group, SequencerControl &sequencer,
                                 ShowFileCommands &files)
    : QObject(&window.mainWindow()), m_window(window), m_group(group), m_sequencer(sequencer), m_files(files),
      m_hand(group.speedButtonKonvHand()), m_label(group.labelKonveyr())
{
    setObjectName(QStringLiteral("ConveyorControl"));
    for (int n = 1; n <= ConveyorGroup::SlotCount; ++n) {
        QToolButton *button = slot(n);
        connect(button, &QToolButton::clicked, this, [this, n] { SpeedButtonJob(n); });
        button->installEventFilter(this);
    }
    connect(m_hand, &QAbstractButton::clicked, this, &ConveyorControl::SpeedButtonKonvHandClick);
    connect(group.speedButtonKonvOff(), &QAbstractButton::clicked, this, &ConveyorControl::SpeedButtonKonvHandClick);
    connect(group.speedButtonKonvSpisBegin(), &QAbstractButton::clicked, this,
            &ConveyorControl::SpeedButtonKonvSpisBeginClick);
    connect(group.speedButtonKonvSpis(), &QAbstractButton::clicked, this, &ConveyorControl::SpeedButtonKonvSpisClick);
    connect(group.speedButtonKonvNew(), &QAbstractButton::clicked, this, &ConveyorControl::SpeedButtonKonvNewClick);
    sequencer.KonveyrJob = [this] { KonveyrJob(); };
}

QToolButton *ConveyorControl::slot(int n) const { return m_group.slotButton(n); }

bool ConveyorControl::assigned(int n) const
{
    return n >= 1 && n <= ConveyorGroup::SlotCount && !m_window.engine().ConveyorFiles[slotIndex(n)].empty();
}

bool ConveyorControl::active(int n) const { return n >= 1 && n <= ConveyorGroup::SlotCount && slot(n)->isChecked(); }

bool ConveyorControl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
        for (int n = 1; n <= ConveyorGroup::SlotCount; ++n) {
            if (watched == slot(n)) {
                SpeedButtonMouseDown(n);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void ConveyorControl::SpeedButtonMouseDown(int n)
{
    if (n < 1 || n > ConveyorGroup::SlotCount)
        return;
    std::string &file = m_window.engine().ConveyorFiles[slotIndex(n)];
    // The dialog opens where the slot's show is, or else where the last show was opened.
    const QString current = QFile::decodeName(file.c_str());
    const QFileInfo start(current.isEmpty() ? m_window.openDialogFileName() : current);
    const QString folder = start.fileName().isEmpty() ? QString() : start.absolutePath();
    const QString chosen = m_window.dialogs().openFileName(&m_window.mainWindow(), tr("Открыть Шоу"), folder,
                                                           ShowFileCommands::showFileFilter());
    if (chosen.isEmpty())
        return;
    file = QFile::encodeName(chosen).toStdString();
    // The open dialog remembers the file it gave, as for any other open.
    m_window.setOpenDialogFileName(chosen);
    ShowFileCommands &files = m_files;
    files.ConvertorFileName();
    showConveyorKeyFile(*slot(n), n, files.KonveyrShowName);
}

void ConveyorControl::SpeedButtonJob(int n)
{
    if (n < 1 || n > ConveyorGroup::SlotCount || !m_hand->isChecked())
        return;
    KonveyrButtonOff();
    slot(n)->setChecked(true);
    if (!assigned(n))
        return;
    m_window.setOpenDialogFileName(QFile::decodeName(m_window.engine().ConveyorFiles[slotIndex(n)].c_str()));
    m_files.ManualLoad();
}

void ConveyorControl::KonveyrButtonOff()
{
    for (int n = 1; n <= ConveyorGroup::SlotCount; ++n)
        slot(n)->setChecked(false);
}

void ConveyorControl::KonveyrJob()
{
    ConveyorSlots activeSlots{};
    ConveyorSlots assignedSlots{};
    for (int n = 1; n <= ConveyorGroup::SlotCount; ++n) {
        activeSlots[slotIndex(n)] = active(n);
        assignedSlots[slotIndex(n)] = assigned(n);
    }
    const ConveyorStep step = konveyrStep(KonveyrPosition, activeSlots, assignedSlots);
    ShowFileCommands &files = m_files;
    Engine &engine = m_window.engine();
    QString notLoaded;
    if (step.load != 0) {
        files.keepEditsAside();
        const QString inMemory = m_window.openDialogFileName();
        m_window.setOpenDialogFileName(QFile::decodeName(engine.ConveyorFiles[slotIndex(step.load)].c_str()));
        // A show that is gone or unreadable is reported; the list goes on with
        // the show in memory, and the label says the slot's show is not on.
        if (files.BlocOpenFile() != ShowFileCommands::Load::Loaded) {
            files.ConvertorFileName();
            notLoaded = files.KonveyrShowName;
            m_window.setOpenDialogFileName(inMemory);
        }
    }
    engine.setSys(SysCurrentScene, 0);
    RaschetAdr(engine, 0);
    files.ConvertorFileName();
    if (step.labelPosition != 0)
        m_label->setText(QString::number(step.labelPosition) + QLatin1Char(' ') +
                         (notLoaded.isEmpty() ? files.KonveyrShowName : ShowFileCommands::notLoadedText(notLoaded)));
    KonveyrPosition = step.nextPosition;
}

void ConveyorControl::SpeedButtonKonvHandClick() { m_sequencer.ModeStop(); }

void ConveyorControl::SpeedButtonKonvSpisBeginClick()
{
    KonveyrPosition = 1;
    KonveyrJob();
    m_sequencer.ModePlay();
}

void ConveyorControl::SpeedButtonKonvSpisClick()
{
    KonveyrJob();
    m_sequencer.ModePlay();
}

void ConveyorControl::SpeedButtonKonvNewClick()
{
    if (!m_window.dialogs().askYesNo(&m_window.mainWindow(), programTitle(), tr("Удалить все файлы конвейра ? ")))
        return;
    for (int n = 1; n <= ConveyorGroup::SlotCount; ++n) {
        m_window.engine().ConveyorFiles[slotIndex(n)].clear();
        showConveyorKeyCleared(*slot(n), n);
        slot(n)->setChecked(false);
    }
}

} // namespace korvanel
