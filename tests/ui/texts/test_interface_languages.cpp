// The program in English and in Russian: chosen by the locale at start, or on
// the options page while it runs, for every window at once.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "ui/live_fixture.h"
#include "ui/mainwindow/MainMenu.h"
#include "ui/pages/options/LanguageGroup.h"
#include "ui/pages/options/OptionsTab.h"
#include "ui/rightcolumn/SequencerControl.h"
#include "ui/texts/InterfaceTexts.h"
#include "ui/texts/interface_texts.h"
#include "ui/windows/AboutForm.h"
#include "ui/windows/HelpWindow.h"

namespace {

using namespace korvanel;

template <const char *Lang>
class SessionTest : public SessionLocale<Lang>, public LiveTest {
protected:
    // Every window a person meets, and what each says.
    QStringList allTexts()
    {
        TAboutForm about;
        HelpWindow help(QString{});
        QFileDialog files;
        files.setOption(QFileDialog::DontUseNativeDialog);
        QMessageBox box(QMessageBox::Warning, {}, {}, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QStringList texts;
        for (const QWidget *w : std::initializer_list<const QWidget *>{form.get(), staticForm.get(), handScan.get(),
                                                                       &about, &help, &files, &box})
            texts << textsOf(*w);
        return texts;
    }

    // The questions the show commands ask, as the operator reads them.
    QStringList questions()
    {
        form->mainMenu()->items().NewItem->trigger();
        engine->SceneMemory.set(129, 0x5A);
        form->mainMenu()->items().NewItem->trigger();
        return dialogs->shown;
    }
};

using EnglishSession = SessionTest<EnglishLocale>;
using RussianSession = SessionTest<RussianLocale>;

TEST_F(EnglishSession, NoWindowDialogOrQuestionSaysAWordOfRussian)
{
    ASSERT_TRUE(InterfaceTexts::instance().english());
    const QStringList texts = allTexts();
    EXPECT_GT(texts.size(), 300);
    EXPECT_TRUE(russianOf(texts).isEmpty()) << russianOf(texts).join("\n").toStdString();
    const QStringList asked = questions();
    ASSERT_FALSE(asked.isEmpty());
    EXPECT_TRUE(russianOf(asked).isEmpty()) << asked.join("\n").toStdString();
    EXPECT_EQ(QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(), "Cancel");
}

TEST_F(RussianSession, TheTextsOfTodayAndAChangeOfLanguageThereAndBack)
{
    ASSERT_FALSE(InterfaceTexts::instance().english());
    // The clocks count seconds: stopped, their read-outs change only with the language.
    form->sequencer()->TimerShouClock().stop();
    form->sequencer()->showClockTick();
    // Every page as it shows the show, and the live display after its first look at the frames.
    for (int page = form->pageControlInput()->count() - 1; page >= 0; --page)
        form->pageControlInput()->setCurrentIndex(page);
    QTest::qWait(300);
    const QStringList before = allTexts();
    EXPECT_EQ(form->mainMenu()->items().FileItem->title(), QString::fromUtf8("Шоу"));
    EXPECT_EQ(QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(),
              QString::fromUtf8("Отмена"))
        << "Qt's own texts";
    EXPECT_GT(russianOf(before).size(), 300);

    QComboBox *choice = form->optionsTab()->languageGroup()->comboBoxLanguage();
    EXPECT_EQ(choice->itemText(1), "English");
    EXPECT_EQ(choice->itemText(2), QString::fromUtf8("Русский"));
    choice->setCurrentIndex(1);
    emit choice->activated(1);
    EXPECT_EQ(InterfaceTexts::instance().choice(), LanguageChoice::English);
    QCoreApplication::processEvents();
    const QStringList english = allTexts();
    EXPECT_TRUE(russianOf(english).isEmpty()) << russianOf(english).join("\n").toStdString();

    choice->setCurrentIndex(2);
    emit choice->activated(2);
    QCoreApplication::processEvents();
    const QStringList after = allTexts();
    QStringList lost = before, gained = after;
    for (const QString &t : after)
        lost.removeAll(t);
    for (const QString &t : before)
        gained.removeAll(t);
    EXPECT_TRUE(lost.isEmpty() && gained.isEmpty()) << "back in Russian, every text reads as before; was:\n"
                                                    << lost.join("\n").toStdString() << "\nnow:\n"
                                                    << gained.join("\n").toStdString();
}

} // namespace
