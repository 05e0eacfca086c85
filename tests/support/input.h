// Real keyboard input, as a person gives it.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

// Presses and lets go of each key in turn; with ctrl, while the Control key is held.
inline void type_keys(std::initializer_list<WORD> keys, bool ctrl = false) {
  std::vector<INPUT> in;
  auto key = [&in](WORD vk, DWORD flags) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = vk;
    i.ki.dwFlags = flags;
    in.push_back(i);
  };
  if (ctrl) key(VK_CONTROL, 0);
  for (WORD k : keys) {
    key(k, 0);
    key(k, KEYEVENTF_KEYUP);
  }
  if (ctrl) key(VK_CONTROL, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}
