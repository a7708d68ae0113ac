// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Turns a fuzz input into choices: integers in a range and yes/no, taken byte by byte from
// the front. When the input runs out every choice is its smallest value, so a harness always
// ends. Used instead of the fuzzing toolchain's reader so that the harnesses also build with
// the ordinary compiler for the replay tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <type_traits>

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <typename T> T ConsumeIntegralInRange(T low, T high) {
        static_assert(std::is_integral_v<T>);
        const auto span = static_cast<std::uint64_t>(high) - static_cast<std::uint64_t>(low);
        std::uint64_t value = 0;
        for (std::uint64_t seen = 0; seen < span && size_ > 0; seen = (seen << 8) | 0xFF) {
            value = (value << 8) | *data_++;
            --size_;
        }
        if (span != UINT64_MAX)
            value %= span + 1;
        return static_cast<T>(static_cast<std::uint64_t>(low) + value);
    }
    template <typename T> T ConsumeIntegral() {
        return ConsumeIntegralInRange<T>(std::numeric_limits<T>::min(),
                                         std::numeric_limits<T>::max());
    }
    bool ConsumeBool() { return ConsumeIntegralInRange<int>(0, 1) == 1; }
    std::size_t remaining_bytes() const { return size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};
