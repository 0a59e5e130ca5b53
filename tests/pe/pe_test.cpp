// Reads the built executables themselves: what Windows' loader and Explorer see.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#ifndef VORNASK_EXE_I686
#error "VORNASK_EXE_I686 names the shipped build"
#endif

namespace {

class PeFile {
public:
    explicit PeFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (bytes_.size() < 0x40 || U16(0) != 0x5A4D) return;
        pe_ = U32(0x3C);
        if (U32(pe_) != 0x00004550) return;
        optional_ = pe_ + 24;
        bool pe32plus = U16(optional_) == 0x20B;
        directories_ = optional_ + (pe32plus ? 112 : 96);
        sections_ = optional_ + U16(pe_ + 20);
        valid_ = true;
    }
    bool valid() const { return valid_; }
    size_t size() const { return bytes_.size(); }
    uint16_t Machine() const { return U16(pe_ + 4); }
    uint16_t Characteristics() const { return U16(pe_ + 22); }
    uint16_t Subsystem() const { return U16(optional_ + 68); }
    uint16_t DllCharacteristics() const { return U16(optional_ + 70); }
    uint32_t DirectoryRva(int index) const { return U32(directories_ + 8 * index); }
    uint32_t DirectorySize(int index) const { return U32(directories_ + 8 * index + 4); }

    std::set<std::string> ImportedDlls() const {
        std::set<std::string> names;
        for (size_t at = Offset(DirectoryRva(1)); at && U32(at + 12) != 0; at += 20) {
            std::string name(reinterpret_cast<const char*>(&bytes_[Offset(U32(at + 12))]));
            std::transform(name.begin(), name.end(), name.begin(), ::tolower);
            names.insert(name);
        }
        return names;
    }

    // The data of the first resource of `type` (any name, any language).
    std::string Resource(uint32_t type) const {
        size_t root = Offset(DirectoryRva(2));
        if (!root) return "";
        size_t level = Entry(root, root, type);
        for (int depth = 0; level && depth < 2; ++depth) level = Entry(root, level, kAny);
        if (!level) return "";
        size_t data = root + level;
        return std::string(reinterpret_cast<const char*>(&bytes_[Offset(U32(data))]), U32(data + 4));
    }

private:
    static constexpr uint32_t kAny = 0xFFFFFFFF;
    uint16_t U16(size_t at) const { return static_cast<uint16_t>(bytes_[at] | bytes_[at + 1] << 8); }
    uint32_t U32(size_t at) const { return U16(at) | static_cast<uint32_t>(U16(at + 2)) << 16; }
    size_t Offset(uint32_t rva) const {
        for (int i = 0; i < U16(pe_ + 6); ++i) {
            size_t section = sections_ + 40 * i;
            uint32_t start = U32(section + 12), size = std::max(U32(section + 8), U32(section + 16));
            if (rva >= start && rva < start + size) return rva - start + U32(section + 20);
        }
        return 0;
    }
    // The offset (from the resource root) that the entry with `id` of a directory points to.
    size_t Entry(size_t root, size_t directory, uint32_t id) const {
        int count = U16(directory + 12) + U16(directory + 14);
        for (int i = 0; i < count; ++i) {
            size_t entry = directory + 16 + 8 * i;
            if (id == kAny || U32(entry) == id) {
                uint32_t target = U32(entry + 4);
                return target & 0x80000000 ? root + (target & 0x7FFFFFFF) : target;
            }
        }
        return 0;
    }

    std::vector<unsigned char> bytes_;
    size_t pe_ = 0, optional_ = 0, directories_ = 0, sections_ = 0;
    bool valid_ = false;
};

std::string Utf16(const std::string& ascii) {
    std::string wide;
    for (char c : ascii) wide += std::string{c, '\0'};
    return wide;
}

// A StringFileInfo value: the UTF-16 key, padding to a 4-byte boundary, the value.
std::string VersionString(const std::string& version, const std::string& key) {
    std::string wideKey = Utf16(key) + std::string(2, '\0');
    size_t at = version.find(wideKey);
    if (at == std::string::npos) return "<none>";
    at += wideKey.size();
    while (at % 4) ++at;
    std::string value;
    for (; at + 1 < version.size() && (version[at] || version[at + 1]); at += 2) value += version[at];
    return value;
}

int Word(const std::string& bytes, size_t at) {
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

struct Build {
    const char* name;
    const char* path;
    uint16_t machine;
};

class ExecutableTest : public ::testing::TestWithParam<Build> {};

}  // namespace

TEST_P(ExecutableTest, IsAStaticGuiProgramWithAslrDepAndItsResources) {
    const Build& build = GetParam();
    PeFile pe(build.path);
    ASSERT_TRUE(pe.valid()) << build.path << " is missing or not a PE file: build the win32 and win64 presets";
    std::printf("%s: %zu bytes\n", build.name, pe.size());

    EXPECT_EQ(build.machine, pe.Machine());
    EXPECT_EQ(2, pe.Subsystem()) << "Windows GUI";
    EXPECT_TRUE(pe.DllCharacteristics() & 0x0040) << "ASLR (dynamic base)";
    EXPECT_TRUE(pe.DllCharacteristics() & 0x0100) << "DEP (NX compatible)";
    EXPECT_FALSE(pe.Characteristics() & 0x0001) << "relocations kept, so the image can move";
    EXPECT_GT(pe.DirectorySize(5), 0u) << "a relocation table";

    // Only Windows' own DLLs: no C++ run-time, libgcc or winpthread beside the exe.
    const std::set<std::string> system = {"kernel32.dll", "user32.dll",   "gdi32.dll",  "advapi32.dll",
                                          "ole32.dll",    "oleaut32.dll", "msvcrt.dll", "shell32.dll"};
    std::set<std::string> imports = pe.ImportedDlls();
    EXPECT_FALSE(imports.empty());
    for (const std::string& dll : imports) EXPECT_TRUE(system.count(dll)) << dll << " is not a system DLL";

    std::string version = pe.Resource(16);
    ASSERT_GE(version.size(), 92u) << "a version resource";
    const unsigned char fixedSignature[] = {0xBD, 0x04, 0xEF, 0xFE};
    size_t fixed = version.find(std::string(reinterpret_cast<const char*>(fixedSignature), 4));
    ASSERT_NE(std::string::npos, fixed);
    auto word = [&](size_t at) { return Word(version, at); };
    // dwFileVersionMS/LS and dwProductVersionMS/LS: 1.0.0.0, stored as minor, major, build, revision words.
    for (size_t at : {fixed + 8, fixed + 16}) {
        EXPECT_EQ(1, word(at + 2));
        EXPECT_EQ(0, word(at));
        EXPECT_EQ(0, word(at + 4) | word(at + 6));
    }
    EXPECT_EQ("Vornask", VersionString(version, "ProductName"));
    EXPECT_EQ("Vornask", VersionString(version, "FileDescription"));
    EXPECT_EQ("1.0.0.0", VersionString(version, "FileVersion"));

    std::string manifest = pe.Resource(24);
    EXPECT_NE(std::string::npos, manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""))
        << manifest;

    std::string iconGroup = pe.Resource(14);
    ASSERT_GE(iconGroup.size(), 6u + 14u) << "an icon group";
    EXPECT_GE(Word(iconGroup, 4), 2) << "a large and a small icon";
    EXPECT_FALSE(pe.Resource(3).empty()) << "the icon images";
}

TEST(ShippedExecutable, StaysSmall) {
    PeFile pe(VORNASK_EXE_I686);
    ASSERT_TRUE(pe.valid());
    EXPECT_LE(pe.size(), 64u * 1024) << "the shipped exe grew past 64 KiB";
}

INSTANTIATE_TEST_SUITE_P(Builds, ExecutableTest,
                         ::testing::Values(Build{"i686", VORNASK_EXE_I686, 0x014C},
                                           Build{"x64", VORNASK_EXE_X64, 0x8664}),
                         [](const ::testing::TestParamInfo<Build>& info) { return std::string(info.param.name); });
