// Runs a list through a sequence of operations with any view fields (as a
// profile file may hold them) and any rows: nothing may read outside it.
#include <cstdint>
#include <cstring>

#include "keymap/ScrollList.h"

using namespace talvane68;

namespace {

std::int32_t take(const std::uint8_t*& data, std::size_t& size) {
    std::int32_t value = 0;
    const std::size_t n = size < sizeof value ? size : sizeof value;
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ScrollList list(take(data, size));
    list.ViewStartAt = take(data, size);
    list.CursorPos = take(data, size);
    while (size > 0) {
        const std::uint8_t op = *data++;
        --size;
        const std::int64_t row = take(data, size) % 64;
        switch (op % 10) {
            case 0:
                list.append(u"a");
                break;
            case 1:
                list.insertAt(row, u"b");
                break;
            case 2:
                list.removeAt(row);
                break;
            case 3:
                list.setTextAt(row, u"c");
                break;
            case 4:
                list.setChildAt(row, list.childAt(row + 1));
                break;
            case 5:
                list.cursorToIndex(row);
                break;
            case 6:
                list.selectOrAppend(list.childAt(row));
                break;
            case 7:
                list.textAt(row);
                break;
            case 8:
                list.ViewStartAt = static_cast<std::int32_t>(row * 1000003);
                break;
            case 9:
                list.CursorPos = static_cast<std::int32_t>(row);
                break;
        }
        if (list.items().size() != list.children().size() || list.count() > 100000) {
            __builtin_trap();
        }
    }
    return 0;
}
