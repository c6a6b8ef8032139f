// Every text of the window is read in full at the design size: no caption,
// heading or name is cut by the width its control was given.
#include "ui/live_fixture.h"
#include "ui/texts/interface_texts.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QToolButton>

#include "files/ChannelNames.h"
#include "ui/widgets/NameCodec.h"
#include "ui/widgets/WrappingLabel.h"

namespace {

using namespace korvanel;

int widestLine(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The names of the visible controls whose text does not fit.
QStringList cutTexts(const QWidget &window)
{
    QStringList cut;
    const auto name = [](const QWidget *w) {
        return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) + ":" : w->objectName();
    };
    for (const QWidget *w : window.findChildren<QWidget *>()) {
        if (!w->isVisibleTo(&window) || !w->isVisible())
            continue;
        if (const auto *label = qobject_cast<const QLabel *>(w)) {
            if (label->wordWrap() || qobject_cast<const WrappingLabel *>(label) || label->text().isEmpty() ||
                label->objectName() == "LabelOpis")
                continue;
            if (widestLine(label->fontMetrics(), label->text()) > label->contentsRect().width() + 1)
                cut << name(label) + " '" + label->text() + "'";
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(w)) {
            const auto *tool = qobject_cast<const QToolButton *>(w);
            if (button->text().isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly) ||
                (tool && !button->icon().isNull() && tool->toolButtonStyle() != Qt::ToolButtonTextOnly))
                continue;
            const int needed =
                tool ? button->fontMetrics().horizontalAdvance(button->text()) + 4 : button->sizeHint().width();
            if (needed > button->width() + 1)
                cut << name(button) + " '" + button->text() + "'";
        } else if (const auto *group = qobject_cast<const QGroupBox *>(w)) {
            if (group->fontMetrics().horizontalAdvance(group->title().trimmed()) + 8 > group->width())
                cut << name(group) + " '" + group->title() + "'";
        } else if (const auto *tabs = qobject_cast<const QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)) > tabs->tabRect(i).width() ||
                    !tabs->rect().contains(tabs->tabRect(i)))
                    cut << "tab '" + tabs->tabText(i) + "'";
            }
        } else if (const auto *edit = qobject_cast<const QLineEdit *>(w)) {
            // Where QLineEdit draws its text: the contents less its margins of 2 and the cursor.
            QStyleOptionFrame option;
            option.initFrom(edit);
            const QMargins margins = edit->textMargins();
            const int room = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width() -
                margins.left() - margins.right() - 2 * 2 - 1;
            if (edit->fontMetrics().horizontalAdvance(edit->text()) > room)
                cut << name(edit) + " '" + edit->text() + "'";
        }
    }
    return cut;
}

class ReadableTexts : public LiveTest {
protected:
    void everyTextIsReadInFull();
};

template <const char *Lang>
class ReadableTextsIn : public SessionLocale<Lang>, public ReadableTexts {
};
using ReadableTextsInEnglish = ReadableTextsIn<EnglishLocale>;

TEST_F(ReadableTexts, EveryTextIsReadInFullOnEveryPageAtTheDesignSize) { everyTextIsReadInFull(); }

TEST_F(ReadableTextsInEnglish, EveryTextIsReadInFullOnEveryPageAtTheDesignSize)
{
    ASSERT_TRUE(InterfaceTexts::instance().english());
    everyTextIsReadInFull();
}

void ReadableTexts::everyTextIsReadInFull()
{
    // Sixteen capitals, wide ones among them.
    for (std::size_t c = 1; c <= 27; ++c)
        SaveEdit(*engine, c,
                 padName(NameCodec::instance().encode(
                     QString::fromUtf8(c % 2 != 0 ? "СТРОБОСКОП ЛЕВЫЙ" : "ПРОЖЕКТОР ПАР 64"))));
    form->ReturnPageControlAll();
    form->resize(895, 658);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QStringList cut;
    for (int page = 0; page < form->pageControlInput()->count(); ++page) {
        form->pageControlInput()->setCurrentIndex(page);
        for (QTabWidget *side : {form->pageControlTemp(), form->pageControlUst()}) {
            for (int tab = 0; tab < side->count(); ++tab) {
                side->setCurrentIndex(tab);
                QTest::qWait(1);
                cut << cutTexts(*form);
            }
        }
    }
    for (QWidget *window : {static_cast<QWidget *>(staticForm.get()), static_cast<QWidget *>(handScan.get())}) {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        cut << cutTexts(*window);
    }
    cut.removeDuplicates();
    EXPECT_TRUE(cut.isEmpty()) << cut.join("\n").toStdString();
    EXPECT_LE(form->width(), 895);
}

} // namespace
