// Icons whose pictures wait for their first drawing: they must still draw
// exactly the pictures they stand for, made once however often they are copied.
#include <QImage>
#include <QStyle>
#include <QToolButton>
#include <QWidget>
#include <gtest/gtest.h>

#include "ui/widgets/Controls.h"
#include "ui/widgets/EditorIcons.h"
#include "ui/widgets/LazyIcon.h"

using namespace korvanel;

TEST(LazyIcon, MakesItsPicturesOnceWhenFirstDrawnAndDrawsWhatItStandsFor)
{
    int made = 0;
    QPixmap red(16, 16);
    red.fill(Qt::red);
    const QIcon icon = lazyIcon([&] {
        ++made;
        return QIcon(red);
    });
    const QIcon copy = icon;
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(made, 0) << "nothing is made before it is drawn";
    EXPECT_EQ(copy.pixmap(16, 16).toImage(), red.toImage());
    EXPECT_EQ(icon.pixmap(8, 8).toImage(), red.scaled(8, 8).toImage());
    EXPECT_EQ(made, 1);

    QWidget parent;
    QToolButton *play = makeSpeedButton(&parent, {"Play", {}, QStyle::SP_MediaPlay});
    QToolButton *stop = makeSpeedButton(&parent, {"Stop", {}, QStyle::SP_MediaStop});
    for (auto [button, which] : {std::pair{play, QStyle::SP_MediaPlay}, std::pair{stop, QStyle::SP_MediaStop}})
        EXPECT_EQ(button->icon().pixmap(16, 16).toImage(),
                  parent.style()->standardIcon(which).pixmap(16, 16).toImage());
    EXPECT_FALSE(editorIcon(EditorIcon::Circle).pixmap(20, 20).toImage().isNull());
}
