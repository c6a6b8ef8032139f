// The remote page in a real browser: headless Chromium, driven through its
// DevTools protocol on loopback, against the program started as it starts,
// with the fake USB library taking its frames.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QScrollBar>
#include <QSpinBox>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QToolButton>
#include <memory>

#include "app/AppShell.h"
#include "support/ShellWindow.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/remote/RemoteServer.h"
#include "ui/remote/page_translator.h"
#include "ui/remote/remote_client.h"

using namespace korvanel;

namespace {

const QString Chromium = QStringLiteral("/usr/bin/chromium");

// One headless browser with its own profile; every wait on it is bounded.
class Browser {
public:
    ~Browser()
    {
        m_cdp.abort();
        // Asked to end first, so that it cleans up after itself; what it leaves is in the profile's folder.
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(5000)) {
                m_process.kill();
                m_process.waitForFinished(5000);
            }
        }
    }

    bool start()
    {
        if (!m_profile.isValid())
            return false;
        m_process.setProgram(Chromium);
        m_process.setArguments({QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                                QStringLiteral("--disable-gpu"), QStringLiteral("--no-first-run"),
                                QStringLiteral("--user-data-dir=") + m_profile.path(),
                                QStringLiteral("--remote-debugging-address=127.0.0.1"),
                                QStringLiteral("--remote-debugging-port=0"), QStringLiteral("about:blank")});
        // Its chatter about the missing system bus and the like is of no use here.
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setStandardErrorFile(QProcess::nullDevice());
        QDir(m_profile.path()).mkdir(QStringLiteral("tmp"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), m_profile.filePath(QStringLiteral("tmp")));
        m_process.setProcessEnvironment(environment);
        m_process.start();
        // The browser names its DevTools port in the profile once it listens.
        QFile portFile(m_profile.filePath(QStringLiteral("DevToolsActivePort")));
        if (!QTest::qWaitFor([&] { return portFile.exists() && portFile.size() > 0; }, 20000))
            return false;
        if (!portFile.open(QIODevice::ReadOnly))
            return false;
        const auto port = static_cast<quint16>(portFile.readLine().trimmed().toUInt());
        QByteArray list;
        const bool listed = QTest::qWaitFor(
            [&] {
                list = httpGet(port, "/json/list");
                return list.contains("\"page\"");
            },
            10000);
        if (!listed)
            return false;
        const QJsonArray targets = QJsonDocument::fromJson(list.mid(list.indexOf("\r\n\r\n") + 4)).array();
        for (const QJsonValue &target : targets) {
            if (target[QStringLiteral("type")] == QStringLiteral("page")) {
                QObject::connect(&m_cdp, &QWebSocket::textMessageReceived, [this](const QString &text) {
                    const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
                    if (message.contains(QStringLiteral("id")))
                        m_replies.insert(message[QStringLiteral("id")].toInt(), message);
                });
                m_cdp.open(QUrl(target[QStringLiteral("webSocketDebuggerUrl")].toString()));
                return QTest::qWaitFor([&] { return m_cdp.state() == QAbstractSocket::ConnectedState; }, 5000);
            }
        }
        return false;
    }

    QJsonObject call(const QString &method, const QJsonObject &params = {})
    {
        const int id = m_next++;
        m_cdp.sendTextMessage(QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("id"), id},
                                                                          {QStringLiteral("method"), method},
                                                                          {QStringLiteral("params"), params}})
                                                    .toJson(QJsonDocument::Compact)));
        if (!QTest::qWaitFor([&] { return m_replies.contains(id); }, 10000))
            return {};
        return m_replies.take(id)[QStringLiteral("result")].toObject();
    }

    QJsonValue eval(const QString &expression)
    {
        const QJsonObject result =
            call(QStringLiteral("Runtime.evaluate"),
                 {{QStringLiteral("expression"), expression}, {QStringLiteral("returnByValue"), true}});
        return result[QStringLiteral("result")].toObject()[QStringLiteral("value")];
    }

    bool waitFor(const QString &expression, int ms = 5000)
    {
        return QTest::qWaitFor([&] { return eval(expression).toBool(); }, ms);
    }

private:
    QTemporaryDir m_profile;
    QProcess m_process;
    QWebSocket m_cdp;
    QHash<int, QJsonObject> m_replies;
    int m_next = 1;
};

// The levels of a wire frame, slot 0 (start code) first: FF F0, bytes with FF sent as FF F7, FF F1 FF FF.
std::vector<std::uint8_t> frameLevels(const std::vector<std::uint8_t> &wire)
{
    std::vector<std::uint8_t> levels;
    for (std::size_t i = 2; i < wire.size(); ++i) {
        if (wire[i] != 0xFF) {
            levels.push_back(wire[i]);
        } else if (i + 1 < wire.size() && wire[i + 1] == 0xF7) {
            levels.push_back(0xFF);
            ++i;
        } else {
            break;
        }
    }
    return levels;
}

class RemoteBrowser : public ShellWindow {
protected:
    void SetUp() override
    {
        if (!QFile::exists(Chromium))
            GTEST_SKIP() << "no Chromium: scripts/install-deps.sh installs it";
        makeShell();
        fake.plug(1);
        shell->FormCreate();
    }
    // A frame sent after now shows `level` on `channel`.
    bool frameShows(std::size_t channel, std::uint8_t level)
    {
        const auto from = fake.writeCount();
        return QTest::qWaitFor(
            [&] {
                if (fake.writeCount() <= from)
                    return false;
                const auto levels = frameLevels(fake.lastWrite().bytes);
                return levels.size() > channel && levels[channel] == level;
            },
            3000);
    }
};

} // namespace

TEST_F(RemoteBrowser, APhonesPageMovesTheShowAndFollowsTheWindow)
{
    // The page's words are the program's: one of them as a translation could make it, the rest as they are.
    const QString title = QStringLiteral("KORVANEL — пульт") + ScriptBreaker;
    const PageTranslator translator(
        [&](const QString &source) { return source == QStringLiteral("KORVANEL — пульт") ? title : QString(); });
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    form->control<QSpinBox>("SpinEditRemotePort")->setValue(port);
    form->control<QCheckBox>("CheckBoxRemote")->setChecked(true);
    ASSERT_TRUE(form->remoteServer()->listening());
    // A picture that puts channel 12 at 180.
    engine->SceneMemory.set(pictureFlag(2, 12), 1);
    engine->SceneMemory.set(pictureLevel(2, 12), 180);

    Browser browser;
    ASSERT_TRUE(browser.start());
    browser.call(QStringLiteral("Emulation.setDeviceMetricsOverride"),
                 {{QStringLiteral("width"), 360},
                  {QStringLiteral("height"), 800},
                  {QStringLiteral("deviceScaleFactor"), 1},
                  {QStringLiteral("mobile"), true}});
    browser.call(QStringLiteral("Page.navigate"),
                 {{QStringLiteral("url"), form->control<QLabel>("LabelRemoteAddress")->text()}});
    ASSERT_TRUE(browser.waitFor(QStringLiteral("document.getElementById('link').className === 'on'"), 10000));
    EXPECT_EQ(browser.eval(QStringLiteral("document.documentElement.scrollWidth")).toInt(), 360)
        << "nothing wider than a phone";
    EXPECT_EQ(browser.eval(QStringLiteral("document.title")).toString(), title);
    EXPECT_TRUE(browser.eval(QStringLiteral("window.broken === undefined")).toBool()) << "a word ran as markup";
    EXPECT_EQ(browser.eval(QStringLiteral("document.getElementById('link').textContent")).toString(),
              QStringLiteral("Связь есть"));

    // A fader: the window's fader and the wire.
    browser.eval(QStringLiteral("(() => { const s = document.querySelectorAll('.slide')[0]; s.value = 200;"
                                " s.dispatchEvent(new Event('input')); })()"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->control<QScrollBar>("ScrollBar1")->value() == 200; }, 3000));
    EXPECT_TRUE(frameShows(1, 200));

    // A picture held, then let go.
    const QString picture = QStringLiteral("document.querySelectorAll('#pics button')[2].dispatchEvent("
                                           "new PointerEvent('%1', {pointerId: 1, bubbles: true}))");
    browser.eval(picture.arg(QStringLiteral("pointerdown")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->control<QCheckBox>("CheckBoxChs3")->isChecked(); }, 3000));
    EXPECT_TRUE(frameShows(12, 180));
    browser.eval(picture.arg(QStringLiteral("pointerup")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->control<QCheckBox>("CheckBoxChs3")->isChecked(); }, 3000));
    EXPECT_TRUE(frameShows(12, 0));

    // Playback started from the page.
    browser.eval(QStringLiteral("document.getElementById('play').click()"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return load(engine->PlayMode) == 1; }, 3000));
    EXPECT_TRUE(form->control<QToolButton>("SpeedButtonPlay")->isChecked());
    EXPECT_TRUE(browser.waitFor(QStringLiteral("document.getElementById('play').classList.contains('on')")));
    browser.eval(QStringLiteral("document.getElementById('stop').click()"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return load(engine->PlayMode) == 0; }, 3000));

    // And back: a scene step in the window shows on the page.
    form->scrollBarStep()->setValue(1);
    EXPECT_TRUE(browser.waitFor(QStringLiteral("document.getElementById('scene').textContent === '2'")));
    EXPECT_TRUE(
        browser.eval(QStringLiteral("document.getElementById('sceneLine').textContent.startsWith('Сцена 2 из ')"))
            .toBool())
        << "the scene's number in its place in the words";

    // The program's server off: the page greys out and says so; on again, with the same token, it is back by itself.
    form->control<QCheckBox>("CheckBoxRemote")->setChecked(false);
    EXPECT_TRUE(browser.waitFor(QStringLiteral("document.getElementById('live').disabled && "
                                               "document.getElementById('link').textContent.startsWith('Нет связи')")));
    const QByteArray shots = qgetenv("KORVANEL_SHOTS");
    if (!shots.isEmpty()) {
        QFile file(QString::fromLocal8Bit(shots) + QStringLiteral("/remote-page-offline.png"));
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray::fromBase64(
                browser.call(QStringLiteral("Page.captureScreenshot"))[QStringLiteral("data")].toString().toLatin1()));
    }
    form->scrollBarStep()->setValue(2);
    form->control<QCheckBox>("CheckBoxRemote")->setChecked(true);
    EXPECT_TRUE(browser.waitFor(QStringLiteral("!document.getElementById('live').disabled && "
                                               "document.getElementById('link').className === 'on'"),
                                10000));
    EXPECT_TRUE(browser.waitFor(QStringLiteral("document.getElementById('scene').textContent === '3'")))
        << "what changed meanwhile";

    // For a person to look at: the whole page at phone width.
    if (!shots.isEmpty()) {
        const int height = browser.eval(QStringLiteral("document.documentElement.scrollHeight")).toInt();
        browser.call(QStringLiteral("Emulation.setDeviceMetricsOverride"),
                     {{QStringLiteral("width"), 360},
                      {QStringLiteral("height"), height},
                      {QStringLiteral("deviceScaleFactor"), 1},
                      {QStringLiteral("mobile"), true}});
        const QJsonObject shot = browser.call(QStringLiteral("Page.captureScreenshot"));
        QFile file(QString::fromLocal8Bit(shots) + QStringLiteral("/remote-page-360.png"));
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray::fromBase64(shot[QStringLiteral("data")].toString().toLatin1()));
    }
}
