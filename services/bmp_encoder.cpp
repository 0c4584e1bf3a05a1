#include "bmp_encoder.h"

#include <cstddef>

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const std::uint32_t* pixels, int width, int height,
                                      int bytesPerLine) {
    if (width < 0 || height < 0) {
        width = 0;
        height = 0;
    }
    const std::size_t stride = static_cast<std::size_t>(BmpRowStride(width));
    const std::size_t imageBytes = stride * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> out;
    out.reserve(BmpHeaderSize + imageBytes);

    // File header.
    out.push_back('B');
    out.push_back('M');
    put32(out, static_cast<std::uint32_t>(BmpHeaderSize + imageBytes));  // file size
    put16(out, 0);                                                       // reserved
    put16(out, 0);                                                       // reserved
    put32(out, BmpHeaderSize);                                           // offset of pixel data

    // Picture header.
    put32(out, 40);                                   // header size
    put32(out, static_cast<std::uint32_t>(width));   // width
    put32(out, static_cast<std::uint32_t>(height));  // height: positive, rows bottom-up
    put16(out, 1);                                    // planes
    put16(out, 24);                                   // bits per pixel
    put32(out, 0);                                    // compression: none
    put32(out, 0);                                    // image size
    put32(out, 0);                                    // horizontal resolution
    put32(out, 0);                                    // vertical resolution
    put32(out, 0);                                    // colours used
    put32(out, 0);                                    // important colours

    // Pixel rows, the bottom row first; the padding stays zero.
    out.resize(BmpHeaderSize + imageBytes, 0);
    const auto* base = reinterpret_cast<const std::uint8_t*>(pixels);
    std::uint8_t* row = out.data() + BmpHeaderSize;
    for (int y = height - 1; y >= 0; --y, row += stride) {
        const auto* source = reinterpret_cast<const std::uint32_t*>(
            base + static_cast<std::ptrdiff_t>(y) * bytesPerLine);
        std::uint8_t* target = row;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = source[x];
            *target++ = static_cast<std::uint8_t>(pixel & 0xFF);          // blue
            *target++ = static_cast<std::uint8_t>((pixel >> 8) & 0xFF);   // green
            *target++ = static_cast<std::uint8_t>((pixel >> 16) & 0xFF);  // red
        }
    }
    return out;
}
