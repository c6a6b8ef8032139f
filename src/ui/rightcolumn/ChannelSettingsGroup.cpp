#include "ui/rightcolumn/ChannelSettingsGroup.h"

#include <QCheckBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/rightcolumn/LevelsTab.h"
#include "ui/rightcolumn/RateModeGroup.h"
#include "ui/rightcolumn/StaticPicturesGroup.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

ChannelSettingsGroup::ChannelSettingsGroup(Engine &engine, QWidget *parent)
    : QGroupBox(tr(" Установки каналов и Клавиатуры  "), parent)
{
    setObjectName(QStringLiteral("GroupBoxUtility"));

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControlUst"));
    m_pages->addTab(buildSmoothnessTab(engine), tr("Плавность"));
    m_levels = new LevelsTab(engine, m_pages);
    m_pages->addTab(m_levels, tr("Уровни"));
    m_pages->addTab(buildStaticPicturesTab(engine), tr("Стат. картины"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_pages);
}

QCheckBox *ChannelSettingsGroup::checkBoxBlackOut() const { return m_levels->checkBoxBlackOut(); }

QWidget *ChannelSettingsGroup::buildSmoothnessTab(Engine &engine)
{
    auto *page = new QWidget(this);
    m_smoothness = page;
    page->setObjectName(QStringLiteral("TabSheetPlavno"));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    m_rateMode = new RateModeGroup(engine, page);
    layout->addWidget(m_rateMode);
    layout->addStretch();
    return page;
}

QWidget *ChannelSettingsGroup::buildStaticPicturesTab(Engine &engine)
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheetSttica"));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    m_pictures = new StaticPicturesGroup(engine, page);
    layout->addWidget(m_pictures);
    m_flashOn = makeCheckBox(page, "CheckBoxFlashOn", tr("Включить клавиатуру"),
                             tr("Включить / Выключить флэш - кнопки клавиатуры"), true);
    layout->addWidget(m_flashOn);
    layout->addStretch();
    return page;
}

} // namespace korvanel
