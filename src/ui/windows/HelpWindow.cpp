#include "ui/windows/HelpWindow.h"

#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/texts/InterfaceTexts.h"

namespace korvanel {

HelpWindow::HelpWindow(const QString &helpFileName, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(tr("Справка"));
    resize(640, 560);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpText"));
    m_browser->setOpenExternalLinks(true);

    QFile own(helpFileName);
    if (!helpFileName.isEmpty() && own.open(QIODevice::ReadOnly)) {
        const QString text = QString::fromUtf8(own.readAll());
        if (Qt::mightBeRichText(text))
            m_browser->setHtml(text);
        else
            m_browser->setPlainText(text);
        m_ownFile = true;
    } else {
        QFile builtIn(InterfaceTexts::instance().english() ? QStringLiteral(":/help/help_en.html")
                                                           : QStringLiteral(":/help/help_ru.html"));
        builtIn.open(QIODevice::ReadOnly);
        m_browser->setHtml(QString::fromUtf8(builtIn.readAll()));
    }

    auto *close = new QPushButton(tr("Закрыть"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(close, 0, Qt::AlignRight);
}

} // namespace korvanel
