#pragma once
// The window colour of the show: three sliders and the lock on the options
// page. The colour lives in the show's system row, so each show file brings
// its own; SetColorAll mirrors it into the controls and paints the window.

#include <QColor>
#include <QObject>
#include <array>

class QCheckBox;
class QGroupBox;
class QScrollBar;

namespace korvanel {

class WindowServices;

class OptionsTab;
class ShowFileCommands;

class WindowColorGroup : public QObject {
    Q_OBJECT
public:
    // Hands files its colour switch for Save As.
    WindowColorGroup(WindowServices &window, OptionsTab &tab, ShowFileCommands &files);

    QScrollBar *slider(int component) const { return m_sliders.at(static_cast<std::size_t>(component)); }
    QCheckBox *checkBoxColorAvto() const { return m_avto; }

public slots:
    // Black or white text, whichever reads on the background.
    static QColor readableOn(const QColor &background);
    void SetColorAll();
    // Red = 0, green = 1, blue = 2.
    void ScrollBarColorChange(int component, int position);
    void CheckBoxColorZamokClick(bool checked);

private:
    WindowServices &m_window;
    QGroupBox *m_group = nullptr;
    std::array<QScrollBar *, 3> m_sliders{};
    QCheckBox *m_lock = nullptr;
    QCheckBox *m_avto = nullptr;
};

} // namespace korvanel
