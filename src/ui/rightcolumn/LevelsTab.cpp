#include "ui/rightcolumn/LevelsTab.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/Engine.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

LevelsTab::LevelsTab(Engine &engine, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheetUroven"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(new QLabel(tr("Изменение выделенных уровней"), this));
    m_levelArea = new QVBoxLayout;
    layout->addLayout(m_levelArea);

    // The blackout box is tied to the output mode buttons by BlackoutLink; the
    // hint names the digit key 0, which is the key that really toggles it.
    m_blackOut = makeCheckBox(this, "CheckBoxBlackOut", tr("BlackOut"),
                              tr("Выключает все каналы DMX  Горячая кнопка = 0 = "), false);
    layout->addWidget(m_blackOut);

    m_manual = makeCheckBox(this, "CheckBoxManual", tr("Ручное управление"),
                            tr("Ручное управление выделенными каналами в текущей сцене"), false);
    layout->addWidget(m_manual);
    layout->addStretch();

    store(engine.live.manual, 0);
    connect(m_manual, &QCheckBox::toggled, this,
            [&engine](bool checked) { store(engine.live.manual, checked ? 1 : 0); });
}

} // namespace korvanel
