#pragma once
// The static pictures window: records and edits the sixteen pictures of the
// show. While it is open scene 0 is the picture buffer on output, the
// selection column holds the picture's member channels, the sequencer is
// stopped and crossfades are off; closing it gives the show its scene 0,
// rates, current scene and selection back.

#include <QWidget>
#include <array>

#include "core/ShowLayout.h"
#include "editing/StaticPictures.h"

class QButtonGroup;
class QLabel;
class QScrollBar;
class QToolButton;

namespace korvanel {
class FaderPage;
class MainMenu;
class RateModeGroup;
class SequencerTab;
class ShowFileCommands;
class WindowServices;
} // namespace korvanel

// The window class keeps the system's name, outside the engine's namespace.
class TStaticForm : public QWidget {
    Q_OBJECT
public:
    // Recording stops the sequencer and the crossfades and hides the play button;
    // the save path puts back what recording borrowed from the show.
    TStaticForm(korvanel::WindowServices &window, const korvanel::MainMenu &menu, korvanel::FaderPage &faders,
                korvanel::ShowFileCommands &files, korvanel::SequencerTab &sequencer,
                korvanel::RateModeGroup &rateMode);

    QToolButton *readButton(std::size_t k) const { return m_read.at(k); }
    QToolButton *writeButton(std::size_t k) const { return m_write.at(k); }

public slots:
    // Menu ChaserItem and tool button SpeedButtonRECORD.
    void ChaserItemClick();
    void ReadChaser(std::size_t k);
    void SaveChaser(std::size_t k);
    void ScrollBar1Change(int position);
    void SpeedButtonDelAllClick();
    void SpeedButtonDel1Click();
    void SpeedButtonUndoStClick();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // What recording borrowed belongs to a show no longer in memory.
    void showReplaced();
    QWidget *buildButtonGroup(const QString &title, const QString &hint, bool write);
    QWidget *buildSceneChoice();
    QWidget *buildErase();
    void keepAboveMainWindow();
    // CheckBoxFromMemory, the page refresh and the faders, after the buffer changed.
    void showBuffer();

    korvanel::WindowServices &m_window;
    korvanel::FaderPage &m_faders;
    korvanel::ShowFileCommands &m_files;
    QWidget *m_play;
    korvanel::RateModeGroup &m_rateMode;
    korvanel::PictureSave m_pictureSave;
    // This window's own undo: taken while recording, it holds the picture
    // buffer in scene 0, which the main window's undo must never bring back.
    std::array<std::uint8_t, korvanel::SceneMemorySize> m_undoImage{};
    // The undo history's clock as recording began: every copy taken later holds the buffer too.
    std::uint64_t m_undoStampAtStart = 0;
    bool m_recording = false;
    std::array<QToolButton *, korvanel::StaticPictureCount> m_read{};
    std::array<QToolButton *, korvanel::StaticPictureCount> m_write{};
    QToolButton *m_readNone = nullptr;  // SpeedButton27
    QToolButton *m_writeNone = nullptr; // SpeedButton28
    QScrollBar *m_scene = nullptr;
    QLabel *m_sceneLabel = nullptr;
    QToolButton *m_undo = nullptr;
};
