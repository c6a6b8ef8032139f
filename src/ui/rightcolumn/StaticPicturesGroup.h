#pragma once
// The sixteen static picture switches. Each box shows whether its picture is
// on, as the control layer says; a click on it is the window's command to
// switch that picture on or off, whoever else holds it.

#include <QGroupBox>

#include <array>

#include "core/ShowLayout.h"

class QCheckBox;

namespace korvanel {

class ControlLayer;
struct Engine;

class StaticPicturesGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit StaticPicturesGroup(Engine &engine, QWidget *parent = nullptr);
    // The layer whose pictures the boxes show and command.
    void attach(ControlLayer &control);

    // k in the output order: 1..8, Space, Z, X, C, V, B, N, M.
    QCheckBox *picture(std::size_t k) const { return m_boxes.at(k); }

private:
    // The hints name the hot keys, in the interface language.
    void showHints();
    void pictureToggled(std::size_t k, bool checked);

    Engine &m_engine;
    ControlLayer *m_control = nullptr;
    std::array<QCheckBox *, StaticPictureCount> m_boxes{};
    bool m_showing = false; // a box set to show the layer is no command
};

} // namespace korvanel
