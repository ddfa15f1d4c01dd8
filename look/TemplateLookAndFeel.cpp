#include "look/TemplateLookAndFeel.h"

#include "look/ColouredDocumentWindow.h"
#include "look/GlassWindowButton.h"

namespace
{
    const juce::Colour controlGrey (0xb2808080);

    struct CurvedCorners
    {
        bool topLeft, topRight, bottomLeft, bottomRight;
    };

    // A corner stays round only where neither of the two sides meeting there is flat.
    CurvedCorners curvedCorners (bool flatOnLeft, bool flatOnRight, bool flatOnTop, bool flatOnBottom)
    {
        return { ! (flatOnLeft || flatOnTop), ! (flatOnRight || flatOnTop),
                 ! (flatOnLeft || flatOnBottom), ! (flatOnRight || flatOnBottom) };
    }

    void addBox (juce::Path& path, float x, float y, float w, float h, float cornerSize, CurvedCorners corners)
    {
        TemplateLookAndFeel::roundedBoxPath (path, x, y, w, h, cornerSize,
                                             corners.topLeft, corners.topRight,
                                             corners.bottomLeft, corners.bottomRight);
    }

    juce::Colour blackWithAlpha (float alpha)
    {
        return juce::Colours::black.withAlpha (juce::jlimit (0.0f, 1.0f, alpha));
    }
}

//==============================================================================
TemplateLookAndFeel::TemplateLookAndFeel()
{
    setColour (controlColourId, controlGrey);
    setColour (juce::TextEditor::focusedOutlineColourId, controlGrey);

    setColour (juce::ScrollBar::backgroundColourId, juce::Colour (0x00000000));
    setColour (juce::ScrollBar::thumbColourId, juce::Colours::white);

    setColour (juce::PopupMenu::backgroundColourId, juce::Colours::white);
    setColour (juce::PopupMenu::highlightedTextColourId, juce::Colours::white);
    setColour (juce::PopupMenu::highlightedBackgroundColourId, controlGrey);

    setColour (juce::ComboBox::outlineColourId, controlGrey);

    // The combo box's glass button stays invisible unless a box is given a colour of its own.
    setColour (juce::ComboBox::buttonColourId, juce::Colour (0x00000000));

    // JUCE has no roles of its own for a combo box's list, so none can be inherited.
    setColour (comboListBackgroundColourId, juce::Colours::white);
    setColour (comboListTextColourId, juce::Colours::black);
    setColour (comboListHighlightedTextColourId, juce::Colours::white);
    setColour (comboListHighlightColourId, controlGrey);

    setColour (juce::Slider::trackColourId, juce::Colours::white);
    setColour (juce::Slider::textBoxOutlineColourId, controlGrey);

    setColour (juce::ProgressBar::backgroundColourId, juce::Colours::white);
    setColour (juce::ProgressBar::foregroundColourId, juce::Colour (0xffd3d3d3));

    setColour (juce::TooltipWindow::backgroundColourId, juce::Colours::white);
}

TemplateLookAndFeel::~TemplateLookAndFeel() = default;

//==============================================================================
juce::Colour TemplateLookAndFeel::stateColour (juce::Colour colour, bool hasFocus, bool isMouseOver, bool isPressed)
{
    const auto saturated = colour.withMultipliedSaturation (hasFocus ? 1.3f : 0.9f);

    if (isPressed)
        return saturated.contrasting (0.2f);

    if (isMouseOver)
        return saturated.contrasting (0.1f);

    return saturated;
}

void TemplateLookAndFeel::roundedBoxPath (juce::Path& path, float x, float y, float w, float h, float cornerSize,
                                          bool curveTopLeft, bool curveTopRight,
                                          bool curveBottomLeft, bool curveBottomRight)
{
    using Maths = juce::MathConstants<float>;

    const auto d = cornerSize * 2.0f;
    const auto right = x + w;
    const auto bottom = y + h;

    if (curveTopLeft)
    {
        path.startNewSubPath (x, y + cornerSize);
        path.addArc (x, y, d, d, Maths::pi * 1.5f, Maths::twoPi);
    }
    else
    {
        path.startNewSubPath (x, y);
    }

    if (curveTopRight)
    {
        path.lineTo (right - cornerSize, y);
        path.addArc (right - d, y, d, d, 0.0f, Maths::halfPi);
    }
    else
    {
        path.lineTo (right, y);
    }

    if (curveBottomRight)
    {
        path.lineTo (right, bottom - cornerSize);
        path.addArc (right - d, bottom - d, d, d, Maths::halfPi, Maths::pi);
    }
    else
    {
        path.lineTo (right, bottom);
    }

    if (curveBottomLeft)
    {
        path.lineTo (x + cornerSize, bottom);
        path.addArc (x, bottom - d, d, d, Maths::pi, Maths::pi * 1.5f);
    }
    else
    {
        path.lineTo (x, bottom);
    }

    path.closeSubPath();
}

void TemplateLookAndFeel::drawGlassBall (juce::Graphics& g, float x, float y, float diameter,
                                         juce::Colour colour, float outlineThickness)
{
    if (outlineThickness >= diameter)
        return;

    const auto d = diameter;

    const auto tint = juce::Colours::white.overlaidWith (colour.withMultipliedAlpha (0.3f));
    juce::ColourGradient body (tint, 0.0f, y, tint, 0.0f, y + d, false);
    body.addColour (0.4, juce::Colours::white.overlaidWith (colour));
    g.setGradientFill (body);
    g.fillEllipse (x, y, d, d);

    g.setGradientFill (juce::ColourGradient (juce::Colours::white, 0.0f, y + d * 0.06f,
                                             juce::Colours::transparentWhite, 0.0f, y + d * 0.3f, false));
    g.fillEllipse (x + d * 0.2f, y + d * 0.05f, d * 0.6f, d * 0.4f);

    juce::ColourGradient rim (juce::Colours::transparentBlack, x + d * 0.5f, y + d * 0.5f,
                              blackWithAlpha (colour.getFloatAlpha() * 0.5f * outlineThickness), x, y + d * 0.5f, true);
    rim.addColour (0.7, juce::Colours::transparentBlack);
    rim.addColour (0.8, blackWithAlpha (0.1f * outlineThickness));
    g.setGradientFill (rim);
    g.fillEllipse (x, y, d, d);

    g.setColour (blackWithAlpha (colour.getFloatAlpha() * 0.5f));
    g.drawEllipse (x, y, d, d, outlineThickness);
}

void TemplateLookAndFeel::drawGlassBar (juce::Graphics& g, float x, float y, float w, float h,
                                        juce::Colour colour, float outlineThickness,
                                        bool flatOnLeft, bool flatOnRight, bool flatOnTop, bool flatOnBottom)
{
    if (outlineThickness >= w || outlineThickness >= h)
        return;

    const auto cs = juce::jmin (w, h) * 0.5f;
    const auto edge = h * 0.75f + (h - cs * 2.0f);
    const auto ix = (int) x, iy = (int) y, iw = (int) w, ih = (int) h, iedge = (int) edge;
    const auto corners = curvedCorners (flatOnLeft, flatOnRight, flatOnTop, flatOnBottom);

    juce::Path outline;
    addBox (outline, x, y, w, h, cs, corners);

    const auto dark = colour.darker (0.2f);
    juce::ColourGradient body (dark, 0.0f, y, dark, 0.0f, y + h, false);
    body.addColour (0.03, colour.withMultipliedAlpha (0.3f));
    body.addColour (0.4, colour);
    body.addColour (0.97, colour.withMultipliedAlpha (0.3f));
    g.setGradientFill (body);
    g.fillPath (outline);

    juce::ColourGradient edgeShade (juce::Colours::transparentBlack, x + edge, y + h * 0.5f,
                                    dark, x, y + h * 0.5f, true);
    edgeShade.addColour (1.0 - cs * 0.5 / edge, juce::Colours::transparentBlack);
    edgeShade.addColour (1.0 - cs * 0.25 / edge, dark.withMultipliedAlpha (0.3f));

    if (! (flatOnLeft || flatOnTop || flatOnBottom))
    {
        const juce::Graphics::ScopedSaveState saved (g);
        g.setGradientFill (edgeShade);
        g.reduceClipRegion (ix, iy, iedge, ih);
        g.fillPath (outline);
    }

    if (! (flatOnRight || flatOnTop || flatOnBottom))
    {
        edgeShade.point1.setX (x + w - edge);
        edgeShade.point2.setX (x + w);

        const juce::Graphics::ScopedSaveState saved (g);
        g.setGradientFill (edgeShade);
        g.reduceClipRegion (ix + iw - iedge, iy, iedge + 2, ih);
        g.fillPath (outline);
    }

    const auto leftIndent = flatOnLeft ? 0.0f : cs * 0.4f;
    const auto rightIndent = flatOnRight ? 0.0f : cs * 0.4f;

    juce::Path highlight;
    addBox (highlight, x + leftIndent, y + cs * 0.1f, w - leftIndent - rightIndent, h * 0.4f, cs * 0.4f, corners);
    g.setGradientFill (juce::ColourGradient (colour.brighter (10.0f), 0.0f, y + h * 0.06f,
                                             juce::Colours::transparentWhite, 0.0f, y + h * 0.4f, false));
    g.fillPath (highlight);

    g.setColour (colour.darker (0.4f).withMultipliedAlpha (1.5f));
    g.strokePath (outline, juce::PathStrokeType (outlineThickness));
}

void TemplateLookAndFeel::drawSheenBox (juce::Graphics& g, float x, float y, float w, float h, float maxCornerSize,
                                        juce::Colour colour, float outlineThickness,
                                        bool flatOnLeft, bool flatOnRight, bool flatOnTop, bool flatOnBottom)
{
    if (outlineThickness * 1.1f >= w || outlineThickness * 1.1f >= h)
        return;

    const auto cs = juce::jmin (maxCornerSize, w * 0.5f, h * 0.5f);

    juce::Path outline;
    addBox (outline, x, y, w, h, cs, curvedCorners (flatOnLeft, flatOnRight, flatOnTop, flatOnBottom));

    const juce::Colour blue (0xff0000ff);
    juce::ColourGradient sheen (colour.overlaidWith (juce::Colours::white.withAlpha (0.0f)), 0.0f, y,
                                colour.overlaidWith (blue.withAlpha (0.03f)), 0.0f, y + h, false);
    sheen.addColour (0.5, colour.overlaidWith (juce::Colours::white.withAlpha (0.2f)));
    sheen.addColour (0.51, colour.overlaidWith (blue.withAlpha (0.07f)));
    g.setGradientFill (sheen);
    g.fillPath (outline);

    g.setColour (blackWithAlpha (0.5f));
    g.strokePath (outline, juce::PathStrokeType (outlineThickness));
}

void TemplateLookAndFeel::chooseComboBoxFonts (juce::Font& textFont, juce::Font& listFont, const juce::ComboBox& box)
{
    textFont = juce::Font (juce::jmin (15.0f, (float) box.getHeight() * 0.85f), juce::Font::plain);
    listFont = juce::Font (15.0f, juce::Font::plain);
}

//==============================================================================
void TemplateLookAndFeel::drawButtonBackground (juce::Graphics& g, juce::Button& button,
                                                const juce::Colour& backgroundColour,
                                                bool isMouseOverButton, bool isButtonDown)
{
    const auto enabled = button.isEnabled();
    const auto outlineThickness = ! enabled ? 0.4f : ((isButtonDown || isMouseOverButton) ? 1.2f : 0.7f);

    const auto indent = [outlineThickness] (bool connected) { return connected ? 0.1f : outlineThickness * 0.5f; };
    const auto leftIndent   = indent (button.isConnectedOnLeft());
    const auto rightIndent  = indent (button.isConnectedOnRight());
    const auto topIndent    = indent (button.isConnectedOnTop());
    const auto bottomIndent = indent (button.isConnectedOnBottom());

    const auto colour = stateColour (backgroundColour, button.hasKeyboardFocus (true), isMouseOverButton, isButtonDown)
                            .withMultipliedAlpha (enabled ? 1.0f : 0.5f);

    drawGlassBar (g, leftIndent, topIndent,
                  (float) button.getWidth() - leftIndent - rightIndent,
                  (float) button.getHeight() - topIndent - bottomIndent,
                  colour, outlineThickness,
                  button.isConnectedOnLeft(), button.isConnectedOnRight(),
                  button.isConnectedOnTop(), button.isConnectedOnBottom());
}

void TemplateLookAndFeel::drawTickBox (juce::Graphics& g, juce::Component&, float x, float y, float w, float h,
                                       bool ticked, bool isEnabled, bool isMouseOverButton, bool isButtonDown)
{
    const auto boxSize = w * 0.7f;
    const auto outlineThickness = ! isEnabled ? 0.3f : ((isButtonDown || isMouseOverButton) ? 1.1f : 0.5f);

    const auto colour = stateColour (findColour (controlColourId).withMultipliedAlpha (isEnabled ? 1.0f : 0.5f),
                                     true, isMouseOverButton, isButtonDown);

    drawGlassBall (g, x, y + (h - boxSize) * 0.5f, boxSize, colour, outlineThickness);

    if (ticked)
    {
        juce::Path tick;
        tick.startNewSubPath (1.5f, 3.0f);
        tick.lineTo (3.0f, 6.0f);
        tick.lineTo (6.0f, 0.0f);

        g.setColour (isEnabled ? juce::Colours::black : juce::Colour (0xff808080));
        g.strokePath (tick, juce::PathStrokeType (2.5f),
                      juce::AffineTransform::scale (w / 9.0f, h / 9.0f).translated (x, y));
    }
}

void TemplateLookAndFeel::drawProgressBar (juce::Graphics& g, juce::ProgressBar& progressBar, int width, int height,
                                           double progress, const juce::String& textToShow)
{
    const auto background = progressBar.findColour (juce::ProgressBar::backgroundColourId);
    const auto foreground = progressBar.findColour (juce::ProgressBar::foregroundColourId);

    g.fillAll (background);

    g.setColour (background.contrasting (0.2f));
    g.drawRect (0, 0, width, height, 1);

    const auto fullWidth = (float) juce::jmax (0, width - 2);
    const auto barWidth = juce::jlimit (0.0f, fullWidth, fullWidth * (float) progress);
    drawGlassBar (g, 1.0f, 1.0f, barWidth, (float) (height - 2), foreground, 0.5f, true, true, true, true);

    // JUCE's progress bar leaves its percentage or message to the look and feel.
    if (textToShow.isNotEmpty())
    {
        g.setColour (juce::Colour::contrasting (background, foreground));
        g.setFont ((float) height * 0.6f);
        g.drawText (textToShow, 0, 0, width, height, juce::Justification::centred, false);
    }
}

//==============================================================================
void TemplateLookAndFeel::drawScrollbarButton (juce::Graphics& g, juce::ScrollBar& scrollBar, int width, int height,
                                               int buttonDirection, bool, bool, bool isButtonDown)
{
    const auto w = (float) width;
    const auto h = (float) height;
    juce::Path arrow;

    switch (buttonDirection)
    {
        case 0:  arrow.addTriangle (w * 0.5f, h * 0.2f, w * 0.1f, h * 0.7f, w * 0.9f, h * 0.7f); break;
        case 1:  arrow.addTriangle (w * 0.8f, h * 0.5f, w * 0.3f, h * 0.1f, w * 0.3f, h * 0.9f); break;
        case 2:  arrow.addTriangle (w * 0.5f, h * 0.8f, w * 0.1f, h * 0.3f, w * 0.9f, h * 0.3f); break;
        case 3:  arrow.addTriangle (w * 0.2f, h * 0.5f, w * 0.7f, h * 0.1f, w * 0.7f, h * 0.9f); break;
        default: break;
    }

    const auto thumb = scrollBar.findColour (juce::ScrollBar::thumbColourId);
    g.setColour (isButtonDown ? thumb.contrasting (0.2f) : thumb);
    g.fillPath (arrow);

    g.setColour (blackWithAlpha (0.5f));
    g.strokePath (arrow, juce::PathStrokeType (0.5f));
}

void TemplateLookAndFeel::drawScrollbar (juce::Graphics& g, juce::ScrollBar& scrollBar, int x, int y, int width, int height,
                                         bool isScrollbarVertical, int thumbStartPosition, int thumbSize, bool, bool)
{
    g.fillAll (scrollBar.findColour (juce::ScrollBar::backgroundColourId));

    const auto fx = (float) x, fy = (float) y, fw = (float) width, fh = (float) height;
    const auto slotIndent = juce::jmin (width, height) > 15 ? 1.0f : 0.0f;
    const auto thumbIndent = slotIndent + 1.0f;
    const auto thumbStart = (float) thumbStartPosition;
    const auto thumbLength = (float) thumbSize;

    juce::Path slot, thumb;
    juce::Point<float> a, b;

    if (isScrollbarVertical)
    {
        slot.addRoundedRectangle (fx + slotIndent, fy + slotIndent, fw - slotIndent * 2.0f, fh - slotIndent * 2.0f,
                                  (fw - slotIndent * 2.0f) * 0.5f);

        if (thumbSize > 0)
            thumb.addRoundedRectangle (fx + thumbIndent, thumbStart + thumbIndent,
                                       fw - thumbIndent * 2.0f, thumbLength - thumbIndent * 2.0f,
                                       (fw - thumbIndent * 2.0f) * 0.5f);

        a = { fx, 0.0f };
        b = { fx + fw * 0.7f, 0.0f };
    }
    else
    {
        slot.addRoundedRectangle (fx + slotIndent, fy + slotIndent, fw - slotIndent * 2.0f, fh - slotIndent * 2.0f,
                                  (fh - slotIndent * 2.0f) * 0.5f);

        if (thumbSize > 0)
            thumb.addRoundedRectangle (thumbStart + thumbIndent, fy + thumbIndent,
                                       thumbLength - thumbIndent * 2.0f, fh - thumbIndent * 2.0f,
                                       (fh - thumbIndent * 2.0f) * 0.5f);

        a = { 0.0f, fy };
        b = { 0.0f, fy + fh * 0.7f };
    }

    const auto thumbColour = scrollBar.findColour (juce::ScrollBar::thumbColourId);

    g.setGradientFill (juce::ColourGradient (thumbColour.overlaidWith (blackWithAlpha (0.27f)), a,
                                             thumbColour.overlaidWith (blackWithAlpha (0.1f)), b, false));
    g.fillPath (slot);

    if (isScrollbarVertical)
    {
        a = { fx + fw * 0.6f, 0.0f };
        b = { fx + fw, 0.0f };
    }
    else
    {
        a = { 0.0f, fy + fh * 0.6f };
        b = { 0.0f, fy + fh };
    }

    g.setGradientFill (juce::ColourGradient (blackWithAlpha (0.0f), a, blackWithAlpha (0.1f), b, false));
    g.fillPath (slot);

    g.setColour (thumbColour);
    g.fillPath (thumb);

    {
        const juce::Graphics::ScopedSaveState saved (g);

        if (isScrollbarVertical)
            g.reduceClipRegion (x + width / 2, y, width, height);
        else
            g.reduceClipRegion (x, y + height / 2, width, height);

        g.setGradientFill (juce::ColourGradient (blackWithAlpha (0.05f), a, blackWithAlpha (0.0f), b, false));
        g.fillPath (thumb);
    }

    g.setColour (blackWithAlpha (0.3f));
    g.strokePath (thumb, juce::PathStrokeType (0.4f));
}

juce::ImageEffectFilter* TemplateLookAndFeel::getScrollbarEffect()
{
    return nullptr;
}

void TemplateLookAndFeel::drawTextEditorOutline (juce::Graphics& g, int width, int height, juce::TextEditor& editor)
{
    if (! editor.isEnabled())
        return;

    const auto shadow = editor.findColour (juce::TextEditor::shadowColourId);

    if (editor.hasKeyboardFocus (true) && ! editor.isReadOnly())
    {
        g.setColour (editor.findColour (juce::TextEditor::focusedOutlineColourId));
        g.drawRect (0, 0, width, height, 2);
        g.setOpacity (1.0f);
        drawBevel (g, 0, 0, width, height + 2, 4, shadow.withMultipliedAlpha (0.75f), shadow.withMultipliedAlpha (0.75f));
    }
    else
    {
        g.setColour (editor.findColour (juce::TextEditor::outlineColourId));
        g.drawRect (0, 0, width, height, 1);
        g.setOpacity (1.0f);
        drawBevel (g, 0, 0, width, height + 2, 3, shadow, shadow);
    }
}

//==============================================================================
void TemplateLookAndFeel::drawListBackground (juce::Graphics& g, int width, int height,
                                              juce::Colour background, juce::Colour text)
{
    g.fillAll (background);

    g.setColour (background.overlaidWith (juce::Colour (0xffadd8e6).withAlpha (0.17f)));

    for (int row = 0; row < height; row += 3)
        g.fillRect (0, row, width, 1);

    g.setColour (text.withAlpha (0.6f));
    g.drawRect (0, 0, width, height, 1);
}

void TemplateLookAndFeel::drawPopupMenuBackground (juce::Graphics& g, int width, int height)
{
    drawListBackground (g, width, height,
                        findColour (juce::PopupMenu::backgroundColourId),
                        findColour (juce::PopupMenu::textColourId));
}

void TemplateLookAndFeel::drawComboListBackground (juce::Graphics& g, int width, int height)
{
    drawListBackground (g, width, height,
                        findColour (comboListBackgroundColourId),
                        findColour (comboListTextColourId));
}

// A combo box's drop-down list is a popup menu aimed at the box; it takes the list's colours
// and font rather than the menu's.
void TemplateLookAndFeel::drawPopupMenuBackgroundWithOptions (juce::Graphics& g, int width, int height,
                                                              const juce::PopupMenu::Options& options)
{
    if (dynamic_cast<juce::ComboBox*> (options.getTargetComponent()) != nullptr)
        drawComboListBackground (g, width, height);
    else
        drawPopupMenuBackground (g, width, height);
}

void TemplateLookAndFeel::drawPopupMenuItemWithOptions (juce::Graphics& g, const juce::Rectangle<int>& area,
                                                        bool isHighlighted, const juce::PopupMenu::Item& item,
                                                        const juce::PopupMenu::Options& options)
{
    if (auto* box = dynamic_cast<juce::ComboBox*> (options.getTargetComponent()); box != nullptr && ! item.isSeparator)
        drawComboListItem (g, area, isHighlighted, item, *box);
    else
        LookAndFeel_V2::drawPopupMenuItemWithOptions (g, area, isHighlighted, item, options);
}

void TemplateLookAndFeel::drawComboListItem (juce::Graphics& g, const juce::Rectangle<int>& area, bool isHighlighted,
                                             const juce::PopupMenu::Item& item, const juce::ComboBox& box)
{
    auto r = area.reduced (1);

    if (isHighlighted)
    {
        g.setColour (findColour (comboListHighlightColourId));
        g.fillRect (r);
        g.setColour (findColour (comboListHighlightedTextColourId));
    }
    else
    {
        g.setColour (item.colour != juce::Colour() ? item.colour : findColour (comboListTextColourId));
    }

    if (! item.isEnabled)
        g.setOpacity (0.3f);

    juce::Font textFont, listFont;
    chooseComboBoxFonts (textFont, listFont, box);
    listFont.setHeight (juce::jmin (listFont.getHeight(), (float) area.getHeight() / 1.3f));
    g.setFont (listFont);

    const auto iconArea = r.removeFromLeft ((r.getHeight() * 5) / 4).reduced (3).toFloat();

    if (item.isTicked)
    {
        const auto tick = getTickShape (1.0f);
        g.fillPath (tick, tick.getTransformToScaleToFit (iconArea, true));
    }

    r.removeFromRight (3);
    g.drawFittedText (item.text, r, juce::Justification::centredLeft, 1);
}

void TemplateLookAndFeel::drawMenuBarBackground (juce::Graphics& g, int width, int height, bool,
                                                 juce::MenuBarComponent& menuBar)
{
    const auto colour = stateColour (menuBar.findColour (juce::PopupMenu::backgroundColourId), false, false, false);

    // The box runs past both ends so that no side edge shows.
    if (menuBar.isEnabled())
        drawSheenBox (g, -4.0f, 0.0f, (float) width + 8.0f, (float) height, 0.0f, colour, 0.4f, true, true, true, true);
    else
        g.fillAll (colour);
}

//==============================================================================
void TemplateLookAndFeel::drawComboBox (juce::Graphics& g, int width, int height, bool isButtonDown,
                                        int buttonX, int buttonY, int buttonW, int buttonH, juce::ComboBox& box)
{
    g.fillAll (box.findColour (juce::ComboBox::backgroundColourId));

    g.setColour (box.findColour (juce::ComboBox::outlineColourId));
    g.drawRect (0, 0, width, height, (box.isEnabled() && box.hasKeyboardFocus (false)) ? 2 : 1);

    const auto t = ! box.isEnabled() ? 0.3f : (isButtonDown ? 1.2f : 0.5f);
    const auto bx = (float) buttonX, by = (float) buttonY, bw = (float) buttonW, bh = (float) buttonH;

    drawGlassBar (g, bx + t, by + t, bw - t * 2.0f, bh - t * 2.0f,
                  box.findColour (juce::ComboBox::buttonColourId), t, true, true, true, true);

    if (box.isEnabled())
    {
        juce::Path arrows;
        arrows.addTriangle (bx + bw * 0.5f, by + bh * 0.25f, bx + bw * 0.7f, by + bh * 0.45f, bx + bw * 0.3f, by + bh * 0.45f);
        arrows.addTriangle (bx + bw * 0.5f, by + bh * 0.75f, bx + bw * 0.7f, by + bh * 0.55f, bx + bw * 0.3f, by + bh * 0.55f);

        g.setColour (blackWithAlpha (0.6f));
        g.fillPath (arrows);
    }
}

juce::Font TemplateLookAndFeel::getComboBoxFont (juce::ComboBox& box)
{
    juce::Font textFont, listFont;
    chooseComboBoxFonts (textFont, listFont, box);
    return textFont;
}

//==============================================================================
void TemplateLookAndFeel::drawLinearSlider (juce::Graphics& g, int x, int y, int width, int height,
                                            float sliderPos, float, float,
                                            juce::Slider::SliderStyle style, juce::Slider& slider)
{
    const auto enabled = slider.isEnabled();
    const auto isMouseOver = enabled && slider.isMouseOverOrDragging();
    const auto fx = (float) x, fy = (float) y, fw = (float) width, fh = (float) height;
    const auto control = slider.findColour (controlColourId);

    if (style == juce::Slider::LinearBar)
    {
        g.fillAll (slider.findColour (juce::Slider::trackColourId).withAlpha (enabled ? 0.5f : 0.15f));

        const auto colour = stateColour (enabled ? control : control.withMultipliedSaturation (0.5f),
                                         false, isMouseOver, isMouseOver || slider.isMouseButtonDown());

        drawSheenBox (g, fx, fy, sliderPos - fx, fh, 0.0f, colour, enabled ? 0.9f : 0.3f, true, true, true, true);
        return;
    }

    const auto r = (float) getSliderThumbRadius (slider);
    const auto trackColour = juce::Colours::white.withAlpha (0.5f);
    const auto c1 = trackColour.overlaidWith (blackWithAlpha (enabled ? 0.25f : 0.13f));
    const auto c2 = trackColour.overlaidWith (blackWithAlpha (0.08f));
    const auto horizontal = style == juce::Slider::LinearHorizontal;

    juce::Path track;

    if (horizontal)
    {
        const auto iy = fy + fh * 0.5f - r * 0.5f;
        track.addRoundedRectangle (fx, iy, fw, r, 5.0f);
        g.setGradientFill (juce::ColourGradient (c1, 0.0f, iy, c2, 0.0f, iy + r, false));
    }
    else
    {
        const auto ix = fx + fw * 0.5f - r * 0.5f;
        track.addRoundedRectangle (ix, fy, r, fh, 5.0f);
        g.setGradientFill (juce::ColourGradient (c1, ix, 0.0f, c2, ix + r, 0.0f, false));
    }

    g.fillPath (track);
    g.setColour (blackWithAlpha (0.3f));
    g.strokePath (track, juce::PathStrokeType (0.5f));

    const auto knobColour = stateColour (control, slider.hasKeyboardFocus (false) && enabled,
                                         isMouseOver, slider.isMouseButtonDown() && enabled);
    const auto outline = enabled ? 0.8f : 0.3f;

    if (horizontal)
        drawGlassBall (g, sliderPos - r, fy + fh * 0.5f - r, r * 2.0f, knobColour, outline);
    else
        drawGlassBall (g, fx + fw * 0.5f - r, sliderPos - r, r * 2.0f, knobColour, outline);
}

int TemplateLookAndFeel::getSliderThumbRadius (juce::Slider& slider)
{
    return juce::jmin (7, slider.getHeight() / 2, slider.getWidth() / 2);
}

juce::Button* TemplateLookAndFeel::createSliderButton (juce::Slider&, bool isIncrement)
{
    return new juce::TextButton (isIncrement ? "+" : "-", juce::String());
}

juce::ImageEffectFilter* TemplateLookAndFeel::getSliderEffect (juce::Slider&)
{
    return nullptr;
}

void TemplateLookAndFeel::drawCornerResizer (juce::Graphics& g, int width, int height, bool, bool)
{
    const auto w = (float) width;
    const auto h = (float) height;
    const auto lineThickness = juce::jmin (w, h) * 0.075f;

    for (int step = 0; step < 4; ++step)
    {
        const auto i = 0.3f * (float) step;

        g.setColour (juce::Colour (0xffd3d3d3));
        g.drawLine (w * i, h + 1.0f, w + 1.0f, h * i, lineThickness);

        g.setColour (juce::Colour (0xff555555));
        g.drawLine (w * i + lineThickness, h + 1.0f, w + 1.0f, h * i + lineThickness, lineThickness);
    }
}

//==============================================================================
void TemplateLookAndFeel::drawDocumentWindowTitleBar (juce::DocumentWindow& window, juce::Graphics& g, int w, int h,
                                                      int titleSpaceX, int titleSpaceW,
                                                      const juce::Image* icon, bool drawTitleTextOnLeft)
{
    const auto background = window.getBackgroundColour();

    // A window that carries no title-bar colour of its own gets a plain bar in its background.
    const auto* coloured = dynamic_cast<const ColouredDocumentWindow*> (&window);
    const auto titleBar = coloured != nullptr ? coloured->getTitleBarColour() : background;

    g.setGradientFill (juce::ColourGradient (titleBar, 0.0f, 0.0f, background, 0.0f, (float) h, false));
    g.fillAll();

    const juce::Font font ((float) h * 0.65f, juce::Font::bold);
    g.setFont (font);

    const auto title = window.getName();
    const auto hasIcon = icon != nullptr && icon->isValid() && icon->getHeight() > 0;
    auto textW = font.getStringWidth (title);
    auto iconW = 0;
    auto iconH = 0;

    if (hasIcon)
    {
        iconH = (int) font.getHeight();
        iconW = icon->getWidth() * iconH / icon->getHeight() + 4;
    }

    textW = juce::jmin (titleSpaceW, textW + iconW);
    auto textX = drawTitleTextOnLeft ? titleSpaceX : juce::jmax (titleSpaceX, (w - textW) / 2);

    if (textX + textW > titleSpaceX + titleSpaceW)
        textX = titleSpaceX + titleSpaceW - textW;

    if (hasIcon)
    {
        g.setOpacity (window.isActiveWindow() ? 1.0f : 0.6f);
        g.drawImageWithin (*icon, textX, (h - iconH) / 2, iconW, iconH, juce::RectanglePlacement::centred, false);
        textX += iconW;
        textW -= iconW;
    }

    g.setColour (background.contrasting (window.isActiveWindow() ? 0.7f : 0.4f));
    g.drawText (title, textX, 0, textW, h, juce::Justification::centredLeft, true);
}

// The base look keeps a private class of the same name, hence the qualified ::GlassWindowButton.
juce::Button* TemplateLookAndFeel::createDocumentWindowButton (int buttonType)
{
    juce::Path shape;

    if (buttonType == juce::DocumentWindow::closeButton)
    {
        shape.addLineSegment ({ 0.0f, 0.0f, 1.0f, 1.0f }, 0.35f);
        shape.addLineSegment ({ 1.0f, 0.0f, 0.0f, 1.0f }, 0.35f);
        return new ::GlassWindowButton ("close", closeButtonColour, shape, shape);
    }

    if (buttonType == juce::DocumentWindow::minimiseButton)
    {
        shape.addLineSegment ({ 0.0f, 0.5f, 1.0f, 0.5f }, 0.25f);
        return new ::GlassWindowButton ("minimise", minimiseButtonColour, shape, shape);
    }

    if (buttonType == juce::DocumentWindow::maximiseButton)
    {
        shape.addLineSegment ({ 0.5f, 0.0f, 0.5f, 1.0f }, 0.25f);
        shape.addLineSegment ({ 0.0f, 0.5f, 1.0f, 0.5f }, 0.25f);

        // Two overlapping window frames, the back one open where the front one covers it.
        juce::Path restoreShape;
        restoreShape.startNewSubPath (45.0f, 100.0f);
        restoreShape.lineTo (0.0f, 100.0f);
        restoreShape.lineTo (0.0f, 0.0f);
        restoreShape.lineTo (100.0f, 0.0f);
        restoreShape.lineTo (100.0f, 45.0f);
        restoreShape.addRectangle (45.0f, 45.0f, 100.0f, 100.0f);
        juce::PathStrokeType (30.0f).createStrokedPath (restoreShape, restoreShape);

        return new ::GlassWindowButton ("maximise", maximiseButtonColour, shape, restoreShape);
    }

    return nullptr;
}

void TemplateLookAndFeel::positionDocumentWindowButtons (juce::DocumentWindow&,
                                                         int titleBarX, int titleBarY, int titleBarW, int titleBarH,
                                                         juce::Button* minimiseButton,
                                                         juce::Button* maximiseButton,
                                                         juce::Button* closeButton,
                                                         bool positionTitleBarButtonsOnLeft)
{
    const auto buttonW = titleBarH - titleBarH / 8;
    const auto onLeft = positionTitleBarButtonsOnLeft;

    // From the edge inwards: close, then maximise and minimise on the right, the other way round on the left.
    auto x = onLeft ? titleBarX + 4 : titleBarX + titleBarW - buttonW / 4 - buttonW;

    if (closeButton != nullptr)
    {
        closeButton->setBounds (x, titleBarY, buttonW, titleBarH);
        x += onLeft ? buttonW : -(buttonW + buttonW / 4);
    }

    auto* second = onLeft ? minimiseButton : maximiseButton;
    auto* third  = onLeft ? maximiseButton : minimiseButton;

    if (second != nullptr)
    {
        second->setBounds (x, titleBarY, buttonW, titleBarH);
        x += onLeft ? buttonW : -buttonW;
    }

    if (third != nullptr)
        third->setBounds (x, titleBarY, buttonW, titleBarH);
}
