#include <windows.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "skin/form/SkinMessages.h"

namespace veyra::test {
namespace {

namespace fs = std::filesystem;

// The gallery built beside these tests, run as its own process.
class TGalleryProcess {
public:
    explicit TGalleryProcess(const std::wstring& arguments) {
        wchar_t self[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        Path_ = fs::path(self).parent_path().parent_path() / "examples" / "gallery" / "Gallery.exe";
        if (!fs::exists(Path_))
            return;
        std::wstring line = L"\"" + Path_.wstring() + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &Info_))
            Started_ = true;
    }
    ~TGalleryProcess() {
        if (!Started_)
            return;
        if (WaitForSingleObject(Info_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(Info_.hProcess, 2);
        CloseHandle(Info_.hThread);
        CloseHandle(Info_.hProcess);
    }
    bool Started() const { return Started_; }
    DWORD ProcessId() const { return Info_.dwProcessId; }
    // The exit code once the process ends within timeoutMs, else -1.
    long WaitForExit(DWORD timeoutMs) const {
        DWORD code = 0;
        if (WaitForSingleObject(Info_.hProcess, timeoutMs) != WAIT_OBJECT_0 ||
            !GetExitCodeProcess(Info_.hProcess, &code))
            return -1;
        return static_cast<long>(code);
    }

private:
    fs::path Path_;
    PROCESS_INFORMATION Info_{};
    bool Started_ = false;
};

// What WaitForWindow looks for, and what it found.
struct TWindowSearch {
    DWORD Process;
    const wchar_t* Class;
    const wchar_t* Title;
    HWND Found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
    auto& s = *reinterpret_cast<TWindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != s.Process)
        return TRUE;
    wchar_t text[256] = {};
    if (s.Class && (!GetClassNameW(window, text, 256) || std::wstring(text) != s.Class))
        return TRUE;
    if (s.Title && (GetWindowTextW(window, text, 256), std::wstring(text) != s.Title))
        return TRUE;
    s.Found = window;
    return FALSE;
}

// Waits up to ten seconds for a top-level window of process (class cls, or
// any when null, titled title, or any when null). Windows of other programs,
// such as another test's gallery, are passed over.
HWND WaitForWindow(DWORD process, const wchar_t* cls, const wchar_t* title) {
    for (int i = 0; i < 200; ++i) {
        TWindowSearch search{process, cls, title};
        EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.Found)
            return search.Found;
        Sleep(50);
    }
    return nullptr;
}

// The answer of window to the skinned query, within a second.
LRESULT SkinnedAnswer(HWND window) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(window, SKINMSG_ISSKINNED, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer);
    return static_cast<LRESULT>(answer);
}

// Waits up to five seconds for window to be skinned.
bool BecomesSkinned(HWND window) {
    for (int i = 0; i < 100; ++i) {
        if (SkinnedAnswer(window) == 1)
            return true;
        Sleep(50);
    }
    return false;
}

TEST(Gallery, SkinsItsFormsButNotTheTaggedOneAndEndsCleanly) {
    TGalleryProcess gallery(L"--open tag99");
    if (!gallery.Started())
        GTEST_SKIP() << "Gallery.exe is not built beside the tests";
    const HWND main = WaitForWindow(gallery.ProcessId(), L"TGalleryMainForm", nullptr);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(BecomesSkinned(main));
    const HWND tagged = WaitForWindow(gallery.ProcessId(), L"TForm", L"Never skinned (Tag 99)");
    ASSERT_NE(tagged, nullptr);
    Sleep(400);
    EXPECT_NE(SkinnedAnswer(tagged), 1);
    EXPECT_NE(GetWindowLongPtrW(tagged, GWL_STYLE) & WS_CAPTION, 0) << "its platform caption stays";

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(gallery.WaitForExit(10000), 0) << "the manager's shutdown ran and the program ended";
}

TEST(Gallery, ASystemDialogIsSkinnedWhenActivated) {
    TGalleryProcess gallery(L"--open dialog");
    if (!gallery.Started())
        GTEST_SKIP() << "Gallery.exe is not built beside the tests";
    const HWND dialog = WaitForWindow(gallery.ProcessId(), L"#32770", L"A system dialog");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(BecomesSkinned(dialog));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    const HWND main = WaitForWindow(gallery.ProcessId(), L"TGalleryMainForm", nullptr);
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(gallery.WaitForExit(10000), 0);
}

// Discovery in a real program: every memo, list box, list view and
// scroll-bar control of the scroll-bars window gets its overlays, each
// shown bar one: the memo's, list box's and list view's two bars each and
// the four scroll-bar controls.
TEST(Gallery, TheScrollBarsWindowShowsAnOverlayOverEveryBar) {
    TGalleryProcess gallery(L"--open scrollbars");
    if (!gallery.Started())
        GTEST_SKIP() << "Gallery.exe is not built beside the tests";
    const HWND form = WaitForWindow(gallery.ProcessId(), L"TForm", L"Scroll bars");
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(BecomesSkinned(form));
    int shown = 0;
    for (int i = 0; i < 100 && shown != 10; ++i) {
        Sleep(50);
        shown = 0;
        for (HWND child = GetTopWindow(form); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t name[32] = {};
            GetClassNameW(child, name, 32);
            shown += std::wstring(name) == L"TWScrollbar" && IsWindowVisible(child);
        }
    }
    EXPECT_EQ(shown, 10);
    const HWND main = WaitForWindow(gallery.ProcessId(), L"TGalleryMainForm", nullptr);
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(gallery.WaitForExit(10000), 0);
}

} // namespace
} // namespace veyra::test
