// The report's XML document: the template, appended elements with their type marks, and the refusal
// of names and texts an XML document cannot carry.
#include "ReportTestSupport.h"
#include "report/XMLWrapper.h"
#include "report/XmlError.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(XMLWrapper, FreshDocumentIsTheTemplate) {
    XMLWrapper document;
    EXPECT_EQ(document.Document(), nullptr);
    EXPECT_EQ(document.Serialize(), "");
    ASSERT_TRUE(document.LoadTemplate());
    EXPECT_EQ(document.Serialize(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Document/>\n");
}

TEST(XMLWrapper, ValuesCarryTheirTypeMarks) {
    XMLWrapper document;
    ASSERT_TRUE(document.LoadTemplate());
    document.AddText(nullptr, "empty", "");
    document.AddInteger(nullptr, "seven", 7);
    document.AddInteger(nullptr, "lowest", INT32_MIN);
    document.AddText(nullptr, "text", "Да");
    EXPECT_EQ(document.Serialize(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Document>"
              "<empty xmlns:dt=\"urn:schemas-microsoft-com:datatypes\" dt:dt=\"string\"/>"
              "<seven xmlns:dt=\"urn:schemas-microsoft-com:datatypes\" dt:dt=\"i4\">7</seven>"
              "<lowest xmlns:dt=\"urn:schemas-microsoft-com:datatypes\" dt:dt=\"i4\">-2147483648</lowest>"
              "<text xmlns:dt=\"urn:schemas-microsoft-com:datatypes\" dt:dt=\"string\">Да</text>"
              "</Document>\n");
}

TEST(XMLWrapper, NullParentMeansRootAndOrderIsKept) {
    XMLWrapper document;
    ASSERT_TRUE(document.LoadTemplate());
    xmlNodePtr first = document.AddElement(nullptr, "first");
    document.AddText(first, "a", "1");
    document.AddElement(nullptr, "second");
    document.AddText(first, "b", "2");
    EXPECT_EQ(first->parent, xmlDocGetRootElement(document.Document()));
    EXPECT_EQ(Outline(document), (std::vector<std::string>{"first", "first/a:string=1", "first/b:string=2", "second"}));
}

TEST(XMLWrapper, MarkupInTextIsEscapedNotParsed) {
    XMLWrapper document;
    ASSERT_TRUE(document.LoadTemplate());
    document.AddText(nullptr, "name", "<b>&amp; Co</b>\r\n");
    EXPECT_EQ(Outline(document), std::vector<std::string>{"name:string=<b>&amp; Co</b>\r\n"});
    EXPECT_NE(document.Serialize().find("&lt;b&gt;&amp;amp; Co&lt;/b&gt;&#13;\n"), std::string::npos);
}

TEST(XMLWrapper, AddingBeforeTheTemplateThrows) {
    XMLWrapper document;
    EXPECT_THROW(document.AddElement(nullptr, "files"), XmlError);
    EXPECT_THROW(document.AddText(nullptr, "k0", "1"), XmlError);
    EXPECT_THROW(document.AddInteger(nullptr, "name", 1), XmlError);
}

struct BadInput {
    const char* name;
    std::string element;
    std::string text;
};

std::ostream& operator<<(std::ostream& out, const BadInput& c) { return out << c.name; }

class XMLWrapperRefuses : public testing::TestWithParam<BadInput> {};

TEST_P(XMLWrapperRefuses, AndLeavesTheDocumentAsItWas) {
    XMLWrapper document;
    ASSERT_TRUE(document.LoadTemplate());
    document.AddText(nullptr, "kept", "1");
    const std::string before = document.Serialize();
    EXPECT_THROW(document.AddText(nullptr, GetParam().element, GetParam().text), XmlError);
    EXPECT_EQ(document.Serialize(), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, XMLWrapperRefuses,
                         testing::Values(BadInput{"EmptyName", "", "x"}, BadInput{"NameWithSpace", "two words", "x"},
                                         BadInput{"NameStartingWithDigit", "1st", "x"},
                                         BadInput{"NameWithNul", std::string("na\0me", 5), "x"},
                                         BadInput{"InvalidUtf8", "name", "abc\xFF"},
                                         BadInput{"TruncatedSequence", "name", "\xD0"},
                                         BadInput{"OverlongSlash", "name", "\xC0\xAF"},
                                         BadInput{"EncodedSurrogate", "name", "\xED\xA0\x80"},
                                         BadInput{"EmbeddedNul", "name", std::string("ab\0cd", 5)},
                                         BadInput{"ControlCharacter", "name", "bell\x07"},
                                         BadInput{"NonCharacterFFFE", "name", "\xEF\xBF\xBE"}),
                         [](const testing::TestParamInfo<BadInput>& info) { return std::string(info.param.name); });

TEST(XMLWrapper, RefusalNamesTheElement) {
    XMLWrapper document;
    ASSERT_TRUE(document.LoadTemplate());
    try {
        document.AddText(nullptr, "method", "abc\xFF");
        FAIL() << "no exception";
    } catch (const XmlError& error) {
        EXPECT_EQ(std::string(error.what()), "the text of element \"method\" is not UTF-8 (byte 3)");
    }
}

TEST(XMLWrapper, AcceptsEveryPlaneOfUnicode) {
    XMLWrapper document;
    ASSERT_TRUE(document.LoadTemplate());
    const std::string text = "tab\there \xC3\xA9 \xE2\x82\xAC \xF0\x9F\xA7\xAA";  // é € 🧪
    document.AddText(nullptr, "name", text);
    EXPECT_EQ(Outline(document), std::vector<std::string>{"name:string=" + text});
}

TEST(XMLWrapper, LoadTemplateStartsAnew) {
    XMLWrapper document;
    ASSERT_TRUE(document.LoadTemplate());
    document.AddElement(nullptr, "old");
    ASSERT_TRUE(document.LoadTemplate());
    EXPECT_TRUE(Outline(document).empty());
}

}  // namespace
