// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Writes a value's bytes into a stream as they lie in memory: the arguments of the text
// port's in-band actions. Only for trivially copyable values read back by the same process.

#include <ostream>
#include <type_traits>

template <class T> std::ostream& WriteRaw(std::ostream& out, const T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    return out.write(reinterpret_cast<const char*>(&value), sizeof value);
}
