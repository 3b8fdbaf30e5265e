// The screenshot encoder: its checksums against published values, and its files read back
// chunk by chunk and block by block.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "simhost/desktop/PngWriter.h"

namespace {

const uint8_t* Bytes(const char* text) {
    return reinterpret_cast<const uint8_t*>(text);
}

uint32_t BigEndianAt(const std::vector<uint8_t>& bytes, size_t at) {
    return uint32_t{bytes[at]} << 24 | uint32_t{bytes[at + 1]} << 16 |
           uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
}

struct Chunk {
    std::string type;
    std::vector<uint8_t> data;
};

// Splits a file into its chunks, failing the test on a bad checksum.
std::vector<Chunk> Chunks(const std::vector<uint8_t>& png) {
    std::vector<Chunk> chunks;
    for (size_t at = 8; at + 12 <= png.size();) {
        uint32_t length = BigEndianAt(png, at);
        Chunk chunk{std::string(png.begin() + at + 4, png.begin() + at + 8),
                    std::vector<uint8_t>(png.begin() + at + 8, png.begin() + at + 8 + length)};
        EXPECT_EQ(Crc32(&png[at + 4], length + 4), BigEndianAt(png, at + 8 + length)) << chunk.type;
        chunks.push_back(chunk);
        at += 12 + length;
    }
    return chunks;
}

// The uncompressed data of a zlib stream made of stored blocks.
std::vector<uint8_t> Unstore(const std::vector<uint8_t>& zlib) {
    std::vector<uint8_t> raw;
    size_t at = 2;
    bool last = false;
    while (!last && at + 5 <= zlib.size()) {
        last = zlib[at] == 1;
        EXPECT_TRUE(zlib[at] == 0 || zlib[at] == 1) << "stored block header";
        unsigned length = zlib[at + 1] | zlib[at + 2] << 8;
        unsigned complement = zlib[at + 3] | zlib[at + 4] << 8;
        EXPECT_EQ(0xFFFFu, length ^ complement);
        raw.insert(raw.end(), zlib.begin() + at + 5, zlib.begin() + at + 5 + length);
        at += 5 + length;
    }
    EXPECT_TRUE(last);
    EXPECT_EQ(zlib.size(), at + 4) << "the Adler-32 ends the stream";
    EXPECT_EQ(Adler32(raw.data(), raw.size()), BigEndianAt(zlib, at));
    return raw;
}

} // namespace

TEST(PngWriter, ChecksumsMatchPublishedValues) {
    EXPECT_EQ(0xCBF43926u, Crc32(Bytes("123456789"), 9));
    EXPECT_EQ(0x11E60398u, Adler32(Bytes("Wikipedia"), 9));
    EXPECT_EQ(1u, Adler32(nullptr, 0));
}

TEST(PngWriter, ImageLargerThanOneStoredBlockReadsBackRowByRow) {
    const uint32_t width = 300, height = 100; // 90100 bytes of rows: two blocks
    std::vector<uint8_t> rgb(size_t{width} * 3 * height);
    for (size_t i = 0; i < rgb.size(); ++i)
        rgb[i] = static_cast<uint8_t>(i * 7);
    std::vector<uint8_t> png = EncodePng(width, height, rgb);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(0, std::memcmp(png.data(), "\x89PNG\r\n\x1A\n", 8));

    std::vector<Chunk> chunks = Chunks(png);
    ASSERT_EQ(3u, chunks.size());
    EXPECT_EQ("IHDR", chunks[0].type);
    EXPECT_EQ((std::vector<uint8_t>{0, 0, 1, 44, 0, 0, 0, 100, 8, 2, 0, 0, 0}), chunks[0].data);
    EXPECT_EQ("IDAT", chunks[1].type);
    EXPECT_EQ("IEND", chunks[2].type);

    std::vector<uint8_t> raw = Unstore(chunks[1].data);
    ASSERT_EQ((size_t{width} * 3 + 1) * height, raw.size());
    for (uint32_t y = 0; y < height; ++y) {
        const uint8_t* row = &raw[(size_t{width} * 3 + 1) * y];
        EXPECT_EQ(0, row[0]) << "filter type of row " << y;
        EXPECT_EQ(0, std::memcmp(row + 1, &rgb[size_t{width} * 3 * y], size_t{width} * 3))
            << "row " << y;
    }
}

TEST(PngWriter, NothingIsEncodedForMismatchedOrEmptySizes) {
    EXPECT_TRUE(EncodePng(2, 2, std::vector<uint8_t>(11)).empty());
    EXPECT_TRUE(EncodePng(0, 0, {}).empty());
}
