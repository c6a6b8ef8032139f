#include "ui/pages/beam/BeamEditorTab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>

#include "ui/widgets/Controls.h"

namespace korvanel {

BeamEditorTab::BeamEditorTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheetEdit"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_area = new QVBoxLayout;
    layout->addLayout(m_area, 1);

    // Here the pair is explained by its labels rather than by hints.
    auto *group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBoxToUndo"));
    m_snapshot = makeSnapshotPair(group, 4, {}, {});
    auto *grid = new QGridLayout(group);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->addWidget(new QLabel(tr("Запомнить"), group), 0, 0);
    grid->addWidget(new QLabel(tr("картинку "), group), 1, 0);
    grid->addWidget(m_snapshot.mem, 2, 0, Qt::AlignHCenter);
    grid->addWidget(new QLabel(tr("Вернуть"), group), 0, 1);
    grid->addWidget(m_snapshot.undo, 2, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(tr("Повторить"), group), 0, 2);
    grid->addWidget(m_snapshot.redo, 2, 2, Qt::AlignHCenter);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(group);
    layout->addLayout(bottom);
}

} // namespace korvanel
