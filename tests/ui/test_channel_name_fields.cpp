// Names through the fields of the fader page: blanks, length and the code page.
#include "ui/scene_fixture.h"

#include <QLineEdit>

#include "files/ChannelNames.h"
#include "ui/FaderPage.h"

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
};

TEST_F(NameFields, InnerBlanksAreStoredAsZerosAndShownAgainAsBlanks)
{
    form->ScrolbarVertPos->setValue(200);
    edit(27)->setText("Spot  1");
    edit(26)->setText(QString(16, QLatin1Char(' ')));
    form->faderPage()->SaveEditAll();
    EXPECT_EQ(stored(227), (NameBytes{'S', 'p', 'o', 't', 0, 0, '1'}));
    EXPECT_EQ(stored(226), NameBytes{});
    edit(27)->setText("");   // shown text only, not typed
    edit(26)->setText("x");
    form->ScrolbarVertPos->setValue(0);
    form->ScrolbarVertPos->setValue(200);
    EXPECT_EQ(edit(27)->text(), "Spot  1");
    EXPECT_EQ(edit(26)->text(), "") << "sixteen blanks are an empty name";
}

TEST_F(NameFields, CyrillicNameRoundTripsAsTheSameCodePageBytes)
{
    // Every letter of the Russian alphabet and both forms of Ё, in 16-byte slices.
    std::vector<std::uint8_t> letters;
    for (int b = 0xC0; b <= 0xFF; ++b)
        letters.push_back(static_cast<std::uint8_t>(b));
    letters.push_back(0xA8);
    letters.push_back(0xB8);
    for (std::size_t slice = 0; slice * NameSize < letters.size(); ++slice) {
        NameBytes bytes{};
        for (std::size_t i = 0; i < NameSize && slice * NameSize + i < letters.size(); ++i)
            bytes[i] = letters[slice * NameSize + i];
        SaveEdit(*engine, slice + 1, bytes);
    }
    form->ReturnPageControlAll();
    EXPECT_EQ(edit(1)->text(), "АБВГДЕЖЗИЙКЛМНОП");
    EXPECT_EQ(edit(5)->text(), "Ёё");
    // Wipe the memory, then store the fields back.
    engine->SceneMemory.fill(NamesOffset, StaticOffset, 0);
    form->faderPage()->SaveEditAll();
    for (std::size_t slice = 0; slice * NameSize < letters.size(); ++slice) {
        NameBytes stored{};
        engine->SceneMemory.copyTo(stored, nameOffset(slice + 1));
        for (std::size_t i = 0; i < NameSize && slice * NameSize + i < letters.size(); ++i)
            ASSERT_EQ(stored[i], letters[slice * NameSize + i]) << slice << " " << i;
    }
}

} // namespace
