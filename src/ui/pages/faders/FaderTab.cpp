#include "ui/pages/faders/FaderTab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QToolButton>

#include "core/Engine.h"
#include "ui/pages/faders/OutputModeButtons.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

FaderTab::FaderTab(Engine &engine, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheetScroll"));

    auto *rowsArea = new QWidget(this);
    m_rows = new QGridLayout(rowsArea);
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setVerticalSpacing(0);

    m_page = makeScrollBar(this, {"ScrolbarVertPos", Qt::Vertical, 0, MaxFaderPageOffset, 20, 0});
    // The page changes through the control layer (FaderPage), which the slider sends to.
    store(engine.FaderPageOffset, 0);

    auto *upper = new QHBoxLayout;
    upper->addWidget(rowsArea, 1);
    upper->addWidget(m_page);

    m_outputModes = new OutputModeButtons(this);
    m_snapshot = makeSnapshotPair(this, 1, tr("Запомнить Сцену"), tr("Вернуть прежнюю сцену"));

    auto *lower = new QHBoxLayout;
    lower->addWidget(m_outputModes);
    m_displayButtons = new QHBoxLayout;
    lower->addSpacing(12);
    lower->addLayout(m_displayButtons);
    lower->addStretch();
    lower->addWidget(m_snapshot.mem);
    lower->addWidget(m_snapshot.undo);
    lower->addWidget(m_snapshot.redo);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(upper, 1);
    layout->addLayout(lower);
}

} // namespace korvanel
