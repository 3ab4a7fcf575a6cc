#include "SubclassChain.h"

#include <algorithm>
#include <list>
#include <memory>
#include <unordered_map>

namespace veyra {

namespace {

struct TEntry {
    SUBCLASSPROC Proc;
    UINT_PTR Id;
    DWORD_PTR Data;
    // Taken out during a call: skipped, and erased when the calls are over.
    bool Removed = false;
};

struct TChain {
    WNDPROC Previous = nullptr;
    bool Unicode = true;
    // The window saw WM_NCDESTROY: the chain goes once the calls are over.
    bool Destroyed = false;
    // Nested calls of the chain in progress.
    int Running = 0;
    std::list<TEntry> Entries;
    // The entry the message in progress goes to next; the end means the
    // previous procedure. Between messages it is always the end.
    std::list<TEntry>::iterator Next;
};

using TChains = std::unordered_map<HWND, std::unique_ptr<TChain>>;

// Windows get their messages on the thread that made them, so each thread
// keeps the chains of its own windows and needs no lock.
TChains& Chains() {
    thread_local TChains chains;
    return chains;
}

TChain* Find(HWND window) {
    TChains& chains = Chains();
    const auto found = chains.find(window);
    return found == chains.end() ? nullptr : found->second.get();
}

LONG_PTR WindowProcOf(HWND window, bool unicode) {
    return unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                   : GetWindowLongPtrA(window, GWLP_WNDPROC);
}

LONG_PTR SetWindowProcOf(HWND window, bool unicode, LONG_PTR proc) {
    return unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, proc)
                   : SetWindowLongPtrA(window, GWLP_WNDPROC, proc);
}

LRESULT CALLBACK ChainProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Only when no call of the chain is in progress: erases the removed entries,
// and drops the chain once it is empty and its procedure can be taken back
// (or the window is gone). The chain must not be used after this.
void Tidy(HWND window, TChain& chain) {
    chain.Entries.remove_if([](const TEntry& entry) { return entry.Removed; });
    if (!chain.Destroyed) {
        if (!chain.Entries.empty())
            return;
        // Somebody's own procedure calls on into ours: it stays, empty.
        if (WindowProcOf(window, chain.Unicode) != reinterpret_cast<LONG_PTR>(&ChainProc))
            return;
        SetWindowProcOf(window, chain.Unicode, reinterpret_cast<LONG_PTR>(chain.Previous));
    }
    Chains().erase(window);
}

// Puts the chain's place back when a message is done, however it ends.
class TRunScope {
public:
    explicit TRunScope(TChain& chain) : Chain_(chain), Saved_(chain.Next) {
        Chain_.Next = Chain_.Entries.begin();
        ++Chain_.Running;
    }
    TRunScope(const TRunScope&) = delete;
    TRunScope& operator=(const TRunScope&) = delete;
    ~TRunScope() {
        --Chain_.Running;
        Chain_.Next = Saved_;
    }

private:
    TChain& Chain_;
    std::list<TEntry>::iterator Saved_;
};

LRESULT CALLBACK ChainProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TChain* chain = Find(window);
    if (!chain)
        return IsWindowUnicode(window) ? DefWindowProcW(window, msg, wParam, lParam)
                                       : DefWindowProcA(window, msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
        chain->Destroyed = true;
    LRESULT result = 0;
    try {
        const TRunScope running(*chain);
        result = TSubclassChain::CallNext(window, msg, wParam, lParam);
    } catch (...) {
        // The entries keep their exceptions to themselves; nothing crosses
        // the window procedure either way.
    }
    if (chain->Running == 0)
        Tidy(window, *chain);
    return result;
}

} // namespace

bool TSubclassChain::Add(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
    if (!window || !proc || !IsWindow(window) ||
        GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
        return false;
    if (TChain* chain = Find(window)) {
        for (TEntry& entry : chain->Entries)
            if (!entry.Removed && entry.Proc == proc && entry.Id == id) {
                entry.Data = data;
                return true;
            }
        chain->Entries.push_front(TEntry{proc, id, data});
        return true;
    }
    auto made = std::make_unique<TChain>();
    TChain& chain = *made;
    chain.Unicode = IsWindowUnicode(window) != FALSE;
    chain.Entries.push_front(TEntry{proc, id, data});
    chain.Next = chain.Entries.end();
    // In the table before the procedure changes: the next message finds it.
    Chains().emplace(window, std::move(made));
    SetLastError(0);
    const LONG_PTR previous =
        SetWindowProcOf(window, chain.Unicode, reinterpret_cast<LONG_PTR>(&ChainProc));
    if (!previous && GetLastError() != 0) {
        Chains().erase(window);
        return false;
    }
    chain.Previous = reinterpret_cast<WNDPROC>(previous);
    return true;
}

bool TSubclassChain::Remove(HWND window, SUBCLASSPROC proc, UINT_PTR id) {
    TChain* chain = Find(window);
    if (!chain)
        return false;
    const auto entry =
        std::find_if(chain->Entries.begin(), chain->Entries.end(), [&](const TEntry& candidate) {
            return !candidate.Removed && candidate.Proc == proc && candidate.Id == id;
        });
    if (entry == chain->Entries.end())
        return false;
    entry->Removed = true;
    if (chain->Running == 0)
        Tidy(window, *chain);
    return true;
}

LRESULT TSubclassChain::CallNext(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TChain* chain = Find(window);
    if (!chain)
        return IsWindowUnicode(window) ? DefWindowProcW(window, msg, wParam, lParam)
                                       : DefWindowProcA(window, msg, wParam, lParam);
    while (chain->Next != chain->Entries.end() && chain->Next->Removed)
        ++chain->Next;
    if (chain->Next == chain->Entries.end())
        return chain->Unicode ? CallWindowProcW(chain->Previous, window, msg, wParam, lParam)
                              : CallWindowProcA(chain->Previous, window, msg, wParam, lParam);
    const TEntry entry = *chain->Next;
    ++chain->Next;
    return entry.Proc(window, msg, wParam, lParam, entry.Id, entry.Data);
}

} // namespace veyra
