// The program's entry point: services, the form, its window, and the message loop.
#include <windows.h>

#include <commctrl.h>

#include "app/TForm1.h"
#include "win32/MainWindow.h"
#include "win32/MessageLoop.h"
#include "win32/WideText.h"
#include "win32/Win32Services.h"

using namespace vocset;
using namespace vocset::win32;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX classes{sizeof classes,
                                 ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_DATE_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);

    const Language& language = BuildLanguage();
    OwnerWindow owner;
    Win32MessageBoxes messages(owner, Widen(language.Text(TextId::AppTitle)));
    Win32FileDialogs dialogs(owner);
    Win32Registry registry;
    MessageLoop loop;
    Win32FileSystem files;
    Win32Locale locale;
    Win32Clock clock;
    Services services{messages, dialogs, registry, loop, files, locale, clock};

    TForm1 form(services, language);
    MainWindow window(form);
    owner.handle = window.Handle();
    loop.Attach(window);

    // Creation and the show event run before the window becomes visible, so that it opens with the
    // loaded settings; a box either shows is owned by the hidden window and is modal to it.
    form.Dispatcher().Run([&form] { form.FormCreate(); });
    form.Dispatcher().Run([&form] { form.FormShow(); });
    window.Show();
    return loop.Run();
}
