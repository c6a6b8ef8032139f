// The frame of the main window: pages, menus, tool bar, status line, start state.
#include "ui/form_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

#include <QTemporaryDir>
#include <vector>

#include "support/ScriptedDialogs.h"
#include "ui/mainwindow/MainMenu.h"
#include "ui/mainwindow/MouseWheel.h"
#include "ui/pages/faders/FaderTab.h"
#include "ui/pages/options/OptionsTab.h"
#include "ui/rightcolumn/ChannelSettingsGroup.h"
#include "ui/rightcolumn/ConveyorGroup.h"
#include "ui/rightcolumn/RateModeGroup.h"
#include "ui/rightcolumn/SequencerTab.h"

namespace {

struct Page {
    const char *name;
    const char *caption;
};

void expectPages(QTabWidget *pages, const std::vector<Page> &expected)
{
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), static_cast<int>(expected.size())) << pages->objectName().toStdString();
    for (int i = 0; i < pages->count(); ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), QString::fromLatin1(expected[i].name)) << i;
        EXPECT_EQ(pages->tabText(i), QString::fromUtf8(expected[i].caption)) << i;
    }
}

TEST_F(FormTest, WindowHasItsNameTitleAndDesignSize)
{
    EXPECT_EQ(form->objectName(), "BaseForm");
    EXPECT_EQ(form->windowTitle(), "KORVANEL");
    // Shown, the window grows past the design size as soon as its layouts need more room.
    form->show();
    QApplication::processEvents();
    EXPECT_EQ(form->size(), QSize(895, 658));
}

TEST_F(FormTest, OnAScreenSmallerThanTheDesignTheWindowFitsAndItsPagesScrollToEveryControl)
{
    auto *fit = get<QScrollArea>("ScrollBoxWindow");
    form->show();
    QApplication::processEvents();
    EXPECT_FALSE(fit->horizontalScrollBar()->isVisible() || fit->verticalScrollBar()->isVisible())
        << "the design size needs no scrolling";

    // 1280x800 at a scale of 1.5.
    form->fitInto(QRect(0, 0, 853, 533));
    QApplication::processEvents();
    EXPECT_LE(form->width(), 853);
    EXPECT_LE(form->height(), 533 - 32);
    for (QWidget *bar :
         {static_cast<QWidget *>(get<QMenuBar>("MainMenu")), static_cast<QWidget *>(get<QStatusBar>("StatusBar")),
          static_cast<QWidget *>(form->findChild<QToolBar *>())})
        EXPECT_TRUE(form->rect().contains(QRect(bar->mapTo(form.get(), QPoint()), bar->size())))
            << bar->objectName().toStdString();
    for (const char *name :
         {"SpeedButton20", "SpeedButtonUndo1", "ScrollBar27", "SpeedButtonPlay", "SpeedButtonKonvSpis"}) {
        auto *control = get<QWidget>(name);
        fit->ensureWidgetVisible(control);
        const QRect at(control->mapTo(fit->viewport(), QPoint()), control->size());
        EXPECT_TRUE(fit->viewport()->rect().contains(at)) << name << ": not reachable";
    }
}

TEST_F(FormTest, MainPagesInOrderWithCaptions)
{
    expectPages(form->pageControlInput(),
                {{"TabSheetScroll", "Фэйдера"},
                 {"TabSheetGrafik", "График Канала"},
                 {"TabSheetEdit", "Редактор луча"},
                 {"TabSheetBlocCopy", "Копирование"},
                 {"TabSheetVisual", "Автоматы"},
                 {"TabSheet1", "Опции"},
                 {"TabSheet3", "DMX coder"}});
}

TEST_F(FormTest, RightColumnGroupsHoldTheirPages)
{
    auto *play = get<QGroupBox>("GroupBoxPlay");
    auto *utility = get<QGroupBox>("GroupBoxUtility");
    auto *conveyor = get<QGroupBox>("GroupBoxKonveyr");
    ASSERT_TRUE(play && utility && conveyor);
    EXPECT_EQ(play->title(), "Управление сценами");
    EXPECT_EQ(utility->title(), " Установки каналов и Клавиатуры  ");
    EXPECT_EQ(conveyor->title(), "Конвейр потоков Шоу ");
    EXPECT_TRUE(play->isAncestorOf(form->pageControlTemp()));
    EXPECT_TRUE(utility->isAncestorOf(form->pageControlUst()));

    expectPages(form->pageControlTemp(), {{"TabSheetAvtomat", "Секвенсер"}, {"TabSheet2", "Цвет канала"}});
    expectPages(form->pageControlUst(),
                {{"TabSheetPlavno", "Плавность"}, {"TabSheetUroven", "Уровни"}, {"TabSheetSttica", "Стат. картины"}});
}

TEST_F(FormTest, StartsOnValidPagesThatTheClearCanSelect)
{
    EXPECT_EQ(form->pageControlInput()->currentIndex(), 0);
    EXPECT_EQ(form->pageControlTemp()->currentIndex(), 0);
    EXPECT_GE(form->pageControlUst()->currentIndex(), 0);
    form->pageControlUst()->setCurrentIndex(2);
    EXPECT_EQ(form->pageControlUst()->currentWidget()->objectName(), "TabSheetSttica");
}

struct MenuItem {
    const char *name; // nullptr: separator
    const char *caption;
    QKeySequence shortcut;
};

struct Menu {
    const char *name;
    const char *title;
    std::vector<MenuItem> items;
};

const std::vector<Menu> &menus()
{
    static const std::vector<Menu> table = {
        {"FileItem",
         "Шоу",
         {{"NewItem", "Создать новое Шоу", QKeySequence("Ctrl+N")},
          {nullptr, nullptr, {}},
          {"OpenItem", "Открыть Шоу", QKeySequence("Ctrl+O")},
          {"SaveAsItem", "Сохранить Шоу как ...", QKeySequence("Ctrl+W")},
          {"SaveItem", "Сохранить Шоу", QKeySequence("Ctrl+S")},
          {nullptr, nullptr, {}},
          {"ExitItem", "Выход", QKeySequence("Ctrl+Q")}}},
        {"EditItem",
         "Сцены",
         {{nullptr, nullptr, {}},
          {"CopyPredScena", "Копировать предыдущую сцену", QKeySequence("Ctrl+P")},
          {"CopyToBufferItem", "Копировать сцену в буфер", QKeySequence("Ctrl+C")},
          {"NewPasteItem", "Создать новую и заменить сценой из буфера", QKeySequence("Ctrl+V")},
          {"PasteFromBufferItem", "Заменить сценой  из буфера", {}},
          {nullptr, nullptr, {}},
          {"ClearScenaItem", "Очистить Сцену", QKeySequence("Ctrl+E")},
          {"DeleteScenaItem", "Удалить Сцену из Шоу ", QKeySequence("Ctrl+Del")},
          {"InsertScenaItem", "Создать новую Сцену", QKeySequence("Ctrl+Ins")}}},
        {"UstanovItem",
         "Установки",
         {{"ClearNameChannelItem", "Очистить имена каналов", QKeySequence("Ctrl+I")},
          {"itemColor", "Очистить цвета имен каналов", {}},
          {"itemGrafHint", "Очистить графическую подсказку каналов", {}},
          {"itemColSplit", "Очистить цвет условного разделения каналов", {}}}},
        {"OptionItem",
         "Опции",
         {{"AreaItem", "Поле для ручного управления лучем сканера", QKeySequence("Ctrl+A")},
          {"ChaserItem", "Запись и редактирование Статических картинок", {}},
          {"AvtoDobScenaItem", "Разрешить автодобавление сцен", {}},
          {"ItemSound", "Опции окна зука", {}},
          {"MonitorItem", "Монитор выхода DMX", QKeySequence("F2")}}},
        {"HelpMenuItem", "Помощь", {{"AboutItem", "О программе", {}}, {"HelpItem", "Справка", QKeySequence("F1")}}},
    };
    return table;
}

TEST_F(FormTest, MenusHoldEveryItemInOrderWithCaptionAndShortcut)
{
    const QList<QAction *> bar = form->menuBar()->actions();
    ASSERT_EQ(bar.size(), static_cast<qsizetype>(menus().size()));
    for (std::size_t m = 0; m < menus().size(); ++m) {
        const Menu &expected = menus()[m];
        QMenu *menu = bar[static_cast<qsizetype>(m)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), QString::fromLatin1(expected.name));
        EXPECT_EQ(menu->title(), QString::fromUtf8(expected.title));
        const QList<QAction *> items = menu->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(expected.items.size())) << expected.name;
        for (std::size_t i = 0; i < expected.items.size(); ++i) {
            const MenuItem &item = expected.items[i];
            QAction *action = items[static_cast<qsizetype>(i)];
            SCOPED_TRACE(std::string(expected.name) + " item " + std::to_string(i));
            if (item.name == nullptr) {
                EXPECT_TRUE(action->isSeparator());
                continue;
            }
            EXPECT_EQ(action->objectName(), QString::fromLatin1(item.name));
            EXPECT_EQ(action->text(), QString::fromUtf8(item.caption));
            EXPECT_EQ(action->shortcut(), item.shortcut);
        }
    }
}

TEST_F(FormTest, MenuItemStartStates)
{
    for (const Menu &menu : menus())
        for (const MenuItem &item : menu.items) {
            if (item.name == nullptr)
                continue;
            const std::string name = item.name;
            QAction *action = get<QAction>(item.name);
            ASSERT_NE(action, nullptr);
            const bool disabled = name == "NewPasteItem" || name == "PasteFromBufferItem" || name == "ItemSound";
            EXPECT_EQ(action->isEnabled(), !disabled) << name;
            EXPECT_EQ(action->isCheckable(), name == "AvtoDobScenaItem") << name;
            EXPECT_FALSE(action->isChecked()) << name;
        }
}

TEST_F(FormTest, MenuShortcutsReachTheirItemFromAnyPage)
{
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QAction *clear = get<QAction>("ClearScenaItem");
    QAction *insert = get<QAction>("InsertScenaItem");
    QAction *help = get<QAction>("HelpItem");
    QAction *paste = get<QAction>("NewPasteItem");
    QSignalSpy clears(clear, &QAction::triggered), inserts(insert, &QAction::triggered),
        helps(help, &QAction::triggered), pastes(paste, &QAction::triggered);
    for (int page = 0; page < form->pageControlInput()->count(); ++page) {
        form->pageControlInput()->setCurrentIndex(page);
        QTest::keyClick(form.get(), Qt::Key_E, Qt::ControlModifier);
        QTest::keyClick(form.get(), Qt::Key_Insert, Qt::ControlModifier);
        QTest::keyClick(form.get(), Qt::Key_F1);
        QTest::keyClick(form.get(), Qt::Key_V, Qt::ControlModifier);
    }
    const int pages = form->pageControlInput()->count();
    EXPECT_EQ(clears.count(), pages);
    EXPECT_EQ(inserts.count(), pages);
    EXPECT_EQ(helps.count(), pages);
    EXPECT_EQ(pastes.count(), 0) << "a disabled item must not run from its shortcut";
}

TEST_F(FormTest, ToolBarButtonsInOrderWithHintsAndTheirMenuCommands)
{
    struct Entry {
        const char *name; // nullptr: separator
        const char *hint;
        const char *item;
    };
    const std::vector<Entry> expected = {
        {nullptr, nullptr, nullptr},
        {"SpeedButtonNEW", "Новое Шоу", "NewItem"},
        {"SpeedButtonOPEN", "Открыть Шоу", "OpenItem"},
        {"SpeedButtonSAVEAS", "Записать Шоу под новым Именем ", "SaveAsItem"},
        {"SpeedButtonSAVE", "Сохранить существующее Шоу ", "SaveItem"},
        {nullptr, nullptr, nullptr},
        {"SpeedButtonCOPY", "Копировать Сцену", "CopyToBufferItem"},
        {"SpeedButtonCOPYPREDSCEN", "Копировать предыдущую Сцену", "CopyPredScena"},
        {"SpeedButtonCLEAR", "Новая сцена", "ClearScenaItem"},
        {"SpeedButtonDELSCEN", "Удалить сцену", "DeleteScenaItem"},
        {nullptr, nullptr, nullptr},
        {"SpeedButtonAREA", "Окно ручного управления сканера ", "AreaItem"},
        {"SpeedButtonRECORD", "Запись статических картинок ", "ChaserItem"},
        {"SpeedButtonAVTOPLUS", "Автодобавление сцен ", "AvtoDobScenaItem"},
        {nullptr, nullptr, nullptr},
        {"SpeedButtonHELP", "Help ", "HelpItem"},
        {"SpeedButtonABOUT", "О программе ", "AboutItem"},
        {nullptr, nullptr, nullptr},
    };
    auto *bar = get<QToolBar>("ToolBar1");
    ASSERT_NE(bar, nullptr);
    // Commands that ask or open a window get no answer and are closed at once;
    // Save writes into a folder of the test's own.
    form->setDialogs(std::make_unique<ScriptedDialogs>());
    QTemporaryDir files;
    form->setSaveDialogFileName(files.filePath("show.kvl"));
    form->show();
    const QList<QAction *> actions = bar->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        QAction *action = actions[static_cast<qsizetype>(i)];
        if (expected[i].name == nullptr) {
            EXPECT_TRUE(action->isSeparator());
            continue;
        }
        auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->objectName(), QString::fromLatin1(expected[i].name));
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(expected[i].hint));
        EXPECT_FALSE(button->icon().isNull());

        QSignalSpy triggered(get<QAction>(expected[i].item), &QAction::triggered);
        QTimer::singleShot(0, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(triggered.count(), 1) << expected[i].item;
    }
    // The auto-add button flips the menu's check mark, the only auto-add state.
    EXPECT_TRUE(get<QAction>("AvtoDobScenaItem")->isChecked());
}

TEST_F(FormTest, StatusLineShowsLongMessagesInFullWithoutWideningTheWindow)
{
    auto *bar = get<QStatusBar>("StatusBar");
    QLabel *panel = form->StatusPanel0();
    ASSERT_TRUE(bar && panel);
    EXPECT_EQ(form->statusBar(), bar);
    EXPECT_TRUE(bar->isAncestorOf(panel));
    EXPECT_EQ(panel->text(), "empty");
    EXPECT_EQ(panel->minimumWidth(), 200);

    // Texts given before the window is seen count their time from when it is.
    form->OutStatus(QString::fromUtf8(" Папка программы только для чтения: настройки сохраняются в "
                                      "/home/operator/.local/share/korvanel "));
    EXPECT_FALSE(form->statusLine().TimerStatus().isActive());
    form->resize(895, 658);
    form->show();
    const int narrowest = form->minimumSizeHint().width();
    EXPECT_TRUE(form->statusLine().TimerStatus().isActive());
    form->OutStatus(QString::fromUtf8(" Интерфейс отключен от компьютера ") + QString(300, QLatin1Char('x')));
    QTest::qWait(20);
    EXPECT_LE(form->minimumSizeHint().width(), narrowest);
    EXPECT_EQ(form->width(), 895);
    form->StatusPanel0()->setText(QString::fromUtf8("empty Папка программы только для чтения: настройки сохраняются в "
                                                    "/home/operator/.local/share/korvanel  Вывод DMX без приоритета "
                                                    "реального времени "));
    QTest::qWait(20);
    EXPECT_GT(panel->width(), 200);
    const QRect needed =
        panel->fontMetrics().boundingRect(QRect(0, 0, panel->width(), 1000), Qt::TextWordWrap, panel->text());
    EXPECT_GE(panel->height(), needed.height()) << "a line of it is cut off";
}

TEST_F(FormTest, SpeedButtonsTakeTheFocusFromTabNeverFromAClick)
{
    const QList<QToolButton *> buttons = form->findChildren<QToolButton *>();
    int named = 0;
    for (QToolButton *button : buttons) {
        if (qobject_cast<QTabBar *>(button->parentWidget()) || button->objectName().startsWith("qt_"))
            continue; // Qt's own arrows and overflow buttons
        ++named;
        // The tool bar's commands have their menu items and shortcuts.
        const bool toolBar = qobject_cast<QToolBar *>(button->parentWidget()) != nullptr;
        EXPECT_EQ(button->focusPolicy(), toolBar ? Qt::NoFocus : Qt::TabFocus) << button->objectName().toStdString();
    }
    EXPECT_GE(named, 57); // 13 tool bar, 8 sequencer, 5 fader page, 6 editors, 25 conveyor
}

TEST_F(FormTest, SnapshotAndUndoPairsStartWithUndoDisabled)
{
    for (int n : {1, 3, 4, 5}) {
        auto *mem = get<QToolButton>(("SpeedButtonMem" + std::to_string(n)).c_str());
        auto *undo = get<QToolButton>(("SpeedButtonUndo" + std::to_string(n)).c_str());
        ASSERT_TRUE(mem && undo);
        EXPECT_TRUE(mem->isEnabled()) << n;
        EXPECT_FALSE(undo->isEnabled()) << n;
        // The beam editor explains its pair with labels instead of hints.
        EXPECT_EQ(mem->toolTip(), n == 4 ? QString() : QString("Запомнить Сцену")) << n;
        EXPECT_EQ(undo->toolTip(), n == 4 ? QString() : QString("Вернуть прежнюю сцену")) << n;
        EXPECT_EQ(mem->parentWidget(), undo->parentWidget()) << n;
    }
    EXPECT_TRUE(form->pageControlInput()->widget(3)->isAncestorOf(form->speedButtonUndo5()));
}

TEST_F(FormTest, PageChangeAndCloseAreSignalled)
{
    QSignalSpy pages(form.get(), &TBaseForm::pageChanged);
    form->pageControlInput()->setCurrentIndex(4);
    ASSERT_EQ(pages.count(), 1);
    EXPECT_EQ(pages.at(0).at(0).toInt(), 4);

    QSignalSpy closing(form.get(), &TBaseForm::closing);
    form->show();
    EXPECT_TRUE(form->close());
    form->close();
    EXPECT_EQ(closing.count(), 1) << "shutdown must run once";
}

} // namespace

namespace {

QStringList namedControls(const QWidget &form)
{
    QStringList names;
    for (const QObject *child : form.findChildren<QObject *>())
        if (!child->objectName().isEmpty())
            names << child->objectName();
    names.sort();
    return names;
}

// The program's own window leaves the editor pages for after its first paint.
TEST(EditorPagesLater, APageChangeOrTheFirstPaintBuildsThemAndTheWindowEndsAsTheCompleteOne)
{
    auto engine = std::make_unique<korvanel::Engine>();
    TBaseForm form(*engine, nullptr, TBaseForm::Build::EditorPagesLater);
    ASSERT_FALSE(form.editorPagesBuilt());
    EXPECT_EQ(form.findChild<QWidget *>("GraphEditor"), nullptr);

    // A change to the graph page builds them before the page is refreshed, and the wheel then steps its channel.
    form.pageControlInput()->setCurrentIndex(1);
    ASSERT_TRUE(form.editorPagesBuilt());
    auto *channel = form.control<QScrollBar>("ScrollBarChanellGrafik");
    ASSERT_NE(channel, nullptr);
    const int before = channel->value();
    form.mouseWheel()->FormMouseWheel(120);
    EXPECT_EQ(channel->value(), before + 1);
    form.pageControlInput()->setCurrentIndex(2);
    auto *pair = form.control<QScrollBar>("ScrollBarEditXYCh1");
    ASSERT_NE(pair, nullptr);
    const int pairBefore = pair->value();
    form.mouseWheel()->FormMouseWheel(120);
    EXPECT_EQ(pair->value(), pairBefore + 1);

    // Shown without a page change, the first paint builds them: the same controls, the same window.
    auto shownEngine = std::make_unique<korvanel::Engine>();
    TBaseForm shown(*shownEngine, nullptr, TBaseForm::Build::EditorPagesLater);
    shown.show();
    shown.buildEditorPagesOnceShown();
    QElapsedTimer waited;
    waited.start();
    while (!shown.editorPagesBuilt() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_TRUE(shown.editorPagesBuilt());
    auto completeEngine = std::make_unique<korvanel::Engine>();
    TBaseForm complete(*completeEngine);
    complete.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(namedControls(shown), namedControls(complete));
    EXPECT_EQ(shown.size(), complete.size());
    EXPECT_EQ(shown.minimumSizeHint(), complete.minimumSizeHint());
    EXPECT_EQ(shown.pageControlInput()->currentIndex(), 0);
}

} // namespace
