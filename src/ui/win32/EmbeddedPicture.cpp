// SPDX-License-Identifier: MIT
#include "ui/win32/EmbeddedPicture.h"

#include <wrl/client.h>

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

ComPtr<IWICBitmapSource> Decode(IWICImagingFactory& decoder, HMODULE module,
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

EmbeddedPicture::EmbeddedPicture(IWICImagingFactory& decoder, HMODULE module,
                                 const std::u16string& name, Dpi dpi) {
    ComPtr<IWICBitmapSource> source = Decode(decoder, module, name);
    UINT width = 0;
    UINT height = 0;
    Check(source->GetSize(&width, &height), u"IWICBitmapSource::GetSize");
    size_ = {dpi.Scale(static_cast<int>(width)), dpi.Scale(static_cast<int>(height))};
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
    bitmap_.Reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!bitmap_)
        ThrowLastError(u"CreateDIBSection");
    const UINT stride = static_cast<UINT>(size_.cx) * 4;
    Check(source->CopyPixels(nullptr, stride, stride * static_cast<UINT>(size_.cy),
                             static_cast<BYTE*>(pixels)),
          u"IWICBitmapSource::CopyPixels");
}

void EmbeddedPicture::Draw(HDC dc, POINT at) const {
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
