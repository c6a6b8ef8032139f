#pragma once
// The conveyor of show files: twenty slot buttons, the four mode buttons,
// the clear button, the job label and the slot key switch.

#include <QGroupBox>

#include <array>

class QButtonGroup;
class QToolButton;

namespace korvanel {

class ConveyorGroup : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int SlotCount = 20;

    explicit ConveyorGroup(QWidget *parent = nullptr);

    // n = 1..20
    QToolButton *slotButton(int n) const { return m_slots.at(static_cast<std::size_t>(n - 1)); }
    QButtonGroup *modeGroup() const { return m_modes; }

private:
    QLayout *buildSlots();
    QLayout *buildModes();

    std::array<QToolButton *, SlotCount> m_slots{};
    QButtonGroup *m_modes = nullptr;
};

} // namespace korvanel
