#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "ui/widgets/GoboImages.h"

using namespace korvanel;

namespace {

QImage pictureImage(int number) { return goboImage(number).toImage().convertToFormat(QImage::Format_ARGB32); }

} // namespace

TEST(GoboImages, EveryPictureIsADarkSymbolOnATransparentCell)
{
    for (int n = 0; n < GoboImageCount; ++n) {
        const QPixmap &pixmap = goboImage(n);
        ASSERT_FALSE(pixmap.isNull()) << n;
        EXPECT_EQ(pixmap.size(), QSize(16, 16)) << n;
        const QImage image = pictureImage(n);
        int opaque = 0, clear = 0, dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                opaque += c.alpha() >= 128;
                clear += c.alpha() == 0;
                dark += c.alpha() >= 200 && c.red() < 80 && c.green() < 80 && c.blue() < 80;
            }
        EXPECT_GE(opaque, 8) << n << " " << goboImageName(n).toStdString();
        EXPECT_GT(clear, 0) << n << " has no transparent background";
        EXPECT_GT(dark, 0) << n << " has no dark stroke";
    }
}

TEST(GoboImages, NoTwoPicturesAreAlike)
{
    std::vector<QImage> images;
    for (int n = 0; n < GoboImageCount; ++n)
        images.push_back(pictureImage(n));
    for (int a = 0; a < GoboImageCount; ++a)
        for (int b = a + 1; b < GoboImageCount; ++b) {
            const QImage &ia = images[std::size_t(a)];
            const QImage &ib = images[std::size_t(b)];
            ASSERT_EQ(ia.sizeInBytes(), ib.sizeInBytes());
            EXPECT_NE(0, memcmp(ia.constBits(), ib.constBits(), std::size_t(ia.sizeInBytes())))
                << a << " and " << b << " are the same picture";
        }
}

TEST(GoboImages, PicturesAreBuiltOnceAndKept)
{
    const QPixmap &first = goboImage(17);
    const qint64 key = first.cacheKey();
    EXPECT_EQ(&goboImage(17), &first);
    EXPECT_EQ(goboImage(17).cacheKey(), key);
    EXPECT_NE(goboImage(18).cacheKey(), key);
}

TEST(GoboImages, NumbersOutsideTheListHaveNoPictureAndNoName)
{
    for (int n : {-1, -142, INT_MIN, GoboImageCount, GoboImageCount + 1, 200, 255, 256, INT_MAX}) {
        EXPECT_TRUE(goboImage(n).isNull()) << n;
        EXPECT_TRUE(goboImageName(n).isEmpty()) << n;
    }
    EXPECT_FALSE(goboImage(0).isNull());
    EXPECT_FALSE(goboImage(GoboImageCount - 1).isNull());
}

TEST(GoboImages, NamesAreShortDistinctRussianTexts)
{
    QSet<QString> seen;
    for (int n = 0; n < GoboImageCount; ++n) {
        const QString name = goboImageName(n);
        ASSERT_FALSE(name.isEmpty()) << n;
        EXPECT_LE(name.size(), 24) << n;
        EXPECT_EQ(name, name.trimmed()) << n;
        const bool cyrillic = std::any_of(name.begin(), name.end(),
                                          [](QChar ch) { return ch.unicode() >= 0x0400 && ch.unicode() <= 0x04FF; });
        EXPECT_TRUE(cyrillic) << n << " " << name.toStdString();
        EXPECT_FALSE(seen.contains(name)) << n << " repeats " << name.toStdString();
        seen.insert(name);
    }
    EXPECT_EQ(goboImageName(0), QStringLiteral("Диммер"));
    EXPECT_EQ(goboImageName(46), QStringLiteral("Гобо 1"));
}
