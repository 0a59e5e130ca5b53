// Recording fakes of the ports: each call becomes a line in a shared journal, so a
// test reads what the program did, in order, as plain data.
#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/fields.h"
#include "picker/picker.h"
#include "settings/settings.h"
#include "transfer/transfer.h"

inline std::string Bytes(const Text& text) { return std::string(text.c_str(), text.size()); }
inline Text T(const std::string& bytes) { return Text(bytes.data(), bytes.size()); }

using Journal = std::vector<std::string>;

class FakeFields : public Fields {
public:
    explicit FakeFields(Journal& journal) : journal_(journal) {}
    Text Read(Field field) override { return T(text_[Index(field)]); }
    void Write(Field field, const Text& text) override {
        text_[Index(field)] = Bytes(text);
        journal_.push_back(std::string("field ") + Name(field) + "=" + Bytes(text));
        if (onChange) onChange(field);  // exactly once, before returning
    }
    void* OwnerWindow() override { return this; }

    std::string& Text2() { return text_[0]; }  // 编辑框2
    std::string& Text3() { return text_[1]; }  // 编辑框3
    std::function<void(Field)> onChange;

    static const char* Name(Field field) { return field == Field::GameConfig ? "2" : "3"; }

private:
    static int Index(Field field) { return field == Field::GameConfig ? 0 : 1; }
    Journal& journal_;
    std::string text_[2];
};

// A profile file as a map per file, with GetPrivateProfileStringA's cutting.
class FakeProfile : public ProfileApi {
public:
    explicit FakeProfile(Journal& journal) : journal_(journal) {}
    void GetString(const char* section, const char* key, char* buffer, size_t size, const char* file) override {
        journal_.push_back(std::string("read ") + key + " from " + file);
        lastBufferSize = size;
        std::string value;
        auto found = files[file].find(std::string(section) + "/" + key);
        if (found != files[file].end()) value = found->second;
        size_t copied = value.size() < size ? value.size() : size - 1;
        value.copy(buffer, copied);
        buffer[copied] = '\0';
    }
    void WriteString(const char* section, const char* key, const char* value, const char* file) override {
        EXPECT_NE(nullptr, value);
        journal_.push_back(std::string("store ") + key + "=" + value);
        if (!readOnly) files[file][std::string(section) + "/" + key] = value;
    }
    std::map<std::string, std::map<std::string, std::string>> files;
    size_t lastBufferSize = 0;
    bool readOnly = false;

private:
    Journal& journal_;
};

class FakeRegistry : public RegistryApi {
public:
    explicit FakeRegistry(Journal& journal) : journal_(journal) {}
    struct Value {
        uint32_t type;
        std::string data;
    };
    bool Open(Key root, const Text& subKey, Key* opened) override {
        journal_.push_back("open " + Bytes(subKey));
        EXPECT_EQ(expectedRoot, root);
        if (!keyExists || Bytes(subKey) != keyPath) return false;
        *opened = &openCount;
        ++openCount;
        return true;
    }
    bool QueryTypeAndSize(Key, const Text& name, uint32_t* type, uint32_t* size) override {
        journal_.push_back("query " + Bytes(name));
        auto found = values.find(Bytes(name));
        if (found == values.end()) return false;
        *type = found->second.type;
        *size = static_cast<uint32_t>(found->second.data.size());
        return true;
    }
    bool QueryData(Key, const Text& name, char* buffer, uint32_t size) override {
        journal_.push_back("data " + Bytes(name));
        if (failDataRead) return false;
        const std::string& data = values[Bytes(name)].data;
        if (data.size() > size) return false;
        data.copy(buffer, data.size());
        return true;
    }
    void Close(Key) override {
        journal_.push_back("close");
        --openCount;
    }
    uint32_t Expand(const char* source, char* buffer, uint32_t size) override {
        std::string out;
        for (std::string in = source; !in.empty();) {
            size_t start = in.find('%'), end = start == std::string::npos ? start : in.find('%', start + 1);
            if (end == std::string::npos) {
                out += in;
                break;
            }
            out += in.substr(0, start) + environment[in.substr(start + 1, end - start - 1)];
            in = in.substr(end + 1);
        }
        if (failExpand) return 0;
        uint32_t needed = static_cast<uint32_t>(out.size() + 1);
        if (buffer && size >= needed) {
            out.copy(buffer, out.size());
            buffer[out.size()] = '\0';
        }
        return needed;
    }

    Key expectedRoot = reinterpret_cast<Key>(0x80000001);
    bool keyExists = true;
    std::string keyPath = "Software\\Tencent\\LOL";
    std::map<std::string, Value> values;
    std::map<std::string, std::string> environment;
    bool failDataRead = false;
    bool failExpand = false;
    int openCount = 0;  // keys open now

private:
    Journal& journal_;
};

class FakeCopier : public FolderCopier {
public:
    explicit FakeCopier(Journal& journal) : journal_(journal) {}
    CopyOutcome CopyFolderTree(const Text& source, const Text& destination) override {
        journal_.push_back("copy [" + Bytes(source) + "] -> [" + Bytes(destination) + "]");
        return outcome;
    }
    CopyOutcome outcome;

private:
    Journal& journal_;
};

// Relative paths resolve against C:\run; '/' stays as typed, as GetFullPathNameA would not keep it.
class FakePaths : public PathResolver {
public:
    Text FullPath(const Text& path) override {
        std::string p = Bytes(path);
        if (p.size() >= 2 && p[1] == ':') return T(p);
        if (p.size() >= 2 && p[0] == '\\' && p[1] == '\\') return T(p);
        return T("C:\\run\\" + p);
    }
};

class FakeDesktop : public Desktop {
public:
    explicit FakeDesktop(Journal& journal) : journal_(journal) {}
    void ShowMessage(const Text& text) override { journal_.push_back("message " + Bytes(text)); }

private:
    Journal& journal_;
};

class FakePicker : public FolderPicker {
public:
    explicit FakePicker(Journal& journal) : journal_(journal) {}
    Text PickFolder(void* owner, const Text& title) override {
        journal_.push_back("pick title=" + Bytes(title));
        lastOwner = owner;
        return T(result);
    }
    std::string result;
    void* lastOwner = nullptr;

private:
    Journal& journal_;
};
