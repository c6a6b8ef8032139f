#pragma once
// The crossfade mode of the output: a radio group whose selected item the
// output tick reads through LiveControls::fadeMode.

#include <QGroupBox>

class QButtonGroup;

namespace korvanel {

struct Engine;

class RateModeGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit RateModeGroup(Engine &engine, QWidget *parent = nullptr);

    static constexpr int ItemCount = 3;

    int itemIndex() const;
    // Indexes outside 0..2 are ignored: the tick knows no other mode.
    void setItemIndex(int index);

signals:
    void itemIndexChanged(int index);

private:
    Engine &m_engine;
    QButtonGroup *m_items = nullptr;
};

} // namespace korvanel
