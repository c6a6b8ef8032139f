#pragma once
// A translator of the remote page's words alone, installed while it lives:
// what `translate` gives for a word is the page's text for it; a null string
// leaves the word as it is.

#include <QCoreApplication>
#include <QTranslator>
#include <functional>
#include <utility>

class PageTranslator : public QTranslator {
public:
    explicit PageTranslator(std::function<QString(const QString &)> translate) : m_translate(std::move(translate))
    {
        QCoreApplication::installTranslator(this);
    }
    ~PageTranslator() override { QCoreApplication::removeTranslator(this); }

    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return qstrcmp(context, "RemotePage") == 0 ? m_translate(QString::fromUtf8(source)) : QString();
    }
    bool isEmpty() const override { return false; }

private:
    std::function<QString(const QString &)> m_translate;
};

// Text that would end the page's script, start markup or end a line there, were it not written safely.
inline const QString ScriptBreaker =
    QStringLiteral(R"( </script><img src="x" onerror="window.broken=1"><!-- " ' \ &amp;)") + QChar(0x2028);
