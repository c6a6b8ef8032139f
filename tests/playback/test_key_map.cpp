#include <gtest/gtest.h>

#include "playback/KeyMap.h"

using namespace korvanel;

TEST(KeyMap, PictureKeysFollowTheOutputOrder)
{
    const std::uint16_t keys[] = {'1', '2', '3', '4', '5', '6', '7', '8', 32, 'Z', 'X', 'C', 'V', 'B', 'N', 'M'};
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(liveKey(keys[k], true), (KeyCommand{KeyAction::Picture, k})) << k;
    EXPECT_EQ(liveKey('9', true).action, KeyAction::TapTempo);
    EXPECT_EQ(liveKey('0', true).action, KeyAction::Blackout);
    EXPECT_EQ(liveKey(17, true).action, KeyAction::Ctrl);
    EXPECT_EQ(liveKey(187, false).action, KeyAction::Play);
    EXPECT_EQ(liveKey(107, false).action, KeyAction::Play) << "keypad +";
    EXPECT_EQ(liveKey(189, false).action, KeyAction::Stop);
    EXPECT_EQ(liveKey(109, false).action, KeyAction::Stop) << "keypad -";
}

TEST(KeyMap, ConveyorLettersOnlyWithTheirSwitch)
{
    const char letters[] = "QWERTYUIOPASDFGHJKL";
    for (int n = 1; n <= 19; ++n) {
        const auto key = static_cast<std::uint16_t>(letters[n - 1]);
        EXPECT_EQ(liveKey(key, true), (KeyCommand{KeyAction::Conveyor, n})) << letters[n - 1];
        EXPECT_EQ(liveKey(key, false).action, KeyAction::None) << letters[n - 1];
    }
    // Slot 20 has no key, and no letter both flashes and loads.
    for (std::uint16_t key = 0; key < 256; ++key) {
        if (liveKey(key, false).action == KeyAction::Picture) {
            EXPECT_EQ(conveyorSlotOfKey(key), 0) << key;
        }
    }
}

TEST(KeyMap, XKeyCodesGiveTheKeysAtTheirUsPlaces)
{
    EXPECT_EQ(virtualKeyFromXkbKeycode(24), 'Q');
    EXPECT_EQ(virtualKeyFromXkbKeycode(38), 'A');
    EXPECT_EQ(virtualKeyFromXkbKeycode(46), 'L');
    EXPECT_EQ(virtualKeyFromXkbKeycode(52), 'Z');
    EXPECT_EQ(virtualKeyFromXkbKeycode(58), 'M');
    EXPECT_EQ(virtualKeyFromXkbKeycode(10), '1');
    EXPECT_EQ(virtualKeyFromXkbKeycode(19), '0');
    EXPECT_EQ(virtualKeyFromXkbKeycode(20), 189);
    EXPECT_EQ(virtualKeyFromXkbKeycode(21), 187);
    EXPECT_EQ(virtualKeyFromXkbKeycode(65), 32);
    EXPECT_EQ(virtualKeyFromXkbKeycode(37), 17);
    EXPECT_EQ(virtualKeyFromXkbKeycode(105), 17);
    EXPECT_EQ(virtualKeyFromXkbKeycode(86), 107);
    EXPECT_EQ(virtualKeyFromXkbKeycode(82), 109);
    EXPECT_EQ(virtualKeyFromXkbKeycode(67), 112);
    EXPECT_EQ(virtualKeyFromXkbKeycode(96), 123);
    EXPECT_EQ(virtualKeyFromXkbKeycode(0), 0);
    EXPECT_EQ(virtualKeyFromXkbKeycode(255), 0);
}

TEST(KeyMap, CyrillicLettersSitOnTheirUsKeys)
{
    EXPECT_EQ(virtualKeyFromCyrillic(U'Й'), 'Q');
    EXPECT_EQ(virtualKeyFromCyrillic(U'й'), 'Q');
    EXPECT_EQ(virtualKeyFromCyrillic(U'Д'), 'L');
    EXPECT_EQ(virtualKeyFromCyrillic(U'ф'), 'A');
    EXPECT_EQ(virtualKeyFromCyrillic(U'Я'), 'Z');
    EXPECT_EQ(virtualKeyFromCyrillic(U'ь'), 'M');
    EXPECT_EQ(virtualKeyFromCyrillic(U'И'), 'B');
    EXPECT_EQ(virtualKeyFromCyrillic(U'Х'), 219);
    EXPECT_EQ(virtualKeyFromCyrillic(U'ё'), 192);
    EXPECT_EQ(virtualKeyFromCyrillic(U'Q'), 0);
    EXPECT_EQ(virtualKeyFromCyrillic(U'Ѐ'), 0);
}

TEST(LiveKeyboard, LosingTheKeyboardReleasesHeldFlashesAndCtrl)
{
    LiveKeyboard keys;
    keys.keyDown('1', true);
    keys.keyDown('M', true);
    keys.keyDown('0', true);
    EXPECT_EQ(keys.releaseAll(), (1u << 0) | (1u << 15));
    EXPECT_FALSE(keys.held('0'));
    EXPECT_EQ(keys.keyDown('0', true).action, KeyAction::Blackout);

    LiveKeyboard latched;
    latched.keyDown('2', true);
    latched.keyDown(17, true);
    EXPECT_EQ(latched.releaseAll(), 1u << 1) << "still held: a flash, not latched, even under Ctrl";
    EXPECT_FALSE(latched.CtrlHeld()) << "and Ctrl does not stay down for the next flash";
}
