#include "xml/ElementRecord.h"

#include <algorithm>

namespace talvane68 {

void ElementIndex::reset(uint32_t capacity) {
    m_size = 0;
    if (capacity > m_capacity) {
        reserve(capacity);
    }
}

void ElementIndex::reserve(uint32_t capacity) {
    // Pages before the last are always full; only the last one is reallocated.
    uint32_t page = m_capacity >> kPageBits;
    while (m_capacity < capacity) {
        uint32_t pageCap = std::min<uint64_t>(kPageSize, uint64_t(capacity) - uint64_t(page) * kPageSize);
        if (page < m_pages.size()) {
            auto bigger = std::make_unique_for_overwrite<ElementRecord[]>(pageCap);
            std::copy_n(m_pages[page].get(), m_pageCapacity[page], bigger.get());
            m_pages[page] = std::move(bigger);
            m_capacity += pageCap - m_pageCapacity[page];
            m_pageCapacity[page] = pageCap;
        } else {
            m_pages.push_back(std::make_unique_for_overwrite<ElementRecord[]>(pageCap));
            m_pageCapacity.push_back(pageCap);
            m_capacity += pageCap;
        }
        if (m_pageCapacity[page] == kPageSize) {
            ++page;
        }
    }
}

uint32_t ElementIndex::add(const ElementRecord& record) {
    if (m_size == m_capacity) {
        uint64_t grown = uint64_t(m_capacity) + m_capacity / 2 + 8;
        if (m_capacity == UINT32_MAX) {
            return 0;
        }
        reserve(static_cast<uint32_t>(std::min<uint64_t>(grown, UINT32_MAX)));
    }
    (*this)[m_size] = record;
    return m_size++;
}

}  // namespace talvane68
