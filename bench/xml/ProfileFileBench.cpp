// Time and peak heap of saving and loading the largest profile the editor can
// make (all 138 key slots holding 799-step macros, three predefined libraries
// of 100 entries of 799 steps), with XmlDocument and, for reference, with
// pugixml building, writing, parsing and walking the same document. Both write
// through a temporary file, fsync and rename, and both fill the same ProfileData.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "profile/ProfileFile.h"
#include "xml/TextCodec.h"

using namespace talvane68;

// ---- heap accounting ---------------------------------------------------------

namespace {
std::atomic<long long> g_current{0};
std::atomic<long long> g_peak{0};

void* counted(void* p) {
    if (p) {
        long long now = g_current += static_cast<long long>(malloc_usable_size(p));
        long long peak = g_peak.load();
        while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
        }
    }
    return p;
}
void uncounted(void* p) {
    if (p) {
        g_current -= static_cast<long long>(malloc_usable_size(p));
        std::free(p);
    }
}
void* pugiAllocate(size_t size) {
    return counted(std::malloc(size));
}
void pugiDeallocate(void* p) {
    uncounted(p);
}

// Peak heap growth of one call, in MiB.
template <class F>
double peakMiB(F&& f) {
    long long base = g_current.load();
    g_peak = base;
    f();
    return static_cast<double>(g_peak.load() - base) / (1024.0 * 1024.0);
}
}  // namespace

void* operator new(size_t size) {
    void* p = counted(std::malloc(size ? size : 1));
    if (!p) {
        throw std::bad_alloc();
    }
    return p;
}
void operator delete(void* p) noexcept {
    uncounted(p);
}
void operator delete(void* p, size_t) noexcept {
    uncounted(p);
}
void* operator new[](size_t size) {
    return operator new(size);
}
void operator delete[](void* p) noexcept {
    uncounted(p);
}
void operator delete[](void* p, size_t) noexcept {
    uncounted(p);
}

namespace {

// ---- the profile -------------------------------------------------------------

ScrollList bigMacro() {
    const std::u16string steps[] = {
        u"LEFT SHIFT  \u2193\u2193", u"[30 ms]", u"A  \u2193\u2193",         u"[125 ms]",
        u"A  \u2191\u2191",          u"[30 ms]", u"LEFT SHIFT  \u2191\u2191"};
    ScrollList macro(7);
    for (int i = 0; i < 799; ++i) {
        macro.appendItem(steps[i % 7], ScrollList(7));
    }
    macro.Cycles = 3;
    macro.PlayMode = 1;
    return macro;
}

const ProfileData& largestProfile() {
    static const ProfileData data = [] {
        ProfileData d;
        ScrollList macro = bigMacro();
        for (int key = 1; key <= kLastKeyId; ++key) {
            d.keyColor[key] = {key, 255 - key, (key * 37) % 256};
            for (int layer = 0; layer < 2; ++layer) {
                d.keyMode[slot(key, layer)] = 3;
                d.keyList[slot(key, layer)] = macro;
            }
        }
        for (ScrollList* lib : {&d.predefinedMacros, &d.predefinedCombos, &d.predefinedEmus}) {
            *lib = ScrollList(7);
            for (int i = 1; i <= 100; ++i) {
                std::string name = "Library entry " + std::to_string(i);
                lib->appendItem(std::u16string(name.begin(), name.end()), macro);
            }
        }
        return d;
    }();
    return data;
}

std::string benchDir() {
    static const std::string dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("bench_xml_" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d.string();
    }();
    return dir;
}

// ---- pugixml doing the same work ---------------------------------------------

void pugiWriteList(pugi::xml_node parent, const ScrollList& list) {
    pugi::xml_node l = parent.append_child("List");
    l.append_attribute("SizeOfView") = list.SizeOfView;
    l.append_attribute("ViewStartAt") = list.ViewStartAt;
    l.append_attribute("CursorPos") = list.CursorPos;
    l.append_attribute("Cycles") = list.Cycles;
    l.append_attribute("IsAutoInterval") = list.IsAutoInterval ? 1 : 0;
    l.append_attribute("Delay") = list.Delay;
    l.append_attribute("PlayMode") = list.PlayMode;
    for (size_t i = 0; i < list.items().size(); ++i) {
        pugi::xml_node x = l.append_child("x");
        x.append_attribute("ID") = static_cast<int>(i);
        x.append_attribute("t1") = TextCodec::utf8FromUtf16(list.items()[i]).c_str();
        pugiWriteList(x, list.children()[i]);
    }
}

bool pugiSave(const ProfileData& d, const std::string& path) {
    pugi::xml_document doc;
    pugi::xml_node decl = doc.append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = doc.append_child("Talvane68");
    pugiWriteList(root.append_child("PredefinedCombo"), d.predefinedCombos);
    pugiWriteList(root.append_child("PredefinedMacro"), d.predefinedMacros);
    pugiWriteList(root.append_child("PredefinedEmu"), d.predefinedEmus);
    pugi::xml_node lights = root.append_child("BackgroundLightSettings");
    for (int key = 1; key <= kLastKeyId; ++key) {
        pugi::xml_node a = lights.append_child("AREA");
        a.append_attribute("ID") = key;
        a.append_attribute("Red") = d.keyColor[key][0];
        a.append_attribute("Green") = d.keyColor[key][1];
        a.append_attribute("Blue") = d.keyColor[key][2];
    }
    pugi::xml_node keys = root.append_child("CurrentSettings");
    for (int key = 1; key <= kLastKeyId; ++key) {
        for (int layer = 0; layer < 2; ++layer) {
            pugi::xml_node k = keys.append_child("KEY");
            k.append_attribute("ID") = key;
            k.append_attribute("Level") = layer;
            k.append_attribute("Mode") = d.keyMode[slot(key, layer)];
            k.append_attribute("HWCode") = d.keyCode[slot(key, layer)];
            pugiWriteList(k.append_child("ComboKey"), d.keyList[slot(key, layer)]);
        }
    }
    std::string temp = path + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    FILE* f = ::fdopen(fd, "wb");
    pugi::xml_writer_file writer(f);
    doc.save(writer, "", pugi::format_indent, pugi::encoding_utf8);
    bool ok = std::fflush(f) == 0 && ::fsync(fd) == 0;
    ok = std::fclose(f) == 0 && ok && std::rename(temp.c_str(), path.c_str()) == 0;
    int dirFd = ::open(benchDir().c_str(), O_RDONLY | O_DIRECTORY);
    ::fsync(dirFd);
    ::close(dirFd);
    return ok;
}

void pugiReadList(pugi::xml_node parent, ScrollList& list) {
    list.clear();
    pugi::xml_node l = parent.child("List");
    if (!l) {
        return;
    }
    list.SizeOfView = l.attribute("SizeOfView").as_int();
    list.ViewStartAt = l.attribute("ViewStartAt").as_int();
    list.CursorPos = l.attribute("CursorPos").as_int();
    list.Cycles = l.attribute("Cycles").as_int();
    list.IsAutoInterval = l.attribute("IsAutoInterval").as_int() != 0;
    list.Delay = l.attribute("Delay").as_int();
    list.PlayMode = l.attribute("PlayMode").as_int();
    std::vector<std::u16string> texts;
    std::vector<ScrollList> children;
    for (pugi::xml_node x = l.child("x"); x; x = x.next_sibling("x")) {
        int id = x.attribute("ID").as_int();
        if (id < 0 || id > 65535) {
            continue;
        }
        if (static_cast<size_t>(id) >= texts.size()) {
            texts.resize(id + 1);
            children.resize(id + 1);
        }
        texts[id] = TextCodec::utf16FromUtf8(x.attribute("t1").value());
        ScrollList child;
        pugiReadList(x, child);
        children[id] = std::move(child);
    }
    for (size_t i = 0; i < texts.size(); ++i) {
        list.appendItem(texts[i], children[i]);
    }
}

bool pugiLoad(ProfileData& d, const std::string& path) {
    pugi::xml_document doc;
    if (!doc.load_file(path.c_str())) {
        return false;
    }
    pugi::xml_node root = doc.child("Talvane68");
    if (!root) {
        return false;
    }
    pugiReadList(root.child("PredefinedCombo"), d.predefinedCombos);
    pugiReadList(root.child("PredefinedMacro"), d.predefinedMacros);
    pugiReadList(root.child("PredefinedEmu"), d.predefinedEmus);
    for (pugi::xml_node a = root.child("BackgroundLightSettings").child("AREA"); a;
         a = a.next_sibling("AREA")) {
        int id = a.attribute("ID").as_int();
        if (id >= 1 && id <= kLastKeyId) {
            d.keyColor[id] = {a.attribute("Red").as_int(), a.attribute("Green").as_int(),
                              a.attribute("Blue").as_int()};
        }
    }
    for (pugi::xml_node k = root.child("CurrentSettings").child("KEY"); k; k = k.next_sibling("KEY")) {
        int id = k.attribute("ID").as_int();
        int level = k.attribute("Level").as_int();
        int mode = k.attribute("Mode").as_int();
        if (id < 1 || id > kLastKeyId || level < 0 || level > 1 || mode < 0 || mode > 8) {
            continue;
        }
        d.keyMode[slot(id, level)] = mode;
        d.keyCode[slot(id, level)] = k.attribute("HWCode").as_int();
        pugiReadList(k.child("ComboKey"), d.keyList[slot(id, level)]);
    }
    return true;
}

// ---- benchmarks --------------------------------------------------------------

template <class F>
void run(benchmark::State& state, F&& f) {
    double peak = 0;
    for (auto _ : state) {
        peak = std::max(peak, peakMiB([&] {
                            if (!f()) {
                                state.SkipWithError("operation failed");
                            }
                        }));
    }
    state.counters["peak_MiB"] = peak;
}

const std::string& xmlFile() {
    static const std::string path = [] {
        std::string p = benchDir() + "/ours.prf";
        saveProfileData(largestProfile(), p);
        return p;
    }();
    return path;
}

const std::string& pugiFile() {
    static const std::string path = [] {
        std::string p = benchDir() + "/pugi.prf";
        pugiSave(largestProfile(), p);
        return p;
    }();
    return path;
}

void BM_Save_XmlDocument(benchmark::State& state) {
    const ProfileData& d = largestProfile();
    run(state, [&] { return saveProfileData(d, benchDir() + "/save_ours.prf"); });
    state.counters["file_MiB"] =
        std::filesystem::file_size(benchDir() + "/save_ours.prf") / (1024.0 * 1024.0);
}

void BM_Save_pugixml(benchmark::State& state) {
    const ProfileData& d = largestProfile();
    run(state, [&] { return pugiSave(d, benchDir() + "/save_pugi.prf"); });
    state.counters["file_MiB"] =
        std::filesystem::file_size(benchDir() + "/save_pugi.prf") / (1024.0 * 1024.0);
}

void BM_Load_XmlDocument(benchmark::State& state) {
    const std::string& path = xmlFile();
    run(state, [&] {
        ProfileData d;
        return loadProfileData(d, path) && d.keyList[slot(69, 1)].count() == 799;
    });
}

void BM_Load_pugixml(benchmark::State& state) {
    const std::string& path = pugiFile();
    run(state, [&] {
        ProfileData d;
        return pugiLoad(d, path) && d.keyList[slot(69, 1)].count() == 799;
    });
}

}  // namespace

BENCHMARK(BM_Save_XmlDocument)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Save_pugixml)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Load_XmlDocument)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Load_pugixml)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
    pugi::set_memory_management_functions(pugiAllocate, pugiDeallocate);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(benchDir());
    return 0;
}
