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
class TBaseForm;

// The window class keeps the system's name, outside the engine's namespace.
class TStaticForm : public QWidget {
    Q_OBJECT
public:
    explicit TStaticForm(TBaseForm &form);

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

    TBaseForm &m_form;
    korvanel::PictureSave m_pictureSave;
    bool m_recording = false;
    std::array<QToolButton *, korvanel::StaticPictureCount> m_read{};
    std::array<QToolButton *, korvanel::StaticPictureCount> m_write{};
    QToolButton *m_readNone = nullptr;    // SpeedButton27
    QToolButton *m_writeNone = nullptr;   // SpeedButton28
    QScrollBar *m_scene = nullptr;
    QLabel *m_sceneLabel = nullptr;
    QToolButton *m_undo = nullptr;
};
