// Arbitrary bytes through the loading path (mark, declaration, UTF-8
// detection, conversion) and the parser; then a walk over everything found and
// one edit, whose result must parse again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "xml/XmlDocument.h"

using talvane68::XmlDocument;

static void walk(XmlDocument& doc, int depth) {
    for (;;) {
        uint32_t next = doc.currentPos() ? doc.index()[doc.currentPos()].nextSibling
                                         : doc.index()[doc.parentPos()].firstChild;
        if (next == 0 || !doc.findNext(doc.tagName(next))) {
            break;
        }
        if (doc.currentPos() != next) {
            __builtin_trap();
        }
        (void)doc.attribute(u"ID");
        if (depth < 64 && doc.enterElement()) {
            walk(doc, depth + 1);
            doc.leaveElement();
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    XmlDocument doc;
    doc.loadBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    for (uint32_t i = 1; i < doc.index().size(); ++i) {
        const auto& r = doc.index()[i];
        if (r.end() > doc.text().size() || r.startTagLength() > r.length) {
            __builtin_trap();
        }
    }
    walk(doc, 0);
    if (doc.appendElement(u"x") && doc.setAttribute(u"t1", u"<&>")) {
        XmlDocument again;
        again.setText(doc.text());
        if (again.index().size() < doc.index().size() && doc.isWellFormed()) {
            __builtin_trap();
        }
    }
    return 0;
}
