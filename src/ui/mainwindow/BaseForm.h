#pragma once
// The main window: tool bar and menus, the seven main pages on the left, the
// scene control, channel settings and conveyor groups on the right, and the
// status line.

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "ui/mainwindow/Dialogs.h"
#include "ui/mainwindow/StatusLine.h"
#include "ui/mainwindow/WindowServices.h"

class QCheckBox;
class QLabel;
class QRect;
class QScrollArea;
class QScrollBar;
class QTabWidget;
class QToolButton;

namespace korvanel {
struct Engine;
class BeamEditorTab;
class BlackoutLink;
class BlockCopyGroups;
class BlockCopyTab;
class ChannelColorCommands;
class ChannelColorTab;
class ChannelSettingsGroup;
class ConveyorControl;
class ConveyorGroup;
class GrandMasterRow;
class OutputMonitor;
class FaderPage;
class FaderTab;
class GeneratorsTab;
class GraphEditorPanel;
class GraphTab;
class HelpWindow;
class MouseWheel;
class RateControls;
class LiveDisplay;
class NameBlockCopyGroup;
class OptionsTab;
class WindowColorGroup;
class CoderTab;
class ControlLayer;
class KeyboardControl;
class WindowActions;
class SequencerControl;
class MainMenu;
class RateModeGroup;
class OscGroup;
class OscInput;
class RemoteGroup;
class RemoteServer;
class RemoteSurface;
class MidiGroup;
class MidiLearn;
class MidiLink;
class MidiSurface;
class SceneCommands;
class SequencerTab;
class ShowFileCommands;
} // namespace korvanel

// The window class keeps the system's name, outside the engine's namespace. It
// builds every page and group and hands each the services and the few controls
// of other pages it uses; nothing but the program's start-up includes this header.
class TBaseForm : public QMainWindow, public korvanel::WindowServices {
    Q_OBJECT
public:
    // Complete: the constructor builds every page. EditorPagesLater: the graph,
    // beam and copy pages, never on screen at start, wait for buildEditorPages(),
    // so that the first window is shown sooner; a change to any page builds them first.
    enum class Build { Complete, EditorPagesLater };
    explicit TBaseForm(korvanel::Engine &engine, QWidget *parent = nullptr, Build build = Build::Complete);
    ~TBaseForm() override;

    // Builds the graph, beam and copy pages' contents; once.
    void buildEditorPages();
    // After show(): builds them once the first paint is done.
    void buildEditorPagesOnceShown();
    bool editorPagesBuilt() const { return m_editorPagesBuilt; }
    // Before the first show: on a screen smaller than the design size the window
    // takes what the screen has (title bar included) and its pages scroll.
    void fitInto(const QRect &available);

    // Any named control or menu item of the window, or nullptr. For tests and
    // tools, which drive the window by name; the window's own code holds typed pointers.
    template <class T>
    T *control(const char *name) const
    {
        return findChild<T *>(QString::fromLatin1(name)); // name look-up: for tests and tools
    }

    QLabel *StatusPanel0() const { return m_statusPanel0; }

    korvanel::Engine &engine() const override { return m_engine; }
    korvanel::ControlLayer &control() const override { return *m_control; }
    Dialogs &dialogs() const override { return *m_dialogs; }
    void setDialogs(std::unique_ptr<Dialogs> dialogs) { m_dialogs = std::move(dialogs); }
    QWidget &mainWindow() override { return *this; }

    // Show-level refresh of the window (BaseFormShow.cpp).
    void ClearAll() override;
    void ReturnDataSystem();
    void ReturnPageControlAll() override;
    void TempStatus() override;
    void showSceneReadouts() override;
    void disableUndo() override;
    void OutStatus(const QString &text) override { m_status->OutStatus(text); }
    bool statusMessageShowing() const override { return m_status->showing(); }
    StatusLine &statusLine() const { return *m_status; }
    void setPageRefresh(korvanel::InputPage page, std::function<void()> refresh) override;
    korvanel::InputPage currentPage() const override;
    QString captionPrefix() const override { return m_captionPrefix; }
    void setCaptionPrefix(const QString &prefix) override { m_captionPrefix = prefix; }
    QString openDialogFileName() const override { return m_openDialogFileName; }
    void setOpenDialogFileName(const QString &name) override { m_openDialogFileName = name; }
    QString saveDialogFileName() const override { return m_saveDialogFileName; }
    void setSaveDialogFileName(const QString &name) override { m_saveDialogFileName = name; }
    void announceShowReplaced() override { emit showReplaced(); }
    void onShowReplaced(QObject *receiver, std::function<void()> handler) override;
    void onClosing(QObject *receiver, std::function<void()> handler) override;

    korvanel::MainMenu *mainMenu() const { return m_menu; }
    korvanel::SequencerTab *sequencerTab() const { return m_sequencer; }
    korvanel::FaderTab *faderTab() const { return m_faderTab; }
    korvanel::GeneratorsTab *generatorsTab() const { return m_generators; }
    korvanel::OptionsTab *optionsTab() const { return m_options; }
    korvanel::SequencerControl *sequencer() const { return m_sequencerControl; }
    korvanel::HelpWindow *helpWindow() const { return m_help; }
    korvanel::RateControls *rates() const { return m_rates; }
    korvanel::MouseWheel *mouseWheel() const { return m_wheel; }
    korvanel::ChannelSettingsGroup *channelSettings() const { return m_settings; }
    korvanel::ConveyorGroup *conveyor() const { return m_conveyor; }
    korvanel::GrandMasterRow *grandMaster() const { return m_grandMaster; }
    korvanel::ConveyorControl *conveyorControl() const { return m_conveyorControl; }
    korvanel::KeyboardControl *keyboard() const { return m_keyboard; }
    korvanel::CoderTab *coderTab() const { return m_coderTab; }
    korvanel::BlackoutLink *blackoutLink() const { return m_blackoutLink; }
    korvanel::ShowFileCommands *showFiles() const { return m_showFiles; }
    korvanel::FaderPage *faderPage() const { return m_faderPage; }
    korvanel::SceneCommands *sceneCommands() const { return m_sceneCommands; }
    korvanel::BlockCopyGroups *blockCopyGroups() const { return m_blockCopyGroups; }
    korvanel::WindowColorGroup *windowColor() const { return m_windowColor; }
    korvanel::ChannelColorTab *channelColorTab() const { return m_channelColorTab; }
    korvanel::ChannelColorCommands *channelColorCommands() const { return m_channelColorCommands; }
    korvanel::NameBlockCopyGroup *nameBlockCopy() const { return m_nameBlockCopy; }
    korvanel::LiveDisplay *liveDisplay() const { return m_liveDisplay; }
    // The remote page: its server, the options page group and the bridge to the window.
    korvanel::RemoteServer *remoteServer() const { return m_remoteServer; }
    korvanel::RemoteGroup *remoteGroup() const { return m_remoteGroup; }
    korvanel::RemoteSurface *remoteSurface() const { return m_remoteSurface; }
    // The OSC input and its options page group.
    korvanel::OscInput *oscInput() const { return m_oscInput; }
    korvanel::OscGroup *oscGroup() const { return m_oscGroup; }
    // MIDI controllers: the ports, the bridge to the control layer, learning, the options page group.
    korvanel::MidiLink *midiLink() const { return m_midiLink; }
    korvanel::MidiSurface *midiSurface() const { return m_midiSurface; }
    korvanel::MidiLearn *midiLearn() const { return m_midiLearn; }
    korvanel::MidiGroup *midiGroup() const { return m_midiGroup; }

    // The controls that the program's own operations use most, from the pages that own them.
    QTabWidget *pageControlInput() const { return m_pageControlInput; }
    QTabWidget *pageControlTemp() const { return m_pageControlTemp; }
    QTabWidget *pageControlUst() const;
    QScrollBar *scrollBarTemp() const;
    QScrollBar *scrollBarStep() const;
    QScrollBar *scrolbarVertPos() const;
    QLabel *labelTemp() const;
    QLabel *labelStep() const;
    QLabel *labelCoda() const;
    QLabel *labelDiskFree() const;
    QLabel *labelDiskSize() const;
    QLabel *labelKolvoUSB() const;
    QLabel *labelTipFtdi() const;
    QLabel *labelUSBnomber() const;
    QToolButton *speedButtonUndo1() const;
    QToolButton *speedButtonUndo3() const;
    QToolButton *speedButtonUndo4() const;
    QToolButton *speedButtonUndo5() const;
    QCheckBox *checkBoxFlashOn() const;
    QCheckBox *checkBoxBlackOut() const;
    korvanel::RateModeGroup *radioGroupRate() const;

public slots:
    void AboutItemClick();
    void HelpItemClick();
    // The output monitor, made when first asked for.
    void MonitorItemClick();

signals:
    // The shown page of PageControlInput changed (PageControlInputChange).
    void pageChanged(int index);
    // The window is about to close; sent once.
    void closing();
    // Another show replaced the one in memory (loaded or cleared).
    void showReplaced();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildInputPages();
    QWidget *buildRightColumn();
    void buildStatusBar();
    void orderFocus();

    korvanel::Engine &m_engine;
    QString m_captionPrefix = QStringLiteral("KORVANEL ");
    QString m_openDialogFileName;
    QString m_saveDialogFileName = QStringLiteral("Unit_001"); // no folder: Save writes to the working folder
    QScrollArea *m_fit = nullptr;
    korvanel::MainMenu *m_menu = nullptr;
    korvanel::SequencerTab *m_sequencer = nullptr;
    korvanel::FaderTab *m_faderTab = nullptr;
    korvanel::GeneratorsTab *m_generators = nullptr;
    korvanel::GraphTab *m_graphTab = nullptr;
    korvanel::BeamEditorTab *m_beamTab = nullptr;
    korvanel::BlockCopyTab *m_blockCopyTab = nullptr;
    korvanel::OptionsTab *m_options = nullptr;
    // The channel colour tab's page in PageControlTemp, filled by ChannelColorTab.
    QWidget *m_channelColorPage = nullptr;
    // Built with the editor pages.
    korvanel::GraphEditorPanel *m_graphPanel = nullptr;
    korvanel::SequencerControl *m_sequencerControl = nullptr;
    korvanel::HelpWindow *m_help = nullptr;
    korvanel::RateControls *m_rates = nullptr;
    korvanel::MouseWheel *m_wheel = nullptr;
    korvanel::ChannelSettingsGroup *m_settings = nullptr;
    korvanel::ConveyorGroup *m_conveyor = nullptr;
    korvanel::GrandMasterRow *m_grandMaster = nullptr;
    QWidget *m_rightColumn = nullptr;
    korvanel::OutputMonitor *m_monitor = nullptr;
    korvanel::ConveyorControl *m_conveyorControl = nullptr;
    korvanel::KeyboardControl *m_keyboard = nullptr;
    korvanel::CoderTab *m_coderTab = nullptr;
    std::unique_ptr<korvanel::ControlLayer> m_control;
    std::unique_ptr<korvanel::WindowActions> m_actions;
    korvanel::BlackoutLink *m_blackoutLink = nullptr;
    korvanel::ShowFileCommands *m_showFiles = nullptr;
    korvanel::FaderPage *m_faderPage = nullptr;
    korvanel::SceneCommands *m_sceneCommands = nullptr;
    korvanel::BlockCopyGroups *m_blockCopyGroups = nullptr;
    korvanel::WindowColorGroup *m_windowColor = nullptr;
    korvanel::ChannelColorTab *m_channelColorTab = nullptr;
    korvanel::ChannelColorCommands *m_channelColorCommands = nullptr;
    korvanel::NameBlockCopyGroup *m_nameBlockCopy = nullptr;
    korvanel::LiveDisplay *m_liveDisplay = nullptr;
    korvanel::RemoteServer *m_remoteServer = nullptr;
    korvanel::RemoteGroup *m_remoteGroup = nullptr;
    korvanel::RemoteSurface *m_remoteSurface = nullptr;
    korvanel::OscInput *m_oscInput = nullptr;
    korvanel::OscGroup *m_oscGroup = nullptr;
    korvanel::MidiLink *m_midiLink = nullptr;
    korvanel::MidiSurface *m_midiSurface = nullptr;
    korvanel::MidiLearn *m_midiLearn = nullptr;
    korvanel::MidiGroup *m_midiGroup = nullptr;
    QTabWidget *m_pageControlInput = nullptr;
    QTabWidget *m_pageControlTemp = nullptr;
    QLabel *m_statusPanel0 = nullptr;
    StatusLine *m_status = nullptr;
    std::unique_ptr<Dialogs> m_dialogs = std::make_unique<QtDialogs>();
    std::array<std::function<void()>, korvanel::InputPageCount> m_pageRefresh;
    bool m_closingSent = false;
    bool m_editorPagesBuilt = false;
};
