#include "win/drawing.hpp"

#include "win/resource_ids.hpp"

#include <memory>
#include <wincodec.h>

namespace korvala::win {

namespace {

struct Release {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface> using ComPointer = std::unique_ptr<Interface, Release>;

template <typename Interface> ComPointer<Interface> adopt(Interface* object) {
    return ComPointer<Interface>(object);
}

struct JpegBytes {
    const void* data = nullptr;
    DWORD size = 0;
};

JpegBytes drawingResource(HINSTANCE instance) {
    const HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDR_CYLINDER_DRAWING),
                                      MAKEINTRESOURCEW(10)); // RT_RCDATA
    if (found == nullptr) {
        return {};
    }
    const HGLOBAL loaded = LoadResource(instance, found);
    return {loaded != nullptr ? LockResource(loaded) : nullptr, SizeofResource(instance, found)};
}

HBITMAP topDownBitmap(UINT width, UINT height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

} // namespace

std::optional<HBITMAP> decodeDrawing(HINSTANCE instance) {
    const JpegBytes jpeg = drawingResource(instance);
    if (jpeg.data == nullptr || jpeg.size == 0) {
        return std::nullopt;
    }
    IWICImagingFactory* rawFactory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&rawFactory)))) {
        return std::nullopt;
    }
    const auto factory = adopt(rawFactory);

    IWICStream* rawStream = nullptr;
    if (FAILED(factory->CreateStream(&rawStream))) {
        return std::nullopt;
    }
    const auto stream = adopt(rawStream);
    // The stream only reads the resource, which stays mapped while the program runs.
    auto* bytes = static_cast<BYTE*>(const_cast<void*>(jpeg.data));
    IWICBitmapDecoder* rawDecoder = nullptr;
    if (FAILED(stream->InitializeFromMemory(bytes, jpeg.size)) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, &rawDecoder))) {
        return std::nullopt;
    }
    const auto decoder = adopt(rawDecoder);

    IWICBitmapFrameDecode* rawFrame = nullptr;
    IWICFormatConverter* rawConverter = nullptr;
    if (FAILED(decoder->GetFrame(0, &rawFrame))) {
        return std::nullopt;
    }
    const auto frame = adopt(rawFrame);
    if (FAILED(factory->CreateFormatConverter(&rawConverter))) {
        return std::nullopt;
    }
    const auto converter = adopt(rawConverter);
    UINT width = 0;
    UINT height = 0;
    if (FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > 4096 ||
        height > 4096) {
        return std::nullopt;
    }
    void* bits = nullptr;
    const HBITMAP bitmap = topDownBitmap(width, height, &bits);
    if (bitmap == nullptr) {
        return std::nullopt;
    }
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
        DeleteObject(bitmap);
        return std::nullopt;
    }
    return bitmap;
}

} // namespace korvala::win
