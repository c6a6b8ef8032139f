#pragma once
// The name block copy of the copy tab: copies the names of one fixture's
// channels, with their pictures and name colours, onto the next fixtures,
// numbering and shading each copy.

#include <QGroupBox>

class QCheckBox;
class QSpinBox;

namespace korvanel {

class FaderPage;
class WindowServices;

class SceneCommands;

class NameBlockCopyGroup : public QGroupBox {
    Q_OBJECT
public:
    NameBlockCopyGroup(WindowServices &window, SceneCommands &commands, FaderPage &faders, QWidget *parent = nullptr);

public slots:
    void SpeedButtonNameBlocCopyClick();
    void SpinEditNameFirstChange(int first);
    void SpinEditNameLastChange(int last);
    void SpinEditNameFromChange(int from);

private:
    QSpinBox *addSpin(const char *name, const QString &caption, int minimum, int maximum, int value);
    void raiseTargetAboveLast();

    WindowServices &m_window;
    FaderPage &m_faders;
    SceneCommands &m_commands;
    QSpinBox *m_first = nullptr;
    QSpinBox *m_last = nullptr;
    QSpinBox *m_from = nullptr;
    QSpinBox *m_repeat = nullptr;
    QSpinBox *m_digit = nullptr;
    QCheckBox *m_numberPlus = nullptr;
    QCheckBox *m_markFirst = nullptr;
    QCheckBox *m_link = nullptr;
};

} // namespace korvanel
