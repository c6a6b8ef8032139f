// The window's Save killed at random moments: a forked copy of the running
// window saves the show over and over while the show alternates between two
// images, and is killed. The file on disk is always one of the two, whole.
#include "ui/form_fixture.h"

#include <QAction>
#include <QTemporaryDir>
#include <array>
#include <memory>

#include "core/Engine.h"
#include "files/ShowFile.h"
#include "support/KillWhileSaving.h"

using namespace korvanel;

TEST_F(FormTest, ASaveKilledAtAnyMomentLeavesTheOldShowOrTheNewOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("concert.kvl");
    form->setSaveDialogFileName(file);

    std::array<std::unique_ptr<ShowImage>, 2> shows{std::make_unique<ShowImage>(), std::make_unique<ShowImage>()};
    for (std::size_t i = 0; i < SceneMemorySize; ++i) {
        (*shows[0])[i] = static_cast<std::uint8_t>(i * 5);
        (*shows[1])[i] = static_cast<std::uint8_t>(i * 11 + 3);
    }
    QAction *save = get<QAction>("SaveItem");
    ASSERT_NE(save, nullptr);
    const auto saveThroughTheWindow = [&](int i) {
        engine->SceneMemory.copyFrom(*shows[i]);
        const auto boxes = dialogs->shown.size();
        save->trigger();
        return dialogs->shown.size() == boxes; // a failed save shows a box
    };

    const int kills = killtest::killCount();
    const killtest::Tally tally = killtest::killWhileSaving(QFile::encodeName(file).toStdString(), saveThroughTheWindow,
                                                            kills, killtest::killBudget(kills));
    killtest::expectOldOrNew("show file saved through the window", tally, kills);
}
