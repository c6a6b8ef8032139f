#include "ui/remote/RemoteServer.h"

#include <QFile>
#include <dlfcn.h>

#include "output/CompanionModule.h"

namespace korvanel {

namespace {
constexpr const char *ModuleName = "korvanel-remote.so";
}

RemoteServer::RemoteServer(QObject *parent, QString modulePath) : QObject(parent), m_modulePath(std::move(modulePath))
{
}

RemoteServer::~RemoteServer()
{
    // The window around the listeners is being torn down: it hears of no client leaving.
    const QSignalBlocker quiet(this);
    m_net.reset();
}

QString RemoteServer::load()
{
    if (m_net)
        return {};
    const QString path =
        !m_modulePath.isEmpty() ? m_modulePath : QString::fromStdString(findCompanionModule(ModuleName));
    if (path.isEmpty())
        return tr("нет файла %1 рядом с программой, переустановите её").arg(QLatin1String(ModuleName));
    static constexpr ModuleWanted Wanted{RemoteNetModuleKind, RemoteNetInterfaceVersion,
                                         KORVANEL_REMOTE_MODULE_BUILD_ID, MakeRemoteNetName};
    const LoadedModule module = loadCompanionModule(QFile::encodeName(path).toStdString(), Wanted);
    const QString name = path.section(QLatin1Char('/'), -1);
    switch (module.refusal) {
    case ModuleRefusal::None:
        break;
    case ModuleRefusal::NotLoaded:
    case ModuleRefusal::NoEntry:
        return tr("%1 не загружается: %2").arg(path, QString::fromLocal8Bit(module.loaderError.c_str()));
    case ModuleRefusal::NoInfo:
    case ModuleRefusal::OtherKind:
        return tr("%1 от другой версии программы (модуль не описывает себя), переустановите программу").arg(name);
    case ModuleRefusal::OtherInterface:
        return tr("%1 от другой версии программы (интерфейс %2, нужен %3), переустановите программу")
            .arg(name)
            .arg(module.interfaceVersion)
            .arg(RemoteNetInterfaceVersion);
    case ModuleRefusal::OtherBuild:
        return tr("%1 от другой сборки программы, переустановите программу").arg(name);
    }
    const auto make = reinterpret_cast<MakeRemoteNet>(module.entry);
    QFile page(pagePath());
    m_net.reset(make(*this, page.open(QIODevice::ReadOnly) ? page.readAll() : QByteArray()));
    m_net->setHeartbeat(m_pingMs, m_silenceMs);
    return {};
}

QString RemoteServer::start(quint16 port, bool network)
{
    if (QString why = load(); !why.isEmpty()) {
        m_error = RemoteStartError::Other;
        return why;
    }
    return m_net->start(port, network, m_error);
}

void RemoteServer::stop()
{
    if (m_net)
        m_net->stop();
}

void RemoteServer::renewToken()
{
    if (m_net)
        m_net->renewToken();
}

void RemoteServer::send(quint64 client, const QByteArray &text)
{
    if (m_net)
        m_net->send(client, text);
}

void RemoteServer::sendAll(const QByteArray &text)
{
    if (m_net)
        m_net->sendAll(text);
}

void RemoteServer::setHeartbeat(int pingMs, int silenceMs)
{
    m_pingMs = pingMs;
    m_silenceMs = silenceMs;
    if (m_net)
        m_net->setHeartbeat(pingMs, silenceMs);
}

QImage RemoteServer::qrImage(const QByteArray &text, int scale) const
{
    return m_net ? m_net->qrImage(text, scale) : QImage();
}

QString RemoteServer::networkHost() const { return m_net ? m_net->networkHost() : QStringLiteral("127.0.0.1"); }

void RemoteServer::joined(quint64 client)
{
    emit clientJoined(client);
    emit clientCountChanged(clientCount());
}

void RemoteServer::left(quint64 client)
{
    emit clientLeft(client);
    emit clientCountChanged(clientCount());
}

void RemoteServer::message(quint64 client, const QByteArray &text)
{
    if (const auto parsed = parseRemoteCommand(text))
        emit command(client, *parsed);
}

} // namespace korvanel
