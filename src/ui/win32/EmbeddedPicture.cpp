// SPDX-License-Identifier: MIT
#include "ui/win32/EmbeddedPicture.h"

#include <cstdint>
#include <cstring>
#include <optional>

#include "common/Exception.h"
#include "common/Win32.h"
#include "ui/win32/LastError.h"

namespace vindel::win32 {
namespace {

struct Bytes final {
    const BYTE* data;
    DWORD size;
};

// The resource's bytes, which live as long as the module.
Bytes ResourceBytes(HMODULE module, const std::u16string& name) {
    const HRSRC resource = ::FindResourceW(module, Wide(name).c_str(), RT_RCDATA);
    if (resource == nullptr)
        throw Exception(u"The program holds no picture \"" + name + u"\"");
    const HGLOBAL loaded = ::LoadResource(module, resource);
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        ThrowLastError(u"LoadResource");
    return {static_cast<const BYTE*>(bytes), ::SizeofResource(module, resource)};
}

// The bytes of one row of pixels: whole 32-bit words.
std::uint64_t RowBytes(const BITMAPINFOHEADER& header) {
    return (std::uint64_t(header.biWidth) * header.biBitCount + 31) / 32 * 4;
}

// Where GDI finds what it draws in a BMP file.
struct Bmp final {
    const BITMAPINFO* info;
    const void* pixels;
    SIZE size;
};

// The file's parts, when it is an uncompressed BMP file that GDI draws as it
// stands and holds all its rows.
std::optional<Bmp> ReadBmp(Bytes file) {
    BITMAPFILEHEADER fileHeader;
    BITMAPINFOHEADER header;
    if (file.size < sizeof fileHeader + sizeof header)
        return std::nullopt;
    std::memcpy(&fileHeader, file.data, sizeof fileHeader);
    std::memcpy(&header, file.data + sizeof fileHeader, sizeof header);
    if (fileHeader.bfType != 0x4D42 /* "BM" */ || header.biSize < sizeof header ||
        header.biWidth <= 0 || header.biHeight == 0 || header.biHeight == INT32_MIN ||
        header.biPlanes != 1 || header.biCompression != BI_RGB)
        return std::nullopt;
    switch (header.biBitCount) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            break;
        default:
            return std::nullopt;
    }
    // The colour table, which GDI reads after the header, lies before the rows.
    const std::uint64_t colours = header.biClrUsed != 0    ? header.biClrUsed
                                  : header.biBitCount <= 8 ? 1u << header.biBitCount
                                                           : 0;
    const LONG height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    // Each part is no larger than the file before any is multiplied or added,
    // and the sums are taken in 64 bits: with 32-bit sizes, a header or a row
    // count near 4 GiB would otherwise wrap round to a small number.
    const std::uint64_t row = RowBytes(header);
    if (header.biSize > file.size || row > file.size || std::uint64_t(height) > file.size)
        return std::nullopt;
    const std::uint64_t headers =
        std::uint64_t{sizeof fileHeader} + header.biSize + colours * sizeof(RGBQUAD);
    if (fileHeader.bfOffBits < headers ||
        std::uint64_t{fileHeader.bfOffBits} + row * std::uint64_t(height) > file.size)
        return std::nullopt;
    return Bmp{reinterpret_cast<const BITMAPINFO*>(file.data + sizeof fileHeader),
               file.data + fileHeader.bfOffBits, SIZE{header.biWidth, height}};
}

}  // namespace

EmbeddedPicture::EmbeddedPicture(HMODULE module, const std::u16string& name, Dpi dpi) {
    const std::optional<Bmp> bmp = ReadBmp(ResourceBytes(module, name));
    if (!bmp)
        throw Exception(u"The program's picture \"" + name + u"\" is no uncompressed BMP file");
    info_ = bmp->info;
    pixels_ = bmp->pixels;
    natural_ = bmp->size;
    size_ = {dpi.Scale(natural_.cx), dpi.Scale(natural_.cy)};
}

void EmbeddedPicture::Draw(HDC dc, POINT at) const {
    const bool scaled = size_.cx != natural_.cx || size_.cy != natural_.cy;
    const int previousMode = ::SetStretchBltMode(dc, scaled ? HALFTONE : COLORONCOLOR);
    POINT previousOrigin{};
    // Halftone stretching wants the brush origin set after the mode.
    ::SetBrushOrgEx(dc, 0, 0, &previousOrigin);
    ::StretchDIBits(dc, at.x, at.y, size_.cx, size_.cy, 0, 0, natural_.cx, natural_.cy, pixels_,
                    info_, DIB_RGB_COLORS, SRCCOPY);
    ::SetBrushOrgEx(dc, previousOrigin.x, previousOrigin.y, nullptr);
    ::SetStretchBltMode(dc, previousMode);
}

}  // namespace vindel::win32
