// Reading typed values off a fuzzer's input: each call takes the next bytes, and an input that has
// run out gives zeros, so every input is a complete set of arguments.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

struct FuzzInput {
    const uint8_t* data;
    size_t size;
    bool folded = false;  // ints into -1000 to 10000, doubles into -400 to 400 (NaN and inf to 0)

    void take(void* value, size_t bytes) {
        std::memset(value, 0, bytes);
        const size_t available = bytes < size ? bytes : size;
        if (available > 0)
            std::memcpy(value, data, available);
        data += available;
        size -= available;
    }
    int32_t nextInt() {
        int32_t value;
        take(&value, sizeof value);
        if (folded)
            value = static_cast<int32_t>(-1000 + ((int64_t{value} % 11001) + 11001) % 11001);
        return value;
    }
    double nextDouble() {
        double value;
        take(&value, sizeof value);
        if (folded)
            value = value >= -400.0 && value <= 400.0 ? value : 0.0;
        return value;
    }
    uint8_t nextByte() {
        uint8_t value;
        take(&value, sizeof value);
        return value;
    }
};
