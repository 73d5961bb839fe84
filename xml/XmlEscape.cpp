#include "xml/XmlEscape.h"

#include <string>
#include <unordered_map>

namespace talvane68 {
namespace {

struct Entity {
    const char* name;
    char32_t value;
};

// The HTML 4 character entities and "apos".
constexpr Entity kEntities[] = {
    {"quot", 34},
    {"amp", 38},
    {"apos", 39},
    {"lt", 60},
    {"gt", 62},
    // Latin-1
    {"nbsp", 160},
    {"iexcl", 161},
    {"cent", 162},
    {"pound", 163},
    {"curren", 164},
    {"yen", 165},
    {"brvbar", 166},
    {"sect", 167},
    {"uml", 168},
    {"copy", 169},
    {"ordf", 170},
    {"laquo", 171},
    {"not", 172},
    {"shy", 173},
    {"reg", 174},
    {"macr", 175},
    {"deg", 176},
    {"plusmn", 177},
    {"sup2", 178},
    {"sup3", 179},
    {"acute", 180},
    {"micro", 181},
    {"para", 182},
    {"middot", 183},
    {"cedil", 184},
    {"sup1", 185},
    {"ordm", 186},
    {"raquo", 187},
    {"frac14", 188},
    {"frac12", 189},
    {"frac34", 190},
    {"iquest", 191},
    {"Agrave", 192},
    {"Aacute", 193},
    {"Acirc", 194},
    {"Atilde", 195},
    {"Auml", 196},
    {"Aring", 197},
    {"AElig", 198},
    {"Ccedil", 199},
    {"Egrave", 200},
    {"Eacute", 201},
    {"Ecirc", 202},
    {"Euml", 203},
    {"Igrave", 204},
    {"Iacute", 205},
    {"Icirc", 206},
    {"Iuml", 207},
    {"ETH", 208},
    {"Ntilde", 209},
    {"Ograve", 210},
    {"Oacute", 211},
    {"Ocirc", 212},
    {"Otilde", 213},
    {"Ouml", 214},
    {"times", 215},
    {"Oslash", 216},
    {"Ugrave", 217},
    {"Uacute", 218},
    {"Ucirc", 219},
    {"Uuml", 220},
    {"Yacute", 221},
    {"THORN", 222},
    {"szlig", 223},
    {"agrave", 224},
    {"aacute", 225},
    {"acirc", 226},
    {"atilde", 227},
    {"auml", 228},
    {"aring", 229},
    {"aelig", 230},
    {"ccedil", 231},
    {"egrave", 232},
    {"eacute", 233},
    {"ecirc", 234},
    {"euml", 235},
    {"igrave", 236},
    {"iacute", 237},
    {"icirc", 238},
    {"iuml", 239},
    {"eth", 240},
    {"ntilde", 241},
    {"ograve", 242},
    {"oacute", 243},
    {"ocirc", 244},
    {"otilde", 245},
    {"ouml", 246},
    {"divide", 247},
    {"oslash", 248},
    {"ugrave", 249},
    {"uacute", 250},
    {"ucirc", 251},
    {"uuml", 252},
    {"yacute", 253},
    {"thorn", 254},
    {"yuml", 255},
    // Latin Extended, spacing modifiers, punctuation
    {"OElig", 338},
    {"oelig", 339},
    {"Scaron", 352},
    {"scaron", 353},
    {"Yuml", 376},
    {"fnof", 402},
    {"circ", 710},
    {"tilde", 732},
    {"ensp", 8194},
    {"emsp", 8195},
    {"thinsp", 8201},
    {"zwnj", 8204},
    {"zwj", 8205},
    {"lrm", 8206},
    {"rlm", 8207},
    {"ndash", 8211},
    {"mdash", 8212},
    {"lsquo", 8216},
    {"rsquo", 8217},
    {"sbquo", 8218},
    {"ldquo", 8220},
    {"rdquo", 8221},
    {"bdquo", 8222},
    {"dagger", 8224},
    {"Dagger", 8225},
    {"bull", 8226},
    {"hellip", 8230},
    {"permil", 8240},
    {"prime", 8242},
    {"Prime", 8243},
    {"lsaquo", 8249},
    {"rsaquo", 8250},
    {"oline", 8254},
    {"frasl", 8260},
    {"euro", 8364},
    // Greek
    {"Alpha", 913},
    {"Beta", 914},
    {"Gamma", 915},
    {"Delta", 916},
    {"Epsilon", 917},
    {"Zeta", 918},
    {"Eta", 919},
    {"Theta", 920},
    {"Iota", 921},
    {"Kappa", 922},
    {"Lambda", 923},
    {"Mu", 924},
    {"Nu", 925},
    {"Xi", 926},
    {"Omicron", 927},
    {"Pi", 928},
    {"Rho", 929},
    {"Sigma", 931},
    {"Tau", 932},
    {"Upsilon", 933},
    {"Phi", 934},
    {"Chi", 935},
    {"Psi", 936},
    {"Omega", 937},
    {"alpha", 945},
    {"beta", 946},
    {"gamma", 947},
    {"delta", 948},
    {"epsilon", 949},
    {"zeta", 950},
    {"eta", 951},
    {"theta", 952},
    {"iota", 953},
    {"kappa", 954},
    {"lambda", 955},
    {"mu", 956},
    {"nu", 957},
    {"xi", 958},
    {"omicron", 959},
    {"pi", 960},
    {"rho", 961},
    {"sigmaf", 962},
    {"sigma", 963},
    {"tau", 964},
    {"upsilon", 965},
    {"phi", 966},
    {"chi", 967},
    {"psi", 968},
    {"omega", 969},
    {"thetasym", 977},
    {"upsih", 978},
    {"piv", 982},
    // Letterlike symbols, arrows, mathematical operators, shapes
    {"weierp", 8472},
    {"image", 8465},
    {"real", 8476},
    {"trade", 8482},
    {"alefsym", 8501},
    {"larr", 8592},
    {"uarr", 8593},
    {"rarr", 8594},
    {"darr", 8595},
    {"harr", 8596},
    {"crarr", 8629},
    {"lArr", 8656},
    {"uArr", 8657},
    {"rArr", 8658},
    {"dArr", 8659},
    {"hArr", 8660},
    {"forall", 8704},
    {"part", 8706},
    {"exist", 8707},
    {"empty", 8709},
    {"nabla", 8711},
    {"isin", 8712},
    {"notin", 8713},
    {"ni", 8715},
    {"prod", 8719},
    {"sum", 8721},
    {"minus", 8722},
    {"lowast", 8727},
    {"radic", 8730},
    {"prop", 8733},
    {"infin", 8734},
    {"ang", 8736},
    {"and", 8743},
    {"or", 8744},
    {"cap", 8745},
    {"cup", 8746},
    {"int", 8747},
    {"there4", 8756},
    {"sim", 8764},
    {"cong", 8773},
    {"asymp", 8776},
    {"ne", 8800},
    {"equiv", 8801},
    {"le", 8804},
    {"ge", 8805},
    {"sub", 8834},
    {"sup", 8835},
    {"nsub", 8836},
    {"sube", 8838},
    {"supe", 8839},
    {"oplus", 8853},
    {"otimes", 8855},
    {"perp", 8869},
    {"sdot", 8901},
    {"lceil", 8968},
    {"rceil", 8969},
    {"lfloor", 8970},
    {"rfloor", 8971},
    {"lang", 9001},
    {"rang", 9002},
    {"loz", 9674},
    {"spades", 9824},
    {"clubs", 9827},
    {"hearts", 9829},
    {"diams", 9830},
};

constexpr size_t kMaxNameLength = 9;

std::string fold(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

struct EntityMaps {
    std::unordered_map<std::string, char32_t> exact;
    // Folded name -> value, only for names whose folded form is unique.
    std::unordered_map<std::string, char32_t> folded;
};

const EntityMaps& maps() {
    static const EntityMaps m = [] {
        EntityMaps result;
        std::unordered_map<std::string, int> foldedCount;
        for (const Entity& e : kEntities) {
            result.exact.emplace(e.name, e.value);
            ++foldedCount[fold(e.name)];
        }
        for (const Entity& e : kEntities) {
            std::string f = fold(e.name);
            if (foldedCount[f] == 1) {
                result.folded.emplace(f, e.value);
            }
        }
        return result;
    }();
    return m;
}

void appendCodePoint(char32_t cp, std::u16string& out) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(cp));
    }
}

// The value of the reference body between "&" and ";"; 0 when it gives none.
char32_t referenceValue(std::u16string_view body) {
    if (body.empty()) {
        return 0;
    }
    if (body[0] != u'#') {
        return XmlEscape::entityValue(body);
    }
    bool hex = body.size() > 1 && (body[1] == u'x' || body[1] == u'X');
    size_t i = hex ? 2 : 1;
    if (i >= body.size()) {
        return 0;
    }
    char32_t value = 0;
    for (; i < body.size(); ++i) {
        char16_t c = body[i];
        unsigned digit;
        if (c >= u'0' && c <= u'9') {
            digit = c - u'0';
        } else if (hex && c >= u'a' && c <= u'f') {
            digit = c - u'a' + 10;
        } else if (hex && c >= u'A' && c <= u'F') {
            digit = c - u'A' + 10;
        } else {
            return 0;
        }
        value = value * (hex ? 16 : 10) + digit;
        if (value > 0x10FFFF) {
            return 0;
        }
    }
    if (value >= 0xD800 && value <= 0xDFFF) {
        return 0;
    }
    return value;
}

}  // namespace

void XmlEscape::escape(std::u16string_view text, bool attributeValue, std::u16string& out) {
    size_t runStart = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t* ref = nullptr;
        switch (text[i]) {
            case u'&':
                ref = u"&amp;";
                break;
            case u'<':
                ref = u"&lt;";
                break;
            case u'>':
                ref = u"&gt;";
                break;
            case u'"':
                ref = attributeValue ? u"&quot;" : nullptr;
                break;
            case u'\'':
                ref = attributeValue ? u"&apos;" : nullptr;
                break;
            default:
                break;
        }
        if (ref) {
            out.append(text.substr(runStart, i - runStart));
            out.append(ref);
            runStart = i + 1;
        }
    }
    out.append(text.substr(runStart));
}

std::u16string XmlEscape::escape(std::u16string_view text, bool attributeValue) {
    std::u16string out;
    escape(text, attributeValue, out);
    return out;
}

std::u16string XmlEscape::unescape(std::u16string_view text) {
    size_t amp = text.find(u'&');
    if (amp == std::u16string_view::npos) {
        return std::u16string(text);
    }
    std::u16string out;
    out.reserve(text.size());
    size_t runStart = 0;
    while (amp != std::u16string_view::npos) {
        size_t limit = std::min(text.size(), amp + 2 + kMaxNameLength);
        size_t semi = amp + 1;
        while (semi < limit && text[semi] != u';') {
            ++semi;
        }
        char32_t value = 0;
        if (semi < limit) {
            value = referenceValue(text.substr(amp + 1, semi - amp - 1));
        }
        if (value != 0) {
            out.append(text.substr(runStart, amp - runStart));
            appendCodePoint(value, out);
            runStart = semi + 1;
            amp = text.find(u'&', runStart);
        } else {
            amp = text.find(u'&', amp + 1);
        }
    }
    out.append(text.substr(runStart));
    return out;
}

char32_t XmlEscape::entityValue(std::u16string_view name) {
    if (name.empty() || name.size() > kMaxNameLength) {
        return 0;
    }
    std::string narrow;
    for (char16_t c : name) {
        if (c >= 0x80) {
            return 0;
        }
        narrow.push_back(static_cast<char>(c));
    }
    const EntityMaps& m = maps();
    auto it = m.exact.find(narrow);
    if (it != m.exact.end()) {
        return it->second;
    }
    auto f = m.folded.find(fold(narrow));
    return f == m.folded.end() ? 0 : f->second;
}

}  // namespace talvane68
