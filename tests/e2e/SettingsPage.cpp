// The settings page as a user works it: clicks, list choices, its two file commands, and what its
// controls show, the date picker's value and the time field's text included.
#include "SettingsPage.h"

#include <commctrl.h>

#include <cwchar>

#include "Boxes.h"
#include "Check.h"
#include "Window.h"

namespace e2e {

using vocset::ControlId;
using vocset::IdNumber;

namespace {

struct NameRange {
    ControlId first;
    ControlId last;
    const wchar_t* name;
};

constexpr NameRange kNameRanges[] = {
    {ControlId::CheckBox1, ControlId::CheckBox9, L"CheckBox"},
    {ControlId::ComboBox1, ControlId::ComboBox49, L"ComboBox"},
    {ControlId::Edit1, ControlId::Edit4, L"Edit"},
    {ControlId::MaskEdit1, ControlId::MaskEdit1, L"MaskEdit"},
    {ControlId::DateTimePicker1, ControlId::DateTimePicker1, L"DateTimePicker"},
    {ControlId::Label1, ControlId::Label20, L"Label"},
    {ControlId::BitBtn1, ControlId::BitBtn6, L"BitBtn"},
};

// Memory in another process, for a message whose answer the control writes through a pointer.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, std::size_t size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        Expect(process_ != nullptr, L"cannot open the program's process");
        address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (!address_) CloseHandle(process_);
        Expect(address_ != nullptr, L"cannot reserve memory in the program's process");
    }
    ~RemoteBuffer() {
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
    void Read(void* target, std::size_t size) const {
        SIZE_T read = 0;
        Expect(ReadProcessMemory(process_, address_, target, size, &read) && read == size,
               L"cannot read the program's memory");
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

}  // namespace

ControlId CheckBoxId(int number) { return static_cast<ControlId>(IdNumber(ControlId::CheckBox1) + number - 1); }

std::wstring ControlName(ControlId id) {
    for (const auto& range : kNameRanges) {
        if (IdNumber(id) >= IdNumber(range.first) && IdNumber(id) <= IdNumber(range.last)) {
            return range.name + std::to_wstring(IdNumber(id) - IdNumber(range.first) + 1);
        }
    }
    return L"control " + std::to_wstring(IdNumber(id));
}

void Click(HWND control) { Send(control, BM_CLICK); }

void ChooseItem(HWND list, int index) {
    Send(list, CB_SETCURSEL, static_cast<WPARAM>(index));
    Send(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void SaveSettingsAs(const Program& program, const std::wstring& path) {
    PostClick(program.Control(ControlId::BitBtn1));
    AnswerFileDialog(program, path);
    WaitForMessageBox(program, program.Given().Text(vocset::TextId::SettingsWriteCompleted));
}

void ChooseSettingsToRead(const Program& program, const std::wstring& path) {
    PostClick(program.Control(ControlId::BitBtn2));
    AnswerFileDialog(program, path);
}

void ExpectControls(const Program& program, const std::vector<Expected>& controls, const std::wstring& when) {
    Sync(program.Window());
    std::wstring differences;
    const auto differs = [&](const Expected& control, const wchar_t* what, const std::wstring& expected,
                             const std::wstring& actual) {
        if (expected != actual) {
            differences +=
                L"\n      " + ControlName(control.id) + L" " + what + L": expected " + expected + L", got " + actual;
        }
    };
    for (const auto& control : controls) {
        HWND window = program.Control(control.id);
        if (control.enabled) differs(control, L"enabled", Show(*control.enabled), Show(IsEnabled(window)));
        if (control.ticked) differs(control, L"ticked", Show(*control.ticked), Show(IsChecked(window)));
        if (control.selection) {
            differs(control, L"selection", Show(*control.selection), Show(ComboSelection(window)));
        }
        if (control.text) differs(control, L"text", Show(*control.text), Show(TextOf(window)));
    }
    Expect(differences.empty(), L"the settings page " + when + L" differs:" + differences);
}

std::vector<Expected> AlarmRowsEnabled(int rows) {
    std::vector<Expected> lists;
    for (int number = 5; number <= 44; ++number) {
        lists.push_back({.id = vocset::ComboBoxId(number), .enabled = (number - 5) / 4 < rows});
    }
    return lists;
}

std::wstring Show(const DateAndTime& value) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%04d-%02d-%02d %02d:%02d:%02d", value.year, value.month, value.day, value.hour,
                  value.minute, value.second);
    return text;
}

DateAndTime DateAndTimeOf(const SYSTEMTIME& time) {
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

DateAndTime PickerValue(const Program& program) {
    HWND picker = program.Control(ControlId::DateTimePicker1);
    const RemoteBuffer buffer(picker, sizeof(SYSTEMTIME));
    const LRESULT status = Send(picker, DTM_GETSYSTEMTIME, 0, buffer.Address());
    ExpectEqual(static_cast<int>(status), static_cast<int>(GDT_VALID), L"state of DateTimePicker1's value");
    SYSTEMTIME value{};
    buffer.Read(&value, sizeof value);
    return DateAndTimeOf(value);
}

std::wstring ClockText(const Context& context, int hour, int minute, int second) {
    // run-e2e.sh runs the English variant under en_US, whose hour has no leading zero, and the
    // Russian one under ru_RU, whose hour has one.
    const bool leadingZero = &context.language == &vocset::kRussian;
    wchar_t text[16];
    std::swprintf(text, 16, leadingZero ? L"%02d:%02d:%02d" : L"%2d:%02d:%02d", hour, minute, second);
    return text;
}

}  // namespace e2e
