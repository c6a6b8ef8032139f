#include "ui/pages/faders/OutputModeButtons.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>

#include "ui/widgets/Controls.h"

namespace korvanel {

OutputModeButtons::OutputModeButtons(QWidget *parent) : QWidget(parent)
{
    m_onScena = makeSpeedButton(
        this, {"SpeedButtonOnScena", tr("Разрешить нормальную работу "), QStyle::SP_DialogYesButton, {}, true});
    m_blackOut = makeSpeedButton(this,
                                 {"SpeedButtonBlackOut",
                                  tr("Выключает все каналы DMX  Горячая кнопка = 0 = "),
                                  QStyle::SP_DialogNoButton,
                                  {},
                                  true});
    m_macrosOut = makeSpeedButton(this,
                                  {"SpeedButtonMacrosOut",
                                   tr("Выключает все каналы  и включает  каналы статической каркинки =M= "),
                                   QStyle::SP_DialogApplyButton,
                                   {},
                                   true});
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (QToolButton *button : {m_onScena, m_blackOut, m_macrosOut}) {
        m_group->addButton(button);
        layout->addWidget(button);
    }
    m_onScena->setChecked(true);
}

} // namespace korvanel
