#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace talvane68 {

// Where one element lies in the document text. Record 0 stands for the document.
struct ElementRecord {
    static constexpr uint32_t kStartTagBits = 22;
    static constexpr uint32_t kMaxStartTagLength = (1u << kStartTagBits) - 1;
    static constexpr uint32_t kMaxEndTagLength = (1u << (32 - kStartTagBits)) - 1;
    static constexpr uint32_t kLevelMask = 0xFFFF;
    static constexpr uint32_t kFirstChild = 0x10000;
    static constexpr uint32_t kNotEnded = 0x20000;
    static constexpr uint32_t kHasErrors = 0x40000;  // on record 0 only

    // No initialisers: index pages are allocated without being touched; a
    // record is written whole (ElementRecord r{}) before it is used.
    uint32_t start;       // offset of the "<" of the start tag
    uint32_t length;      // start tag to the end of the end tag
    uint32_t tagLengths;  // start-tag length in the low 22 bits, end-tag length above
    uint32_t levelFlags;  // nesting level in the low 16 bits, flags above
    uint32_t parent;
    uint32_t firstChild;
    uint32_t nextSibling;
    uint32_t prevSibling;  // of the first child: the last sibling

    uint32_t startTagLength() const { return tagLengths & kMaxStartTagLength; }
    uint32_t endTagLength() const { return tagLengths >> kStartTagBits; }
    void setTagLengths(uint32_t startTag, uint32_t endTag) {
        tagLengths = startTag | (endTag << kStartTagBits);
    }
    uint32_t end() const { return start + length; }
};

// The element index: records in pages of 65536, an index being page * 65536 + slot.
// Capacity grows by half whenever it is full.
class ElementIndex {
public:
    static constexpr uint32_t kPageBits = 16;
    static constexpr uint32_t kPageSize = 1u << kPageBits;

    // Empties the index and reserves room for at least `capacity` records.
    void reset(uint32_t capacity);
    // Appends a record and returns its index; 0 when the index cannot grow.
    uint32_t add(const ElementRecord& record);

    ElementRecord& operator[](uint32_t i) { return m_pages[i >> kPageBits][i & (kPageSize - 1)]; }
    const ElementRecord& operator[](uint32_t i) const { return m_pages[i >> kPageBits][i & (kPageSize - 1)]; }
    uint32_t size() const { return m_size; }
    uint32_t capacity() const { return m_capacity; }

private:
    void reserve(uint32_t capacity);

    std::vector<std::unique_ptr<ElementRecord[]>> m_pages;
    std::vector<uint32_t> m_pageCapacity;
    uint32_t m_size = 0;
    uint32_t m_capacity = 0;
};

}  // namespace talvane68
