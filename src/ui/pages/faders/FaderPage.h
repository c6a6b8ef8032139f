#pragma once
// The 27 channel rows of the fader page and the buttons that act on them.
// Every fader move is written into the current scene at once; the positions
// and check marks are mirrored into LiveControls for the manual override.

#include <QObject>
#include <array>
#include <functional>
#include <vector>

#include "core/ShowLayout.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class QToolButton;

namespace korvanel {

class WindowServices;

struct Engine;
class ColorShape;
class ChannelSettingsGroup;
class FaderTab;

class FaderPage : public QObject {
    Q_OBJECT
public:
    FaderPage(WindowServices &window, FaderTab &tab, ChannelSettingsGroup &settings);

    // Row k = 1..27.
    QScrollBar *scrollBar(int k) const { return m_rows.at(index(k)).fader; }
    QCheckBox *checkBox(int k) const { return m_rows.at(index(k)).check; }
    QLineEdit *edit(int k) const { return m_rows.at(index(k)).name; }
    QScrollBar *rateBar(int k) const { return m_rows.at(index(k)).rate; }
    QLabel *levelLabel(int k) const { return m_rows.at(index(k)).level; }
    QLabel *numberLabel(int k) const { return m_rows.at(index(k)).number; }
    ColorShape *shape(int k) const { return m_rows.at(index(k)).shape; }
    QLabel *image(int k) const { return m_rows.at(index(k)).image; }

    // The rows' controls in the order Tab walks them: the names, the faders, the
    // rates and the selection boxes, each a column top down; then the buttons.
    std::vector<QWidget *> focusOrder() const;

    // The fader page's part of the page refresh, in its order.
    void refresh();
    // A command changed a row's level or selection, or the page: the rows show it.
    void showLevel(int channel);
    void showSelection(int channel);
    void showPage();
    // The rate sliders reread from RateRow, between the faders and the names.
    std::function<void()> ReturnRate;
    // The name fields' colours, last.
    std::function<void()> UpdateColorEditAll;

public slots:
    void ReturnScrollBars();
    void CheckBoxFromMemory();
    void CheckBoxToMemory();
    void ReturnName();
    void SaveEditAll();
    // Names typed and not yet stored (the field still has the focus) go into the show.
    void storeTypedNames();
    void NamberDmx();
    void ScrolbarVertPosChange(int position);

    void ScrollBarChange(int k, int position);
    void CheckBoxClick(int k, bool checked);

    void SpeedButtonAllScrl0Click();
    void SpeedButtonVis0Click();
    void SpeedButtonVis127Click();
    void SpeedButtonVis255Click();
    void SpeedButtonOnVisCheckClick();
    void ButtonResetFlagVyborClick();
    void SpeedButtonOffAllCheckClick();
    // Inverts rows first..first + 4 (first = 1, 6, 11, 16, 21).
    void SpeedButtonInvClick(int first);

signals:
    // The channel of the fader the operator last moved; a refresh moves none.
    void faderTouched(int channel);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row {
        QLabel *number = nullptr;
        QScrollBar *fader = nullptr;
        QLabel *level = nullptr;
        ColorShape *shape = nullptr;
        QLabel *image = nullptr;
        QLineEdit *name = nullptr;
        QScrollBar *rate = nullptr;
        QCheckBox *check = nullptr;
    };
    static std::size_t index(int k) { return static_cast<std::size_t>(k - 1); }

    void buildRows(FaderTab &tab);
    void buildButtons(FaderTab &tab);
    void setVisibleLevels(std::uint8_t level, const QString &status);
    void setVisibleSelection(std::uint8_t value);
    void restoreName(const QLineEdit &field);
    bool playing() const;
    std::size_t offset() const;

    WindowServices &m_window;
    Engine &m_engine;
    std::array<Row, FaderCount> m_rows{};
    std::vector<QWidget *> m_buttons;
    QCheckBox *m_manual = nullptr;
    // The page offset whose names the name fields show.
    std::size_t m_namesOffset = 0;
    // The faders are being set from the show, not by the operator.
    bool m_mirroring = false;
};

} // namespace korvanel
