// A minimal PNG encoder for screenshots: 8-bit RGB, no filtering, the image data in stored
// (uncompressed) deflate blocks. Any PNG reader reads what it writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The checksums the format uses: CRC-32 over each chunk's type and data, Adler-32 over the
// uncompressed image data of the zlib stream.
uint32_t Crc32(const uint8_t* data, size_t size);
uint32_t Adler32(const uint8_t* data, size_t size);

// The whole file for an image of width x height pixels, rgb holding 3 bytes per pixel, rows
// from the top. Empty when the sizes do not match or a side is 0.
std::vector<uint8_t> EncodePng(uint32_t width, uint32_t height, const std::vector<uint8_t>& rgb);

// Encodes and writes the file; false when there is nothing to encode or the file cannot be
// written.
bool WritePng(const std::string& path, uint32_t width, uint32_t height,
              const std::vector<uint8_t>& rgb);
