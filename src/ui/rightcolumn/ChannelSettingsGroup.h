#pragma once
// The channel settings group of the right column and its three tabs:
// smoothness, levels and static pictures.

#include <QGroupBox>

class QCheckBox;
class QTabWidget;

namespace korvanel {

struct Engine;
class LevelsTab;
class RateModeGroup;
class StaticPicturesGroup;

class ChannelSettingsGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit ChannelSettingsGroup(Engine &engine, QWidget *parent = nullptr);

    QTabWidget *pages() const { return m_pages; }
    RateModeGroup *rateMode() const { return m_rateMode; }
    LevelsTab *levels() const { return m_levels; }
    StaticPicturesGroup *pictures() const { return m_pictures; }
    // TabSheetPlavno, the smoothness tab, for the rate controls that go on it.
    QWidget *tabSheetPlavno() const { return m_smoothness; }
    QCheckBox *checkBoxFlashOn() const { return m_flashOn; }
    // The levels tab's blackout box.
    QCheckBox *checkBoxBlackOut() const;

private:
    QWidget *buildSmoothnessTab(Engine &engine);
    QWidget *buildStaticPicturesTab(Engine &engine);

    QTabWidget *m_pages = nullptr;
    RateModeGroup *m_rateMode = nullptr;
    LevelsTab *m_levels = nullptr;
    StaticPicturesGroup *m_pictures = nullptr;
    QWidget *m_smoothness = nullptr;
    QCheckBox *m_flashOn = nullptr;
};

} // namespace korvanel
