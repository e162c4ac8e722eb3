#pragma once
// The vtable slot a virtual member function occupies, read from its
// pointer-to-member under the Itanium C++ ABI (what g++ and clang use on
// Linux): for a virtual function the pointer holds 1 + the slot's byte offset.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vesk::test {

template <typename MemberFn>
std::ptrdiff_t SlotIndex(MemberFn fn)
{
    static_assert(sizeof(MemberFn) == 2 * sizeof(void*));
    std::uintptr_t raw[2];
    std::memcpy(raw, &fn, sizeof raw);
    if ((raw[0] & 1u) == 0)
        return -1; // not virtual
    return static_cast<std::ptrdiff_t>((raw[0] - 1) / sizeof(void*));
}

} // namespace vesk::test
