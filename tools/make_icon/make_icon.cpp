// Makes the program's icon file from the folder artwork: one image for each size the shell
// asks for, each painted at its own size so that every one is crisp. The largest is stored as
// PNG, the others as 32-bit bitmaps with their masks, as icon files have them.
//
// With a second file name it also paints the setup program's side picture: the folder on the
// product's teal ground, as a 24-bit bitmap of the size the setup's wizard pages use.
//
// Usage: make_icon OUTPUT.ico [SIDE-PICTURE.bmp]

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "present/folder_artwork.h"

namespace {

constexpr int kSizes[] = {16, 20, 24, 32, 40, 48, 64, 256};

using Bytes = std::vector<std::uint8_t>;

// Top-down RGBA, transparent where no shape falls.
Bytes Paint(int size) {
    Bytes pixels(static_cast<std::size_t>(size * size * 4), 0);
    for (const ArtworkRect& shape : FolderShapes(size, FolderLook::Veiled)) {
        for (int y = shape.top; y < shape.bottom; ++y) {
            for (int x = shape.left; x < shape.right; ++x) {
                std::uint8_t* pixel = &pixels[static_cast<std::size_t>((y * size + x) * 4)];
                pixel[0] = shape.colour.red;
                pixel[1] = shape.colour.green;
                pixel[2] = shape.colour.blue;
                pixel[3] = 0xFF;
            }
        }
    }
    return pixels;
}

void Put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void Put32BigEndian(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

// A BITMAPINFOHEADER of twice the height (colour, then mask), the colour bottom-up in BGRA,
// then the mask: one bit a pixel, set where the icon is transparent, rows padded to 4 bytes.
Bytes BitmapImage(int size, const Bytes& rgba) {
    const int maskStride = ((size + 31) / 32) * 4;
    Bytes out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(size));
    Put32(out, static_cast<std::uint32_t>(size * 2));
    Put16(out, 1);   // planes
    Put16(out, 32);  // bits a pixel
    Put32(out, 0);   // BI_RGB
    Put32(out, static_cast<std::uint32_t>(size * size * 4 + maskStride * size));
    for (int i = 0; i < 4; ++i) {
        Put32(out, 0);
    }
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const std::uint8_t* pixel = &rgba[static_cast<std::size_t>((y * size + x) * 4)];
            out.insert(out.end(), {pixel[2], pixel[1], pixel[0], pixel[3]});
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(maskStride), 0);
        for (int x = 0; x < size; ++x) {
            if (rgba[static_cast<std::size_t>((y * size + x) * 4 + 3)] == 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
    Put32BigEndian(out, static_cast<std::uint32_t>(data.size()));
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    Put32BigEndian(
        out, static_cast<std::uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
}

bool PngImage(int size, const Bytes& rgba, Bytes& out) {
    Bytes raw;
    for (int y = 0; y < size; ++y) {
        raw.push_back(0);  // no filter
        const auto row = rgba.begin() + y * size * 4;
        raw.insert(raw.end(), row, row + size * 4);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        return false;
    }
    packed.resize(packedSize);
    out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    Put32BigEndian(header, static_cast<std::uint32_t>(size));
    Put32BigEndian(header, static_cast<std::uint32_t>(size));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits a channel, RGBA
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", packed);
    PutChunk(out, "IEND", {});
    return true;
}

bool Write(const char* path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "make_icon: could not write %s\n", path);
        return false;
    }
    return true;
}

// The ground runs from the artwork's dark teal at the top to its light teal at the bottom.
Bytes SidePicture() {
    constexpr int kWidth = 164;
    constexpr int kHeight = 314;
    constexpr int kFolder = 96;
    constexpr int kFolderLeft = (kWidth - kFolder) / 2;
    constexpr int kFolderTop = 56;
    constexpr std::uint8_t kDark[] = {0x14, 0x30, 0x3A};
    constexpr std::uint8_t kLight[] = {0x2E, 0x70, 0x7C};
    Bytes rgb(static_cast<std::size_t>(kWidth * kHeight * 3));
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            for (int c = 0; c < 3; ++c) {
                rgb[static_cast<std::size_t>((y * kWidth + x) * 3 + c)] = static_cast<std::uint8_t>(
                    kDark[c] + (kLight[c] - kDark[c]) * y / (kHeight - 1));
            }
        }
    }
    const Bytes folder = Paint(kFolder);
    for (int y = 0; y < kFolder; ++y) {
        for (int x = 0; x < kFolder; ++x) {
            const std::uint8_t* pixel = &folder[static_cast<std::size_t>((y * kFolder + x) * 4)];
            if (pixel[3] != 0) {
                std::uint8_t* target = &rgb[static_cast<std::size_t>(
                    ((kFolderTop + y) * kWidth + kFolderLeft + x) * 3)];
                target[0] = pixel[0];
                target[1] = pixel[1];
                target[2] = pixel[2];
            }
        }
    }
    const int stride = (kWidth * 3 + 3) / 4 * 4;
    Bytes out = {'B', 'M'};
    Put32(out, static_cast<std::uint32_t>(14 + 40 + stride * kHeight));
    Put32(out, 0);
    Put32(out, 14 + 40);
    Put32(out, 40);
    Put32(out, kWidth);
    Put32(out, kHeight);  // bottom-up
    Put16(out, 1);
    Put16(out, 24);
    for (int i = 0; i < 6; ++i) {
        Put32(out, 0);
    }
    for (int y = kHeight - 1; y >= 0; --y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::uint8_t* pixel = &rgb[static_cast<std::size_t>((y * kWidth + x) * 3)];
            out.insert(out.end(), {pixel[2], pixel[1], pixel[0]});
        }
        out.resize(out.size() + static_cast<std::size_t>(stride - kWidth * 3), 0);
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.ico [SIDE-PICTURE.bmp]\n");
        return 2;
    }
    if (argc == 3 && !Write(argv[2], SidePicture())) {
        return 1;
    }
    std::vector<Bytes> images;
    for (const int size : kSizes) {
        const Bytes rgba = Paint(size);
        Bytes image;
        if (size >= 256) {
            if (!PngImage(size, rgba, image)) {
                std::fprintf(stderr, "make_icon: could not compress the %d-pixel image\n", size);
                return 1;
            }
        } else {
            image = BitmapImage(size, rgba);
        }
        images.push_back(std::move(image));
    }
    Bytes file;
    Put16(file, 0);
    Put16(file, 1);  // an icon
    Put16(file, static_cast<unsigned>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = kSizes[i];
        file.push_back(static_cast<std::uint8_t>(size >= 256 ? 0 : size));  // 0 means 256
        file.push_back(static_cast<std::uint8_t>(size >= 256 ? 0 : size));
        file.push_back(0);  // no palette
        file.push_back(0);
        Put16(file, 1);   // planes
        Put16(file, 32);  // bits a pixel
        Put32(file, static_cast<std::uint32_t>(images[i].size()));
        Put32(file, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const Bytes& image : images) {
        file.insert(file.end(), image.begin(), image.end());
    }
    return Write(argv[1], file) ? 0 : 1;
}
