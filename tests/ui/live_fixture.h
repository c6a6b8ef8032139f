#pragma once
// The main window with its hand-scan pad and static pictures window, shown and
// active, and keys sent to it as the system sends them: to its native window.

#include "ui/form_fixture.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QWindow>
#include <functional>

#include "core/Engine.h"
#include "output/FrameAssembly.h"
#include "ui/rightcolumn/ConveyorGroup.h"
#include "ui/rightcolumn/SequencerControl.h"
#include "ui/rightcolumn/StaticPicturesGroup.h"
#include "ui/windows/HandScanForm.h"
#include "ui/windows/StaticForm.h"

class LiveTest : public FormTest {
protected:
    void SetUp() override
    {
        korvanel::initialiseAtStart(*engine);
        form->ClearAll();
        form->show();
        activate(form.get());
    }

    static void activate(QWidget *window)
    {
        window->show();
        window->raise();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
    }

    QWindow *keyWindow() { return form->windowHandle(); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyPress(keyWindow(), key, modifiers); }
    void release(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyRelease(keyWindow(), key, modifiers); }
    void tap(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        press(key, modifiers);
        release(key, modifiers);
    }
    // A key event with everything the platform may give: the text of the
    // active layout, native codes, the repeat flag.
    void send(QEvent::Type type, int key, const QString &text, bool autoRepeat = false, quint32 scanCode = 0,
              quint32 virtualKey = 0)
    {
        QKeyEvent event(type, key, Qt::NoModifier, scanCode, virtualKey, 0, text, autoRepeat);
        QCoreApplication::sendEvent(keyWindow(), &event);
    }

    QCheckBox *picture(std::size_t k) { return form->findChild<korvanel::StaticPicturesGroup *>()->picture(k); }
    QString keyLabel() { return get<QLabel>("LabelKeySp")->text(); }

    // Picture k: channel c at level v.
    void storePicture(std::size_t k, std::size_t c, std::uint8_t v)
    {
        engine->SceneMemory.set(korvanel::pictureFlag(k, c), 1);
        engine->SceneMemory.set(korvanel::pictureLevel(k, c), v);
    }
    std::uint8_t frame(std::size_t slot)
    {
        korvanel::buildFrame(*engine);
        return engine->DmxOut.get(slot);
    }

    static bool waitFor(const std::function<bool()> &condition, int timeoutMs = 3000)
    {
        QElapsedTimer timer;
        timer.start();
        while (!condition()) {
            if (timer.elapsed() > timeoutMs)
                return false;
            QTest::qWait(5);
        }
        return true;
    }

    // Declared after the main window, so they go first.
    std::unique_ptr<THandScanForm> handScan = std::make_unique<THandScanForm>(*form, *form->mainMenu());
    std::unique_ptr<TStaticForm> staticForm =
        std::make_unique<TStaticForm>(*form, *form->mainMenu(), *form->faderPage(), *form->showFiles(),
                                      *form->sequencerTab(), *form->radioGroupRate());
};

// A show file of 81,920 bytes: `last` + 1 scenes at tempo 44, every rate 255,
// channel 1 of scene s at marker + s.
inline QByteArray liveShow(unsigned char marker, unsigned char last = 0)
{
    QByteArray show(81920, '\0');
    show[131] = 0;
    show[132] = static_cast<char>(last);
    show[133] = 44;
    for (int c = 0; c < 256; ++c)
        show[256 + c] = static_cast<char>(255);
    for (int s = 0; s <= last; ++s)
        show[16384 + 256 * s + 1] = static_cast<char>(marker + s);
    return show;
}
