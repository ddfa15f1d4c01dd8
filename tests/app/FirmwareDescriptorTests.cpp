#include "app/BuiltInFirmwareDescriptor.h"
#include "app/FileFirmwareDescriptor.h"
#include "app/MessageBoxes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

extern const unsigned char firmwareImage[BuiltInFirmwareDescriptor::imageSize];

namespace
{
    struct ShownBox
    {
        juce::MessageBoxIconType icon;
        juce::String title, message;
    };

    class FileDescriptorTest  : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            setMessageBoxHandler ([this] (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message)
                                  {
                                      boxes.push_back ({ icon, title, message });
                                  });
        }

        void TearDown() override
        {
            setMessageBoxHandler (nullptr);
            folder.deleteRecursively();
        }

        juce::File folder { juce::File::createTempFile ("descriptor") };
        std::vector<ShownBox> boxes;
    };
}

TEST (BuiltInFirmwareDescriptor, DescribesTheEmbeddedImage)
{
    const BuiltInFirmwareDescriptor firmware;

    EXPECT_EQ (firmware.getSize(), 503880);
    EXPECT_EQ (firmware.getData(), firmwareImage) << "the image must be referenced, never copied";
    EXPECT_DOUBLE_EQ (firmware.getVersion(), 4.02);
    EXPECT_EQ (juce::String (firmware.getVersion(), 2), "4.02");
    EXPECT_EQ (firmware.getBuild(), 1737);
    EXPECT_EQ (firmware.getName(), "VarnetMidi");
}

TEST (BuiltInFirmwareDescriptor, LengthFieldGivesTwoNonEmptySections)
{
    const BuiltInFirmwareDescriptor firmware;
    const auto* bytes = firmware.getData();
    const auto length = ((unsigned) bytes[0] << 16) | ((unsigned) bytes[1] << 8) | bytes[2];
    const auto sectionLength = (length + 2) * 3;

    EXPECT_GT (sectionLength, 0u);
    EXPECT_LT (sectionLength, (unsigned) firmware.getSize());
}

TEST_F (FileDescriptorTest, ReadsAWholeFile)
{
    ASSERT_TRUE (folder.createDirectory());
    const juce::uint8 content[] = { 0xf0, 1, 2, 3, 4, 5, 6, 7, 8, 0xf7 };
    const auto file = folder.getChildFile ("ten bytes.syx");
    ASSERT_TRUE (file.replaceWithData (content, sizeof (content)));

    const FileFirmwareDescriptor firmware (file.getFullPathName());

    ASSERT_NE (firmware.getData(), nullptr);
    EXPECT_EQ (firmware.getSize(), 10);
    EXPECT_EQ (std::vector<juce::uint8> (firmware.getData(), firmware.getData() + 10),
               std::vector<juce::uint8> (std::begin (content), std::end (content)));
    EXPECT_EQ (firmware.getName(), "ten bytes");
    EXPECT_EQ (firmware.getVersion(), 0.0);
    EXPECT_EQ (firmware.getBuild(), 0);
    EXPECT_TRUE (boxes.empty());
}

TEST_F (FileDescriptorTest, NameDropsOnlyTheLastExtension)
{
    ASSERT_TRUE (folder.createDirectory());

    const std::pair<const char*, const char*> cases[] = {
        { "update.new.syx", "update.new" },
        { "firmware",       "firmware" },
        { "v4.syx",         "v4" },
    };

    for (const auto& [fileName, expectedName] : cases)
    {
        const auto file = folder.getChildFile (fileName);
        ASSERT_TRUE (file.replaceWithText ("x"));
        EXPECT_EQ (FileFirmwareDescriptor (file.getFullPathName()).getName(), expectedName) << fileName;
    }
}

TEST_F (FileDescriptorTest, FilesThatCannotBecomeTheFirmware)
{
    ASSERT_TRUE (folder.createDirectory());
    const auto empty = folder.getChildFile ("empty.syx");
    ASSERT_TRUE (empty.create());

    // Larger than a 32-bit size can describe; sparse, so it costs no disk.
    const auto huge = folder.getChildFile ("huge.syx");
    ASSERT_TRUE (huge.create());
    std::filesystem::resize_file (huge.getFullPathName().toStdString(), 0x80000000ull + 5);

    struct Case
    {
        const char* what;
        juce::String path;
        bool showsFileNotFound;
    };

    const Case cases[] = {
        { "missing",   folder.getChildFile ("missing.syx").getFullPathName(), true },
        { "directory", folder.getFullPathName(),                              true },
        { "quoted",    "\"" + empty.getFullPathName() + "\"",                 true },
        { "empty",     empty.getFullPathName(),                               false },
        { "oversized", huge.getFullPathName(),                                false },
    };

    for (const auto& c : cases)
    {
        boxes.clear();
        const FileFirmwareDescriptor firmware (c.path);

        EXPECT_EQ (firmware.getData(), nullptr) << c.what;
        EXPECT_EQ (firmware.getSize(), 0) << c.what;

        if (c.showsFileNotFound)
        {
            ASSERT_EQ (boxes.size(), 1u) << c.what;
            EXPECT_EQ (boxes[0].icon, juce::MessageBoxIconType::NoIcon);
            EXPECT_EQ (boxes[0].title, "File not found");
            EXPECT_EQ (boxes[0].message, "A firmware file was specified, but it could not be found.\n"
                                         " The application will use the build-in firmware version.");
        }
        else
        {
            EXPECT_TRUE (boxes.empty()) << c.what;
        }
    }
}
