#pragma once
// The "Цвет канала" tab of the scene control group: the three sliders that
// colour a channel's name field (chosen by a double click on the field), the
// channel and picture sliders of the graphic hint, and the group colour button.
// Also colours the 27 name fields of the fader page.

#include <QColor>
#include <QObject>
#include <array>

class QLabel;
class QLineEdit;
class QScrollBar;
class QTabWidget;
class QToolButton;

namespace korvanel {

class FaderPage;
class WindowServices;

struct Engine;
class ColorShape;

class ChannelColorTab : public QObject {
    Q_OBJECT
public:
    static constexpr int NoColorEditChannel = 1000;

    // page: the empty second tab (TabSheet2) of pageControlTemp, which this fills.
    ChannelColorTab(WindowServices &window, QTabWidget &pageControlTemp, QWidget &page, FaderPage &faders);

    // The channel whose name colour the sliders edit; above 512: none.
    int ColorEditChannel() const { return m_colorEditChannel; }
    QScrollBar *nameColorSlider(int component) const { return m_rgb.at(static_cast<std::size_t>(component)); }
    QScrollBar *hintChannelSlider() const { return m_hintChannel; }
    QScrollBar *hintPictureSlider() const { return m_hintPicture; }
    // The colour name field k (1..27) shows.
    QColor fieldColor(int k) const;

public slots:
    void UpdateColorEditAll();
    void UstColorEditOne(int channel);
    // Field k (1..27) double-clicked: its channel's name colour goes onto the sliders.
    void UpdateScrollRGBtxt(int k);
    // Red = 0 (ScrollBar31), green = 1 (ScrollBar32), blue = 2 (ScrollBar33).
    void NameColorSliderChange(int component, int position);
    void SpeedButton21Click();
    void ScrollBar35Change(int position);
    void ScrollBar36Change(int position);
    void SpeedButton22Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls(QWidget &page);
    void showHintSelection();
    void paintField(int k, std::size_t channel);
    std::size_t offset() const;

    WindowServices &m_window;
    FaderPage &m_faders;
    Engine &m_engine;
    int m_colorEditChannel = 0;
    std::array<QScrollBar *, 3> m_rgb{};
    ColorShape *m_swatch = nullptr;
    QLabel *m_label = nullptr;
    QScrollBar *m_hintChannel = nullptr;
    QScrollBar *m_hintPicture = nullptr;
    QLabel *m_picturePreview = nullptr;
};

} // namespace korvanel
