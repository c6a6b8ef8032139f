#include "app/AppShell.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QStorageInfo>
#include <QTimer>

#include "app/CompanionLocation.h"
#include "app/DescriptorLimit.h"
#include "app/DiskLabels.h"
#include "app/RealtimeKit.h"
#include "control/ControlLayer.h"
#include "output/FrameAssembly.h"
#include "output/FtdiBackends.h"
#include "output/OlaClientApi.h"
#include "output/OlaOutput.h"
#include "output/UsbLink.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/mainwindow/ChannelColorCommands.h"
#include "ui/mainwindow/MainMenu.h"
#include "ui/mainwindow/SettingsCommands.h"
#include "ui/mainwindow/ShowFileCommands.h"
#include "ui/mainwindow/UsbLinkPanel.h"
#include "ui/midi/MidiGroup.h"
#include "ui/midi/MidiSurface.h"
#include "ui/pages/coder/CoderTab.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/pages/options/OlaGroup.h"
#include "ui/pages/options/OptionsTab.h"
#include "ui/remote/RemoteServer.h"
#include "ui/rightcolumn/ChannelColorTab.h"
#include "ui/rightcolumn/ConveyorGroup.h"
#include "ui/rightcolumn/GrandMasterRow.h"
#include "ui/texts/InterfaceTexts.h"
#include "ui/widgets/CompactStyle.h"

using namespace korvanel;

AppShell::AppShell(Engine &engine, TBaseForm &form, QString programPath, QString dataFolder)
    : m_engine(engine), m_form(form), m_programPath(std::move(programPath)), m_dataFolder(std::move(dataFolder))
{
    connect(form.mainMenu()->items().ExitItem, &QAction::triggered, this, &AppShell::ExitItemClick);
    connect(&form, &TBaseForm::closing, this, &AppShell::FormClose);
    // The read-outs worded once at start-up follow a change of language.
    connect(&InterfaceTexts::instance(), &InterfaceTexts::languageChanged, this, [this] {
        showDiskLabels();
        if (m_usb)
            recheckOutputPriority();
    });
}

AppShell::~AppShell()
{
    m_ticker.stop();
    m_form.control().setLink(nullptr);
}

void AppShell::nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("korvanel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVANEL_VERSION));
}

void AppShell::configureApplication()
{
    nameApplication();
    // The desktop entry's name, so a window list finds the entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("korvanel"));
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/%1x%1/apps/korvanel.png").arg(size), QSize(size, size));
    QGuiApplication::setWindowIcon(icon);
    raiseDescriptorLimit();
    boundStyleDrawingCache();
}

void AppShell::FormCreate()
{
    // 1. USB link: enumerate the devices and start polling.
    InitUsbDevise();
    // The OLA output's worker; it connects once switched on (settings, step 12).
    startOlaOutput();
    // 2. Companion file names; where the program's folder takes no file, the operator is told once.
    const CompanionPlaces places = locateCompanionFiles(m_programPath, m_dataFolder);
    m_engine.files = places.files;
    if (!places.writeFolder.isEmpty() && !places.installed)
        m_form.OutStatus(tr(" Папка программы только для чтения: настройки сохраняются в %1 ")
                             .arg(QDir::toNativeSeparators(places.writeFolder)));
    // 3. USB enumeration texts.
    m_usbPanel->showEnumerationTexts();
    // 4. Name-field colour tables.
    m_engine.colors.setStartNameColors();
    // 5-7. Identity recoding, empty names, generator tempos.
    initialiseAtStart(m_engine);
    // 8. Names on the fader page.
    m_form.faderPage()->ReturnName();
    // 9. Disk texts.
    showDiskLabels();
    // 10. Clear the show, so the first frame is all zeros.
    m_form.ClearAll();
    // 11. From here on frames flow.
    armOutput();
    // 12. Settings file. The remote page's token is the user's alone, wherever the other files are.
    m_form.remoteServer()->setTokenFile(QDir(m_dataFolder).filePath(QStringLiteral("remote-token")));
    // The MIDI bindings are the user's too, beside the token.
    m_form.midiSurface()->setBindingFile(QDir(m_dataFolder).filePath(QStringLiteral("midi-bindings")));
    const IniSettings settings =
        ReadIniFile(m_form, *m_form.coderTab(), *m_form.conveyor(), *m_form.remoteGroup(), *m_form.oscGroup());
    m_olaGroup->applySettings(settings.Ola);
    m_form.midiGroup()->applySettings(settings.Midi);
    m_form.grandMaster()->setPercent(settings.GrandMaster);
    // 13. The show named on the command line, else the show last saved; the autosave runs from here to exit.
    const QString refused = m_startShow.isEmpty() ? QString() : m_form.showFiles()->openAtStart(m_startShow);
    if ((m_startShow.isEmpty() || !refused.isEmpty()) && !m_form.openDialogFileName().isEmpty())
        m_form.showFiles()->BlocOpenFile();
    if (!refused.isEmpty())
        QTimer::singleShot(0, this, [this, refused] { m_form.dialogs().error(&m_form, refused); });
    m_form.showFiles()->TimerAvtoSave().start();
    // 14. Page refresh.
    m_form.ReturnPageControlAll();
    // 15. The link's status text; whether the output runs without real-time priority.
    QString first = m_usbPanel->UsbStatusText();
    if (m_ticker.priority() == OutputTicker::Priority::Normal)
        first += tr(" Вывод DMX без приоритета реального времени ");
    m_form.OutStatus(first);
    recheckOutputPriority();
    // RTKit may apply a request it answered too late for the start-up to wait.
    if (m_kitAnswer && m_kitAnswer->answer == RealtimeKitResult::Answer::NoReply)
        QTimer::singleShot(3000, this, &AppShell::recheckOutputPriority);
    // 16. Colour file.
    m_form.channelColorCommands()->LoadColorEdit(QString::fromStdString(m_engine.files.ColFileName));
    m_form.channelColorTab()->UpdateColorEditAll();
    // 17. Recoding table, loaded last: the first frames go out with the identity.
    loadCoderTable();
}

void AppShell::loadCoderTable()
{
    CoderTab &coder = *m_form.coderTab();
    const QString own = QString::fromStdString(m_engine.files.CoderFileName);
    // When the settings name no table that is there, the program's own table is
    // the one to load: the identity is written only where there is none.
    const QString named = coder.SaveDialogCoderFileName;
    if ((named.isEmpty() || !QFileInfo::exists(named)) && QFileInfo::exists(own)) {
        coder.OpenDialogCoderFileName = own;
        coder.SaveDialogCoderFileName = own;
    }
    coder.loadAtStart(own);
}

void AppShell::showDiskLabels()
{
    const QStorageInfo disk(QDir::currentPath());
    m_form.labelDiskFree()->setText(diskFreeText(disk.bytesAvailable()));
    m_form.labelDiskSize()->setText(diskSizeText(disk.bytesTotal()));
}

void AppShell::InitUsbDevise()
{
    FtdiBackendChoice backend = chooseFtdiBackend(executableFolder());
    m_usbLibrary = std::move(backend.api);
    m_usb = std::make_unique<UsbLink>(*m_usbLibrary);
    m_usb->InitUsbDevise();
    m_form.control().setLink(m_usb.get());
    m_usbPanel =
        std::make_unique<UsbLinkPanel>(m_form, *m_form.sequencer(), *m_form.optionsTab(), *m_form.StatusPanel0(),
                                       *m_usb, QString::fromStdString(backend.name), backend.refused);
    // A library that is there but refused is worth a word at start-up.
    if (!backend.refused.empty())
        m_form.OutStatus(UsbLinkPanel::refusalsText(backend.refused));
}

void AppShell::startOlaOutput()
{
    m_ola = std::make_unique<OlaOutput>(makeOlaClient());
    m_ola->start();
    m_olaGroup = std::make_unique<OlaGroup>(m_form, *m_form.optionsTab(), *m_ola);
}

void AppShell::armOutput()
{
    Engine &engine = m_engine;
    UsbLink &usb = *m_usb;
    OlaOutput &ola = *m_ola;
    // The OLA output only takes the frame over, before the USB write that may
    // take long; its own thread sends it. The link's poll runs here too, after
    // the send: the device is used by this thread only.
    m_ticker.start(
        [&engine, &usb, &ola] {
            buildFrame(engine);
            ola.publish(engine.DmxOut);
            usb.outputTick(engine.DmxOut);
        },
        [this](std::int64_t thread, int priority) {
            m_kitAnswer = std::make_unique<RealtimeKitResult>(requestRealtimeFromKit(thread, priority));
        });
}

void AppShell::recheckOutputPriority()
{
    m_form.optionsTab()->labelOutputPriority()->setText(
        outputPriorityText(m_ticker.recheckPriority(), m_kitAnswer.get()));
}

void AppShell::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    // 1. Colour file.
    m_form.channelColorCommands()->saveColorsAtExit(QString::fromStdString(m_engine.files.ColFileName));
    // 2. Frames stop before the device is closed and the settings are written.
    m_ticker.stop();
    // 3. Close the USB device; the OLA output sends the last frame and closes (150 ms at most).
    if (m_usb)
        m_usb->CloseUsbDevise();
    IniSettings others;
    others.GrandMaster = m_form.grandMaster()->percent();
    if (m_ola) {
        m_ola->stop();
        others.Ola = m_olaGroup->settings();
    }
    others.Midi = m_form.midiGroup()->settings();
    // 4. Settings file, written last.
    WriteIniFile(m_form, *m_form.coderTab(), *m_form.remoteGroup(), *m_form.oscGroup(), std::move(others));
}

void AppShell::ExitItemClick() { m_form.close(); }
