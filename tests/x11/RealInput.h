#pragma once
// Input as the operator gives it: real X events, made by xdotool on the X
// server the test runs on, and delivered to the program by the X server as
// a mouse or a keyboard would deliver them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <QWindow>

class RealInput : public QObject {
public:
    RealInput() { qApp->installEventFilter(this); }

    static bool xdotool(const QStringList &arguments)
    {
        QProcess run;
        run.start(QStringLiteral("xdotool"), arguments);
        return run.waitForFinished(5000) && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0;
    }
    // Moves the pointer over the widget's centre, or `at` in its coordinates.
    static bool pointAt(const QWidget *widget, QPoint at = {-1, -1})
    {
        const QPoint global = widget->mapToGlobal(at.x() < 0 ? widget->rect().center() : at);
        return xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(global.x()),
                        QString::number(global.y())});
    }
    // Notches > 0 turn the wheel away from the operator. Returns once the window has had them all.
    bool turnWheel(const QWidget *over, int notches)
    {
        const int wanted = m_wheels + std::abs(notches);
        return pointAt(over) &&
            xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(std::abs(notches)),
                     QStringLiteral("--delay"), QStringLiteral("20"),
                     notches > 0 ? QStringLiteral("4") : QStringLiteral("5")}) &&
            QTest::qWaitFor([&] { return m_wheels >= wanted; }, 3000);
    }
    bool click(const QWidget *widget, QPoint at = {-1, -1})
    {
        const int wanted = m_presses + 1;
        return pointAt(widget, at) && xdotool({QStringLiteral("click"), QStringLiteral("1")}) &&
            QTest::qWaitFor([&] { return m_presses >= wanted; }, 3000);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Counted where the window system hands them to the program, before any widget sees them.
        if (qobject_cast<QWindow *>(watched) != nullptr) {
            if (event->type() == QEvent::Wheel)
                ++m_wheels;
            else if (event->type() == QEvent::MouseButtonRelease)
                ++m_presses;
        }
        return false;
    }

private:
    int m_wheels = 0;
    int m_presses = 0;
};
