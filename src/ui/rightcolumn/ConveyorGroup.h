#pragma once
// The conveyor of show files: twenty slot buttons, the four mode buttons,
// the clear button, the job label and the slot key switch.

#include <QGroupBox>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
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
    // The four mode buttons, in the mode group's order.
    QToolButton *speedButtonKonvHand() const { return m_hand; }
    QToolButton *speedButtonKonvOff() const { return m_off; }
    QToolButton *speedButtonKonvSpisBegin() const { return m_listFromStart; }
    QToolButton *speedButtonKonvSpis() const { return m_list; }
    QToolButton *speedButtonKonvNew() const { return m_clear; }
    QLabel *labelKonveyr() const { return m_jobLabel; }
    QCheckBox *checkBoxKeyKonveyr() const { return m_keys; }

private:
    QLayout *buildSlots();
    QLayout *buildModes();

    std::array<QToolButton *, SlotCount> m_slots{};
    QButtonGroup *m_modes = nullptr;
    QToolButton *m_hand = nullptr;
    QToolButton *m_off = nullptr;
    QToolButton *m_listFromStart = nullptr;
    QToolButton *m_list = nullptr;
    QToolButton *m_clear = nullptr;
    QLabel *m_jobLabel = nullptr;
    QCheckBox *m_keys = nullptr;
};

} // namespace korvanel
