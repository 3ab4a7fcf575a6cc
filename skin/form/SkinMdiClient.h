#pragma once

#include <windows.h>

#include <functional>

#include "SkinWindow.h"

namespace veyra {

struct TEngineState;

// What the MDI client's skinning object asks of its frame's skinning object.
struct TMdiFrameLink {
    // Whether the frame's border and menu bar are skinned now.
    std::function<bool()> SkinFrame;
    // Whether the client keeps the platform's scroll bars (xoMDIScrollbar).
    std::function<bool()> KeepScrollBars;
    // A child is being created: the menu bar is not rebuilt meanwhile.
    std::function<void()> HoldMenuUpdate;
    // A child was destroyed; the client's state is final.
    std::function<void()> ChildDestroyed;
    // The frame was given a menu through the client.
    std::function<void()> FrameMenuSet;
};

// The skinning object of an MDI frame's client window, made by the frame's
// skinning object. The client shows no platform scroll bars (unless the
// skin keeps them), holds the frame's menu update while a child is created,
// tells the frame when a child is gone or the frame's menu changes, and
// repaints everything on SKINMSG_MDIREDRAW. Everything else is the
// platform's.
class TSkinMdiClient : public TSkinWindow {
public:
    TSkinMdiClient(HWND client, TEngineState& engine, TMdiFrameLink link);
    ~TSkinMdiClient() override;

    // Joins the client's subclass chain and names it the process's MDI client.
    bool Attach();
    // Leaves the chain; the client is no longer the process's MDI client.
    void Detach();

    // The active child of client (null for none) and whether it is maximized.
    static HWND ActiveChild(HWND client, bool* maximized = nullptr);

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnMdiCreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnMdiDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnMdiArrange(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnMdiSetMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnMdiRedraw();
    bool FrameSkinned() const { return Link_.SkinFrame && Link_.SkinFrame(); }

    TEngineState& Engine_;
    TMdiFrameLink Link_;
};

} // namespace veyra
