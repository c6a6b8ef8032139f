// The block copy tab: fields, the copy buttons and their refusals.
#include "ui/scene_fixture.h"

#include <QGroupBox>
#include <QSpinBox>

#include <memory>

#include "support/ScriptedDialogs.h"

namespace {

using namespace korvanel;

class BlockCopyTabTest : public SceneFormTest {
protected:
    void SetUp() override
    {
        SceneFormTest::SetUp();
        auto owned = std::make_unique<ScriptedDialogs>();
        dialogs = owned.get();
        form->setDialogs(std::move(owned));
    }

    QSpinBox *spin(const char *name) { return get<QSpinBox>(name); }
    void set(std::initializer_list<std::pair<const char *, int>> values)
    {
        for (const auto &[name, value] : values)
            spin(name)->setValue(value);
    }
    void press(const char *name) { click(get<QToolButton>(name)); }
    std::vector<std::uint8_t> levels(std::size_t scene, std::size_t from, std::size_t to) const
    {
        std::vector<std::uint8_t> out;
        for (std::size_t c = from; c <= to; ++c)
            out.push_back(engine->level(scene, c));
        return out;
    }
    static std::vector<std::uint8_t> marks(std::size_t scene, std::size_t from, std::size_t to)
    {
        std::vector<std::uint8_t> out;
        for (std::size_t c = from; c <= to; ++c)
            out.push_back(mark(scene, c));
        return out;
    }

    const QString channelsMessage = "warning:  Копирование не выполнено:Максимальное число каналов > 256 ! ";
    const QString scenesMessage = "warning:  Копирование не выполнено:Максимальное число сцен > 256 ! ";
    ScriptedDialogs *dialogs = nullptr;
};

TEST_F(BlockCopyTabTest, GroupsHoldTheirFieldsWithRangesAndStartValues)
{
    struct Expected {
        const char *group;
        const char *title;
        std::vector<std::tuple<const char *, int, int, int>> fields;
        const char *button;
    };
    const std::vector<Expected> groups = {
        {"GroupBoxLevelBloc",
         "Каналов текущей Сцены ",
         {{"SpinEditLevelFirst", 1, 254, 1}, {"SpinEditLevelLast", 1, 255, 10}, {"SpinEditLevelFrom", 1, 255, 11}},
         "SpeedButtonLevelBlocCopy"},
        {"GroupBox3",
         "Каналов (все сцены)",
         {{"SpinEditChBeg", 1, 254, 1}, {"SpinEditChFin", 1, 255, 10}, {"SpinEditChTo", 1, 255, 11}},
         "SpeedButtonLevelJobScens"},
        {"GroupBox2",
         "Каналов в сценах",
         {{"SpinEditAllScChbeg", 1, 254, 1},
          {"SpinEditAllScChFin", 1, 255, 10},
          {"SpinEditAllScChTo", 1, 255, 11},
          {"SpinEditAllScChbegSc", 1, 255, 1},
          {"SpinEditAllScChFinSc", 1, 255, 10},
          {"SpinEditAllScChToSc", 1, 255, 11}},
         "SpeedButtonScenAllCopy"},
        {"GroupBoxScenaBloc",
         "Сцен (все каналы)",
         {{"SpinEditScenaFirst", 1, 254, 1}, {"SpinEditScenaLast", 1, 255, 10}, {"SpinEditScenaFrom", 1, 255, 11}},
         "SpeedButtonScenaBlocCopy"},
    };
    auto *tab = get<QWidget>("TabSheetBlocCopy");
    for (const Expected &g : groups) {
        SCOPED_TRACE(g.group);
        auto *group = get<QGroupBox>(g.group);
        ASSERT_NE(group, nullptr);
        EXPECT_TRUE(tab->isAncestorOf(group));
        EXPECT_EQ(group->title(), QString::fromUtf8(g.title));
        for (const auto &[name, minimum, maximum, value] : g.fields) {
            auto *box = spin(name);
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(group->isAncestorOf(box)) << name;
            EXPECT_EQ(box->minimum(), minimum) << name;
            EXPECT_EQ(box->maximum(), maximum) << name;
            EXPECT_EQ(box->value(), value) << name;
        }
        EXPECT_TRUE(group->isAncestorOf(get<QToolButton>(g.button)));
    }
}

TEST_F(BlockCopyTabTest, CurrentSceneLimitAllows247AndRefuses248)
{
    setShow(255, 255);
    set({{"SpinEditLevelFirst", 1}, {"SpinEditLevelLast", 10}, {"SpinEditLevelFrom", 247}});
    press("SpeedButtonLevelBlocCopy");
    EXPECT_TRUE(dialogs->shown.isEmpty());
    EXPECT_EQ(levels(255, 247, 255), marks(255, 1, 9)) << "the tenth channel would lie past the show memory";
    EXPECT_EQ(status(), "  данные сохранены ");
    EXPECT_TRUE(form->speedButtonUndo1()->isEnabled());
    form->pageControlInput()->setCurrentIndex(0);
    form->scrolbarVertPos()->setValue(228);
    EXPECT_EQ(fader(27)->value(), mark(255, 9)) << "the page shows the copy";

    const std::vector<std::uint8_t> before = row(255);
    spin("SpinEditLevelFrom")->setValue(248);
    press("SpeedButtonLevelBlocCopy");
    EXPECT_EQ(dialogs->shown, QStringList{channelsMessage});
    EXPECT_EQ(row(255), before);
    EXPECT_EQ(engine->UndoMemory[sceneByte(255, 247)], mark(255, 1)) << "the refused copy renewed the snapshot";
}

TEST_F(BlockCopyTabTest, AllScenesButtonsShareTheirFieldsButNotTheirLimit)
{
    set({{"SpinEditChBeg", 1}, {"SpinEditChFin", 10}, {"SpinEditChTo", 247}});
    press("SpeedButtonLevelJobScens");
    EXPECT_EQ(dialogs->shown, QStringList{channelsMessage});
    EXPECT_EQ(row(100), markedRow(100));

    dialogs->shown.clear();
    // The button of "Каналов в сценах" runs the same copy with the fields above, up to 256.
    press("SpeedButtonScenAllCopy");
    EXPECT_TRUE(dialogs->shown.isEmpty());
    for (std::size_t s = 0; s < SceneCount; ++s)
        ASSERT_EQ(levels(s, 247, 255), marks(s, 1, 9)) << s;
    EXPECT_EQ(engine->level(100, 0), mark(99, 10));
}

TEST_F(BlockCopyTabTest, SceneRangeCopyWorksOnScenes12To21)
{
    // The scene group's own fields are not what its button reads.
    set({{"SpinEditScenaFirst", 200}, {"SpinEditScenaLast", 250}, {"SpinEditScenaFrom", 3}});
    press("SpeedButtonScenaBlocCopy");
    EXPECT_TRUE(dialogs->shown.isEmpty());
    for (std::size_t s = 0; s < SceneCount; ++s) {
        if (s >= 12 && s <= 21) {
            EXPECT_EQ(levels(s, 11, 20), marks(s, 1, 10)) << s;
            EXPECT_EQ(levels(s, 21, 255), marks(s, 21, 255)) << s;
        } else {
            ASSERT_EQ(row(s), markedRow(s)) << s;
        }
    }
}

TEST_F(BlockCopyTabTest, SceneRangeRefusesChannelsFirstThenScenes)
{
    set({{"SpinEditAllScChFin", 10}, {"SpinEditAllScChTo", 247}, {"SpinEditAllScChFinSc", 250}});
    press("SpeedButtonScenaBlocCopy");
    spin("SpinEditAllScChTo")->setValue(246);
    press("SpeedButtonScenaBlocCopy");
    EXPECT_EQ(dialogs->shown, (QStringList{channelsMessage, scenesMessage}));
    for (std::size_t s = 0; s < SceneCount; ++s)
        ASSERT_EQ(row(s), markedRow(s)) << s;
}

} // namespace
