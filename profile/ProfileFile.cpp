#include "profile/ProfileFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <system_error>
#include <utility>
#include <vector>

#include "xml/XmlDocument.h"

namespace talvane68 {
namespace {

constexpr std::u16string_view kDeclaration = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
constexpr std::u16string_view kRoot = u"Talvane68";

// Limits on what a file can make the reader build: the editor's lists hold a
// few hundred items and nest three deep.
constexpr std::int32_t kMaxItemIndex = 65535;
constexpr int kMaxListDepth = 16;
// Empty items created to fill gaps in the "x" ids, for the whole file.
constexpr std::int64_t kMaxGapItems = 65536;

// The fields a file holds, by reference, so that saving copies nothing.
struct ProfileView {
    const ScrollList& combos;
    const ScrollList& macros;
    const ScrollList& emus;
    const std::array<std::array<std::int32_t, 3>, kKeyRows>& keyColor;
    const std::array<std::int32_t, kKeySlots>& keyMode;
    const std::array<std::int32_t, kKeySlots>& keyCode;
    const std::array<ScrollList, kKeySlots>& keyList;
};

// "%d" of a value, as UTF-16.
class Number {
public:
    explicit Number(std::int64_t value) {
        char buffer[24];
        auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        for (char* p = buffer; p != end; ++p) {
            m_text[m_length++] = static_cast<char16_t>(*p);
        }
    }
    operator std::u16string_view() const { return {m_text, m_length}; }

private:
    char16_t m_text[24];
    size_t m_length = 0;
};

class Writer {
public:
    explicit Writer(XmlDocument& doc) : m_doc(doc) {}

    void add(std::u16string_view name) { m_ok = m_doc.appendElement(name) && m_ok; }
    void set(std::u16string_view name, std::u16string_view value) {
        m_ok = m_doc.setAttribute(name, value) && m_ok;
    }
    void set(std::u16string_view name, std::int64_t value) { set(name, Number(value)); }
    void goIn() { m_ok = m_doc.enterElement() && m_ok; }
    void goOut() { m_ok = m_doc.leaveElement() && m_ok; }
    bool ok() const { return m_ok; }

    void writeList(const ScrollList& list) {
        add(u"List");
        set(u"SizeOfView", list.SizeOfView);
        set(u"ViewStartAt", list.ViewStartAt);
        set(u"CursorPos", list.CursorPos);
        set(u"Cycles", list.Cycles);
        set(u"IsAutoInterval", list.IsAutoInterval ? 1 : 0);
        set(u"Delay", list.Delay);
        set(u"PlayMode", list.PlayMode);
        goIn();
        const auto& items = list.items();
        const auto& children = list.children();
        for (size_t i = 0; i < items.size() && m_ok; ++i) {
            add(u"x");
            set(u"ID", static_cast<std::int64_t>(i));
            set(u"t1", items[i]);
            goIn();
            writeList(i < children.size() ? children[i] : ScrollList(list.SizeOfView));
            goOut();
        }
        goOut();
    }

private:
    XmlDocument& m_doc;
    bool m_ok = true;
};

bool buildDocument(XmlDocument& doc, const ProfileView& p) {
    doc.setText(kDeclaration);
    Writer w(doc);
    w.add(kRoot);
    w.goIn();
    const std::pair<std::u16string_view, const ScrollList*> sections[] = {
        {u"PredefinedCombo", &p.combos}, {u"PredefinedMacro", &p.macros}, {u"PredefinedEmu", &p.emus}};
    for (const auto& [name, list] : sections) {
        w.add(name);
        w.goIn();
        w.writeList(*list);
        w.goOut();
    }
    w.add(u"BackgroundLightSettings");
    w.goIn();
    for (int key = kFirstKeyId; key <= kLastKeyId; ++key) {
        w.add(u"AREA");
        w.set(u"ID", key);
        w.set(u"Red", p.keyColor[key][0]);
        w.set(u"Green", p.keyColor[key][1]);
        w.set(u"Blue", p.keyColor[key][2]);
    }
    w.goOut();
    w.add(u"CurrentSettings");
    w.goIn();
    for (int key = kFirstKeyId; key <= kLastKeyId && w.ok(); ++key) {
        for (int layer = 0; layer < kLayerCount; ++layer) {
            w.add(u"KEY");
            w.set(u"ID", key);
            w.set(u"Level", layer);
            w.set(u"Mode", p.keyMode[slot(key, layer)]);
            w.set(u"HWCode", p.keyCode[slot(key, layer)]);
            w.goIn();
            w.add(u"ComboKey");
            w.goIn();
            w.writeList(p.keyList[slot(key, layer)]);
            w.goOut();
            w.goOut();
        }
    }
    w.goOut();
    w.goOut();
    return w.ok();
}

// Where to put the new file: beside the file a symbolic link points at, so
// that renaming replaces that file and keeps the link.
std::filesystem::path resolveTarget(const std::string& path) {
    std::error_code ec;
    std::filesystem::path target(path);
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(target, ec))) {
        auto resolved = std::filesystem::weakly_canonical(target, ec);
        if (!ec) {
            return resolved;
        }
    }
    return target;
}

mode_t newFileMode(const std::filesystem::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        return st.st_mode & 07777;
    }
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeReplacing(XmlDocument& doc, const std::string& path) {
    std::filesystem::path target = resolveTarget(path);
    std::filesystem::path dir = target.parent_path();
    std::string temp =
        ((dir.empty() ? std::filesystem::path(".") : dir) / ("." + target.filename().string() + ".XXXXXX"))
            .string();
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    bool ok = ::fchmod(fd, newFileMode(target)) == 0;
    ::close(fd);
    ok = ok && doc.saveFile(temp) && std::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable; a failure here leaves a whole file either way.
    int dirFd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

class Reader {
public:
    explicit Reader(XmlDocument& doc) : m_doc(doc) {}

    std::int32_t integer(std::u16string_view name) const {
        std::u16string_view raw = m_doc.rawAttribute(name);
        return raw.find(u'&') == std::u16string_view::npos ? profileInteger(raw)
                                                           : profileInteger(m_doc.attribute(name));
    }

    // Reads the next "List" at the current level into list.
    void readList(ScrollList& list, int depth) {
        list.clear();
        if (!m_doc.findNext(u"List")) {
            return;
        }
        list.SizeOfView = integer(u"SizeOfView");
        list.ViewStartAt = integer(u"ViewStartAt");
        list.CursorPos = integer(u"CursorPos");
        list.Cycles = integer(u"Cycles");
        list.IsAutoInterval = integer(u"IsAutoInterval") != 0;
        list.Delay = integer(u"Delay");
        list.PlayMode = integer(u"PlayMode");
        if (depth >= kMaxListDepth || !m_doc.enterElement()) {
            return;
        }
        std::vector<std::u16string> texts;
        std::vector<ScrollList> children;
        while (m_doc.findNext(u"x")) {
            std::int32_t id = integer(u"ID");
            if (id < 0 || id > kMaxItemIndex) {
                continue;
            }
            auto index = static_cast<size_t>(id);
            if (index >= texts.size()) {
                std::int64_t gap = static_cast<std::int64_t>(index - texts.size());
                if (gap > m_gapBudget) {
                    continue;
                }
                m_gapBudget -= gap;
                texts.resize(index + 1);
                children.resize(index + 1);
            }
            texts[index] = m_doc.attribute(u"t1");
            ScrollList child;
            if (m_doc.enterElement()) {
                readList(child, depth + 1);
                m_doc.leaveElement();
            }
            children[index] = std::move(child);
        }
        m_doc.leaveElement();
        for (size_t i = 0; i < texts.size(); ++i) {
            list.appendItem(texts[i], children[i]);
        }
    }

    void readSection(std::u16string_view name, ScrollList& list) {
        if (m_doc.findNext(name) && m_doc.enterElement()) {
            readList(list, 0);
            m_doc.leaveElement();
        }
    }

    void readColors(std::array<std::array<std::int32_t, 3>, kKeyRows>& keyColor) {
        if (!m_doc.findNext(u"BackgroundLightSettings") || !m_doc.enterElement()) {
            return;
        }
        while (m_doc.findNext(u"AREA")) {
            std::int32_t id = integer(u"ID");
            if (id < kFirstKeyId || id > kLastKeyId) {
                continue;
            }
            keyColor[id] = {integer(u"Red"), integer(u"Green"), integer(u"Blue")};
        }
        m_doc.leaveElement();
    }

    void readKeys(std::array<std::int32_t, kKeySlots>& keyMode, std::array<std::int32_t, kKeySlots>& keyCode,
                  std::array<ScrollList, kKeySlots>& keyList) {
        if (!m_doc.findNext(u"CurrentSettings") || !m_doc.enterElement()) {
            return;
        }
        while (m_doc.findNext(u"KEY")) {
            std::int32_t id = integer(u"ID");
            std::int32_t level = integer(u"Level");
            std::int32_t mode = integer(u"Mode");
            if (id < kFirstKeyId || id > kLastKeyId || level < 0 || level >= kLayerCount || mode < 0 ||
                mode > 8) {
                continue;
            }
            int entry = slot(id, level);
            keyMode[entry] = mode;
            keyCode[entry] = integer(u"HWCode");
            if (m_doc.enterElement()) {
                if (m_doc.findNext(u"ComboKey") && m_doc.enterElement()) {
                    readList(keyList[entry], 0);
                    m_doc.leaveElement();
                }
                m_doc.leaveElement();
            }
        }
        m_doc.leaveElement();
    }

private:
    XmlDocument& m_doc;
    std::int64_t m_gapBudget = kMaxGapItems;
};

// Both the profile and ProfileData hold the fields by the same names.
template <class Fields>
bool loadInto(Fields& f, const std::string& path) {
    XmlDocument doc;
    // Nothing is touched before the file proved readable and holds the root;
    // after that, reading cannot fail.
    if (!doc.loadFile(path) || !doc.findNext(kRoot) || !doc.enterElement()) {
        return false;
    }
    Reader reader(doc);
    reader.readSection(u"PredefinedCombo", f.predefinedCombos);
    reader.readSection(u"PredefinedMacro", f.predefinedMacros);
    reader.readSection(u"PredefinedEmu", f.predefinedEmus);
    reader.readColors(f.keyColor);
    reader.readKeys(f.keyMode, f.keyCode, f.keyList);
    return true;
}

template <class Fields>
bool saveFrom(const Fields& f, const std::string& path) {
    XmlDocument doc;
    return buildDocument(doc, {f.predefinedCombos, f.predefinedMacros, f.predefinedEmus, f.keyColor,
                               f.keyMode, f.keyCode, f.keyList}) &&
           writeReplacing(doc, path);
}

}  // namespace

std::int32_t profileInteger(std::u16string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = std::min<std::int64_t>(value * 10 + (text[i] - u'0'), std::int64_t{1} << 32);
    }
    value = negative ? -value : value;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

bool saveProfileData(const ProfileData& data, const std::string& path) {
    return saveFrom(data, path);
}

bool saveProfile(const KeyboardProfile& profile, const std::string& path) {
    return saveFrom(profile, path);
}

bool loadProfileData(ProfileData& data, const std::string& path) {
    return loadInto(data, path);
}

bool loadProfile(KeyboardProfile& profile, const std::string& path) {
    return loadInto(profile, path);
}

}  // namespace talvane68
