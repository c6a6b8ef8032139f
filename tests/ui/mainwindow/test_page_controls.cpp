// Controls of the pages and groups: what they start with and what they hand
// to the output tick.
#include "ui/form_fixture.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

#include "ui/rightcolumn/RateModeGroup.h"

namespace {

using korvanel::load;

struct Picture {
    const char *name;
    const char *caption;
    const char *hint;
};

const Picture pictures[korvanel::StaticPictureCount] = {
    {"CheckBoxChs1", "1", "Запрограммированая статическая картинка - Горячая кнопка =1= "},
    {"CheckBoxChs2", "2", "Запрограммированая статическая картинка - Горячая кнопка =2= "},
    {"CheckBoxChs3", "3", "Запрограммированая статическая картинка - Горячая кнопка =3= "},
    {"CheckBoxChs4", "4", "Запрограммированая статическая картинка - Горячая кнопка =4= "},
    {"CheckBoxChs5", "5", "Запрограммированая статическая картинка - Горячая кнопка =5= "},
    {"CheckBoxChs6", "6", "Запрограммированая статическая картинка - Горячая кнопка =6= "},
    {"CheckBoxChs7", "7", "Запрограммированая статическая картинка - Горячая кнопка =7= "},
    {"CheckBoxChs8", "8", "Запрограммированая статическая картинка - Горячая кнопка =8= "},
    {"CheckBoxChsSpace", "==", "Запрограммированая статическая картинка - Горячая кнопка =прбел= "},
    {"CheckBoxChsZ", "Z", "Запрограммированая статическая картинка - Горячая кнопка =Z= "},
    {"CheckBoxChsX", "X", "Запрограммированая статическая картинка - Горячая кнопка =X= "},
    {"CheckBoxChsC", "C", "Запрограммированая статическая картинка - Горячая кнопка =C= "},
    {"CheckBoxChsV", "V", "Запрограммированая статическая картинка - Горячая кнопка =V= "},
    {"CheckBoxChsB", "B", "Запрограммированая статическая картинка - Горячая кнопка =B= "},
    {"CheckBoxChsN", "N", "Запрограммированая статическая картинка - Горячая кнопка =N= "},
    {"CheckBoxChsM", "M", "Запрограммированая статическая картинка - Горячая кнопка =M= "},
};

std::vector<int> pictureStates(const korvanel::Engine &engine)
{
    std::vector<int> states;
    for (std::size_t k = 0; k < korvanel::StaticPictureCount; ++k)
        states.push_back(engine.live.pictures.get(k));
    return states;
}

TEST_F(FormTest, EachPictureSwitchDrivesItsOwnPicture)
{
    auto *group = form->control<QWidget>("TabSheetSttica")->findChild<QGroupBox *>();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), " Статические картинки ");
    for (std::size_t k = 0; k < korvanel::StaticPictureCount; ++k) {
        SCOPED_TRACE(pictures[k].name);
        auto *box = get<QCheckBox>(pictures[k].name);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(group->isAncestorOf(box));
        EXPECT_EQ(box->text(), QString::fromUtf8(pictures[k].caption));
        EXPECT_EQ(box->toolTip(), QString::fromUtf8(pictures[k].hint));

        std::vector<int> expected(korvanel::StaticPictureCount, 0);
        click(box);
        expected[k] = 1;
        EXPECT_EQ(pictureStates(*engine), expected);
        box->setChecked(false); // as a released picture key does
        expected[k] = 0;
        EXPECT_EQ(pictureStates(*engine), expected);
    }
    EXPECT_TRUE(form->checkBoxFlashOn()->isChecked());
    EXPECT_EQ(form->checkBoxFlashOn()->text(), "Включить клавиатуру");
}

TEST_F(FormTest, RateModeItemsWriteTheFadeMode)
{
    korvanel::RateModeGroup *group = form->radioGroupRate();
    EXPECT_EQ(group->title(), "Плавность перехода  сцен ");
    const QList<QRadioButton *> items = group->findChildren<QRadioButton *>();
    ASSERT_EQ(items.size(), 3);
    const char *captions[] = {"Фейдера", "Автомат", "Выкл"};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(items[i]->text(), QString::fromUtf8(captions[i]));
    EXPECT_EQ(group->itemIndex(), 0);
    EXPECT_TRUE(items[0]->isChecked());

    for (int i : {2, 1, 0, 2}) {
        click(items[i]);
        EXPECT_EQ(group->itemIndex(), i);
        EXPECT_EQ(load(engine->live.fadeMode), i);
    }
    group->setItemIndex(1);
    EXPECT_TRUE(items[1]->isChecked());
    EXPECT_EQ(load(engine->live.fadeMode), 1);
    for (int bad : {-1, 3, 255}) {
        group->setItemIndex(bad);
        EXPECT_EQ(group->itemIndex(), 1) << bad;
        EXPECT_EQ(load(engine->live.fadeMode), 1) << bad;
    }
}

TEST_F(FormTest, ManualControlSwitchIsPublished)
{
    auto *manual = get<QCheckBox>("CheckBoxManual");
    ASSERT_NE(manual, nullptr);
    EXPECT_EQ(manual->text(), "Ручное управление");
    EXPECT_EQ(manual->toolTip(), "Ручное управление выделенными каналами в текущей сцене");
    click(manual);
    EXPECT_EQ(load(engine->live.manual), 1);
    click(manual);
    EXPECT_EQ(load(engine->live.manual), 0);
    EXPECT_EQ(load(engine->live.blackout), 0) << "manual and blackout are separate switches";
}

TEST_F(FormTest, FaderPageSliderSetsThePageOffset)
{
    QScrollBar *page = form->scrolbarVertPos();
    EXPECT_EQ(page->orientation(), Qt::Vertical);
    EXPECT_EQ(page->minimum(), 0);
    EXPECT_EQ(page->maximum(), 228);
    page->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(load(engine->FaderPageOffset), 20);
    page->setValue(500); // the last page shows channels 229..255
    EXPECT_EQ(load(engine->FaderPageOffset), 228);
    page->setValue(0);
    EXPECT_EQ(load(engine->FaderPageOffset), 0);
}

TEST_F(FormTest, SequencerTabStartState)
{
    auto *play = get<QToolButton>("SpeedButtonPlay");
    auto *stop = get<QToolButton>("SpeedButtonStop");
    ASSERT_TRUE(play && stop);
    EXPECT_TRUE(stop->isChecked());
    for (const char *name : {"SpeedButtonNewScena", "SpeedButtonScenaCopy", "SpeedButtonScenaDelete"})
        EXPECT_TRUE(get<QToolButton>(name)->isEnabled()) << name;
    for (const char *name : {"SpeedButtonNewScenaPaste", "ButtonScenaPaste"})
        EXPECT_FALSE(get<QToolButton>(name)->isEnabled()) << name << ": nothing copied yet";
    click(play);
    EXPECT_TRUE(play->isChecked());
    EXPECT_FALSE(stop->isChecked()) << "play and stop are one group";

    QScrollBar *temp = form->scrollBarTemp();
    EXPECT_EQ(temp->minimum(), 10);
    EXPECT_EQ(temp->maximum(), 170);
    EXPECT_EQ(temp->pageStep(), 10);
    EXPECT_EQ(temp->value(), 44);
    EXPECT_EQ(form->labelTemp()->text(), "120 сцен/мин");
    EXPECT_EQ(get<QLabel>("LabelTimeShou")->text(), "Время в Шоу ?");
    EXPECT_EQ(get<QLabel>("LabelTimePause")->text(), "Время  Паузы  ");
    auto *ring = get<QCheckBox>("CheckBoxRepeat");
    EXPECT_TRUE(ring->isChecked());
    EXPECT_EQ(ring->text(), "Кольцо");

    EXPECT_EQ(form->scrollBarStep()->orientation(), Qt::Horizontal);
    EXPECT_EQ(form->scrollBarStep()->maximum(), 2);
    EXPECT_EQ(form->labelStep()->text(), "1");
    EXPECT_EQ(form->labelCoda()->text(), "2");
}

TEST_F(FormTest, StartScenePresetShowsAndSetsTheScene)
{
    auto *preset = get<QScrollBar>("ScrollBarScenHand");
    auto *label = get<QLabel>("LabelScenHand");
    auto *set = get<QToolButton>("SpeedButtonScenHand");
    ASSERT_TRUE(preset && label && set);
    EXPECT_EQ(preset->value(), 1);
    EXPECT_EQ(preset->maximum(), 255);
    EXPECT_EQ(preset->pageStep(), 50);
    EXPECT_EQ(label->text(), "Уст 1");
    EXPECT_EQ(set->text(), "Уст");

    engine->setSys(korvanel::SysLastScene, 99);
    form->ReturnPageControlAll();
    ASSERT_EQ(form->scrollBarStep()->maximum(), 100);
    preset->setValue(41);
    EXPECT_EQ(label->text(), "Уст 42");
    click(set);
    EXPECT_EQ(form->scrollBarStep()->value(), 41);
    EXPECT_EQ(engine->currentScene(), 41);

    preset->setValue(255);
    EXPECT_EQ(label->text(), "Уст 256");
    click(set);
    EXPECT_EQ(form->scrollBarStep()->value(), 100) << "a preset past the show stops at its end";
}

TEST_F(FormTest, ConveyorSlotsAndModes)
{
    form->show();
    for (int n = 1; n <= 20; ++n) {
        auto *slot = get<QToolButton>(("SpeedButton" + std::to_string(n)).c_str());
        ASSERT_NE(slot, nullptr);
        EXPECT_EQ(slot->text(), "(пусто)") << n;
        EXPECT_TRUE(slot->isCheckable()) << n;
        EXPECT_FALSE(slot->isChecked()) << n;
        if (n > 10) { // second column, level with its partner
            auto *left = get<QToolButton>(("SpeedButton" + std::to_string(n - 10)).c_str());
            EXPECT_EQ(slot->y(), left->y()) << n;
            EXPECT_GT(slot->x(), left->x()) << n;
        } else if (n > 1) {
            EXPECT_GT(slot->y(), get<QToolButton>(("SpeedButton" + std::to_string(n - 1)).c_str())->y()) << n;
        }
    }
    auto *hand = get<QToolButton>("SpeedButtonKonvHand");
    auto *list = get<QToolButton>("SpeedButtonKonvSpis");
    EXPECT_TRUE(hand->isChecked());
    // Out of hand mode slots are toggles of their own: several can be active for a list run.
    click(get<QToolButton>("SpeedButtonKonvOff"));
    click(get<QToolButton>("SpeedButton2"));
    click(get<QToolButton>("SpeedButton5"));
    EXPECT_TRUE(get<QToolButton>("SpeedButton2")->isChecked());
    EXPECT_TRUE(get<QToolButton>("SpeedButton5")->isChecked());

    click(list);
    EXPECT_TRUE(list->isChecked());
    for (const char *name : {"SpeedButtonKonvHand", "SpeedButtonKonvOff", "SpeedButtonKonvSpisBegin"})
        EXPECT_FALSE(get<QToolButton>(name)->isChecked()) << name;
    EXPECT_EQ(get<QToolButton>("SpeedButtonKonvNew")->toolTip(), "Очистить конвейр Шоу");
    EXPECT_EQ(get<QLabel>("LabelKonveyr")->text(), "No job");
    auto *keys = get<QCheckBox>("CheckBoxKeyKonveyr");
    EXPECT_TRUE(keys->isChecked());
    EXPECT_EQ(keys->text(), "Вкл");
}

TEST_F(FormTest, OptionsPageGroupsItsLabels)
{
    // The groups sit one below another in the page's scroll area.
    QWidget *options = form->pageControlInput()->widget(5)->findChild<QScrollArea *>()->widget();
    const QList<QGroupBox *> groups = options->findChildren<QGroupBox *>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(groups.size(), 7);
    EXPECT_EQ(groups[3]->objectName(), "GroupBoxLanguage");
    EXPECT_EQ(groups[4]->objectName(), "GroupBoxRemote");
    EXPECT_EQ(groups[5]->objectName(), "GroupBoxOsc");
    EXPECT_EQ(groups[6]->objectName(), "GroupBoxMidi");
    for (const char *name :
         {"CheckBoxMidi", "ComboBoxMidiInput", "ComboBoxMidiOutput", "SpeedButtonMidiLearn", "LabelMidiStatus"})
        EXPECT_TRUE(groups[6]->isAncestorOf(get<QWidget>(name))) << name;
    EXPECT_EQ(groups[0]->title(), "Цвет формы");
    EXPECT_EQ(groups[1]->title(), "Состояние шины USB ");
    EXPECT_EQ(groups[2]->title(), "Вывод через OLA (olad)");
    for (const char *name : {"CheckBoxOla", "SpinEditOlaUniverse", "LabelOlaStatus"})
        EXPECT_TRUE(groups[2]->isAncestorOf(get<QWidget>(name))) << name;
    EXPECT_TRUE(groups[0]->isAncestorOf(get<QLabel>("LabelKeySp")));
    for (QWidget *w : {static_cast<QWidget *>(form->labelKolvoUSB()), static_cast<QWidget *>(form->labelUSBnomber()),
                       static_cast<QWidget *>(form->labelTipFtdi()), static_cast<QWidget *>(form->labelDiskFree()),
                       static_cast<QWidget *>(form->labelDiskSize())})
        EXPECT_TRUE(groups[1]->isAncestorOf(w)) << w->objectName().toStdString();
    auto *demo = get<QCheckBox>("CheckBoxNoUSBconnect");
    EXPECT_TRUE(groups[1]->isAncestorOf(demo));
    EXPECT_FALSE(demo->isChecked());
    EXPECT_EQ(demo->text(), "Работа в DEMO режиме");
}

} // namespace
