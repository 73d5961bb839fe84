// Parsing never stops on an error: each kind of broken markup is reported and
// the rest of the document is still indexed.
#include <gtest/gtest.h>

#include "xml/XmlDocument.h"

using talvane68::ElementRecord;
using talvane68::XmlDocument;

namespace {

std::string narrow(const std::u16string& s) {
    return std::string(s.begin(), s.end());
}

struct ParseCase {
    const char16_t* text;
    bool wellFormed;
    const char* report;  // expected fragment of the report ("" = empty report)
};

}  // namespace

TEST(XmlParse, ReportsEachKindOfProblem) {
    const ParseCase cases[] = {
        {u"<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY e 'x>'>]><!-- c --><r a='>' "
         u"b=\"1\"><![CDATA[<x>]]>t</r>",
         true, ""},
        {u"", false, "<no_root_element/>"},
        {u"<a/><b/>", false, "<root_has_sibling tagname=\"b\" offset=\"4\"/>"},
        {u"<a><b></a>", false, "<unended_start_tag tagname=\"b\" offset=\"3\" offset2=\"6\"/>"},
        {u"<a></b></a>", false, "<lone_end_tag tagname=\"b\" offset=\"3\"/>"},
        {u"<a>", false, "<unended_start_tag tagname=\"a\" offset=\"0\" offset2=\"3\"/>"},
        {u"<a>< b</a>", false, "<first_tag_syntax offset=\"3\"/>"},
        {u"<a><!-x></a>", false, "<comment_tag_syntax offset=\"3\"/>"},
        {u"<a><![CDAT[x]]></a>", false, "<cdata_section_syntax offset=\"3\"/>"},
        {u"<a><!%></a>", false, "<exclamation_tag_syntax offset=\"3\"/>"},
        {u"<a/><!DOCTYPE a>", false, "<doctype_tag_syntax offset=\"4\"/>"},
        {u"<a/><!-- open", false, "<unterminated_tag_syntax type=\"comment\" offset=\"4\"/>"},
        {u"<a/><![CDATA[", false, "type=\"cdata_section\""},
        {u"<a/><?pi", false, "type=\"processing_instruction\""},
        {u"<!DOCTYPE a [<a/>", false, "type=\"document_type\""},
        {u"<a/><b x='1", false, "type=\"start_tag\""},
        {u"<a/></a", false, "type=\"end_tag\""},
        {u"<a/><", false, "type=\"tag\""},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(narrow(c.text));
        XmlDocument doc;
        EXPECT_EQ(doc.setText(c.text), c.wellFormed);
        if (*c.report == '\0') {
            EXPECT_EQ(doc.resultReport(), u"");
        } else {
            EXPECT_NE(narrow(doc.resultReport()).find(c.report), std::string::npos)
                << narrow(doc.resultReport());
        }
    }
}

TEST(XmlParse, UnendedElementGivesItsChildrenToItsParent) {
    XmlDocument doc;
    EXPECT_FALSE(doc.setText(u"<r><a><b/><c><d/></c></r>"));
    ASSERT_TRUE(doc.findNext(u"r"));
    doc.enterElement();
    ASSERT_TRUE(doc.findNext(u"a"));
    const ElementRecord& a = doc.index()[doc.currentPos()];
    EXPECT_NE(a.levelFlags & ElementRecord::kNotEnded, 0u);
    EXPECT_EQ(a.length, a.startTagLength());
    EXPECT_EQ(a.firstChild, 0u);
    ASSERT_TRUE(doc.findNext(u"b"));  // now a sibling of "a"
    ASSERT_TRUE(doc.findNext(u"c"));
    EXPECT_EQ(doc.index()[doc.currentPos()].levelFlags & ElementRecord::kLevelMask, 2u);
    doc.enterElement();
    ASSERT_TRUE(doc.findNext(u"d"));
    EXPECT_EQ(doc.index()[doc.currentPos()].levelFlags & ElementRecord::kLevelMask, 3u);

    // Appending to the unended element gives it an end tag.
    XmlDocument edit;
    edit.setText(u"<r><a><b/><c><d/></c></r>");
    edit.findNext(u"r");
    edit.enterElement();
    edit.findNext(u"a");
    edit.enterElement();
    ASSERT_TRUE(edit.appendElement(u"n"));
    EXPECT_EQ(edit.text(), u"<r><a>\r\n<n/>\r\n</a><b/><c><d/></c></r>");
    EXPECT_TRUE(XmlDocument().setText(edit.text()));
}

TEST(XmlParse, DeepAndBrokenInputStaysLinear) {
    // 100000 open elements closed by end tags that match none of them.
    std::u16string text;
    for (int i = 0; i < 100000; ++i) {
        text += u"<a>";
    }
    for (int i = 0; i < 100000; ++i) {
        text += u"</b><!--";
    }
    XmlDocument doc;
    EXPECT_FALSE(doc.setText(text));
    EXPECT_EQ(doc.index().size(), 100001u);
    EXPECT_LE(doc.resultReport().size(), 1100u);  // the report stops growing at 1000 characters
    ASSERT_TRUE(doc.findNext(u"a"));
    EXPECT_EQ(doc.index()[0].firstChild, doc.currentPos());
}
