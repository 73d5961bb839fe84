#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "xml/XmlReport.h"

namespace talvane68 {

// Turns the bytes of a file into document text and back: byte order marks,
// the declared encoding, UTF-8 detection and the ANSI fallback on reading;
// the declared encoding on writing.
class XmlFileCodec {
public:
    // Decodes file bytes into UTF-16 text and sets the mark flags in `flags`
    // (0x1 UTF-16LE, 0x4 UTF-8 mark, 0x80 UTF-16BE). Never fails.
    static std::u16string decode(std::string_view bytes, uint32_t& flags, XmlReport& report);

    // Encodes the text in its declared encoding (UTF-8 when none or unknown),
    // with a mark only when the matching flag is set, handing the bytes to
    // `sink` piece by piece. False as soon as the sink fails.
    using Sink = std::function<bool(std::string_view)>;
    static bool encode(std::u16string_view text, uint32_t flags, XmlReport& report, const Sink& sink);

    // The "encoding" of the XML declaration at the start of the text, or for
    // HTML without one the "charset" of its Content-Type meta element; empty
    // when there is none.
    static std::string declaredEncoding(std::u16string_view text);
};

}  // namespace talvane68
