// SPDX-License-Identifier: MIT
#include "ui/win32/EmbeddedPicture.h"

#include <wrl/client.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <utility>

#include "common/Exception.h"
#include "common/Win32.h"
#include "ui/win32/LastError.h"

namespace vindel::win32 {
namespace {

using Microsoft::WRL::ComPtr;

void Check(HRESULT result, std::u16string_view call) {
    if (FAILED(result))
        ThrowResult(call, result);
}

// The resource's bytes, which live as long as the module.
std::pair<BYTE*, DWORD> ResourceBytes(HMODULE module, const std::u16string& name) {
    const HRSRC resource = ::FindResourceW(module, Wide(name).c_str(), RT_RCDATA);
    if (resource == nullptr)
        throw Exception(u"The program holds no picture \"" + name + u"\"");
    const HGLOBAL loaded = ::LoadResource(module, resource);
    void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        ThrowLastError(u"LoadResource");
    return {static_cast<BYTE*>(bytes), ::SizeofResource(module, resource)};
}

std::uint32_t BigEndian32(const BYTE* at) {
    return (std::uint32_t{at[0]} << 24) | (std::uint32_t{at[1]} << 16) |
           (std::uint32_t{at[2]} << 8) | std::uint32_t{at[3]};
}

std::int32_t LittleEndian32(const BYTE* at) {
    return static_cast<std::int32_t>(std::uint32_t{at[0]} | (std::uint32_t{at[1]} << 8) |
                                     (std::uint32_t{at[2]} << 16) | (std::uint32_t{at[3]} << 24));
}

// The picture's size in pixels as the header of a PNG file (its IHDR chunk)
// or of a BMP file (a BITMAPINFOHEADER or a later one) gives it; nothing
// for other files.
std::optional<SIZE> HeaderSize(const BYTE* bytes, DWORD size) {
    static constexpr BYTE kPngStart[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                                         0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    if (size >= 24 && std::equal(std::begin(kPngStart), std::end(kPngStart), bytes)) {
        const std::uint32_t width = BigEndian32(bytes + 16);
        const std::uint32_t height = BigEndian32(bytes + 20);
        if (width == 0 || height == 0 || width > 0x7FFF'FFFF || height > 0x7FFF'FFFF)
            return std::nullopt;
        return SIZE{static_cast<LONG>(width), static_cast<LONG>(height)};
    }
    // BITMAPFILEHEADER (14 bytes), then the info header, which starts with
    // its own size; bottom-up pictures have a positive height, top-down
    // ones a negative one.
    if (size >= 26 && bytes[0] == 'B' && bytes[1] == 'M' &&
        LittleEndian32(bytes + 14) >= static_cast<std::int32_t>(sizeof(BITMAPINFOHEADER))) {
        const std::int32_t width = LittleEndian32(bytes + 18);
        const std::int32_t height = LittleEndian32(bytes + 22);
        if (width <= 0 || height == 0 || height == INT32_MIN)
            return std::nullopt;
        return SIZE{width, height < 0 ? -height : height};
    }
    return std::nullopt;
}

ComPtr<IWICBitmapSource> DecodeResource(IWICImagingFactory& decoder, HMODULE module,
                                        const std::u16string& name) {
    const auto [bytes, size] = ResourceBytes(module, name);
    ComPtr<IWICStream> stream;
    Check(decoder.CreateStream(&stream), u"IWICImagingFactory::CreateStream");
    Check(stream->InitializeFromMemory(bytes, size), u"IWICStream::InitializeFromMemory");
    ComPtr<IWICBitmapDecoder> fileDecoder;
    Check(decoder.CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                          &fileDecoder),
          u"IWICImagingFactory::CreateDecoderFromStream");
    ComPtr<IWICBitmapFrameDecode> frame;
    Check(fileDecoder->GetFrame(0, &frame), u"IWICBitmapDecoder::GetFrame");
    // Decoded once into memory, so that the stream over the resource is no
    // longer needed afterwards.
    ComPtr<IWICFormatConverter> converter;
    Check(decoder.CreateFormatConverter(&converter), u"IWICImagingFactory::CreateFormatConverter");
    Check(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                nullptr, 0.0, WICBitmapPaletteTypeCustom),
          u"IWICFormatConverter::Initialize");
    ComPtr<IWICBitmap> bitmap;
    Check(decoder.CreateBitmapFromSource(converter.Get(), WICBitmapCacheOnLoad, &bitmap),
          u"IWICImagingFactory::CreateBitmapFromSource");
    return bitmap;
}

SIZE DecodedSize(IWICImagingFactory& decoder, HMODULE module, const std::u16string& name) {
    UINT width = 0;
    UINT height = 0;
    Check(DecodeResource(decoder, module, name)->GetSize(&width, &height),
          u"IWICBitmapSource::GetSize");
    return {static_cast<LONG>(width), static_cast<LONG>(height)};
}

ComPtr<IWICBitmapSource> ScaledTo(IWICImagingFactory& decoder, ComPtr<IWICBitmapSource> source,
                                  SIZE size) {
    ComPtr<IWICBitmapScaler> scaler;
    Check(decoder.CreateBitmapScaler(&scaler), u"IWICImagingFactory::CreateBitmapScaler");
    Check(scaler->Initialize(source.Get(), static_cast<UINT>(size.cx), static_cast<UINT>(size.cy),
                             WICBitmapInterpolationModeFant),
          u"IWICBitmapScaler::Initialize");
    return scaler;
}

}  // namespace

EmbeddedPicture::EmbeddedPicture(DecoderSource decoder, HMODULE module, std::u16string name,
                                 Dpi dpi)
    : decoder_(std::move(decoder)), module_(module), name_(std::move(name)), dpi_(dpi) {
    const auto [bytes, size] = ResourceBytes(module_, name_);
    std::optional<SIZE> natural = HeaderSize(bytes, size);
    // A kind of file whose header is not read here: the decoder tells.
    if (!natural)
        natural = DecodedSize(decoder_(), module_, name_);
    size_ = {dpi_.Scale(natural->cx), dpi_.Scale(natural->cy)};
}

void EmbeddedPicture::Decode() const {
    IWICImagingFactory& decoder = decoder_();
    ComPtr<IWICBitmapSource> source = DecodeResource(decoder, module_, name_);
    UINT width = 0;
    UINT height = 0;
    Check(source->GetSize(&width, &height), u"IWICBitmapSource::GetSize");
    if (size_.cx != static_cast<LONG>(width) || size_.cy != static_cast<LONG>(height))
        source = ScaledTo(decoder, source, size_);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size_.cx;
    info.bmiHeader.biHeight = -size_.cy;  // top row first, as WIC gives it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!bitmap)
        ThrowLastError(u"CreateDIBSection");
    const UINT stride = static_cast<UINT>(size_.cx) * 4;
    Check(source->CopyPixels(nullptr, stride, stride * static_cast<UINT>(size_.cy),
                             static_cast<BYTE*>(pixels)),
          u"IWICBitmapSource::CopyPixels");
    bitmap_ = std::move(bitmap);
}

void EmbeddedPicture::Draw(HDC dc, POINT at) const {
    if (!bitmap_)
        Decode();
    const HDC source = ::CreateCompatibleDC(dc);
    if (source == nullptr)
        ThrowLastError(u"CreateCompatibleDC");
    const HGDIOBJ previous = ::SelectObject(source, bitmap_.get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::GdiAlphaBlend(dc, at.x, at.y, size_.cx, size_.cy, source, 0, 0, size_.cx, size_.cy, blend);
    ::SelectObject(source, previous);
    ::DeleteDC(source);
}

}  // namespace vindel::win32
