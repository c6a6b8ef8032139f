#include "ui/pages/graph/GraphTab.h"

#include <QHBoxLayout>
#include <QToolButton>

#include "ui/widgets/Controls.h"

namespace korvanel {

GraphTab::GraphTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheetGrafik"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_area = new QVBoxLayout;
    layout->addLayout(m_area, 1);

    m_snapshot = makeSnapshotPair(this, 3, tr("Запомнить Сцену"), tr("Вернуть прежнюю сцену"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_snapshot.mem);
    buttons->addWidget(m_snapshot.undo);
    buttons->addWidget(m_snapshot.redo);
    layout->addLayout(buttons);
}

} // namespace korvanel
