// The show-level refresh of the main window: clearing a show, the caption,
// tempo and scene read-outs, and the page refresh that every change of the
// show ends with.
#include <algorithm>

#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include "core/Engine.h"
#include "editing/Undo.h"
#include "playback/Tempo.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/mainwindow/SceneCommands.h"
#include "ui/mainwindow/ShowFileCommands.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/pages/graph/GraphEditorPanel.h"
#include "ui/pages/options/WindowColorGroup.h"
#include "ui/rightcolumn/SequencerControl.h"
#include "ui/widgets/Controls.h"

using namespace korvanel;

void TBaseForm::setPageRefresh(InputPage page, std::function<void()> refresh)
{
    m_pageRefresh.at(static_cast<std::size_t>(page)) = std::move(refresh);
}

InputPage TBaseForm::currentPage() const { return static_cast<InputPage>(m_pageControlInput->currentIndex()); }

void TBaseForm::onShowReplaced(QObject *receiver, std::function<void()> handler)
{
    connect(this, &TBaseForm::showReplaced, receiver, std::move(handler));
}

void TBaseForm::onClosing(QObject *receiver, std::function<void()> handler)
{
    connect(this, &TBaseForm::closing, receiver, std::move(handler));
}

void TBaseForm::disableUndo()
{
    ClearUndo(m_engine);
    if (m_sceneCommands)
        m_sceneCommands->showUndoState();
}

void TBaseForm::ClearAll()
{
    korvanel::ClearAll(m_engine);
    emit showReplaced();
    disableUndo();
    m_faderPage->CheckBoxFromMemory();
    scrolbarVertPos()->setValue(0);
    m_pageControlInput->setCurrentIndex(static_cast<int>(InputPage::Faders));
    pageControlUst()->setCurrentIndex(2);
    m_pageControlTemp->setCurrentIndex(0);
    TempStatus();
    // The graph's closest zoom; the engine has reset the view to match.
    if (m_graphPanel)
        m_graphPanel->scrollBarGrafikZoom()->setValue(3);
    // A cleared show has nothing to lose.
    m_showFiles->showIsSaved();
}

void TBaseForm::TempStatus()
{
    m_sequencerControl->applyTempo(sequencerIntervalMs(m_engine.sys(SysTempo)));
    labelTemp()->setText(tempoReadout(m_engine.sys(SysTempo)));
}

void TBaseForm::ReturnDataSystem()
{
    m_showFiles->showCaption();

    scrollBarTemp()->setValue(m_engine.sys(SysTempo));
    TempStatus();

    showSceneReadouts();
}

void TBaseForm::showSceneReadouts()
{
    const int current = m_engine.sys(SysCurrentScene);
    const int last = m_engine.sys(SysLastScene);
    setReadoutText(*labelStep(), QString::number(current + 1));
    {
        // The slider only mirrors the show here: a range that clamps its old
        // position must not step the show to that scene. Scene 255 is the end;
        // a current scene past the last one stays within reach.
        const QSignalBlocker mirrorOnly(scrollBarStep());
        scrollBarStep()->setMaximum(std::max(std::min(last + 1, 255), current));
        scrollBarStep()->setValue(current);
    }
    setReadoutText(*labelCoda(), QString::number(last + 1));
}

void TBaseForm::ReturnPageControlAll()
{
    ReturnDataSystem();
    if (m_windowColor)
        m_windowColor->SetColorAll();
    ReturnDataSystem();
    const int page = m_pageControlInput->currentIndex();
    if (page >= 0 && page < static_cast<int>(m_pageRefresh.size()) && m_pageRefresh[static_cast<std::size_t>(page)])
        m_pageRefresh[static_cast<std::size_t>(page)]();
}
