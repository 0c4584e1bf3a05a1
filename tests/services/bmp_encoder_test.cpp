#include "bmp_encoder.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::uint32_t Read16(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return bytes.at(offset) | (bytes.at(offset + 1) << 8);
}

std::uint32_t Read32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return Read16(bytes, offset) | (Read16(bytes, offset + 2) << 16);
}

std::vector<std::uint8_t> EncodeUniform(int width, int height, std::uint32_t pixel) {
    const std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, pixel);
    return EncodeBmp24(pixels.data(), width, height, width * 4);
}

void ExpectHeader(const std::vector<std::uint8_t>& bytes, int width, int height,
                  std::uint32_t fileSize) {
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes[0], 0x42);
    EXPECT_EQ(bytes[1], 0x4D);
    EXPECT_EQ(Read32(bytes, 2), fileSize);
    EXPECT_EQ(Read16(bytes, 6), 0u);
    EXPECT_EQ(Read16(bytes, 8), 0u);
    EXPECT_EQ(Read32(bytes, 10), 54u);
    EXPECT_EQ(Read32(bytes, 14), 40u);
    EXPECT_EQ(Read32(bytes, 18), static_cast<std::uint32_t>(width));
    EXPECT_EQ(Read32(bytes, 22), static_cast<std::uint32_t>(height));
    EXPECT_EQ(Read16(bytes, 26), 1u);
    EXPECT_EQ(Read16(bytes, 28), 24u);
    for (std::size_t offset = 30; offset < 54; offset += 4) {
        EXPECT_EQ(Read32(bytes, offset), 0u) << "header field at offset " << offset;
    }
}

TEST(BmpEncoder, CouponPicturesHaveTheDocumentedSizesAndHeaders) {
    EXPECT_EQ(BmpRowStride(410), 1232);
    EXPECT_EQ(BmpRowStride(810), 2432);

    const auto reducer = EncodeUniform(410, 280, 0xFFFFFFFF);
    EXPECT_EQ(reducer.size(), 345014u);
    ExpectHeader(reducer, 410, 280, 345014);

    const auto keeper = EncodeUniform(810, 280, 0xFFFFFFFF);
    EXPECT_EQ(keeper.size(), 681014u);
    ExpectHeader(keeper, 810, 280, 681014);
}

TEST(BmpEncoder, RowsRunBottomUpInBlueGreenRedOrderWithZeroPadding) {
    // Two rows of two pixels, read through a source line longer than the
    // pixels it holds; the top byte of each pixel is not part of the colour.
    const std::uint32_t pad = 0xDEADBEEF;
    const std::vector<std::uint32_t> source = {
        0xFF112233, 0x00445566, pad,  // top row
        0xAA778899, 0xFFAABBCC, pad,  // bottom row
    };
    const auto bytes = EncodeBmp24(source.data(), 2, 2, 3 * 4);
    ASSERT_EQ(bytes.size(), 54u + 2 * 8);
    ExpectHeader(bytes, 2, 2, 54 + 16);

    const std::vector<std::uint8_t> rows = {
        0x99, 0x88, 0x77, 0xCC, 0xBB, 0xAA, 0x00, 0x00,  // bottom row first
        0x33, 0x22, 0x11, 0x66, 0x55, 0x44, 0x00, 0x00,
    };
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 54, bytes.end()), rows);
}

TEST(BmpEncoder, OnePixelWideRowsTakeFourBytes) {
    const std::vector<std::uint32_t> column = {0x00010203, 0x00040506, 0x00070809};
    const auto bytes = EncodeBmp24(column.data(), 1, 3, 4);
    EXPECT_EQ(BmpRowStride(1), 4);
    ASSERT_EQ(bytes.size(), 54u + 12);
    ExpectHeader(bytes, 1, 3, 66);
    const std::vector<std::uint8_t> rows = {
        0x09, 0x08, 0x07, 0x00,
        0x06, 0x05, 0x04, 0x00,
        0x03, 0x02, 0x01, 0x00,
    };
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 54, bytes.end()), rows);
}

TEST(BmpEncoder, StrideRoundsThreeBytesPerPixelUpToFour) {
    EXPECT_EQ(BmpRowStride(2), 8);
    EXPECT_EQ(BmpRowStride(3), 12);
    EXPECT_EQ(BmpRowStride(4), 12);
    EXPECT_EQ(BmpRowStride(5), 16);
    const auto bytes = EncodeUniform(5, 2, 0x00FFFFFF);
    ASSERT_EQ(bytes.size(), 54u + 32);
    for (std::size_t row = 0; row < 2; ++row) {
        const std::size_t start = 54 + row * 16;
        for (std::size_t i = 0; i < 15; ++i) EXPECT_EQ(bytes[start + i], 0xFF);
        EXPECT_EQ(bytes[start + 15], 0x00);
    }
}

}  // namespace
