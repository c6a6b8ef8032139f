// Live keys against the frames the output thread builds every 50 ms.
#include "ui/live_fixture.h"

#include <QTemporaryDir>
#include <QToolButton>

#include "output/OutputTicker.h"
#include "support/ShowBytes.h"

using namespace korvanel;

namespace {

class LiveFrames : public LiveTest {
protected:
    void SetUp() override
    {
        LiveTest::SetUp();
        // What leaves the program: each finished frame, copied whole.
        ticker.start([this] {
            buildFrame(*engine);
            for (std::size_t i = 0; i < DmxFrameSize; ++i)
                sent.set(i, engine->DmxOut.get(i));
            frames.fetch_add(1, std::memory_order_release);
        });
    }
    void TearDown() override { ticker.stop(); }

    // True when `condition` holds for a frame sent after now, and for the two after it.
    bool nextFramesShow(const std::function<bool()> &condition)
    {
        const unsigned from = frames.load(std::memory_order_acquire);
        if (!waitFor([&] { return frames.load(std::memory_order_acquire) > from + 1 && condition(); }))
            return false;
        const unsigned seen = frames.load(std::memory_order_acquire);
        waitFor([&] { return frames.load(std::memory_order_acquire) >= seen + 2; });
        return condition();
    }
    bool allZero()
    {
        for (std::size_t i = 0; i < DmxFrameSize; ++i) {
            if (sent.get(i) != 0)
                return false;
        }
        return true;
    }

    AtomicBytes<DmxFrameSize> sent;
    std::atomic<unsigned> frames{0};
    OutputTicker ticker;
};

} // namespace

TEST_F(LiveFrames, AHeldPictureKeyChangesTheNextFrames)
{
    storePicture(2, 12, 180);
    engine->SceneMemory.set(sceneByte(0, 12), 30);
    ASSERT_TRUE(nextFramesShow([this] { return sent.get(12) == 30; }));
    press(Qt::Key_3);
    EXPECT_TRUE(nextFramesShow([this] { return sent.get(12) == 180; }));
    release(Qt::Key_3);
    EXPECT_TRUE(nextFramesShow([this] { return sent.get(12) == 30; }));
}

TEST_F(LiveFrames, BlackoutByKeyGivesAllZeroFrames)
{
    engine->SceneMemory.set(sceneByte(0, 1), 255);
    storePicture(0, 2, 255);
    press(Qt::Key_1);
    ASSERT_TRUE(nextFramesShow([this] { return sent.get(1) == 255 && sent.get(2) == 255; }));
    tap(Qt::Key_0);
    EXPECT_TRUE(nextFramesShow([this] { return allZero(); }));
    release(Qt::Key_1);
    tap(Qt::Key_0);
    EXPECT_TRUE(nextFramesShow([this] { return sent.get(1) == 255 && sent.get(2) == 0; }));
}

TEST_F(LiveFrames, AConveyorKeyLoadsItsShowAndTheNextFramesCarryItsFirstScene)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("stage.kvl");
    writeFile(path, liveShow(140, 3));
    dialogs->fileNames = {path};
    QTest::mouseClick(form->conveyor()->slotButton(4), Qt::RightButton);
    engine->setSys(SysCurrentScene, 1);
    engine->SceneMemory.set(sceneByte(1, 1), 9);
    ASSERT_TRUE(nextFramesShow([this] { return sent.get(1) == 9; }));

    tap(Qt::Key_R); // slot 4
    EXPECT_EQ(engine->currentScene(), 0);
    EXPECT_TRUE(nextFramesShow([this] { return sent.get(1) == 140; }));
}
