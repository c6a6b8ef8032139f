// The remote page's words: none in the page itself, all from the program, in
// its language, and none able to break out of the script they are written into.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <algorithm>
#include <set>
#include <string>

#include "ui/remote/RemotePageWords.h"
#include "ui/remote/RemoteServer.h"
#include "ui/remote/page_translator.h"

using namespace korvanel;

namespace {

QByteArray servedPage()
{
    QFile file(RemoteServer::pagePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(RemotePageWords, ThePageHasNoWordsOfItsOwnAndTheProgramGivesEveryOneItNames)
{
    const QByteArray page = servedPage();
    ASSERT_FALSE(page.isEmpty());
    const QString text = QString::fromUtf8(page);
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        EXPECT_FALSE(
            std::any_of(line.begin(), line.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; }))
            << "a word written into the page: " << line.toStdString();
    }
    EXPECT_EQ(page.count(RemotePageWordsPlace), 1);

    std::set<std::string> named;
    static const QRegularExpression names(QStringLiteral(R"re(data-(?:w|hint|label)="(\w+)"|\bW\.(\w+))re"));
    for (const QRegularExpressionMatch &m : names.globalMatch(text))
        named.insert((m.captured(1).isEmpty() ? m.captured(2) : m.captured(1)).toStdString());
    const QJsonObject words = remotePageWords();
    std::set<std::string> given;
    for (const QString &key : words.keys()) {
        given.insert(key.toStdString());
        EXPECT_FALSE(words[key].toString().isEmpty()) << key.toStdString();
    }
    EXPECT_EQ(named, given) << "a word the page lacks, or one it never shows";
}

TEST(RemotePageWords, AWordIsShownAsTranslatedAndCannotBreakOutOfTheScript)
{
    const PageTranslator translator([](const QString &source) { return source + ScriptBreaker; });
    const QJsonObject words = remotePageWords();
    EXPECT_EQ(words[QStringLiteral("linked")].toString(), QStringLiteral("Связь есть") + ScriptBreaker);

    const QByteArray page = servedPage();
    const QByteArray filled = withRemotePageWords(page, words);
    EXPECT_EQ(filled.toLower().count("</script"), page.toLower().count("</script"));
    EXPECT_EQ(filled.count("<!--"), page.count("<!--"));
    EXPECT_FALSE(filled.contains(QString(QChar(0x2028)).toUtf8()));

    // What went in is, read as the script reads it, the words themselves.
    const qsizetype at = page.indexOf(RemotePageWordsPlace);
    const QByteArray written = filled.mid(at, filled.size() - page.size() + qsizetype(sizeof RemotePageWordsPlace) - 1);
    QJsonParseError error{};
    EXPECT_EQ(QJsonDocument::fromJson(written, &error).object(), words) << error.errorString().toStdString();
    EXPECT_TRUE(filled.endsWith(page.mid(at + qsizetype(sizeof RemotePageWordsPlace) - 1)));
}
