#include "display/ClientIcons.h"
#include "platform/Failure.h"
#include "profiles/frmMain.h"
#include "support/TestApp.h"

#include <QImage>
#include <QListWidget>
#include <gtest/gtest.h>

#include <set>

namespace {

const std::set<int> kUnused{7, 11, 21, 27, 30};

// Pixels that stand out on the lists' black background.
int BrightPixels(const QImage &image)
{
    int bright = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() > 128 && pixel.lightness() > 60)
                ++bright;
        }
    }
    return bright;
}

TEST(ClientIconsTest, EveryIndexOfTheTableHasItsOwnVisibleImage)
{
    const ClientIcons icons;
    std::vector<QImage> drawn;
    for (int index = 1; index <= ClientIcon::Count; ++index) {
        const QIcon &image = icons.image(index);
        if (kUnused.contains(index)) {
            EXPECT_TRUE(image.isNull()) << index;
            continue;
        }
        ASSERT_FALSE(image.isNull()) << index;
        const QImage small = image.pixmap(QSize(16, 16)).toImage();
        EXPECT_EQ(small.size(), QSize(16, 16));
        EXPECT_GT(BrightPixels(small), 12) << index;
        for (const QImage &other : drawn)
            EXPECT_NE(small, other) << index;
        drawn.push_back(small);
    }
    EXPECT_TRUE(icons.image(0).isNull());
    EXPECT_THROW(icons.image(ClientIcon::Count + 1), Failure);
    EXPECT_THROW(icons.image(-1), Failure);
}

TEST(ClientIconsTest, TheProfileListShowsEachProfilesProductImage)
{
    TestApp test;
    test.writeProfile(QStringLiteral("alpha"), "[Login]\nProduct=PX2D\n");
    test.writeProfile(QStringLiteral("beta"));
    test.writeProfile(QStringLiteral("gamma"), "[Login]\nProduct=3RAW\n");
    test.startUp();
    const frmMain &window = test.app->mainWindow();
    const auto imageOf = [&](int row) { return window.lstProfiles->item(row)->icon().cacheKey(); };
    EXPECT_EQ(imageOf(0), window.clientIcons().image(ClientIcon::LordOfDestruction).cacheKey());
    EXPECT_EQ(imageOf(1), window.clientIcons().image(ClientIcon::Administrator).cacheKey());
    EXPECT_EQ(imageOf(2), window.clientIcons().image(ClientIcon::ReignOfChaos).cacheKey());
}

} // namespace
