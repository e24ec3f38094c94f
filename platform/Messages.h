// Window messages and their parameters, as the message tables route them.
#pragma once

#include <cstdint>

#include "platform/Types.h"

using INT_PTR = std::intptr_t;
using LRESULT = std::intptr_t;
using HICON = std::uintptr_t; // an icon resource, by ID; 0 is none
using HCURSOR = HICON;

constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUERYDRAGICON = 0x0037;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;

constexpr UINT BN_CLICKED = 0;
constexpr UINT SC_CLOSE = 0xF060;
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MK_LBUTTON = 0x0001;

// The command the window system's help key (F1) sends to the window it is
// pressed in.
constexpr UINT ID_HELP = 0xE146;

// Keys by their virtual-key codes, as WM_KEYDOWN carries them in wParam; its
// lParam carries the repeat count in its low word.
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21; // Page Up
constexpr UINT VK_NEXT = 0x22;  // Page Down
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_F1 = 0x70;

struct MSG {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

constexpr WPARAM MAKEWPARAM(UINT low, UINT high)
{
    return static_cast<WPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
constexpr LPARAM MAKELPARAM(int low, int high)
{
    return static_cast<LPARAM>(static_cast<std::uint32_t>(low & 0xFFFF) |
                               (static_cast<std::uint32_t>(high & 0xFFFF) << 16));
}
constexpr UINT LOWORD(std::uintptr_t v)
{
    return static_cast<UINT>(v & 0xFFFFu);
}
constexpr UINT HIWORD(std::uintptr_t v)
{
    return static_cast<UINT>((v >> 16) & 0xFFFFu);
}
// Signed pointer coordinates packed in an LPARAM, as mouse messages carry them.
constexpr int GET_X_LPARAM(LPARAM lp)
{
    return static_cast<std::int16_t>(lp & 0xFFFF);
}
constexpr int GET_Y_LPARAM(LPARAM lp)
{
    return static_cast<std::int16_t>((lp >> 16) & 0xFFFF);
}
