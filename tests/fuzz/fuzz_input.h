// Reading typed values off a fuzzer's input: each call takes the next bytes, and an input that has
// run out gives zeros, so every input is a complete set of arguments.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

struct FuzzInput {
    const uint8_t* data;
    size_t size;

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
        return value;
    }
    double nextDouble() {
        double value;
        take(&value, sizeof value);
        return value;
    }
    uint8_t nextByte() {
        uint8_t value;
        take(&value, sizeof value);
        return value;
    }
};
