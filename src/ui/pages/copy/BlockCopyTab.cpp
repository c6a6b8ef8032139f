#include "ui/pages/copy/BlockCopyTab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include "ui/widgets/Controls.h"

namespace korvanel {

BlockCopyTab::BlockCopyTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheetBlocCopy"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(new QLabel(tr("Копирование данных блоками "), this));
    m_area = new QVBoxLayout;
    layout->addLayout(m_area, 1);

    m_snapshot = makeSnapshotPair(this, 5, tr("Запомнить Сцену"), tr("Вернуть прежнюю сцену"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_snapshot.mem);
    buttons->addWidget(m_snapshot.undo);
    buttons->addWidget(m_snapshot.redo);
    layout->addLayout(buttons);
}

} // namespace korvanel
