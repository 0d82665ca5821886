// SPDX-License-Identifier: MIT
#include "ui/win32/EmbeddedPicture.h"

#include <cstdint>
#include <cstring>

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

bool IsDrawableBmp(Bytes file) {
    BITMAPFILEHEADER fileHeader;
    BITMAPINFOHEADER header;
    if (file.size < sizeof fileHeader + sizeof header)
        return false;
    std::memcpy(&fileHeader, file.data, sizeof fileHeader);
    std::memcpy(&header, file.data + sizeof fileHeader, sizeof header);
    if (fileHeader.bfType != 0x4D42 /* "BM" */ || header.biSize < sizeof header ||
        header.biWidth <= 0 || header.biHeight == 0 || header.biHeight == INT32_MIN ||
        header.biPlanes != 1 || header.biCompression != BI_RGB)
        return false;
    // Colour tables are allowed for the bit counts that have them.
    switch (header.biBitCount) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            break;
        default:
            return false;
    }
    const std::uint64_t height =
        header.biHeight < 0 ? -std::int64_t{header.biHeight} : std::int64_t{header.biHeight};
    return fileHeader.bfOffBits >= sizeof fileHeader + header.biSize &&
           fileHeader.bfOffBits + RowBytes(header) * height <= file.size;
}

}  // namespace

EmbeddedPicture::EmbeddedPicture(HMODULE module, const std::u16string& name, Dpi dpi) {
    const Bytes file = ResourceBytes(module, name);
    if (!IsDrawableBmp(file))
        throw Exception(u"The program's picture \"" + name + u"\" is no uncompressed BMP file");
    info_ = reinterpret_cast<const BITMAPINFO*>(file.data + sizeof(BITMAPFILEHEADER));
    BITMAPFILEHEADER fileHeader;
    std::memcpy(&fileHeader, file.data, sizeof fileHeader);
    pixels_ = file.data + fileHeader.bfOffBits;
    const LONG height = info_->bmiHeader.biHeight;
    natural_ = {info_->bmiHeader.biWidth, height < 0 ? -height : height};
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
