#include "ui/windows/StaticForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>
#include <QWindow>

#include "core/Engine.h"
#include "editing/StaticPictures.h"
#include "editing/Undo.h"
#include "ui/mainwindow/Dialogs.h"
#include "ui/mainwindow/MainMenu.h"
#include "ui/mainwindow/ShowFileCommands.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/rightcolumn/RateModeGroup.h"
#include "ui/rightcolumn/SequencerTab.h"
#include "ui/widgets/Controls.h"

using namespace korvanel;

namespace {

struct PictureButtons {
    const char *read;
    const char *write;
    const char *caption;
};

// Picture k = 0..15, in the output order of the picture switches.
constexpr PictureButtons Buttons[StaticPictureCount] = {
    {"SpeedButton1", "SpeedButton9", "1"},       {"SpeedButton2", "SpeedButton16", "2"},
    {"SpeedButton3", "SpeedButton17", "3"},      {"SpeedButton4", "SpeedButton24", "4"},
    {"SpeedButton5", "SpeedButton10", "5"},      {"SpeedButton6", "SpeedButton15", "6"},
    {"SpeedButton7", "SpeedButton18", "7"},      {"SpeedButton8", "SpeedButton23", "8"},
    {"SpeedButtonSpase", "SpeedButton11", "--"}, {"SpeedButtonZ", "SpeedButton14", "Z"},
    {"SpeedButtonX", "SpeedButton19", "X"},      {"SpeedButtonC", "SpeedButton22", "C"},
    {"SpeedButtonV", "SpeedButton12", "V"},      {"SpeedButtonB", "SpeedButton13", "B"},
    {"SpeedButtonN", "SpeedButton20", "N"},      {"SpeedButtonM", "SpeedButton21", "M"},
};

constexpr int OffItem = 2; // RadioGroupRate "Выкл": levels reach the output without crossfade

} // namespace

TStaticForm::TStaticForm(WindowServices &window, const MainMenu &menu, FaderPage &faders, ShowFileCommands &files,
                         SequencerTab &sequencer, RateModeGroup &rateMode)
    : QWidget(nullptr, Qt::Tool), m_window(window), m_faders(faders), m_files(files),
      m_play(sequencer.speedButtonPlay()), m_rateMode(rateMode)
{
    setObjectName(QStringLiteral("StaticForm"));
    setWindowTitle(tr("Статические картинки"));
    // Closing the main window ends the program whether or not this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(buildButtonGroup(tr("Считать"), tr("Редактируемая статическая картинка"), false));
    layout->addWidget(buildButtonGroup(tr("Записать "), tr("Записать в  статическую картинку"), true));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(buildSceneChoice(), 1);
    bottom->addWidget(buildErase());
    layout->addLayout(bottom);
    setFixedSize(sizeHint());

    connect(menu.items().ChaserItem, &QAction::triggered, this, &TStaticForm::ChaserItemClick);
    // Leaving the program gives the show back what recording borrowed.
    window.onClosing(this, [this] { close(); });
    window.onShowReplaced(this, [this] { showReplaced(); });
}

void TStaticForm::showReplaced()
{
    // The undo belongs to the show it was taken from.
    m_undo->setEnabled(false);
    if (!m_recording)
        return;
    // Putting the old show's rows back would overwrite the new show's scene 0,
    // rates, current scene and selection: recording ends here without them.
    m_recording = false;
    m_files.borrowedRows = nullptr;
    m_play->show();
    close();
}

QWidget *TStaticForm::buildButtonGroup(const QString &title, const QString &hint, bool write)
{
    auto *group = new QGroupBox(title, this);
    group->setObjectName(QString::fromLatin1(write ? "GroupBoxWrite" : "GroupBoxRead"));
    auto *row = new QHBoxLayout(group);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(1);
    auto *buttons = new QButtonGroup(group);
    buttons->setExclusive(true);
    for (std::size_t k = 0; k < StaticPictureCount; ++k) {
        const PictureButtons &names = Buttons[k];
        QToolButton *button = makeSpeedButton(
            group,
            {write ? names.write : names.read, hint, QStyle::SP_CustomBase, QString::fromLatin1(names.caption), true});
        button->setFixedSize(22, 22);
        buttons->addButton(button);
        row->addWidget(button);
        (write ? m_write : m_read)[k] = button;
        if (write)
            connect(button, &QToolButton::clicked, this, [this, k] { SaveChaser(k); });
        else
            connect(button, &QToolButton::clicked, this, [this, k] { ReadChaser(k); });
    }
    // Pressing the hidden button of the group shows no picture in it.
    QToolButton *none =
        makeSpeedButton(group, {write ? "SpeedButton28" : "SpeedButton27", {}, QStyle::SP_CustomBase, {}, true});
    none->hide();
    buttons->addButton(none);
    none->setChecked(true);
    (write ? m_writeNone : m_readNone) = none;
    return group;
}

QWidget *TStaticForm::buildSceneChoice()
{
    auto *group = new QGroupBox(tr(" Выбор сцены  "), this);
    group->setObjectName(QStringLiteral("GroupBoxScene"));
    m_scene = makeScrollBar(group, {"ScrollBar1", Qt::Horizontal, 0, 255, 10, 0});
    m_sceneLabel = makeLabel(group, "Label1", QStringLiteral("1"));
    m_sceneLabel->setMinimumWidth(24);
    auto *row = new QHBoxLayout(group);
    row->setContentsMargins(2, 2, 2, 2);
    row->addWidget(m_scene, 1);
    row->addWidget(m_sceneLabel);
    connect(m_scene, &QScrollBar::valueChanged, this, &TStaticForm::ScrollBar1Change);
    return group;
}

QWidget *TStaticForm::buildErase()
{
    auto *group = new QGroupBox(tr("Стереть"), this);
    group->setObjectName(QStringLiteral("GroupBoxErase"));
    QToolButton *one =
        makeSpeedButton(group, {"SpeedButtonDel1", tr("Стереть редактируемую сцену"), QStyle::SP_DialogDiscardButton});
    QToolButton *all =
        makeSpeedButton(group, {"SpeedButtonDelAll", tr("Стереть все статические картинки "), QStyle::SP_TrashIcon});
    m_undo = makeSpeedButton(group, {"SpeedButtonUndoSt", tr("Вернуть прежнюю сцену"), QStyle::SP_ArrowBack});
    m_undo->setEnabled(false);
    auto *row = new QHBoxLayout(group);
    row->setContentsMargins(2, 2, 2, 2);
    for (QToolButton *button : {one, all, m_undo})
        row->addWidget(button);
    connect(one, &QToolButton::clicked, this, &TStaticForm::SpeedButtonDel1Click);
    connect(all, &QToolButton::clicked, this, &TStaticForm::SpeedButtonDelAllClick);
    connect(m_undo, &QToolButton::clicked, this, &TStaticForm::SpeedButtonUndoStClick);
    return group;
}

void TStaticForm::keepAboveMainWindow()
{
    // A tool window of the main window stays above it without being above every program.
    winId();
    if (QWindow *own = windowHandle()) {
        m_window.mainWindow().winId();
        own->setTransientParent(m_window.mainWindow().windowHandle());
    }
}

void TStaticForm::showBuffer()
{
    m_faders.CheckBoxFromMemory();
    m_window.ReturnPageControlAll();
    m_faders.ReturnScrollBars();
}

void TStaticForm::ChaserItemClick()
{
    // Opening again would keep the buffer as the show's own scene 0, which
    // closing could then never give back: the open window comes forward instead.
    if (m_recording) {
        show();
        raise();
        activateWindow();
        return;
    }
    Engine &engine = m_window.engine();
    store(engine.PlayMode, 0);
    m_undoStampAtStart = engine.undoHistory.nextStamp;
    beginPictureRecording(engine, m_pictureSave);
    m_faders.CheckBoxToMemory();
    keepSelection(engine, m_pictureSave);
    m_faders.CheckBoxFromMemory();
    m_recording = true;
    m_files.borrowedRows = [this](ShowImage &image) { putBorrowedRows(m_pictureSave, image); };
    m_play->hide();
    m_window.ReturnPageControlAll();
    m_rateMode.setItemIndex(OffItem);
    keepAboveMainWindow();
    show();
    raise();
    activateWindow();
}

void TStaticForm::ReadChaser(std::size_t k)
{
    korvanel::ReadChaser(m_window.engine(), k);
    showBuffer();
    m_writeNone->setChecked(true);
}

void TStaticForm::SaveChaser(std::size_t k)
{
    m_faders.CheckBoxToMemory();
    korvanel::SaveChaser(m_window.engine(), k);
    m_readNone->setChecked(true);
}

void TStaticForm::ScrollBar1Change(int position)
{
    m_sceneLabel->setText(QString::number(position + 1));
    copySceneToPictureBuffer(m_window.engine(), position);
    m_readNone->setChecked(true);
    m_writeNone->setChecked(true);
    showBuffer();
}

void TStaticForm::SpeedButtonDelAllClick()
{
    if (!m_window.dialogs().askYesNo(this, programTitle(), tr("Удалить все Статические картинки?")))
        return;
    m_undo->setEnabled(true);
    m_window.engine().SceneMemory.copyTo(m_undoImage);
    m_readNone->setChecked(true);
    m_writeNone->setChecked(true);
    eraseAllPictures(m_window.engine());
    showBuffer();
}

void TStaticForm::SpeedButtonDel1Click()
{
    if (!m_window.dialogs().askYesNo(this, programTitle(), tr("Удалить статическую картинку?")))
        return;
    m_undo->setEnabled(true);
    m_window.engine().SceneMemory.copyTo(m_undoImage);
    m_writeNone->setChecked(true);
    eraseSceneBuffer(m_window.engine());
    showBuffer();
}

void TStaticForm::SpeedButtonUndoStClick()
{
    if (!m_recording)
        return;
    m_undo->setEnabled(false);
    m_window.engine().SceneMemory.copyFrom(m_undoImage);
    m_window.ReturnPageControlAll();
    // The selection boxes follow the selection brought back even when another
    // page is shown, so the next write does not store stale boxes.
    m_faders.CheckBoxFromMemory();
}

void TStaticForm::closeEvent(QCloseEvent *event)
{
    m_undo->setEnabled(false);
    if (m_recording) {
        m_recording = false;
        m_files.borrowedRows = nullptr;
        Engine &engine = m_window.engine();
        // Main-window undo copies taken while recording get the show's own rows, as a save does.
        forEachUndoCopySince(engine, m_undoStampAtStart,
                             [this](UndoHistory::Image &copy) { putBorrowedRows(m_pictureSave, copy); });
        endPictureRecording(engine, m_pictureSave);
        m_faders.CheckBoxFromMemory();
        m_play->show();
        m_window.ReturnPageControlAll();
    }
    event->accept();
}
