#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include "ui/form_fixture.h"
#include "ui/windows/AboutForm.h"
#include "ui/windows/HelpWindow.h"

using namespace korvanel;

TEST(AboutForm, LinksChangeColourAndOpenTheirTarget)
{
    TAboutForm about;
    EXPECT_EQ(about.windowTitle(), QString::fromUtf8("О программе"));
    EXPECT_EQ(about.size(), QSize(361, 192));
    EXPECT_FALSE(about.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(about.TimerFlesh().interval(), 300);
    EXPECT_TRUE(about.TimerFlesh().isActive());

    QList<QUrl> opened;
    for (const char *name : {"LabelLogin", "LabelHTTP", "lblUpDate"}) {
        auto *link = about.findChild<LinkLabel *>(name);
        ASSERT_NE(link, nullptr) << name;
        link->open = [&opened](const QUrl &url) { opened << url; };
        EXPECT_FALSE(link->target().host().isEmpty() && link->target().scheme() != "mailto") << name;
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(link, &enter);
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::red));
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QTest::mouseClick(link, Qt::LeftButton);
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::darkGreen));
    }
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened[0].scheme(), "mailto");
    EXPECT_TRUE(about.findChild<QLabel *>("LabelHTTP")
                    ->text()
                    .startsWith(QString::fromUtf8("Новая версия программы на сайте")));

    about.TimerFleshTimer();
    EXPECT_EQ(about.flashes(), 1);
}

TEST_F(FormTest, AboutOpensModallyAndClosesWithItsButton)
{
    bool sawIt = false;
    QTimer::singleShot(0, [&] {
        auto *about = qobject_cast<TAboutForm *>(QApplication::activeModalWidget());
        sawIt = about != nullptr;
        if (about)
            about->findChild<QPushButton *>("BitBtnClose")->click();
    });
    get<QAction>("AboutItem")->trigger();
    EXPECT_TRUE(sawIt);
    EXPECT_EQ(form->findChildren<TAboutForm *>().size(), 0) << "destroyed when it closes";
}

TEST_F(FormTest, HelpShowsTheBuiltInPageOrTheHelpFileBesideTheProgram)
{
    get<QAction>("HelpItem")->trigger();
    HelpWindow *help = form->helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->showsOwnFile());
    const QString text = help->browser()->toPlainText();
    for (const char *words : {"Фэйдера", "DMX coder", "Клавиши", "Файлы", "korvanel.ini"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << words;
    help->close();

    QTemporaryDir dir;
    QFile own(dir.filePath("korvanel.hlp"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("Our own help for this rig");
    own.close();
    HelpWindow custom(dir.filePath("korvanel.hlp"));
    EXPECT_TRUE(custom.showsOwnFile());
    EXPECT_EQ(custom.browser()->toPlainText(), "Our own help for this rig");
}
