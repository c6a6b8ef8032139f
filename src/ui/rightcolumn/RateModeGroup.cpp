#include "ui/rightcolumn/RateModeGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/Engine.h"

namespace korvanel {

RateModeGroup::RateModeGroup(Engine &engine, QWidget *parent)
    : QGroupBox(tr("Плавность перехода  сцен "), parent), m_engine(engine)
{
    setObjectName(QStringLiteral("RadioGroupRate"));
    m_items = new QButtonGroup(this);
    m_items->setExclusive(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(0);
    const QString captions[ItemCount] = {tr("Фейдера"), tr("Автомат"), tr("Выкл")};
    for (int i = 0; i < ItemCount; ++i) {
        auto *item = new QRadioButton(captions[i], this);
        m_items->addButton(item, i);
        layout->addWidget(item);
    }

    connect(m_items, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked)
            return;
        store(m_engine.live.fadeMode, static_cast<std::uint8_t>(id));
        emit itemIndexChanged(id);
    });
    setItemIndex(0);
}

int RateModeGroup::itemIndex() const { return m_items->checkedId(); }

void RateModeGroup::setItemIndex(int index)
{
    if (index < 0 || index >= ItemCount)
        return;
    m_items->button(index)->setChecked(true);
}

} // namespace korvanel
