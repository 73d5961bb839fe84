#pragma once

#include <string>
#include <string_view>

namespace talvane68 {

// Maps encoding names, as written in XML declarations and HTML meta tags, to
// Windows code page numbers, and code pages to the converter names iconv knows.
class EncodingTable {
public:
    // Code page of an encoding name, compared after folding ASCII capitals;
    // 0 when the name is not in the table or is 100 characters or longer.
    static int codePageForName(std::string_view name);

    // The iconv name of a code page; empty when no converter exists for it.
    static std::string_view iconvNameForCodePage(int codePage);

    // The canonical name of a code page as reports show it ("UTF-8", "GBK", ...);
    // empty when the code page is not in the table.
    static std::string_view displayName(int codePage);

    // Number of names in the table and of distinct code pages they cover.
    static int nameCount();
    static int codePageCount();
};

}  // namespace talvane68
