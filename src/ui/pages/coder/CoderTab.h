#pragma once
// The "DMX coder" page: 30 sliders over a sliding window of output slots, each
// choosing the source channel of its slot; step buttons, reset, and the table
// file's open and save.

#include <QString>
#include <QWidget>
#include <array>

#include "output/CoderTable.h"

class QButtonGroup;
class QLabel;
class QScrollBar;
class QToolButton;

namespace korvanel {

class WindowServices;

struct Engine;

class CoderTab : public QWidget {
    Q_OBJECT
public:
    static constexpr int SliderCount = 30;

    CoderTab(Engine &engine, WindowServices &window, QWidget *parent = nullptr);

    // File names of the open and save dialogs; the settings file sets both at
    // start-up and keeps the save dialog's.
    QString OpenDialogCoderFileName;
    QString SaveDialogCoderFileName;

    // Last start-up step: the table named by the dialogs, or a new identity
    // table written to `coderFileName` (the program's own .kvr).
    void loadAtStart(const QString &coderFileName);

    void UpDateDmxCoder();
    void SpeedButtonLarge(int step);

    // The table differs from the file it was loaded from or saved to.
    bool tableModified() const;
    // Before the table is replaced or the program ends: unsaved edits are saved
    // (the page's Save), dropped or kept, as the operator answers. False: keep the table.
    bool mayDropTable();

public slots:
    void ScrollBarCoderPosChange();
    // Slider k (1..30) moved.
    void ScrollBarCoderChange(int k);
    void SpeedButtonResetCoderClick();
    void SpeedButtonOpenCoderTabClick();
    void SpeedButtonSaveCoderTabClick();

private:
    QLayout *buildSliders();
    QLayout *buildButtons();
    static QString filter();
    static QString lineText(int source, int slot);
    bool readTable(const QString &path);
    bool writeTable(const QString &path);
    // The page's Save: asks for the name. False when cancelled or failed.
    bool saveTable();
    void tableIsSaved();

    Engine &m_engine;
    WindowServices &m_window;
    QScrollBar *m_position = nullptr;
    std::array<QScrollBar *, SliderCount + 1> m_sliders{}; // index 1..30
    std::array<QLabel *, SliderCount + 1> m_labels{};
    QButtonGroup *m_steps = nullptr;
    QLabel *m_labelCoder = nullptr;
    CoderEntries m_saved{};
};

} // namespace korvanel
