#pragma once
// The window with its application shell, as main() starts them, over a
// temporary program folder and the fake D2XX library. makeShell() builds
// them; a test calls FormCreate itself, so it can first arrange the folder.

#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>
#include <memory>

#include "app/AppShell.h"
#include "core/Engine.h"
#include "support/FakeD2xx.h"
#include "ui/mainwindow/BaseForm.h"

class ShellWindow : public ::testing::Test {
protected:
    void makeShell()
    {
        ASSERT_TRUE(dir.isValid());
        form = std::make_unique<TBaseForm>(*engine);
        shell = std::make_unique<AppShell>(*engine, *form, dir.filePath("light.exe"), dir.filePath("data"));
    }
    void TearDown() override
    {
        if (shell)
            shell->FormClose();
    }

    QString label(const char *name) { return form->control<QLabel>(name)->text(); }
    QString panel() { return form->StatusPanel0()->text(); }

    FakeD2xx fake; // reset: no device
    QTemporaryDir dir;
    std::unique_ptr<korvanel::Engine> engine = std::make_unique<korvanel::Engine>();
    std::unique_ptr<TBaseForm> form;
    std::unique_ptr<AppShell> shell;
};
