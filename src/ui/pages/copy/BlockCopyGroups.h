#pragma once
// The four channel block copies of the copy tab, each a group of spin boxes
// with its copy button, and the place of the name block copy.

#include <QWidget>
#include <array>

class QSpinBox;
class QVBoxLayout;

namespace korvanel {

class WindowServices;

class SceneCommands;
enum class BlockCopyResult;

class BlockCopyGroups : public QWidget {
    Q_OBJECT
public:
    BlockCopyGroups(WindowServices &window, SceneCommands &commands, QWidget *parent = nullptr);

    // Where the name block copy group goes.
    QVBoxLayout *nameBlockArea() const { return m_nameArea; }

public slots:
    void ButtonLevelBlocCopyClick();
    void SpeedButtonLevelJobScensClick();
    void SpeedButtonScenAllCopyClick();
    void ButtonScenaBlocCopyClick();

private:
    void finish(BlockCopyResult result);

    WindowServices &m_window;
    SceneCommands &m_commands;
    QVBoxLayout *m_nameArea = nullptr;
    // The channel fields of the level group, the all-scenes group and the
    // in-scenes group, and the in-scenes group's scene fields.
    std::array<QSpinBox *, 3> m_levelFields{};
    std::array<QSpinBox *, 3> m_channelFields{};
    std::array<QSpinBox *, 3> m_rangeChannelFields{};
    std::array<QSpinBox *, 3> m_rangeSceneFields{};
};

} // namespace korvanel
