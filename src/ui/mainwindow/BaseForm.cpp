#include "ui/mainwindow/BaseForm.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <utility>

#include "control/ControlLayer.h"
#include "core/Engine.h"
#include "ui/mainwindow/ChannelColorCommands.h"
#include "ui/mainwindow/KeyboardControl.h"
#include "ui/mainwindow/KeyboardFocus.h"
#include "ui/mainwindow/MainMenu.h"
#include "ui/mainwindow/MainToolBar.h"
#include "ui/mainwindow/MouseWheel.h"
#include "ui/mainwindow/SceneCommands.h"
#include "ui/mainwindow/ShowFileCommands.h"
#include "ui/mainwindow/WindowActions.h"
#include "ui/midi/MidiGroup.h"
#include "ui/midi/MidiLearn.h"
#include "ui/midi/MidiLink.h"
#include "ui/midi/MidiSurface.h"
#include "ui/osc/OscGroup.h"
#include "ui/osc/OscInput.h"
#include "ui/pages/beam/BeamEditorPanel.h"
#include "ui/pages/beam/BeamEditorTab.h"
#include "ui/pages/coder/CoderTab.h"
#include "ui/pages/copy/BlockCopyGroups.h"
#include "ui/pages/copy/BlockCopyTab.h"
#include "ui/pages/copy/NameBlockCopyGroup.h"
#include "ui/pages/faders/BlackoutLink.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/pages/faders/FaderTab.h"
#include "ui/pages/faders/LiveDisplay.h"
#include "ui/pages/faders/OutputModeButtons.h"
#include "ui/pages/faders/RateControls.h"
#include "ui/pages/generators/GeneratorsTab.h"
#include "ui/pages/graph/GraphEditorPanel.h"
#include "ui/pages/graph/GraphTab.h"
#include "ui/pages/options/OptionsTab.h"
#include "ui/pages/options/WindowColorGroup.h"
#include "ui/remote/RemoteGroup.h"
#include "ui/remote/RemoteServer.h"
#include "ui/remote/RemoteSurface.h"
#include "ui/rightcolumn/ChannelColorTab.h"
#include "ui/rightcolumn/ChannelSettingsGroup.h"
#include "ui/rightcolumn/ConveyorControl.h"
#include "ui/rightcolumn/ConveyorGroup.h"
#include "ui/rightcolumn/GrandMasterRow.h"
#include "ui/rightcolumn/LevelsTab.h"
#include "ui/rightcolumn/RateModeGroup.h"
#include "ui/rightcolumn/SequencerControl.h"
#include "ui/rightcolumn/SequencerTab.h"
#include "ui/rightcolumn/StaticPicturesGroup.h"
#include "ui/texts/InterfaceTexts.h"
#include "ui/widgets/CompactStyle.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/FocusChain.h"
#include "ui/widgets/WheelGuard.h"
#include "ui/windows/AboutForm.h"
#include "ui/windows/HelpWindow.h"
#include "ui/windows/OutputMonitor.h"

using namespace korvanel;

namespace {
// Runs its task once, after the event in which the window was first exposed
// (and so painted); or after a second, should that event never come.
class AfterFirstExpose : public QObject {
public:
    // Lives no longer than the window, which its owner outlives.
    AfterFirstExpose(QWindow &window, std::function<void()> task) : QObject(&window), m_task(std::move(task))
    {
        window.installEventFilter(this);
        QTimer::singleShot(1000, this, [this] { run(); });
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed())
            QTimer::singleShot(0, this, [this] { run(); });
        return false;
    }

private:
    void run()
    {
        if (m_task)
            std::exchange(m_task, nullptr)();
        deleteLater();
    }

    std::function<void()> m_task;
};

QWidget *emptyPage(QWidget *parent, const char *name)
{
    auto *page = new QWidget(parent);
    page->setObjectName(QString::fromLatin1(name));
    return page;
}
} // namespace

namespace {
// Room left above the window for a window manager's title bar.
constexpr int TitleBarAllowance = 32;

// The window's contents never shrink below the size their layout asks for:
// smaller than that, the scroll area around them scrolls instead of squeezing controls.
class DesignPane : public QWidget {
public:
    using QWidget::QWidget;
    QSize minimumSizeHint() const override { return sizeHint(); }
};
} // namespace

TBaseForm::TBaseForm(Engine &engine, QWidget *parent, Build build) : QMainWindow(parent), m_engine(engine)
{
    setObjectName(QStringLiteral("BaseForm"));
    setWindowTitle(QStringLiteral("KORVANEL"));
    // First: the controls built below send their commands to it from their first signal.
    m_control = std::make_unique<ControlLayer>(m_engine);
    // Before any control is polished, so that the wheel gives none of them the focus.
    new WheelGuard(this);

    // Silver until the show's own window colour is applied.
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silver);

    m_menu = new MainMenu(this);
    setMenuBar(m_menu);
    addToolBar(Qt::TopToolBarArea, new MainToolBar(*m_menu, this));

    auto *central = new DesignPane(this);
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    layout->addWidget(buildInputPages(), 1);
    layout->addWidget(buildRightColumn());
    // On a screen smaller than the design size (or a large scale factor) the
    // pages scroll instead of pushing the menu, tool bar and status line off it.
    m_fit = new QScrollArea(this);
    m_fit->setObjectName(QStringLiteral("ScrollBoxWindow"));
    m_fit->setFrameShape(QFrame::NoFrame);
    m_fit->setWidgetResizable(true);
    m_fit->setWidget(central);
    setCentralWidget(m_fit);
    buildStatusBar();

    // Every tab caption stays in sight at the design width, without scroll arrows.
    auto *compact = new CompactStyle(this);
    for (QTabBar *bar : findChildren<QTabBar *>()) {
        bar->setStyle(compact);
        bar->setUsesScrollButtons(false);
        bar->setExpanding(false);
    }
    m_blackoutLink = new BlackoutLink(m_engine, *m_control, *m_faderTab->outputModes(), *checkBoxBlackOut(),
                                      *m_sequencer->speedButtonStop(), this);
    OptionsTab &options = *m_options;
    m_showFiles = new ShowFileCommands(*this, *m_menu, *m_conveyor);

    m_sequencerControl = new SequencerControl(*this, *m_sequencer, *m_menu, *m_conveyor);
    connect(m_menu->items().AboutItem, &QAction::triggered, this, &TBaseForm::AboutItemClick);
    connect(m_menu->items().HelpItem, &QAction::triggered, this, &TBaseForm::HelpItemClick);
    connect(m_menu->items().MonitorItem, &QAction::triggered, this, &TBaseForm::MonitorItemClick);
    setPageRefresh(InputPage::Generators, [this] { m_generators->refresh(); });
    m_faderPage = new FaderPage(*this, *m_faderTab, *m_settings);
    const std::array<SnapshotPair, 4> snapshots{
        {m_faderTab->snapshot(), m_graphTab->snapshot(), m_beamTab->snapshot(), m_blockCopyTab->snapshot()}};
    m_sceneCommands = new SceneCommands(*this, *m_menu, *m_sequencer, snapshots);
    // Redo from the keyboard as other programs have it; a text field keeps these keys for its own text.
    auto *redo = new QAction(this);
    redo->setObjectName(QStringLiteral("RedoAction"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    addAction(redo);
    connect(redo, &QAction::triggered, m_sceneCommands, &SceneCommands::redo);
    m_rates = new RateControls(*this, *m_settings, *m_faderPage);
    m_wheel = new MouseWheel(*this);
    // Channel names, colours and pictures; the window colour; the live levels.
    m_windowColor = new WindowColorGroup(*this, options, *m_showFiles);
    m_channelColorTab = new ChannelColorTab(*this, *m_pageControlTemp, *m_channelColorPage, *m_faderPage);
    m_channelColorCommands = new ChannelColorCommands(*this, *m_menu, *m_faderPage, *m_windowColor);
    m_liveDisplay = new LiveDisplay(*this, *m_faderTab, *m_faderPage, *m_sequencer->speedButtonStop());
    // A name typed into a field reaches the show when the field is left; a save or a question comes first.
    m_showFiles->storeTypedText = [this] { m_faderPage->storeTypedNames(); };
    connect(&m_sequencerControl->TimerShouClock(), &QTimer::timeout, m_showFiles, &ShowFileCommands::checkForEdits);
    m_conveyorControl = new ConveyorControl(*this, *m_conveyor, *m_sequencerControl, *m_showFiles);
    m_actions =
        std::make_unique<WindowActions>(*this, *m_sequencerControl, *m_conveyorControl, *m_faderPage,
                                        WindowActions::Controls{*m_blackoutLink, *scrollBarTemp(), *scrolbarVertPos()});
    m_control->setActions(*m_actions);
    m_settings->pictures()->attach(*m_control);
    m_keyboard = new KeyboardControl(*this, *m_settings, *m_conveyor, *m_control, *options.labelKeySp());
    new KeyboardFocus(*this);
    // The remote page: off until the operator or the settings file switch it on.
    m_remoteServer = new RemoteServer(this);
    m_remoteGroup = new RemoteGroup(*m_remoteServer, &options);
    options.addGroup(m_remoteGroup);
    onClosing(m_remoteServer, [this] { m_remoteServer->stop(); });
    m_remoteSurface = new RemoteSurface(*this, *m_remoteServer, *m_control, *m_settings, *m_conveyor,
                                        *m_conveyorControl, *m_faderPage);
    // The OSC input: off until the operator or the settings file switch it on.
    m_oscInput = new OscInput(*m_control, this);
    m_oscGroup = new OscGroup(*m_oscInput, &options);
    options.addGroup(m_oscGroup);
    onClosing(m_oscInput, [this] { m_oscInput->stop(); });
    // MIDI controllers: off until the operator or the settings file switch them on.
    m_midiLink = new MidiLink(this);
    m_midiSurface = new MidiSurface(*m_midiLink, *m_control, this);
    m_midiLearn = new MidiLearn(*m_faderPage, *m_settings->pictures(), *m_sequencer, *checkBoxBlackOut(),
                                *m_faderTab->outputModes()->blackOut(), *m_conveyor, this);
    m_midiGroup = new MidiGroup(*m_midiLink, *m_midiSurface, *m_midiLearn, &options);
    options.addGroup(m_midiGroup);
    onClosing(m_midiLink, [this] { m_midiLink->setEnabled(false); });

    // Nothing reaches an editor page before a page change shows it: that change builds them first.
    connect(m_pageControlInput, &QTabWidget::currentChanged, this, &TBaseForm::buildEditorPages);
    connect(m_pageControlInput, &QTabWidget::currentChanged, this, &TBaseForm::pageChanged);
    // Texts composed of words and numbers are composed again in the new language.
    connect(&InterfaceTexts::instance(), &InterfaceTexts::languageChanged, this, [this] {
        ReturnDataSystem();
        for (const std::function<void()> &refresh : m_pageRefresh)
            if (refresh)
                refresh();
    });
    // PageControlInputChange: a page change rereads the show into the new page.
    connect(m_pageControlInput, &QTabWidget::currentChanged, this, [this] { ReturnPageControlAll(); });

    if (build == Build::Complete)
        buildEditorPages();
    else
        orderFocus();

    resize(DesignWidth, DesignHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TBaseForm::fitInto(const QRect &available)
{
    const QRect room = available.adjusted(0, 0, 0, -TitleBarAllowance);
    resize(size().boundedTo(room.size()));
    move(room.center() - rect().center());
}

TBaseForm::~TBaseForm()
{
    // The keyboard's filter still sees events while the window's children go; the layer it commands goes first.
    delete m_keyboard;
    m_keyboard = nullptr;
}

void TBaseForm::buildEditorPagesOnceShown()
{
    if (QWindow *window = windowHandle(); window && !m_editorPagesBuilt)
        new AfterFirstExpose(*window, [this] { buildEditorPages(); });
    else
        buildEditorPages();
}

void TBaseForm::buildEditorPages()
{
    if (m_editorPagesBuilt)
        return;
    m_editorPagesBuilt = true;
    m_blockCopyGroups = new BlockCopyGroups(*this, *m_sceneCommands, m_blockCopyTab);
    m_blockCopyTab->editorArea()->addWidget(m_blockCopyGroups);
    m_graphPanel = new GraphEditorPanel(*this);
    m_graphTab->editorArea()->addWidget(m_graphPanel);
    auto *beam = new BeamEditorPanel(*this, *m_sceneCommands);
    m_beamTab->editorArea()->addWidget(beam);
    m_nameBlockCopy = new NameBlockCopyGroup(*this, *m_sceneCommands, *m_faderPage, m_blockCopyGroups);
    m_blockCopyGroups->nameBlockArea()->addWidget(m_nameBlockCopy);
    // Made while the window is shown they start hidden, and the window would size
    // without them: shown, they wait for their page as if made before the window,
    // and the pages' control takes their room into account now, not when a page shows.
    for (QWidget *panel : {static_cast<QWidget *>(m_blockCopyGroups), static_cast<QWidget *>(m_graphPanel),
                           static_cast<QWidget *>(beam), static_cast<QWidget *>(m_nameBlockCopy)})
        panel->show();
    m_pageControlInput->updateGeometry();
    m_wheel->setEditorBars(m_graphPanel->scrollBarChanellGrafik(), beam->scrollBarEditXYCh1());
    orderFocus();
}

void TBaseForm::orderFocus()
{
    // Tab follows the window's layout: the pages, then the right column, each
    // group whole; pages built late have their controls in their place.
    chainFocus(focusOrder(*this, {{m_faderTab->faderRowsLayout()->parentWidget(), m_faderPage->focusOrder()}}));
}

QWidget *TBaseForm::buildInputPages()
{
    auto *pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControlInput"));
    m_pageControlInput = pages;
    // The page refresh and the mouse wheel go by the page's place on the tab bar.
    const auto add = [pages](InputPage page, QWidget *widget, const QString &caption) {
        [[maybe_unused]] const int index = pages->addTab(widget, caption);
        Q_ASSERT(index == static_cast<int>(page));
    };
    m_faderTab = new FaderTab(m_engine, pages);
    add(InputPage::Faders, m_faderTab, tr("Фэйдера"));
    m_graphTab = new GraphTab(pages);
    add(InputPage::Graph, m_graphTab, tr("График Канала"));
    m_beamTab = new BeamEditorTab(pages);
    add(InputPage::Beam, m_beamTab, tr("Редактор луча"));
    m_blockCopyTab = new BlockCopyTab(pages);
    add(InputPage::Copy, m_blockCopyTab, tr("Копирование"));
    m_generators = new GeneratorsTab(m_engine, pages);
    add(InputPage::Generators, m_generators, tr("Автоматы"));
    m_options = new OptionsTab(pages);
    add(InputPage::Options, m_options, tr("Опции"));
    m_coderTab = new CoderTab(m_engine, *this, pages);
    add(InputPage::Coder, m_coderTab, tr("DMX coder"));
    pages->setCurrentIndex(static_cast<int>(InputPage::Faders));
    return pages;
}

QWidget *TBaseForm::buildRightColumn()
{
    auto *column = new QWidget(this);
    column->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    column->setMinimumWidth(225);

    auto *play = new QGroupBox(tr("Управление сценами"), column);
    play->setObjectName(QStringLiteral("GroupBoxPlay"));
    auto *temp = new QTabWidget(play);
    temp->setObjectName(QStringLiteral("PageControlTemp"));
    m_pageControlTemp = temp;
    m_sequencer = new SequencerTab(temp);
    temp->addTab(m_sequencer, tr("Секвенсер"));
    m_channelColorPage = emptyPage(temp, "TabSheet2");
    temp->addTab(m_channelColorPage, tr("Цвет канала"));
    auto *playLayout = new QVBoxLayout(play);
    playLayout->setContentsMargins(2, 2, 2, 2);
    playLayout->addWidget(temp);

    m_settings = new ChannelSettingsGroup(m_engine, column);
    m_conveyor = new ConveyorGroup(column);

    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(play);
    layout->addWidget(m_settings);
    layout->addWidget(m_conveyor);
    m_rightColumn = column;
    return column;
}

void TBaseForm::buildStatusBar()
{
    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar"));
    m_statusPanel0 = new QLabel(QStringLiteral("empty"), bar);
    m_statusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    // At least the design width; a longer message runs on over the bar, and
    // onto a second line rather than being cut; it never widens the window.
    m_statusPanel0->setMinimumWidth(200);
    m_statusPanel0->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_statusPanel0->setWordWrap(true);
    bar->addWidget(m_statusPanel0, 1);
    // The grand master under the right column: always in sight, and the pages
    // above keep their design height.
    m_grandMaster = new GrandMasterRow(m_engine.live, bar);
    m_grandMaster->followWidthOf(*m_rightColumn);
    bar->addPermanentWidget(m_grandMaster);
    m_status = new StatusLine(m_statusPanel0, this);
    setStatusBar(bar);
}

QTabWidget *TBaseForm::pageControlUst() const { return m_settings->pages(); }
QScrollBar *TBaseForm::scrollBarTemp() const { return m_sequencer->scrollBarTemp(); }
QScrollBar *TBaseForm::scrollBarStep() const { return m_sequencer->scrollBarStep(); }
QScrollBar *TBaseForm::scrolbarVertPos() const { return m_faderTab->scrolbarVertPos(); }
QLabel *TBaseForm::labelTemp() const { return m_sequencer->labelTemp(); }
QLabel *TBaseForm::labelStep() const { return m_sequencer->labelStep(); }
QLabel *TBaseForm::labelCoda() const { return m_sequencer->labelCoda(); }
QLabel *TBaseForm::labelDiskFree() const { return m_options->labelDiskFree(); }
QLabel *TBaseForm::labelDiskSize() const { return m_options->labelDiskSize(); }
QLabel *TBaseForm::labelKolvoUSB() const { return m_options->labelKolvoUSB(); }
QLabel *TBaseForm::labelTipFtdi() const { return m_options->labelTipFtdi(); }
QLabel *TBaseForm::labelUSBnomber() const { return m_options->labelUSBnomber(); }
QToolButton *TBaseForm::speedButtonUndo1() const { return m_faderTab->snapshot().undo; }
QToolButton *TBaseForm::speedButtonUndo3() const { return m_graphTab->snapshot().undo; }
QToolButton *TBaseForm::speedButtonUndo4() const { return m_beamTab->snapshot().undo; }
QToolButton *TBaseForm::speedButtonUndo5() const { return m_blockCopyTab->snapshot().undo; }
QCheckBox *TBaseForm::checkBoxFlashOn() const { return m_settings->checkBoxFlashOn(); }
QCheckBox *TBaseForm::checkBoxBlackOut() const { return m_settings->checkBoxBlackOut(); }
korvanel::RateModeGroup *TBaseForm::radioGroupRate() const { return m_settings->rateMode(); }

void TBaseForm::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program; the shutdown hooked here runs once.
    if (!m_closingSent) {
        // Unsaved edits of the show or the recoding table: the operator may keep the program running.
        if (!m_showFiles->mayDropShow() || !m_coderTab->mayDropTable()) {
            event->ignore();
            return;
        }
        m_closingSent = true;
        emit closing();
    }
    event->accept();
}

void TBaseForm::AboutItemClick()
{
    TAboutForm about(this);
    about.exec();
}

void TBaseForm::MonitorItemClick()
{
    if (m_monitor == nullptr)
        m_monitor = new OutputMonitor(m_engine, this);
    m_monitor->show();
    m_monitor->raise();
    m_monitor->activateWindow();
}

void TBaseForm::HelpItemClick()
{
    // One help window, brought to the front when asked for again.
    if (!m_help)
        m_help = new HelpWindow(QString::fromStdString(m_engine.files.HelpFileName), this);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}
