// The Win32 implementations of the services through which the handlers reach the outside world.
#pragma once

#include <windows.h>

#include <string>

#include "widgets/Services.h"

namespace vocset::win32 {

// The window that owns message boxes and file dialogs; set once the main window exists.
struct OwnerWindow {
    HWND handle = nullptr;
};

class Win32MessageBoxes : public MessageBoxes {
public:
    Win32MessageBoxes(const OwnerWindow& owner, std::wstring caption) : owner_(owner), caption_(std::move(caption)) {}
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;

private:
    void Show(const std::string& text, UINT type);
    const OwnerWindow& owner_;
    std::wstring caption_;
};

class Win32FileDialogs : public FileDialogRunner {
public:
    explicit Win32FileDialogs(const OwnerWindow& owner) : owner_(owner) {}
    bool Execute(FileDialog& dialog) override;

private:
    const OwnerWindow& owner_;
};

class Win32Registry : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenCurrentUserKey(const std::string& path) override;
};

class Win32FileSystem : public FileSystem {
public:
    bool FileExists(const std::string& path) override;
    std::unique_ptr<FileStream> OpenRead(const std::string& path) override;
    std::unique_ptr<FileStream> Create(const std::string& path) override;
    std::unique_ptr<FileStream> CreateTemporaryBeside(const std::string& target, std::string& name) override;
    void MoveReplacing(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) noexcept override;
    std::string CurrentDirectory() override;
};

class Win32Locale : public Locale {
public:
    std::string LowerCase(const std::string& text) override;
    std::string FromAnsi(std::span<const std::uint8_t> bytes) override;
    std::string ToAnsi(const std::string& text) override;
    TimeFormat LongTimeFormat() override;
};

class Win32Clock : public Clock {
public:
    DateTime Now() override;
};

}  // namespace vocset::win32
