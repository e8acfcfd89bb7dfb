#pragma once
// Bounds-checked little- and big-endian reads from a byte buffer; every read
// past the end throws PictureError naming what was being read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/util/Errors.h"

namespace viramo {

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size, const char* what) : data_(data), size_(size), what_(what) {}

    std::size_t size() const { return size_; }
    const std::uint8_t* data() const { return data_; }
    bool has(std::size_t offset, std::size_t len) const { return offset <= size_ && len <= size_ - offset; }
    void need(std::size_t offset, std::size_t len) const {
        if (!has(offset, len)) throw PictureError("", std::string(what_) + " data is truncated");
    }
    std::uint8_t u8(std::size_t o) const {
        need(o, 1);
        return data_[o];
    }
    std::uint16_t u16le(std::size_t o) const {
        need(o, 2);
        return static_cast<std::uint16_t>(data_[o] | (data_[o + 1] << 8));
    }
    std::uint32_t u32le(std::size_t o) const {
        need(o, 4);
        return static_cast<std::uint32_t>(data_[o]) | (static_cast<std::uint32_t>(data_[o + 1]) << 8) |
               (static_cast<std::uint32_t>(data_[o + 2]) << 16) | (static_cast<std::uint32_t>(data_[o + 3]) << 24);
    }
    std::int32_t i32le(std::size_t o) const { return static_cast<std::int32_t>(u32le(o)); }
    std::uint16_t u16be(std::size_t o) const {
        need(o, 2);
        return static_cast<std::uint16_t>((data_[o] << 8) | data_[o + 1]);
    }
    std::uint32_t u32be(std::size_t o) const {
        need(o, 4);
        return (static_cast<std::uint32_t>(data_[o]) << 24) | (static_cast<std::uint32_t>(data_[o + 1]) << 16) |
               (static_cast<std::uint32_t>(data_[o + 2]) << 8) | static_cast<std::uint32_t>(data_[o + 3]);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    const char* what_;
};

}  // namespace viramo
