// Open and save dialogs through GetOpenFileNameW and GetSaveFileNameW.
#include <windows.h>

#include <commdlg.h>

#include <vector>

#include "widgets/FileDialog.h"
#include "win32/WideText.h"
#include "win32/Win32Services.h"

namespace vocset::win32 {

namespace {
// Room for a long path, as the dialog may return one.
constexpr std::size_t kNameBufferLength = 32768;

// "Description|pattern|..." becomes the NUL-separated list, ended by two NULs, that the API reads.
std::wstring DialogFilter(const std::string& filter) {
    std::wstring list = Widen(filter);
    for (wchar_t& c : list) {
        if (c == L'|') c = L'\0';
    }
    list.push_back(L'\0');
    return list;
}

// The API appends a bare extension: "*.wav" is given as "wav".
std::wstring DefaultExtension(const std::string& extension) {
    std::string_view bare = extension;
    if (bare.starts_with("*.")) bare.remove_prefix(2);
    else if (bare.starts_with(".")) bare.remove_prefix(1);
    return Widen(bare);
}
}  // namespace

bool Win32FileDialogs::Execute(FileDialog& dialog) {
    const std::wstring filter = DialogFilter(dialog.filter);
    const std::wstring extension = DefaultExtension(dialog.defaultExt);
    const std::wstring folder = Widen(dialog.initialDir);
    const std::wstring name = Widen(dialog.fileName);
    std::vector<wchar_t> buffer(kNameBufferLength, L'\0');
    name.copy(buffer.data(), buffer.size() - 1);

    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner_.handle;
    request.lpstrFilter = dialog.filter.empty() ? nullptr : filter.c_str();
    request.nFilterIndex = static_cast<DWORD>(dialog.filterIndex);
    request.lpstrFile = buffer.data();
    request.nMaxFile = static_cast<DWORD>(buffer.size());
    request.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    request.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    request.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY;

    const bool confirmed =
        dialog.Kind() == FileDialogKind::Open ? GetOpenFileNameW(&request) : GetSaveFileNameW(&request);
    if (!confirmed) return false;
    dialog.fileName = Narrow(buffer.data());
    dialog.filterIndex = static_cast<int>(request.nFilterIndex);
    return true;
}

}  // namespace vocset::win32
