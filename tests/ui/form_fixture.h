#pragma once
// A main window over its own engine, and a click that first brings the
// control's tab pages to the front, as an operator would.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "core/Engine.h"
#include "support/ScriptedDialogs.h"
#include "ui/mainwindow/BaseForm.h"

class FormTest : public ::testing::Test {
protected:
    // No test waits on a real message box: every box gets a scripted answer (No, cancelled).
    FormTest() { form->setDialogs(std::unique_ptr<Dialogs>(dialogs)); }

    template <class T>
    T *get(const char *name)
    {
        T *found = form->control<T>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void bringToFront(QWidget *widget)
    {
        form->show();
        for (QWidget *w = widget; w && w != form.get(); w = w->parentWidget()) {
            auto *stack = qobject_cast<QStackedWidget *>(w->parentWidget());
            if (stack && qobject_cast<QTabWidget *>(stack->parentWidget()))
                qobject_cast<QTabWidget *>(stack->parentWidget())->setCurrentWidget(w);
        }
        ASSERT_TRUE(widget->isVisible()) << widget->objectName().toStdString();
    }

    void click(QAbstractButton *button)
    {
        ASSERT_NE(button, nullptr);
        bringToFront(button);
        // Check boxes and radio buttons react on their indicator, not on blank space.
        const bool indicator = qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button);
        const QPoint at = indicator ? QPoint(6, button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    }

    std::unique_ptr<korvanel::Engine> engine = std::make_unique<korvanel::Engine>();
    std::unique_ptr<TBaseForm> form = std::make_unique<TBaseForm>(*engine);
    ScriptedDialogs *dialogs = new ScriptedDialogs; // owned by the form
};
