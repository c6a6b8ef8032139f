// The remote page's server across start-up and exit: on again when it was on,
// and its choice written back into [Remote] with the rest of the file kept.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTcpServer>
#include <QTemporaryDir>
#include <memory>

#include "app/AppShell.h"
#include "support/ScriptedDialogs.h"
#include "support/ShowBytes.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/remote/RemoteServer.h"

using namespace korvanel;

TEST(RemoteSettingsRun, AServerThatWasOnStartsAgainAndItsChoiceIsWrittenBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    const QString ini = dir.filePath("light.ini");
    writeFile(ini, QStringLiteral("[Remote]\nEnabled=1\nPort=%1\nNetwork=0\n[Other]\nk=v\n").arg(port).toUtf8());

    auto engine = std::make_unique<Engine>();
    auto form = std::make_unique<TBaseForm>(*engine);
    form->setDialogs(std::make_unique<ScriptedDialogs>());
    AppShell shell(*engine, *form, dir.filePath("light.exe"), dir.filePath("data"));
    shell.FormCreate();
    ASSERT_TRUE(form->remoteServer()->listening());
    EXPECT_EQ(form->remoteServer()->port(), port);
    EXPECT_TRUE(form->control<QCheckBox>("CheckBoxRemote")->isChecked());

    form->control<QCheckBox>("CheckBoxRemote")->setChecked(false);
    EXPECT_FALSE(form->remoteServer()->listening());
    form->close();
    const QByteArray expected =
        QStringLiteral("[Remote]\nEnabled=0\nPort=%1\nNetwork=0\n[Other]\nk=v\n").arg(port).toUtf8();
    EXPECT_TRUE(readFile(ini).startsWith(expected)) << readFile(ini).toStdString();
}
