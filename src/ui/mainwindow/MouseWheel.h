#pragma once
// The main window's mouse wheel: wherever the mouse is over the window, the
// wheel also pages the faders, or steps the edited channel of the graph or
// the XY editor. The control under the mouse still gets the wheel too.

#include <QObject>

class TBaseForm;

namespace korvanel {

class MouseWheel : public QObject {
    Q_OBJECT
public:
    explicit MouseWheel(TBaseForm &form);

    // delta > 0: the wheel turned away from the operator; 120 a notch.
    void FormMouseWheel(int delta);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TBaseForm &m_form;
    quint64 m_lastTimestamp = 0;
    int m_lastDelta = 0;
};

} // namespace korvanel
