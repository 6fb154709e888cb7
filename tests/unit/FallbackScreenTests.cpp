#include <gtest/gtest.h>

#include "editor/FallbackScreen.h"

namespace
{
    juce::Image draw (bool failed)
    {
        juce::Image image (juce::Image::ARGB, 1100, 720, true);
        juce::Graphics g (image);
        paintFallbackScreen (g, image.getBounds(), failed);
        return image;
    }

    int countPixels (const juce::Image& image, juce::Rectangle<int> area, std::function<bool (juce::Colour)> matches)
    {
        int count = 0;
        for (int y = area.getY(); y < area.getBottom(); ++y)
            for (int x = area.getX(); x < area.getRight(); ++x)
                count += matches (image.getPixelAt (x, y)) ? 1 : 0;
        return count;
    }
}

TEST (FallbackScreen, FailedConstructionShowsTitleAndMessageOnTheBackground)
{
    const auto image = draw (true);
    const auto background = juce::Colour (0xff0f0f1a);

    EXPECT_EQ (image.getPixelAt (5, 5), background);
    EXPECT_EQ (image.getPixelAt (1095, 715), background);

    const auto whiteish = [] (juce::Colour c) { return c.getRed() > 200 && c.getGreen() > 200 && c.getBlue() > 200; };
    const auto greyish = [] (juce::Colour c) { return c.getRed() > 80 && std::abs (c.getRed() - c.getBlue()) < 12 && c.getRed() < 190; };

    // the title sits centred in the 60-pixel strip at the top, the message in the middle
    EXPECT_GT (countPixels (image, { 480, 15, 140, 30 }, whiteish), 20);
    EXPECT_EQ (countPixels (image, { 0, 0, 400, 60 }, whiteish), 0);
    EXPECT_GT (countPixels (image, { 40, 280, 1020, 160 }, greyish), 200);
    EXPECT_EQ (countPixels (image, { 0, 60, 1100, 200 }, greyish), 0);

    EXPECT_TRUE (fallbackMessage().startsWith ("The plugin web view could not be initialised.\n\nQuit your DAW"));
}

TEST (FallbackScreen, WorkingEditorDrawsOnlyTheBackground)
{
    const auto image = draw (false);
    EXPECT_EQ (countPixels (image, image.getBounds(), [] (juce::Colour c) { return c != juce::Colour (0xff0f0f1a); }), 0);
}
