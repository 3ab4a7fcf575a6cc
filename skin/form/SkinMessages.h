#pragma once

#include <windows.h>

// The private window messages by which the skin manager, the window skinning
// objects and the control skinning objects talk to each other and to skinned
// windows. The numbers are fixed: other modules of the process rely on them.
namespace veyra {

inline constexpr UINT SKINMSG_SKINCHANGED = 0x3401;
inline constexpr UINT SKINMSG_REPAINTFRAME = 0x3502;
inline constexpr UINT SKINMSG_INIT = 0x3503;
inline constexpr UINT SKINMSG_ENABLE = 0x3506;
inline constexpr UINT SKINMSG_TABCLOSE = 0x3507;
inline constexpr UINT SKINMSG_TITLEACTION = 0x3514;
inline constexpr UINT SKINMSG_BUTTONQUERY = 0x3515;
inline constexpr UINT SKINMSG_MDIREDRAW = 0x3516;
inline constexpr UINT SKINMSG_RESKINSCROLL = 0x3517;
inline constexpr UINT SKINMSG_MENUKEY = 0x3518;
inline constexpr UINT SKINMSG_ISSKINNED = 0x3523;
inline constexpr UINT SKINMSG_PRINTCLIENT = 0xBC4A;
inline constexpr UINT SKINMSG_PAINTFRAME = 0xBC4B;
inline constexpr UINT SKINMSG_QUERY = 0xBC4D;
// Shares its number with the framework's reflected WM_NOTIFY; told apart by
// the signature in lParam.
inline constexpr UINT SKINMSG_FORMSKINNED = 0xBC4E;

// The signature in lParam of requests that could be confused with other
// messages, and the answer to them.
inline constexpr LPARAM kSkinSignature = 0x41A2;
// lParam of SKINMSG_INIT.
inline constexpr LPARAM kSkinInitParam = 1000;

} // namespace veyra
