// Reading with mark, declaration, UTF-8 detection and the ANSI fallback;
// writing in the declared encoding without a mark.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "xml/TextCodec.h"
#include "xml/XmlDocument.h"

using talvane68::TextCodec;
using talvane68::XmlDocument;

namespace {

class XmlFile : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("xmlfile-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override {
        TextCodec::setAnsiCharset("");
        std::filesystem::remove_all(m_dir);
    }
    std::string write(const std::string& bytes) {
        std::string path = (m_dir / "f.xml").string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Loads the bytes and returns the "t" attribute of the root element "a".
    std::u16string loadT(const std::string& bytes, XmlDocument& doc) {
        EXPECT_TRUE(doc.loadFile(write(bytes)));
        EXPECT_TRUE(doc.findNext(u"a")) << std::string(doc.resultReport().begin(), doc.resultReport().end());
        return doc.attribute(u"t");
    }
    static bool reportHas(const XmlDocument& doc, const std::u16string& what) {
        return doc.resultReport().find(what) != std::u16string::npos;
    }
    std::filesystem::path m_dir;
};

}  // namespace

TEST_F(XmlFile, ByteOrderMarkWinsOverTheDeclaration) {
    XmlDocument doc;
    EXPECT_EQ(loadT("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a t=\"\xC3\xA9\"/>", doc),
              u"\u00E9");
    EXPECT_TRUE(reportHas(doc, u"<bom encoding=\"UTF-8\"/>"));
    EXPECT_EQ(doc.flags() & XmlDocument::kUtf8Bom, XmlDocument::kUtf8Bom);

    XmlDocument le;
    EXPECT_EQ(loadT(std::string("\xFF\xFE<\0a\0 \0t\0=\0'\0\x34\x6C'\0/\0>\0", 22), le), u"\u6C34");
    XmlDocument be;
    EXPECT_EQ(loadT(std::string("\xFE\xFF\0<\0a\0 \0t\0=\0'\x6C\x34\0'\0/\0>", 22), be), u"\u6C34");
    EXPECT_TRUE(reportHas(be, u"<endian_swap"));
}

TEST_F(XmlFile, DeclaredEncodingAndDetection) {
    XmlDocument declared;
    EXPECT_EQ(loadT("<?xml version=\"1.0\" encoding=\"GBK\"?><a t=\"\xD6\xD0\xCE\xC4\"/>", declared),
              u"\u4E2D\u6587");

    XmlDocument html;
    ASSERT_TRUE(
        html.loadFile(write("<html><head><meta http-equiv=\"Content-Type\" "
                            "content=\"text/html; charset=gbk\"></head><a t=\"\xD6\xD0\"/></html>")));
    ASSERT_TRUE(html.findNext(u"html") && html.enterElement() && html.findNext(u"a"));
    EXPECT_EQ(html.attribute(u"t"), u"\u4E2D");

    // No mark, no declaration, not starting with "<": valid UTF-8 is UTF-8 ...
    XmlDocument utf8;
    EXPECT_EQ(loadT("\r\n<a t=\"\xE4\xB8\xAD\"/>", utf8), u"\u4E2D");
    EXPECT_TRUE(reportHas(utf8, u"<utf8_detection encoding=\"UTF-8\"/>"));

    // ... and anything else is read in the ANSI character set.
    TextCodec::setAnsiCharset("GBK");
    XmlDocument gbk;
    EXPECT_EQ(loadT("\r\n<a t=\"\xD6\xD0\xCE\xC4\"/>", gbk), u"\u4E2D\u6587");
    EXPECT_TRUE(reportHas(gbk, u"<utf8_detection encoding=\"GBK\"/>"));
    TextCodec::setAnsiCharset("ISO-8859-1");
    XmlDocument latin;
    EXPECT_EQ(loadT(" <a t=\"caf\xE9\"/>", latin), u"caf\u00E9");

    XmlDocument malformed;
    EXPECT_EQ(loadT("<?xml version=\"1.0\" encoding=\"UTF-8\"?><a t=\"x\xFFy\xE4\xB8\"/>", malformed),
              u"x\uFFFDy\uFFFD\uFFFD");

    // Zero bytes are dropped before decoding.
    XmlDocument nulls;
    EXPECT_EQ(loadT(std::string("<a t=\"x\0y\"/>\0", 13), nulls), u"xy");
    EXPECT_TRUE(reportHas(nulls, u"<nulls_removed count=\"2\"/>"));
}

TEST_F(XmlFile, SavesInTheDeclaredEncodingWithoutMark) {
    XmlDocument doc;
    doc.setText(u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<a t=\"\u4E2D\"/>\r\n");
    std::string path = (m_dir / "out.xml").string();
    ASSERT_TRUE(doc.saveFile(path));
    EXPECT_EQ(read(path), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<a t=\"\xE4\xB8\xAD\"/>\r\n");
    EXPECT_TRUE(reportHas(doc, u"<write encoding=\"UTF-8\""));

    doc.setText(u"<?xml version=\"1.0\" encoding=\"gbk\"?><a t=\"\u4E2D\"/>");
    ASSERT_TRUE(doc.saveFile(path));
    EXPECT_EQ(read(path), "<?xml version=\"1.0\" encoding=\"gbk\"?><a t=\"\xD6\xD0\"/>");

    doc.setText(u"<?xml version=\"1.0\" encoding=\"iso-8859-1\"?><a t=\"\u4E2D\u00E9\"/>");
    ASSERT_TRUE(doc.saveFile(path));
    EXPECT_EQ(read(path), "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?><a t=\"?\xE9\"/>");
    EXPECT_TRUE(reportHas(doc, u"<conversion_loss"));

    doc.setText(u"<?xml version=\"1.0\" encoding=\"UTF-32\"?><a/>");
    ASSERT_TRUE(doc.saveFile(path));
    EXPECT_EQ(TextCodec::utf16FromUtf32(read(path)), doc.text());

    doc.setText(std::u16string(u"<a t=\"") + char16_t(0xD800) + u"\"/>");
    ASSERT_TRUE(doc.saveFile(path));
    EXPECT_EQ(read(path), "<a t=\"?\"/>");
    EXPECT_TRUE(reportHas(doc, u"<conversion_loss encoding=\"UTF-8\" count=\"1\"/>"));

    // A large document, so that multi-byte characters straddle every internal
    // piece boundary, comes back unchanged.
    std::u16string big = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><a t=\"";
    for (int i = 0; i < 50000; ++i) {
        big += (i % 3) ? u"\u4E2D" : (i % 5) ? u"\U0001F600" : u"ab\u00E9";
    }
    big += u"\"/>";
    doc.setText(big);
    ASSERT_TRUE(doc.saveFile(path));
    XmlDocument back;
    ASSERT_TRUE(back.loadFile(path));
    EXPECT_TRUE(back.text() == big);

    // No declaration: UTF-8.
    doc.setText(u"<a t=\"\u00E9\"/>");
    ASSERT_TRUE(doc.saveFile(path));
    EXPECT_EQ(read(path), "<a t=\"\xC3\xA9\"/>");
}

TEST_F(XmlFile, FileErrorsAreReported) {
    XmlDocument doc;
    EXPECT_FALSE(doc.loadFile((m_dir / "missing.xml").string()));
    EXPECT_TRUE(reportHas(doc, u"<file_error msg=\""));
    EXPECT_FALSE(doc.loadFile(m_dir.string()));  // a folder opens but cannot be read
    EXPECT_TRUE(reportHas(doc, u"<file_error"));
    doc.setText(u"<a/>");
    EXPECT_FALSE(doc.saveFile((m_dir / "no" / "such" / "dir.xml").string()));
    EXPECT_TRUE(reportHas(doc, u"<file_error"));
}
