// The scripted stand-ins.
#include "support/Fakes.h"

#include "base/Utf8.h"

namespace vocset::testing {

namespace {
// A box for the length of its scope.
class OpenBox {
public:
    explicit OpenBox(const BoxOpenHook& opened) : opened_(opened) {
        if (opened_) opened_(true);
    }
    ~OpenBox() {
        if (opened_) opened_(false);
    }
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;

private:
    const BoxOpenHook& opened_;
};
}  // namespace

void RecordingMessageBoxes::ShowMessage(const std::string& text) {
    OpenBox box(opened);
    messages.push_back(text);
    if (whileOpen) whileOpen(text);
}

void RecordingMessageBoxes::ShowError(const std::string& text) {
    OpenBox box(opened);
    errors.push_back(text);
}

bool ScriptedDialogs::Execute(FileDialog& dialog) {
    shown.push_back(
        {dialog.Kind(), dialog.fileName, dialog.initialDir, dialog.filter, dialog.defaultExt, dialog.filterIndex});
    OpenBox box(opened);
    if (whileOpen) whileOpen();
    if (answers.empty()) return false;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    if (!answer) return false;
    dialog.fileName = *answer;
    return true;
}

namespace {
class MemoryKey : public RegistryKey {
public:
    MemoryKey(MemoryRegistry& owner, std::map<std::string, StoredValue>& values) : owner_(owner), values_(values) {
        ++owner_.openKeys;
    }
    ~MemoryKey() override { --owner_.openKeys; }
    RegistryValueKind Kind(const std::string& name) override {
        auto found = values_.find(name);
        if (found == values_.end()) return RegistryValueKind::Missing;
        return found->second.isString ? RegistryValueKind::String : RegistryValueKind::Other;
    }
    std::string ReadString(const std::string& name) override { return values_.at(name).text; }
    bool WriteString(const std::string& name, const std::string& value) override {
        if (owner_.refuseWrites) return false;
        values_[name] = {true, value};
        return true;
    }

private:
    MemoryRegistry& owner_;
    std::map<std::string, StoredValue>& values_;
};
}  // namespace

std::unique_ptr<RegistryKey> MemoryRegistry::OpenCurrentUserKey(const std::string& path) {
    if (refuseOpen) return nullptr;
    return std::make_unique<MemoryKey>(*this, keys[path]);
}

std::string FakeLocale::LowerCase(const std::string& text) {
    std::string result;
    for (char32_t c : DecodeUtf8(text)) {
        if (c >= U'A' && c <= U'Z') c += 32;
        else if (c >= U'\u0410' && c <= U'\u042F') c += 32;
        AppendUtf8(result, c);
    }
    return result;
}

std::string FakeLocale::FromAnsi(std::span<const std::uint8_t> bytes) {
    std::string result;
    for (std::uint8_t b : bytes) {
        char32_t c = b;
        if (codePage == 1251 && b >= 0xC0) c = U'\u0410' + (b - 0xC0);
        else if (b >= 0x80 && b < 0xA0) c = U'?';
        AppendUtf8(result, c);
    }
    return result;
}

std::string FakeLocale::ToAnsi(const std::string& text) {
    std::string result;
    for (char32_t c : DecodeUtf8(text)) {
        if (codePage == 1251 && c >= U'\u0410' && c <= U'\u044F') result += static_cast<char>(0xC0 + (c - U'\u0410'));
        else if (c < 0x80 || (codePage == 1252 && c >= 0xA0 && c <= 0xFF)) result += static_cast<char>(c);
        else result += '?';
    }
    return result;
}

void ScriptedPump::ProcessMessages(PumpMode mode) {
    modes.push_back(mode);
    int call = calls++;
    if (onCall) onCall(call);
}

}  // namespace vocset::testing
