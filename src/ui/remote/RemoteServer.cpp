#include "ui/remote/RemoteServer.h"

#include <QFile>
#include <dlfcn.h>

#include "output/CompanionModule.h"
#include "ui/remote/RemotePageWords.h"
#include "ui/remote/RemoteToken.h"
#include "ui/texts/ModuleRefusalWords.h"

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
    if (module.refusal != ModuleRefusal::None)
        return moduleRefusalWords(refusalFacts(QFile::encodeName(path).toStdString(), module, Wanted));
    const auto make = reinterpret_cast<MakeRemoteNet>(module.entry);
    QFile file(pagePath());
    // The page is made once, in the language the program speaks now.
    const QByteArray page =
        file.open(QIODevice::ReadOnly) ? withRemotePageWords(file.readAll(), remotePageWords()) : QByteArray();
    m_net.reset(make(*this, page));
    m_net->setHeartbeat(m_pingMs, m_silenceMs);
    if (m_clock)
        m_net->setClock(m_clock);
    return {};
}

QString RemoteServer::start(quint16 port, bool network)
{
    if (QString why = load(); !why.isEmpty()) {
        m_error = RemoteStartError::Other;
        return why;
    }
    if (m_token.isEmpty())
        m_token = m_tokenFile.isEmpty() ? makeRemoteToken() : keptRemoteToken(m_tokenFile);
    return m_net->start(port, network, m_token, m_error);
}

void RemoteServer::stop()
{
    if (m_net)
        m_net->stop();
}

void RemoteServer::renewToken()
{
    m_token = makeRemoteToken();
    // An old token left on disk must not come back at the next start.
    if (!m_tokenFile.isEmpty() && !keepRemoteToken(m_tokenFile, m_token))
        QFile::remove(m_tokenFile);
    if (listening())
        m_net->setToken(m_token);
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

QStringList RemoteServer::networkHosts() const { return m_net ? m_net->networkHosts() : QStringList(); }

void RemoteServer::setClock(std::function<qint64()> msClock)
{
    m_clock = std::move(msClock);
    if (m_net)
        m_net->setClock(m_clock);
}

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
