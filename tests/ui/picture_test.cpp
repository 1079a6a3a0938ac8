#include "ui/picturewidget.h"
#include "ui/syncset.h"
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <string>

namespace {

QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

TEST(Picture, BoxesLandAtFifteenTwipsToThePixel) {
    tc::Picture picture;
    tc::Drawbox box;
    box.X = 300; // 20 px
    box.Y = 150; // 10 px
    box.Width = 450;
    box.Height = 300;
    box.Fill = 0xFF0000;
    box.Outline = 0x0000FF;
    picture.Box(box);
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    tc::ui::Paintpicture(painter, picture, QString());
    painter.end();
    EXPECT_EQ(Pixel(image, 25, 15), 0xFF0000u); // inside
    EXPECT_EQ(Pixel(image, 20, 10), 0x0000FFu); // top left corner of the outline
    EXPECT_EQ(Pixel(image, 49, 29), 0x0000FFu); // bottom right corner
    EXPECT_EQ(Pixel(image, 19, 15), 0xFFFFFFu); // just left of it
    EXPECT_EQ(Pixel(image, 50, 15), 0xFFFFFFu); // just right of it
    EXPECT_EQ(Pixel(image, 25, 30), 0xFFFFFFu); // just below it
}

TEST(Picture, UnfilledDottedBoxLeavesItsInsideAlone) {
    tc::Picture picture;
    tc::Drawbox box;
    box.Width = box.Height = 600;
    box.Filled = false;
    box.Dotted = true;
    picture.Box(box);
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    tc::ui::Paintpicture(painter, picture, QString());
    painter.end();
    EXPECT_EQ(Pixel(image, 20, 20), 0xFFFFFFu);
    int dark = 0, light = 0;
    for (int x = 0; x < 40; ++x) (Pixel(image, x, 0) == 0 ? dark : light) += 1;
    EXPECT_GT(dark, 5);
    EXPECT_GT(light, 5) << "a dotted outline has gaps";
}

TEST(Picture, TextIsDrawnBelowAndRightOfItsPoint) {
    tc::Picture picture;
    tc::Drawtext text;
    text.X = 300;
    text.Y = 300;
    text.Text = "WWWW";
    text.Size = 12;
    text.Bold = true;
    picture.Print(text);
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    tc::ui::Paintpicture(painter, picture, QString());
    painter.end();
    int inked = 0, outside = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            if (Pixel(image, x, y) != 0xFFFFFF) (x >= 19 && y >= 19 ? inked : outside) += 1;
    EXPECT_GT(inked, 20);
    EXPECT_EQ(outside, 0);
}

TEST(Picture, WidgetRepaintsOnlyWhenTheModelChanged) {
    tc::Picture picture;
    tc::ui::Picturewidget widget(picture, QString());
    EXPECT_TRUE(widget.refresh());
    EXPECT_FALSE(widget.refresh());
    picture.Cls();
    EXPECT_TRUE(widget.refresh());
    picture.Background = 0x112233;
    EXPECT_TRUE(widget.refresh());
    picture.Borderstyle = 0;
    EXPECT_TRUE(widget.refresh());
    EXPECT_FALSE(widget.refresh());
}

TEST(Syncset, WritesOnlyChangedValues) {
    std::string model = "a";
    int writes = 0;
    tc::ui::Syncset sync;
    sync.add([&] { return model; }, [&](const std::string&) { ++writes; });
    EXPECT_EQ(sync.run(), 1);
    EXPECT_EQ(sync.run(), 0);
    model = "b";
    EXPECT_EQ(sync.run(), 1);
    EXPECT_EQ(writes, 2);
}

TEST(Syncset, LiveStepsPutBackWhatTheWidgetChanged) {
    bool model = true, shown = false;
    tc::ui::Syncset sync;
    sync.live([&] { return model; }, [&] { return shown; }, [&](bool v) { shown = v; });
    EXPECT_EQ(sync.run(), 1);
    EXPECT_EQ(sync.run(), 0);
    shown = false; // the player toggled it, the model did not follow
    EXPECT_EQ(sync.run(), 1);
    EXPECT_TRUE(shown);
}

} // namespace
