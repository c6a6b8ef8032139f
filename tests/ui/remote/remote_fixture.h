#pragma once
// The main window with its remote page's server switched on from the options
// page, on a free loopback port.

#include "ui/form_fixture.h"

#include <QLabel>
#include <QSpinBox>
#include <QTcpServer>

#include "ui/remote/RemoteServer.h"
#include "ui/remote/remote_client.h"

class RemoteTest : public FormTest {
protected:
    static quint16 freePort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return probe.serverPort();
    }
    void switchOn()
    {
        get<QSpinBox>("SpinEditRemotePort")->setValue(freePort());
        click(get<QCheckBox>("CheckBoxRemote"));
        ASSERT_TRUE(server().listening()) << get<QLabel>("LabelRemoteStatus")->text().toStdString();
        port = server().port();
        token = server().token();
    }
    korvanel::RemoteServer &server() { return *form->remoteServer(); }

    quint16 port = 0;
    QByteArray token;
};
