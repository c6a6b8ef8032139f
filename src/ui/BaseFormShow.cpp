// The show-level refresh of the main window: clearing a show, the caption,
// tempo and scene read-outs, and the page refresh that every change of the
// show ends with.
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>

#include "core/Engine.h"
#include "playback/Tempo.h"
#include "ui/BaseForm.h"
#include "ui/SequencerControl.h"

using namespace korvanel;

void TBaseForm::setPageRefresh(int page, std::function<void()> refresh)
{
    if (page >= 0 && page < static_cast<int>(m_pageRefresh.size()))
        m_pageRefresh[static_cast<std::size_t>(page)] = std::move(refresh);
}

void TBaseForm::ClearAll()
{
    korvanel::ClearAll(m_engine);
    for (QToolButton *undo : {SpeedButtonUndo1, SpeedButtonUndo3, SpeedButtonUndo4, SpeedButtonUndo5})
        undo->setEnabled(false);
    setWindowTitle(CaptionPrefix + tr(" Нет имени файла "));
    ScrolbarVertPos->setValue(0);
    PageControlInput->setCurrentIndex(0);
    PageControlUst->setCurrentIndex(2);
    PageControlTemp->setCurrentIndex(0);
    TempStatus();
}

void TBaseForm::TempStatus()
{
    const int interval = sequencerIntervalMs(m_engine.sys(SysTempo));
    m_sequencerControl->applyTempo(interval);
    LabelTemp->setText(QString::number(scenesPerMinute(interval)) + tr("  Сцен/мин "));
}

void TBaseForm::ReturnDataSystem()
{
    if (!SaveDialogFileName.isEmpty())
        setWindowTitle(CaptionPrefix + SaveDialogFileName);
    else if (!OpenDialogFileName.isEmpty())
        setWindowTitle(CaptionPrefix + OpenDialogFileName);

    ScrollBarTemp->setValue(m_engine.sys(SysTempo));
    TempStatus();

    const int current = m_engine.sys(SysCurrentScene);
    const int last = m_engine.sys(SysLastScene);
    LabelStep->setText(QString::number(current + 1));
    ScrollBarStep->setMaximum(last + 1);
    ScrollBarStep->setValue(current);
    LabelCoda->setText(QString::number(last + 1));
}

void TBaseForm::ReturnPageControlAll()
{
    ReturnDataSystem();
    // The window colour is applied between the two passes.
    ReturnDataSystem();
    const int page = PageControlInput->currentIndex();
    if (page >= 0 && page < static_cast<int>(m_pageRefresh.size()) && m_pageRefresh[static_cast<std::size_t>(page)])
        m_pageRefresh[static_cast<std::size_t>(page)]();
}
