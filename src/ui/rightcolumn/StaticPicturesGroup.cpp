#include "ui/rightcolumn/StaticPicturesGroup.h"

#include <QCheckBox>
#include <QGridLayout>

#include "control/ControlLayer.h"
#include "core/Engine.h"
#include "ui/texts/InterfaceTexts.h"
#include "ui/widgets/CompactStyle.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

namespace {
struct PictureKey {
    const char *name;
    const char *caption;
    const char *hotKey; // as the hint names it
};
constexpr PictureKey pictureKeys[StaticPictureCount] = {
    {"CheckBoxChs1", "1", "1"},
    {"CheckBoxChs2", "2", "2"},
    {"CheckBoxChs3", "3", "3"},
    {"CheckBoxChs4", "4", "4"},
    {"CheckBoxChs5", "5", "5"},
    {"CheckBoxChs6", "6", "6"},
    {"CheckBoxChs7", "7", "7"},
    {"CheckBoxChs8", "8", "8"},
    {"CheckBoxChsSpace", "==", QT_TRANSLATE_NOOP("korvanel::StaticPicturesGroup", "прбел")},
    {"CheckBoxChsZ", "Z", "Z"},
    {"CheckBoxChsX", "X", "X"},
    {"CheckBoxChsC", "C", "C"},
    {"CheckBoxChsV", "V", "V"},
    {"CheckBoxChsB", "B", "B"},
    {"CheckBoxChsN", "N", "N"},
    {"CheckBoxChsM", "M", "M"},
};
} // namespace

StaticPicturesGroup::StaticPicturesGroup(Engine &engine, QWidget *parent)
    : QGroupBox(tr(" Статические картинки "), parent), m_engine(engine)
{
    auto *grid = new QGridLayout(this);
    // Sixteen boxes in two rows must fit the narrow right column.
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);
    auto *compact = new CompactStyle(this);
    constexpr int columns = 8;
    for (std::size_t k = 0; k < StaticPictureCount; ++k) {
        const PictureKey &key = pictureKeys[k];
        QCheckBox *box = makeCheckBox(this, key.name, QString::fromUtf8(key.caption), {}, false);
        box->setStyle(compact);
        m_boxes[k] = box;
        grid->addWidget(box, static_cast<int>(k) / columns, static_cast<int>(k) % columns);
        connect(box, &QCheckBox::toggled, this, [this, k](bool checked) { pictureToggled(k, checked); });
    }
    showHints();
    connect(&InterfaceTexts::instance(), &InterfaceTexts::languageChanged, this, &StaticPicturesGroup::showHints);
    for (std::size_t k = 0; k < StaticPictureCount; ++k)
        m_engine.live.pictures.set(k, 0);
}

void StaticPicturesGroup::attach(ControlLayer &control)
{
    m_control = &control;
    control.onPicturesChanged([this](std::uint16_t changed) {
        m_showing = true;
        for (std::size_t k = 0; k < StaticPictureCount; ++k) {
            if (changed & (1u << k))
                m_boxes[k]->setChecked(m_control->pictures().on(static_cast<int>(k)));
        }
        m_showing = false;
    });
}

void StaticPicturesGroup::pictureToggled(std::size_t k, bool checked)
{
    if (m_showing)
        return;
    if (m_control)
        m_control->apply({WindowSource, command::PictureSwitch{static_cast<int>(k), checked}});
    else
        m_engine.live.pictures.set(k, checked ? 1 : 0);
}

void StaticPicturesGroup::showHints()
{
    for (std::size_t k = 0; k < StaticPictureCount; ++k)
        m_boxes[k]->setToolTip(
            tr("Запрограммированая статическая картинка - Горячая кнопка =%1= ").arg(tr(pictureKeys[k].hotKey)));
}

} // namespace korvanel
