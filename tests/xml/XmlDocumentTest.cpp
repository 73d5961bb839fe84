// Navigation and editing: positions, the text each edit produces, and an
// index that stays the same as a fresh parse of the edited text.
#include <gtest/gtest.h>

#include "xml/XmlDocument.h"

using talvane68::ElementRecord;
using talvane68::XmlDocument;

namespace {

const std::u16string kDecl = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

// Every record of the edited document must equal the one a fresh parse of the
// same text builds (records compared in document order).
void expectIndexMatchesReparse(const XmlDocument& doc) {
    XmlDocument fresh;
    fresh.setText(doc.text());
    ASSERT_EQ(doc.index().size(), fresh.index().size());
    std::vector<uint32_t> byStart(doc.index().size());
    for (uint32_t i = 0; i < byStart.size(); ++i) {
        byStart[i] = i;
    }
    std::sort(byStart.begin() + 1, byStart.end(),
              [&](uint32_t a, uint32_t b) { return doc.index()[a].start < doc.index()[b].start; });
    std::vector<uint32_t> toFresh(byStart.size());
    for (uint32_t i = 0; i < byStart.size(); ++i) {
        toFresh[byStart[i]] = i;
    }
    for (uint32_t i = 1; i < doc.index().size(); ++i) {
        const ElementRecord& a = doc.index()[i];
        const ElementRecord& b = fresh.index()[toFresh[i]];
        SCOPED_TRACE(i);
        EXPECT_EQ(a.start, b.start);
        EXPECT_EQ(a.length, b.length);
        EXPECT_EQ(a.tagLengths, b.tagLengths);
        EXPECT_EQ(a.levelFlags & ElementRecord::kLevelMask, b.levelFlags & ElementRecord::kLevelMask);
        EXPECT_EQ(toFresh[a.parent], b.parent);
        EXPECT_EQ(toFresh[a.firstChild], b.firstChild);
        EXPECT_EQ(toFresh[a.nextSibling], b.nextSibling);
        EXPECT_EQ(toFresh[a.prevSibling], b.prevSibling);
    }
    EXPECT_EQ(doc.index()[0].length, doc.text().size());
}

}  // namespace

TEST(XmlDocumentNavigation, FindEnterLeaveMoveOnlyWhenTheyCan) {
    XmlDocument doc;
    ASSERT_TRUE(doc.setText(u"<r><a/><b/><a id='2'/><KEYS/></r>"));
    EXPECT_FALSE(doc.enterElement());  // no current element
    EXPECT_FALSE(doc.leaveElement());  // document level
    EXPECT_EQ(doc.parentPos(), 0u);
    EXPECT_EQ(doc.currentPos(), 0u);

    ASSERT_TRUE(doc.findNext(u"r"));
    ASSERT_TRUE(doc.enterElement());
    EXPECT_EQ(doc.currentPos(), 0u);
    EXPECT_FALSE(doc.findNext(u"KEY"));  // the name must end where "KEY" does
    ASSERT_TRUE(doc.findNext(u"b"));
    uint32_t b = doc.currentPos();
    ASSERT_TRUE(doc.findNext(u"a"));
    EXPECT_EQ(doc.attribute(u"id"), u"2");
    uint32_t second = doc.currentPos();
    EXPECT_FALSE(doc.findNext(u"b"));  // only before the current element
    EXPECT_EQ(doc.currentPos(), second);
    EXPECT_NE(second, b);

    // Leaving remembers the child; entering again makes it current.
    ASSERT_TRUE(doc.leaveElement());
    EXPECT_EQ(doc.childPos(), second);
    ASSERT_TRUE(doc.enterElement());
    EXPECT_EQ(doc.currentPos(), second);
    EXPECT_EQ(doc.childPos(), 0u);

    XmlDocument folded;
    folded.setFlags(XmlDocument::kIgnoreCase);
    folded.setText(u"<Root/>");
    EXPECT_TRUE(folded.findNext(u"rOOT"));
    EXPECT_FALSE(doc.findNext(u"R"));
}

TEST(XmlDocumentEditing, AppendSplitsAnEmptyParent) {
    XmlDocument doc;
    doc.setText(kDecl);
    ASSERT_TRUE(doc.appendElement(u"first"));
    ASSERT_TRUE(doc.enterElement());
    ASSERT_TRUE(doc.appendElement(u"child"));
    ASSERT_TRUE(doc.leaveElement());
    ASSERT_TRUE(doc.appendElement(u"second"));
    EXPECT_EQ(doc.text(), kDecl + u"<first>\r\n<child/>\r\n</first>\r\n<second/>\r\n");
    expectIndexMatchesReparse(doc);

    XmlDocument open;
    open.setText(u"<r><p></p></r>");
    open.findNext(u"r");
    open.enterElement();
    open.findNext(u"p");
    open.enterElement();
    ASSERT_TRUE(open.appendElement(u"c"));
    EXPECT_EQ(open.text(), u"<r><p>\r\n<c/>\r\n</p></r>");
    expectIndexMatchesReparse(open);
}

TEST(XmlDocumentEditing, NestedBuildKeepsTheIndexExact) {
    XmlDocument doc;
    doc.setText(kDecl);
    doc.appendElement(u"Root");
    doc.enterElement();
    for (int i = 0; i < 3; ++i) {
        doc.appendElement(u"List");
        doc.setAttribute(u"n", std::u16string(1, char16_t(u'0' + i)));
        doc.enterElement();
        for (int j = 0; j < i; ++j) {
            doc.appendElement(u"x");
            doc.setAttribute(u"t1", u"<>|");
            doc.enterElement();
            doc.appendElement(u"List");
            doc.leaveElement();
        }
        doc.leaveElement();
    }
    doc.leaveElement();
    expectIndexMatchesReparse(doc);

    // Editing in the middle of a parsed document (not just at its end).
    doc.setText(std::u16string(doc.text()));
    ASSERT_TRUE(doc.findNext(u"Root"));
    doc.enterElement();
    ASSERT_TRUE(doc.findNext(u"List"));
    ASSERT_TRUE(doc.setAttribute(u"extra", u"a much longer value than before"));
    doc.enterElement();
    ASSERT_TRUE(doc.appendElement(u"inserted"));
    ASSERT_TRUE(doc.setAttribute(u"k", u"v"));
    expectIndexMatchesReparse(doc);
    EXPECT_TRUE(XmlDocument().setText(doc.text()));
}

TEST(XmlDocumentEditing, SetAttributeReplacesAndEscapes) {
    XmlDocument doc;
    doc.setText(u"<a b='old' c=bare d/>");
    doc.findNext(u"a");
    ASSERT_TRUE(doc.setAttribute(u"b", u"1"));
    ASSERT_TRUE(doc.setAttribute(u"b", u"2"));
    ASSERT_TRUE(doc.setAttribute(u"c", u"3"));
    ASSERT_TRUE(doc.setAttribute(u"d", u"4"));
    ASSERT_TRUE(doc.setAttribute(u"e", u"&<>\"'"));
    EXPECT_EQ(doc.text(), u"<a b=\"2\" c=\"3\" d=\"4\" e=\"&amp;&lt;&gt;&quot;&apos;\"/>");
    EXPECT_EQ(doc.attribute(u"b"), u"2");
    EXPECT_EQ(doc.attribute(u"e"), u"&<>\"'");
    EXPECT_EQ(doc.attribute(u"missing"), u"");
    expectIndexMatchesReparse(doc);

    EXPECT_FALSE(doc.setAttribute(u"bad name", u"x"));
    EXPECT_FALSE(doc.setAttribute(u"x\"y", u"x"));
    EXPECT_FALSE(doc.appendElement(u"<evil>"));
    doc.leaveElement();  // nothing to leave at the document level
    XmlDocument none;
    EXPECT_FALSE(none.setAttribute(u"a", u"b"));
    EXPECT_EQ(none.attribute(u"a"), u"");
}
