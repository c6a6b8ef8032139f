#pragma once
// The four channel block copies of the copy tab, each a group of spin boxes
// with its copy button, and the place of the name block copy.

#include <QWidget>

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
    QSpinBox *spin(const char *name) const;
    void finish(BlockCopyResult result);

    WindowServices &m_window;
    SceneCommands &m_commands;
    QVBoxLayout *m_nameArea = nullptr;
};

} // namespace korvanel
