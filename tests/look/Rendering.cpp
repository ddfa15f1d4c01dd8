#include "Rendering.h"

namespace talvion::test
{
    juce::Image render (int width, int height, const std::function<void (juce::Graphics&)>& draw, juce::Colour background)
    {
        juce::Image image (juce::Image::ARGB, width, height, true, juce::SoftwareImageType());
        juce::Graphics g (image);
        g.fillAll (background);
        draw (g);
        return image;
    }

    juce::Image renderComponent (juce::Component& component, juce::Colour background)
    {
        return render (component.getWidth(), component.getHeight(),
                       [&component] (juce::Graphics& g) { component.paintEntireComponent (g, true); },
                       background);
    }

    float meanBrightness (const juce::Image& image, juce::Rectangle<int> area)
    {
        double sum = 0.0;

        for (int y = area.getY(); y < area.getBottom(); ++y)
            for (int x = area.getX(); x < area.getRight(); ++x)
            {
                const auto c = image.getPixelAt (x, y);
                sum += (c.getRed() + c.getGreen() + c.getBlue()) / 3.0;
            }

        return (float) (sum / juce::jmax (1, area.getWidth() * area.getHeight()));
    }
}
