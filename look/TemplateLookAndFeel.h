#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

//==============================================================================
/**
    Talvion's grey-blue glass look: translucent grey outlines, white lists and menus, glass balls
    for tick boxes and title-bar buttons, glass bars for push buttons and the progress bar, and
    a title bar that fades from the window's title-bar colour into its background.

    Install one object as JUCE's default look and feel before any component exists, and
    withdraw it (setDefaultLookAndFeel (nullptr)) before destroying it, so that nothing is left
    drawing with a dead object.

    The drawing helpers are static, keep no state and are shared with GlassWindowButton.
*/
class TemplateLookAndFeel  : public juce::LookAndFeel_V2
{
public:
    //==============================================================================
    /** Colour roles that JUCE's own components have no identifier for. */
    enum ColourIds
    {
        controlColourId                   = 0x7a71001,  /**< tick boxes and slider thumbs */
        comboListBackgroundColourId       = 0x7a71002,  /**< a combo box's drop-down list */
        comboListTextColourId             = 0x7a71003,
        comboListHighlightedTextColourId  = 0x7a71004,
        comboListHighlightColourId        = 0x7a71005
    };

    //==============================================================================
    TemplateLookAndFeel();
    ~TemplateLookAndFeel() override;

    //==============================================================================
    /** The glass colours of the title-bar buttons. */
    const juce::Colour minimiseButtonColour { 0xffeff2f3 };
    const juce::Colour maximiseButtonColour { 0xff9299a5 };
    const juce::Colour closeButtonColour    { 0xff3273a1 };

    //==============================================================================
    /** A control's colour adjusted for focus, mouse-over and press; pressed wins over mouse-over. */
    static juce::Colour stateColour (juce::Colour colour, bool hasFocus, bool isMouseOver, bool isPressed);

    /** Adds one closed box to the path, each corner rounded or square, visited clockwise from
        the top left. */
    static void roundedBoxPath (juce::Path& path, float x, float y, float w, float h, float cornerSize,
                                bool curveTopLeft, bool curveTopRight,
                                bool curveBottomLeft, bool curveBottomRight);

    /** A glass ball whose bounding square starts at x, y; nothing when the outline fills it. */
    static void drawGlassBall (juce::Graphics& g, float x, float y, float diameter,
                               juce::Colour colour, float outlineThickness);

    /** A glass bar with fully rounded ends; flat sides are square and unshaded. */
    static void drawGlassBar (juce::Graphics& g, float x, float y, float w, float h,
                              juce::Colour colour, float outlineThickness,
                              bool flatOnLeft, bool flatOnRight, bool flatOnTop, bool flatOnBottom);

    /** A box lightened above half height and faintly blue below, with a hard edge between. */
    static void drawSheenBox (juce::Graphics& g, float x, float y, float w, float h, float maxCornerSize,
                              juce::Colour colour, float outlineThickness,
                              bool flatOnLeft, bool flatOnRight, bool flatOnTop, bool flatOnBottom);

    /** The fonts of a combo box's own text and of its drop-down list. */
    static void chooseComboBoxFonts (juce::Font& textFont, juce::Font& listFont, const juce::ComboBox& box);

    //==============================================================================
    void drawButtonBackground (juce::Graphics&, juce::Button&, const juce::Colour& backgroundColour,
                               bool isMouseOverButton, bool isButtonDown) override;

    void drawTickBox (juce::Graphics&, juce::Component&, float x, float y, float w, float h,
                      bool ticked, bool isEnabled, bool isMouseOverButton, bool isButtonDown) override;

    void drawProgressBar (juce::Graphics&, juce::ProgressBar&, int width, int height,
                          double progress, const juce::String& textToShow) override;

    //==============================================================================
    void drawScrollbarButton (juce::Graphics&, juce::ScrollBar&, int width, int height, int buttonDirection,
                              bool isScrollbarVertical, bool isMouseOverButton, bool isButtonDown) override;

    void drawScrollbar (juce::Graphics&, juce::ScrollBar&, int x, int y, int width, int height,
                        bool isScrollbarVertical, int thumbStartPosition, int thumbSize,
                        bool isMouseOver, bool isMouseDown) override;

    juce::ImageEffectFilter* getScrollbarEffect() override;

    void drawTextEditorOutline (juce::Graphics&, int width, int height, juce::TextEditor&) override;

    //==============================================================================
    void drawPopupMenuBackground (juce::Graphics&, int width, int height) override;
    void drawPopupMenuBackgroundWithOptions (juce::Graphics&, int width, int height,
                                             const juce::PopupMenu::Options&) override;
    void drawPopupMenuItemWithOptions (juce::Graphics&, const juce::Rectangle<int>& area, bool isHighlighted,
                                       const juce::PopupMenu::Item&, const juce::PopupMenu::Options&) override;

    void drawMenuBarBackground (juce::Graphics&, int width, int height, bool isMouseOverBar,
                                juce::MenuBarComponent&) override;

    //==============================================================================
    void drawComboBox (juce::Graphics&, int width, int height, bool isButtonDown,
                       int buttonX, int buttonY, int buttonW, int buttonH, juce::ComboBox&) override;
    juce::Font getComboBoxFont (juce::ComboBox&) override;

    /** The background of a combo box's drop-down list: white with a pale blue line on every
        third row and a grey frame. */
    void drawComboListBackground (juce::Graphics&, int width, int height);

    //==============================================================================
    void drawLinearSlider (juce::Graphics&, int x, int y, int width, int height,
                           float sliderPos, float minSliderPos, float maxSliderPos,
                           juce::Slider::SliderStyle, juce::Slider&) override;
    int getSliderThumbRadius (juce::Slider&) override;
    juce::Button* createSliderButton (juce::Slider&, bool isIncrement) override;
    juce::ImageEffectFilter* getSliderEffect (juce::Slider&) override;

    void drawCornerResizer (juce::Graphics&, int width, int height, bool isMouseOver, bool isMouseDragging) override;

    //==============================================================================
    void drawDocumentWindowTitleBar (juce::DocumentWindow&, juce::Graphics&, int w, int h,
                                     int titleSpaceX, int titleSpaceW,
                                     const juce::Image* icon, bool drawTitleTextOnLeft) override;

    juce::Button* createDocumentWindowButton (int buttonType) override;

    void positionDocumentWindowButtons (juce::DocumentWindow&,
                                        int titleBarX, int titleBarY, int titleBarW, int titleBarH,
                                        juce::Button* minimiseButton,
                                        juce::Button* maximiseButton,
                                        juce::Button* closeButton,
                                        bool positionTitleBarButtonsOnLeft) override;

private:
    //==============================================================================
    void drawListBackground (juce::Graphics&, int width, int height, juce::Colour background, juce::Colour text);
    void drawComboListItem (juce::Graphics&, const juce::Rectangle<int>& area, bool isHighlighted,
                            const juce::PopupMenu::Item&, const juce::ComboBox&);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TemplateLookAndFeel)
};
