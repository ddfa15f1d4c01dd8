#include "help/VarnetMidiHelpWindowClass.h"
#include "look/ColouredDocumentWindow.h"
#include "look/TemplateLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <iostream>

// Writes pictures of Talvion's look into the folder given on the command line, for reviewing the
// drawing by eye: the help window as the screen shows it and a few components in their states.
namespace
{
    bool writePng (const juce::Image& image, const juce::File& file)
    {
        file.deleteFile();
        juce::FileOutputStream out (file);
        juce::PNGImageFormat png;
        return out.openedOk() && png.writeImageToStream (image, out);
    }

    juce::Image snapshot (juce::Component& component, juce::Colour background)
    {
        juce::Image image (juce::Image::ARGB, component.getWidth(), component.getHeight(), true, juce::SoftwareImageType());
        juce::Graphics g (image);
        g.fillAll (background);
        component.paintEntireComponent (g, true);
        return image;
    }

    // A light stand-in for the main window's content, holding the components to show.
    class Board  : public juce::Component
    {
    public:
        explicit Board (int width, int height)      { setSize (width, height); }

        template <typename ComponentType>
        ComponentType& add (std::unique_ptr<ComponentType> child, juce::Rectangle<int> bounds)
        {
            child->setBounds (bounds);
            addAndMakeVisible (*child);
            auto& added = *child;
            children.push_back (std::move (child));
            return added;
        }

    private:
        std::vector<std::unique_ptr<juce::Component>> children;
    };
}

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: look_pictures <output folder>\n";
        return 2;
    }

    // As in the tests: JUCE's forgiving X error handlers are installed only for a standalone app,
    // and Xvfb without a window manager lacks atoms that Xlib would otherwise die on.
    juce::JUCEApplicationBase::createInstance = [] () -> juce::JUCEApplicationBase* { return nullptr; };
    const juce::ScopedJuceInitialiser_GUI juceGui;
    const juce::File folder (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    folder.createDirectory();

    auto lookAndFeel = std::make_unique<TemplateLookAndFeel>();
    juce::LookAndFeel::setDefaultLookAndFeel (lookAndFeel.get());

    const juce::Colour background (0xffeff2f3);
    bool ok = true;

    {
        VarnetMidiHelpWindowClass help;
        help.setVisible (true);
        help.centreWithSize (550, 400);
        juce::MessageManager::getInstance()->runDispatchLoopUntil (300);
        ok = writePng (snapshot (help, background), folder.getChildFile ("screenshot-help.png")) && ok;
    }

    {
        Board board (420, 130);
        double half = 0.5, none = 0.0;

        auto& ready = board.add (std::make_unique<juce::TextButton> ("update"), { 316, 10, 94, 30 });
        ready.setConnectedEdges (juce::Button::ConnectedOnLeft);
        ready.setColour (juce::TextButton::buttonColourId, juce::Colours::green.brighter (0.99f));
        board.add (std::make_unique<juce::ProgressBar> (half), { 10, 10, 306, 30 });

        auto& notReady = board.add (std::make_unique<juce::TextButton> ("update"), { 316, 50, 94, 30 });
        notReady.setConnectedEdges (juce::Button::ConnectedOnLeft);
        notReady.setColour (juce::TextButton::buttonColourId, juce::Colours::red.brighter (0.99f));
        notReady.setEnabled (false);
        board.add (std::make_unique<juce::ProgressBar> (none), { 10, 50, 306, 30 });

        board.add (std::make_unique<juce::TextButton> ("Help"), { 316, 90, 94, 30 });
        board.add (std::make_unique<juce::TextButton> ("pressed"), { 210, 90, 94, 30 }).setState (juce::Button::buttonDown);
        board.add (std::make_unique<juce::TextButton> ("mouse over"), { 106, 90, 94, 30 }).setState (juce::Button::buttonOver);
        ok = writePng (snapshot (board, background), folder.getChildFile ("look-buttons-progress.png")) && ok;
    }

    {
        Board board (420, 150);
        auto& output = board.add (std::make_unique<juce::ComboBox>(), { 10, 10, 250, 24 });
        output.addItem ("(Disconnected)", 1);
        output.addItem ("Virtual Varnet", 2);
        output.setSelectedId (2, juce::dontSendNotification);
        board.add (std::make_unique<juce::ComboBox>(), { 10, 44, 250, 24 }).setEnabled (false);

        auto& ticked = board.add (std::make_unique<juce::ToggleButton> ("ticked"), { 280, 10, 120, 24 });
        ticked.setToggleState (true, juce::dontSendNotification);
        board.add (std::make_unique<juce::ToggleButton> ("not ticked"), { 280, 44, 120, 24 });
        auto& disabled = board.add (std::make_unique<juce::ToggleButton> ("disabled"), { 280, 78, 120, 24 });
        disabled.setToggleState (true, juce::dontSendNotification);
        disabled.setEnabled (false);

        auto& bar = board.add (std::make_unique<juce::ScrollBar> (true), { 400, 10, 16, 130 });
        bar.setRangeLimits (0.0, 100.0);
        bar.setCurrentRange (20.0, 40.0);

        auto& slider = board.add (std::make_unique<juce::Slider> (juce::Slider::LinearHorizontal, juce::Slider::NoTextBox),
                                  { 10, 110, 250, 30 });
        slider.setValue (3.0);
        ok = writePng (snapshot (board, background), folder.getChildFile ("look-combo-tickbox-scrollbar.png")) && ok;

        juce::Image list (juce::Image::ARGB, 250, 60, true, juce::SoftwareImageType());
        juce::Graphics g (list);
        lookAndFeel->drawComboListBackground (g, 250, 60);
        ok = writePng (list, folder.getChildFile ("look-combo-list.png")) && ok;
    }

    {
        ColouredDocumentWindow window ("Varnet version 4.02 - R1737", background, juce::Colour (0xff3273a1),
                                       juce::DocumentWindow::allButtons, true);
        window.setBounds (100, 100, 450, 80);
        window.setVisible (true);
        juce::MessageManager::getInstance()->runDispatchLoopUntil (200);
        ok = writePng (snapshot (window, background), folder.getChildFile ("look-titlebar.png")) && ok;
    }

    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
    lookAndFeel.reset();
    return ok ? 0 : 1;
}
