#include <gtest/gtest.h>

// Only the korrin library brings pugixml here, as it does to the converter.
#include <pugixml.hpp>

namespace {

TEST(XmlLibrary, ReadsAnEclipseProjectFileThroughTheConverterLibrary) {
    const char text[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<?fileVersion 4.0.0?><projectDescription><name>app</name></projectDescription>\n";
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(text));
    EXPECT_STREQ(document.child("projectDescription").child_value("name"), "app");
}

}  // namespace
