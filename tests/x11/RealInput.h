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

    // Keys as xdotool names them ("Tab", "Return", "0"), or text typed; `releases` is how many keys that is.
    bool keys(const QStringList &names) { return keyRun(QStringLiteral("key"), names, static_cast<int>(names.size())); }
    bool type(const QString &text) { return keyRun(QStringLiteral("type"), {text}, static_cast<int>(text.size())); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Counted where the window system hands them to the program, before any widget sees them.
        if (qobject_cast<QWindow *>(watched) != nullptr) {
            if (event->type() == QEvent::Wheel)
                ++m_wheels;
            else if (event->type() == QEvent::MouseButtonRelease)
                ++m_presses;
            else if (event->type() == QEvent::KeyRelease)
                ++m_keys;
        }
        return false;
    }

private:
    bool keyRun(const QString &command, const QStringList &arguments, int releases)
    {
        const int wanted = m_keys + releases;
        return xdotool(QStringList{command, QStringLiteral("--delay"), QStringLiteral("20")} + arguments) &&
            QTest::qWaitFor([&] { return m_keys >= wanted; }, 3000);
    }

    int m_wheels = 0;
    int m_presses = 0;
    int m_keys = 0;
};
