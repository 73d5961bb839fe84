#include "xml/EncodingTable.h"

#include <array>
#include <set>
#include <unordered_map>

namespace talvane68 {
namespace {

struct NameRow {
    const char* name;
    int codePage;
};

// Every name is stored in lower case.
constexpr NameRow kNames[] = {
    // Unicode
    {"utf-8", 65001}, {"utf8", 65001}, {"unicode-1-1-utf-8", 65001}, {"unicode-2-0-utf-8", 65001},
    {"cp65001", 65001}, {"x-unicode20utf8", 65001}, {"x-unicode11utf8", 65001},
    {"utf-16", 1200}, {"utf-16le", 1200}, {"ucs-2", 1200}, {"unicode", 1200}, {"iso-10646-ucs-2", 1200},
    {"csunicode", 1200}, {"ucs-2le", 1200}, {"utf16", 1200}, {"utf-16be", 1201}, {"unicodefffe", 1201},
    {"ucs-2be", 1201}, {"unicodebigunmarked", 1201}, {"utf-32", 12000}, {"utf-32le", 12000},
    {"ucs-4", 12000}, {"ucs-4le", 12000}, {"utf32", 12000}, {"utf-32be", 12001}, {"ucs-4be", 12001},
    {"utf-7", 65000}, {"utf7", 65000}, {"unicode-1-1-utf-7", 65000}, {"unicode-2-0-utf-7", 65000},
    {"csunicode11utf7", 65000}, {"x-unicode20utf7", 65000}, {"cp65000", 65000},
    // Chinese, Japanese, Korean
    {"gb2312", 936}, {"gbk", 936}, {"cp936", 936}, {"chinese", 936}, {"csgb2312", 936},
    {"csgb231280", 936}, {"gb2312-80", 936}, {"gb_2312-80", 936}, {"iso-ir-58", 936}, {"x-gbk", 936},
    {"windows-936", 936}, {"ms936", 936}, {"gb18030", 54936}, {"cp54936", 54936}, {"big5", 950},
    {"cp950", 950}, {"csbig5", 950}, {"x-x-big5", 950}, {"big-5", 950}, {"big-five", 950},
    {"bigfive", 950}, {"cn-big5", 950}, {"ms950", 950}, {"shift_jis", 932}, {"sjis", 932},
    {"cp932", 932}, {"shift-jis", 932}, {"x-sjis", 932}, {"ms_kanji", 932}, {"csshiftjis", 932},
    {"cswindows31j", 932}, {"windows-31j", 932}, {"x-ms-cp932", 932}, {"ms932", 932},
    {"euc-jp", 20932}, {"eucjp", 20932}, {"ks_c_5601-1987", 949}, {"cp949", 949}, {"korean", 949},
    {"ks_c_5601", 949}, {"ks_c_5601_1987", 949}, {"ks_c_5601-1989", 949}, {"ksc_5601", 949},
    {"ksc5601", 949}, {"iso-ir-149", 949}, {"csksc56011987", 949}, {"uhc", 949}, {"ms949", 949},
    {"euc-kr", 51949}, {"euckr", 51949}, {"cseuckr", 51949}, {"johab", 1361}, {"cp1361", 1361},
    {"x-chinese-cns", 20000}, {"x-chinese_cns", 20000}, {"euc-tw", 20000}, {"cp20000", 20000},
    {"x-cp20001", 20001}, {"cp20001", 20001}, {"x-chinese-eten", 20002}, {"x-chinese_eten", 20002},
    {"cp20002", 20002}, {"x-cp20003", 20003}, {"cp20003", 20003}, {"x-cp20004", 20004},
    {"cp20004", 20004}, {"x-cp20005", 20005}, {"cp20005", 20005}, {"x-cp20936", 20936},
    {"cp20936", 20936}, {"x-cp20949", 20949}, {"cp20949", 20949}, {"iso-2022-jp", 50220},
    {"cp50220", 50220}, {"csiso2022jp", 50221}, {"cp50221", 50221}, {"iso-2022-jp-1", 50222},
    {"cp50222", 50222}, {"cp50223", 50223}, {"cp50224", 50224}, {"iso-2022-kr", 50225},
    {"csiso2022kr", 50225}, {"iso-2022-kr-7", 50225}, {"iso-2022-kr-7bit", 50225}, {"cp50225", 50225},
    {"cp50226", 50226}, {"x-cp50227", 50227}, {"iso-2022-cn", 50227}, {"cp50227", 50227},
    {"euc-jp-ms", 51932}, {"cp51932", 51932}, {"euc-cn", 51936}, {"x-euc-cn", 51936},
    {"euccn", 51936}, {"cp51936", 51936}, {"hz-gb-2312", 52936}, {"hz", 52936}, {"cp52936", 52936},
    // Windows
    {"windows-1250", 1250}, {"x-cp1250", 1250}, {"cp1250", 1250}, {"ms-ee", 1250},
    {"windows-1251", 1251}, {"x-cp1251", 1251}, {"cp1251", 1251}, {"ms-cyrl", 1251},
    {"windows-1252", 1252}, {"x-ansi", 1252}, {"cp1252", 1252}, {"ms-ansi", 1252},
    {"windows-1253", 1253}, {"cp1253", 1253}, {"ms-greek", 1253}, {"windows-1254", 1254},
    {"cp1254", 1254}, {"ms-turk", 1254}, {"windows-1255", 1255}, {"cp1255", 1255},
    {"ms-hebr", 1255}, {"windows-1256", 1256}, {"cp1256", 1256}, {"ms-arab", 1256},
    {"windows-1257", 1257}, {"cp1257", 1257}, {"winbaltrim", 1257}, {"windows-1258", 1258},
    {"cp1258", 1258}, {"windows-874", 874}, {"cp874", 874}, {"dos-874", 874}, {"tis-620", 874},
    {"iso-8859-11", 874}, {"x-cp874", 874},
    // ISO 8859
    {"iso-8859-1", 28591}, {"iso8859-1", 28591}, {"iso_8859-1", 28591}, {"iso_8859-1:1987", 28591},
    {"latin1", 28591}, {"l1", 28591}, {"iso-ir-100", 28591}, {"csisolatin1", 28591}, {"cp819", 28591},
    {"ibm819", 28591}, {"cp28591", 28591}, {"iso-8859-2", 28592}, {"iso8859-2", 28592},
    {"iso_8859-2", 28592}, {"iso_8859-2:1987", 28592}, {"latin2", 28592}, {"l2", 28592},
    {"iso-ir-101", 28592}, {"csisolatin2", 28592}, {"cp28592", 28592}, {"iso-8859-3", 28593},
    {"iso8859-3", 28593}, {"iso_8859-3", 28593}, {"iso_8859-3:1988", 28593}, {"latin3", 28593},
    {"l3", 28593}, {"iso-ir-109", 28593}, {"csisolatin3", 28593}, {"cp28593", 28593},
    {"iso-8859-4", 28594}, {"iso8859-4", 28594}, {"iso_8859-4", 28594}, {"iso_8859-4:1988", 28594},
    {"latin4", 28594}, {"l4", 28594}, {"iso-ir-110", 28594}, {"csisolatin4", 28594},
    {"cp28594", 28594}, {"iso-8859-5", 28595}, {"iso8859-5", 28595}, {"iso_8859-5", 28595},
    {"iso_8859-5:1988", 28595}, {"cyrillic", 28595}, {"iso-ir-144", 28595},
    {"csisolatincyrillic", 28595}, {"cp28595", 28595}, {"iso-8859-6", 28596}, {"iso8859-6", 28596},
    {"iso_8859-6", 28596}, {"iso_8859-6:1987", 28596}, {"arabic", 28596}, {"iso-ir-127", 28596},
    {"ecma-114", 28596}, {"csisolatinarabic", 28596}, {"cp28596", 28596}, {"iso-8859-7", 28597},
    {"iso8859-7", 28597}, {"iso_8859-7", 28597}, {"iso_8859-7:1987", 28597}, {"greek", 28597},
    {"greek8", 28597}, {"iso-ir-126", 28597}, {"ecma-118", 28597}, {"elot_928", 28597},
    {"csisolatingreek", 28597}, {"cp28597", 28597}, {"iso-8859-8", 28598}, {"iso8859-8", 28598},
    {"iso_8859-8", 28598}, {"iso_8859-8:1988", 28598}, {"hebrew", 28598}, {"iso-ir-138", 28598},
    {"csisolatinhebrew", 28598}, {"iso-8859-8 visual", 28598}, {"logical", 28598},
    {"visual", 28598}, {"cp28598", 28598}, {"iso-8859-9", 28599}, {"iso8859-9", 28599},
    {"iso_8859-9", 28599}, {"iso_8859-9:1989", 28599}, {"latin5", 28599}, {"l5", 28599},
    {"iso-ir-148", 28599}, {"csisolatin5", 28599}, {"cp28599", 28599}, {"iso-8859-13", 28603},
    {"iso8859-13", 28603}, {"iso_8859-13", 28603}, {"latin7", 28603}, {"cp28603", 28603},
    {"iso-8859-15", 28605}, {"iso8859-15", 28605}, {"iso_8859-15", 28605}, {"latin-9", 28605},
    {"latin9", 28605}, {"l9", 28605}, {"csisolatin9", 28605}, {"cp28605", 28605},
    {"iso-8859-8-i", 38598}, {"iso_8859-8-i", 38598}, {"cp38598", 38598},
    // Cyrillic and others
    {"koi8-r", 20866}, {"koi8r", 20866}, {"koi", 20866}, {"koi8", 20866}, {"cskoi8r", 20866},
    {"cp20866", 20866}, {"koi8-u", 21866}, {"koi8-ru", 21866}, {"cp21866", 21866},
    {"us-ascii", 20127}, {"ascii", 20127}, {"us", 20127}, {"ansi_x3.4-1968", 20127},
    {"ansi_x3.4-1986", 20127}, {"iso-ir-6", 20127}, {"iso646-us", 20127}, {"iso_646.irv:1991", 20127},
    {"csascii", 20127}, {"cp367", 20127}, {"ibm367", 20127}, {"cp20127", 20127},
    {"ptcp154", 154}, {"pt154", 154}, {"cp154", 154}, {"cyrillic-asian", 154}, {"csptcp154", 154},
    // DOS
    {"ibm437", 437}, {"cp437", 437}, {"437", 437}, {"cspc8codepage437", 437}, {"asmo-708", 708},
    {"cp708", 708}, {"dos-720", 720}, {"cp720", 720}, {"ibm737", 737}, {"cp737", 737},
    {"ibm775", 775}, {"cp775", 775}, {"cspc775baltic", 775}, {"ibm850", 850}, {"cp850", 850},
    {"850", 850}, {"cspc850multilingual", 850}, {"ibm852", 852}, {"cp852", 852}, {"852", 852},
    {"cspcp852", 852}, {"ibm853", 853}, {"cp853", 853}, {"ibm855", 855}, {"cp855", 855},
    {"855", 855}, {"csibm855", 855}, {"ibm857", 857}, {"cp857", 857}, {"857", 857},
    {"csibm857", 857}, {"ibm00858", 858}, {"ibm858", 858}, {"cp858", 858}, {"ccsid00858", 858},
    {"cp00858", 858}, {"ibm860", 860}, {"cp860", 860}, {"860", 860}, {"csibm860", 860},
    {"ibm861", 861}, {"cp861", 861}, {"861", 861}, {"cp-is", 861}, {"csibm861", 861},
    {"dos-862", 862}, {"ibm862", 862}, {"cp862", 862}, {"862", 862}, {"cspc862latinhebrew", 862},
    {"ibm863", 863}, {"cp863", 863}, {"863", 863}, {"csibm863", 863}, {"ibm864", 864},
    {"cp864", 864}, {"csibm864", 864}, {"ibm865", 865}, {"cp865", 865}, {"865", 865},
    {"csibm865", 865}, {"cp866", 866}, {"ibm866", 866}, {"866", 866}, {"csibm866", 866},
    {"ibm869", 869}, {"cp869", 869}, {"869", 869}, {"cp-gr", 869}, {"csibm869", 869},
    {"cp1125", 1125}, {"ibm1125", 1125}, {"cp1133", 1133}, {"ibm1133", 1133},
    // Macintosh
    {"macintosh", 10000}, {"mac", 10000}, {"x-mac-roman", 10000}, {"csmacintosh", 10000},
    {"cp10000", 10000}, {"x-mac-japanese", 10001}, {"cp10001", 10001}, {"x-mac-chinesetrad", 10002},
    {"cp10002", 10002}, {"x-mac-korean", 10003}, {"cp10003", 10003}, {"x-mac-arabic", 10004},
    {"cp10004", 10004}, {"x-mac-hebrew", 10005}, {"cp10005", 10005}, {"x-mac-greek", 10006},
    {"cp10006", 10006}, {"x-mac-cyrillic", 10007}, {"mac-cyrillic", 10007}, {"maccyrillic", 10007},
    {"cp10007", 10007}, {"x-mac-chinesesimp", 10008}, {"cp10008", 10008}, {"x-mac-romanian", 10010},
    {"cp10010", 10010}, {"x-mac-ukrainian", 10017}, {"mac-uk", 10017}, {"macukrainian", 10017},
    {"cp10017", 10017}, {"x-mac-thai", 10021}, {"cp10021", 10021}, {"x-mac-ce", 10029},
    {"mac-centraleurope", 10029}, {"cp10029", 10029}, {"x-mac-icelandic", 10079}, {"mac-is", 10079},
    {"cp10079", 10079}, {"x-mac-turkish", 10081}, {"cp10081", 10081}, {"x-mac-croatian", 10082},
    {"cp10082", 10082},
    // IA5, teletex, Europa
    {"x-ia5", 20105}, {"cp20105", 20105}, {"x-ia5-german", 20106}, {"din_66003", 20106},
    {"cp20106", 20106}, {"x-ia5-swedish", 20107}, {"sen_850200_b", 20107}, {"cp20107", 20107},
    {"x-ia5-norwegian", 20108}, {"ns_4551-1", 20108}, {"cp20108", 20108}, {"x-cp20261", 20261},
    {"t.61-8bit", 20261}, {"t.61", 20261}, {"cp20261", 20261}, {"x-cp20269", 20269},
    {"iso_6937", 20269}, {"iso6937", 20269}, {"cp20269", 20269}, {"x-europa", 29001},
    {"cp29001", 29001},
    // ISCII
    {"x-iscii-de", 57002}, {"x-iscii-be", 57003}, {"x-iscii-ta", 57004}, {"x-iscii-te", 57005},
    {"x-iscii-as", 57006}, {"x-iscii-or", 57007}, {"x-iscii-ka", 57008}, {"x-iscii-ma", 57009},
    {"x-iscii-gu", 57010}, {"x-iscii-pa", 57011},
};

struct CodePageRow {
    int codePage;
    const char* iconvName;  // nullptr: no converter on this platform
    const char* displayName;
};

constexpr CodePageRow kCodePages[] = {
    {65001, "UTF-8", "UTF-8"}, {1200, "UTF-16LE", "UTF-16"}, {1201, "UTF-16BE", "UTF-16BE"},
    {12000, "UTF-32LE", "UTF-32LE"}, {12001, "UTF-32BE", "UTF-32BE"}, {65000, "UTF-7", "UTF-7"},
    {936, "CP936", "GBK"}, {54936, "GB18030", "GB18030"}, {950, "CP950", "Big5"},
    {932, "CP932", "Shift_JIS"}, {20932, "EUC-JP", "EUC-JP"}, {949, "CP949", "ks_c_5601-1987"},
    {51949, "EUC-KR", "EUC-KR"}, {1361, "JOHAB", "Johab"}, {20000, "EUC-TW", "x-Chinese-CNS"},
    {20001, nullptr, "x-cp20001"}, {20002, "BIG5", "x-Chinese-Eten"}, {20003, nullptr, "x-cp20003"},
    {20004, nullptr, "x-cp20004"}, {20005, nullptr, "x-cp20005"}, {20936, "GB2312", "x-cp20936"},
    {20949, "EUC-KR", "x-cp20949"}, {50220, "ISO-2022-JP", "iso-2022-jp"},
    {50221, "ISO-2022-JP", "csISO2022JP"}, {50222, "ISO-2022-JP", "iso-2022-jp"},
    {50223, nullptr, "cp50223"}, {50224, nullptr, "cp50224"}, {50225, "ISO-2022-KR", "iso-2022-kr"},
    {50226, nullptr, "cp50226"}, {50227, "ISO-2022-CN", "x-cp50227"}, {51932, "EUC-JP-MS", "euc-jp"},
    {51936, "EUC-CN", "EUC-CN"}, {52936, nullptr, "hz-gb-2312"}, {1250, "CP1250", "windows-1250"},
    {1251, "CP1251", "windows-1251"}, {1252, "CP1252", "windows-1252"},
    {1253, "CP1253", "windows-1253"}, {1254, "CP1254", "windows-1254"},
    {1255, "CP1255", "windows-1255"}, {1256, "CP1256", "windows-1256"},
    {1257, "CP1257", "windows-1257"}, {1258, "CP1258", "windows-1258"}, {874, "CP874", "windows-874"},
    {28591, "ISO-8859-1", "iso-8859-1"}, {28592, "ISO-8859-2", "iso-8859-2"},
    {28593, "ISO-8859-3", "iso-8859-3"}, {28594, "ISO-8859-4", "iso-8859-4"},
    {28595, "ISO-8859-5", "iso-8859-5"}, {28596, "ISO-8859-6", "iso-8859-6"},
    {28597, "ISO-8859-7", "iso-8859-7"}, {28598, "ISO-8859-8", "iso-8859-8"},
    {28599, "ISO-8859-9", "iso-8859-9"}, {28603, "ISO-8859-13", "iso-8859-13"},
    {28605, "ISO-8859-15", "iso-8859-15"}, {38598, "ISO-8859-8", "iso-8859-8-i"},
    {20866, "KOI8-R", "koi8-r"}, {21866, "KOI8-U", "koi8-u"}, {20127, "ASCII", "us-ascii"},
    {154, "PT154", "PTCP154"}, {437, "CP437", "IBM437"}, {708, "ASMO-708", "ASMO-708"},
    {720, nullptr, "DOS-720"}, {737, "CP737", "ibm737"}, {775, "CP775", "ibm775"},
    {850, "CP850", "ibm850"}, {852, "CP852", "ibm852"}, {853, nullptr, "ibm853"},
    {855, "CP855", "IBM855"}, {857, "CP857", "ibm857"}, {858, "CP858", "IBM00858"},
    {860, "CP860", "IBM860"}, {861, "CP861", "ibm861"}, {862, "CP862", "DOS-862"},
    {863, "CP863", "IBM863"}, {864, "CP864", "IBM864"}, {865, "CP865", "IBM865"},
    {866, "CP866", "cp866"}, {869, "CP869", "ibm869"}, {1125, "CP1125", "cp1125"},
    {1133, "CP1133", "cp1133"}, {10000, "MACINTOSH", "macintosh"}, {10001, "SHIFT_JIS", "x-mac-japanese"},
    {10002, "BIG5", "x-mac-chinesetrad"}, {10003, "EUC-KR", "x-mac-korean"},
    {10004, nullptr, "x-mac-arabic"}, {10005, nullptr, "x-mac-hebrew"}, {10006, nullptr, "x-mac-greek"},
    {10007, "MAC-CYRILLIC", "x-mac-cyrillic"}, {10008, "EUC-CN", "x-mac-chinesesimp"},
    {10010, nullptr, "x-mac-romanian"}, {10017, "MAC-UK", "x-mac-ukrainian"},
    {10021, nullptr, "x-mac-thai"}, {10029, "MAC-CENTRALEUROPE", "x-mac-ce"},
    {10079, "MAC-IS", "x-mac-icelandic"}, {10081, nullptr, "x-mac-turkish"},
    {10082, nullptr, "x-mac-croatian"}, {20105, nullptr, "x-IA5"}, {20106, "DIN_66003", "x-IA5-German"},
    {20107, "SEN_850200_B", "x-IA5-Swedish"}, {20108, "NS_4551-1", "x-IA5-Norwegian"},
    {20261, "T.61-8BIT", "x-cp20261"}, {20269, "ISO_6937", "x-cp20269"}, {29001, nullptr, "x-Europa"},
    {57002, nullptr, "x-iscii-de"}, {57003, nullptr, "x-iscii-be"}, {57004, nullptr, "x-iscii-ta"},
    {57005, nullptr, "x-iscii-te"}, {57006, nullptr, "x-iscii-as"}, {57007, nullptr, "x-iscii-or"},
    {57008, nullptr, "x-iscii-ka"}, {57009, nullptr, "x-iscii-ma"}, {57010, nullptr, "x-iscii-gu"},
    {57011, nullptr, "x-iscii-pa"},
};

const std::unordered_map<std::string_view, int>& nameMap() {
    static const std::unordered_map<std::string_view, int> map = [] {
        std::unordered_map<std::string_view, int> m;
        for (const NameRow& row : kNames) {
            m.emplace(row.name, row.codePage);
        }
        return m;
    }();
    return map;
}

const CodePageRow* findCodePage(int codePage) {
    for (const CodePageRow& row : kCodePages) {
        if (row.codePage == codePage) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

int EncodingTable::codePageForName(std::string_view name) {
    if (name.empty() || name.size() >= 100) {
        return 0;
    }
    std::array<char, 100> folded{};
    for (size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        folded[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    auto it = nameMap().find(std::string_view(folded.data(), name.size()));
    return it == nameMap().end() ? 0 : it->second;
}

std::string_view EncodingTable::iconvNameForCodePage(int codePage) {
    const CodePageRow* row = findCodePage(codePage);
    return row && row->iconvName ? std::string_view(row->iconvName) : std::string_view();
}

std::string_view EncodingTable::displayName(int codePage) {
    const CodePageRow* row = findCodePage(codePage);
    return row ? std::string_view(row->displayName) : std::string_view();
}

int EncodingTable::nameCount() { return static_cast<int>(std::size(kNames)); }

int EncodingTable::codePageCount() {
    std::set<int> pages;
    for (const NameRow& row : kNames) {
        pages.insert(row.codePage);
    }
    return static_cast<int>(pages.size());
}

}  // namespace talvane68
