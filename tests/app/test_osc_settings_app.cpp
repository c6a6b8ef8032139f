// The OSC input across start-up and exit: listening again when it was on,
// and its choice written back into [Osc] with the rest of the file kept.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <memory>

#include "app/AppShell.h"
#include "support/OscBytes.h"
#include "support/ScriptedDialogs.h"
#include "support/ShowBytes.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/osc/OscInput.h"

using namespace korvanel;

TEST(OscSettingsRun, AnInputThatWasOnListensAgainAndItsChoiceIsWrittenBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::uint16_t port = test::freeOscPort();
    const QString ini = dir.filePath("light.ini");
    writeFile(ini, QStringLiteral("[Osc]\nEnabled=1\nPort=%1\n[Other]\nk=v\n").arg(port).toUtf8());

    auto engine = std::make_unique<Engine>();
    auto form = std::make_unique<TBaseForm>(*engine);
    form->setDialogs(std::make_unique<ScriptedDialogs>());
    AppShell shell(*engine, *form, dir.filePath("light.exe"), dir.filePath("data"));
    shell.FormCreate();
    ASSERT_TRUE(form->oscInput()->listening());
    EXPECT_EQ(form->oscInput()->port(), port);
    EXPECT_TRUE(form->control<QCheckBox>("CheckBoxOsc")->isChecked());

    form->control<QCheckBox>("CheckBoxOsc")->setChecked(false);
    EXPECT_FALSE(form->oscInput()->listening());
    // Chosen while off, the network is only written down: the tests listen on loopback alone.
    form->control<QWidget>("RadioGroupOscBind")->findChildren<QRadioButton *>()[1]->setChecked(true);
    EXPECT_FALSE(form->oscInput()->listening());
    form->close();
    const QByteArray expected =
        QStringLiteral("[Osc]\nEnabled=0\nPort=%1\nNetwork=1\n[Other]\nk=v\n").arg(port).toUtf8();
    EXPECT_TRUE(readFile(ini).startsWith(expected)) << readFile(ini).toStdString();
}
