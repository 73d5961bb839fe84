#include <gtest/gtest.h>

#include "xml/EncodingTable.h"
#include "xml/XmlEscape.h"

using talvane68::EncodingTable;
using talvane68::XmlEscape;

TEST(XmlEscape, EscapesTheFiveSpecialCharacters) {
    EXPECT_EQ(XmlEscape::escape(u"a&b<c>d\"e'f", true), u"a&amp;b&lt;c&gt;d&quot;e&apos;f");
    EXPECT_EQ(XmlEscape::escape(u"a&b<c>d\"e'f", false), u"a&amp;b&lt;c&gt;d\"e'f");
}

TEST(XmlEscape, ReadsReferences) {
    struct Case {
        const char16_t* in;
        const char16_t* out;
    };
    const Case cases[] = {
        {u"&#65;&#x41;&#X41;", u"AAA"},
        {u"&AMP;&Amp;&amp;", u"&&&"},            // only one case exists: any case works
        {u"&Oslash;&oslash;", u"\u00D8\u00F8"},  // pairs are told apart by case
        {u"&OSLASH;", u"&OSLASH;"},              // ... and match neither in another case
        {u"&apos;&quot;&lt;&gt;", u"'\"<>"},
        {u"&thetasym;&euro;&hearts;", u"\u03D1\u20AC\u2665"},
        {u"&#x1F600;", u"\U0001F600"},
        {u"&nosuch;", u"&nosuch;"},
        {u"&#0;&#x;&#;&;", u"&#0;&#x;&#;&;"},
        {u"&#x110000;&#xD800;", u"&#x110000;&#xD800;"},
        {u"&amp", u"&amp"},                  // no semicolon
        {u"&#000000065;", u"&#000000065;"},  // semicolon out of reach
        {u"&#00000065;", u"A"},              // nine characters and the semicolon
        {u"&&amp;;", u"&&;"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(XmlEscape::unescape(c.in), c.out)
            << std::string(c.in, c.in + std::char_traits<char16_t>::length(c.in));
    }
}

TEST(EncodingTable, FixedRows) {
    struct Row {
        const char* name;
        int codePage;
    };
    const Row rows[] = {
        {"utf-8", 65001},
        {"UTF8", 65001},
        {"unicode-1-1-utf-8", 65001},
        {"unicode-2-0-utf-8", 65001},
        {"cp65001", 65001},
        {"utf-16", 1200},
        {"utf-16le", 1200},
        {"ucs-2", 1200},
        {"unicode", 1200},
        {"utf-16be", 1201},
        {"unicodeFFFE", 1201},
        {"ucs-2be", 1201},
        {"utf-32", 12000},
        {"utf-32le", 12000},
        {"utf-32be", 12001},
        {"gb2312", 936},
        {"GBK", 936},
        {"cp936", 936},
        {"chinese", 936},
        {"gb18030", 54936},
        {"big5", 950},
        {"shift_jis", 932},
        {"sjis", 932},
        {"cp932", 932},
        {"euc-jp", 20932},
        {"ks_c_5601-1987", 949},
        {"cp949", 949},
        {"korean", 949},
        {"euc-kr", 51949},
        {"windows-1250", 1250},
        {"windows-1258", 1258},
        {"iso-8859-1", 28591},
        {"ISO-8859-9", 28599},
        {"iso-8859-15", 28605},
        {"koi8-r", 20866},
        {"us-ascii", 20127},
        {"utf-7", 65000},
        {"no-such-thing", 0},
        {"", 0},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(EncodingTable::codePageForName(r.name), r.codePage) << r.name;
    }
    EXPECT_EQ(EncodingTable::codePageForName(std::string(99, 'a')), 0);
    EXPECT_EQ(EncodingTable::codePageForName("utf-8" + std::string(95, ' ')),
              0);  // 100 characters: not looked up
    EXPECT_EQ(EncodingTable::codePageCount(), 110);
    EXPECT_EQ(EncodingTable::iconvNameForCodePage(936), "CP936");
}
