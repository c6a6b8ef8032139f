// Names through the fields of the fader page: blanks and the code page.
#include "ui/scene_fixture.h"

#include <QLineEdit>

#include "files/ChannelNames.h"
#include "ui/pages/faders/FaderPage.h"

namespace {

using namespace korvanel;

class NameFields : public SceneFormTest {
protected:
    QLineEdit *edit(int k) { return form->faderPage()->edit(k); }
    NameBytes stored(std::size_t channel) const
    {
        NameBytes b{};
        engine->SceneMemory.copyTo(b, nameOffset(channel));
        return b;
    }
    void showPage(int offset)
    {
        form->scrolbarVertPos()->setValue(offset == 0 ? 1 : 0);
        form->scrolbarVertPos()->setValue(offset);
    }
};

TEST_F(NameFields, InnerBlanksAreStoredAsZerosAndShownAgainAsBlanks)
{
    form->scrolbarVertPos()->setValue(200);
    edit(27)->setText("Spot  1");
    edit(26)->setText(QString(16, QLatin1Char(' ')));
    form->faderPage()->SaveEditAll();
    EXPECT_EQ(stored(227), (NameBytes{'S', 'p', 'o', 't', 0, 0, '1'}));
    EXPECT_EQ(stored(226), NameBytes{});
    edit(27)->setText(""); // shown text only, not typed
    showPage(200);
    EXPECT_EQ(edit(27)->text(), "Spot  1");
}

TEST_F(NameFields, CyrillicNameRoundTripsAsTheSameCodePageBytes)
{
    const NameBytes upper = {0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xA8, 0xC6, 0xDF, 0xE0, 0xFF, 0xB8};
    SaveEdit(*engine, 5, upper);
    form->ReturnPageControlAll();
    EXPECT_EQ(edit(5)->text(), "АБВГДЕЁЖЯаяё");
    engine->SceneMemory.fill(NamesOffset, StaticOffset, 0);
    form->faderPage()->SaveEditAll();
    EXPECT_EQ(stored(5), upper);
}

} // namespace
