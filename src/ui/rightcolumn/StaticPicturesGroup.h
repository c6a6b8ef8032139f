#pragma once
// The sixteen static picture switches. A checked box makes the output tick lay
// its picture over the frame; the box state is the only state of a flash.

#include <QGroupBox>

#include <array>

#include "core/ShowLayout.h"

class QCheckBox;

namespace korvanel {

struct Engine;

class StaticPicturesGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit StaticPicturesGroup(Engine &engine, QWidget *parent = nullptr);

    // k in the output order: 1..8, Space, Z, X, C, V, B, N, M.
    QCheckBox *picture(std::size_t k) const { return m_boxes.at(k); }

private:
    void pictureToggled(std::size_t k, bool checked);

    Engine &m_engine;
    std::array<QCheckBox *, StaticPictureCount> m_boxes{};
};

} // namespace korvanel
