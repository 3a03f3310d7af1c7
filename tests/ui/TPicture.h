#pragma once

#include <windows.h>

#include <wincodec.h>

#include <cstdint>
#include <string>
#include <vector>

// A window's client area as 32-bit BGRX pixels, read from its screen, and kept in or compared with
// a PNG file through the system's imaging codecs.
class TPicture {
public:
    static TPicture FromClientArea(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        TPicture picture(client.right, client.bottom);
        const HDC screen = GetDC(window);
        const HDC memory = CreateCompatibleDC(screen);
        const HBITMAP bitmap = CreateCompatibleBitmap(screen, picture.width, picture.height);
        const HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, picture.width, picture.height, screen, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        BITMAPINFO info = picture.Header();
        GetDIBits(memory, bitmap, 0, static_cast<UINT>(picture.height), picture.pixels.data(), &info, DIB_RGB_COLORS);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(window, screen);
        for (std::uint32_t& pixel : picture.pixels) {
            pixel &= 0x00FFFFFF;
        }
        return picture;
    }

    // Empty (0 by 0) when the file cannot be read.
    static TPicture Load(const std::wstring& path) {
        TPicture picture(0, 0);
        TImaging imaging;
        IWICBitmapDecoder* decoder = nullptr;
        IWICBitmapFrameDecode* frame = nullptr;
        IWICFormatConverter* converter = nullptr;
        UINT width = 0;
        UINT height = 0;
        if (imaging.factory != nullptr &&
            SUCCEEDED(imaging.factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                                 WICDecodeMetadataCacheOnDemand, &decoder)) &&
            SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(imaging.factory->CreateFormatConverter(&converter)) &&
            SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                            WICBitmapPaletteTypeCustom)) &&
            SUCCEEDED(converter->GetSize(&width, &height))) {
            TPicture loaded(static_cast<LONG>(width), static_cast<LONG>(height));
            if (SUCCEEDED(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                                reinterpret_cast<BYTE*>(loaded.pixels.data())))) {
                for (std::uint32_t& pixel : loaded.pixels) {
                    pixel &= 0x00FFFFFF;
                }
                picture = loaded;
            }
        }
        Release(converter);
        Release(frame);
        Release(decoder);
        return picture;
    }

    bool Save(const std::wstring& path) const {
        TImaging imaging;
        IWICStream* stream = nullptr;
        IWICBitmapEncoder* encoder = nullptr;
        IWICBitmapFrameEncode* frame = nullptr;
        WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
        std::vector<std::uint32_t> copy = pixels;
        const bool saved =
            imaging.factory != nullptr && SUCCEEDED(imaging.factory->CreateStream(&stream)) &&
            SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
            SUCCEEDED(imaging.factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
            SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
            SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
            SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
            SUCCEEDED(frame->SetPixelFormat(&format)) &&
            SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), static_cast<UINT>(width) * 4,
                                         static_cast<UINT>(copy.size() * 4), reinterpret_cast<BYTE*>(copy.data()))) &&
            SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
        Release(frame);
        Release(encoder);
        Release(stream);
        return saved;
    }

    LONG Width() const { return width; }
    LONG Height() const { return height; }
    // 0x00RRGGBB.
    std::uint32_t At(LONG x, LONG y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }

    // How many pixels differ; every pixel when the sizes differ.
    std::size_t DifferingPixels(const TPicture& other) const {
        if (width != other.width || height != other.height) {
            return pixels.size() > other.pixels.size() ? pixels.size() : other.pixels.size();
        }
        std::size_t count = 0;
        for (std::size_t index = 0; index < pixels.size(); ++index) {
            count += pixels[index] != other.pixels[index] ? 1 : 0;
        }
        return count;
    }

private:
    struct TImaging {
        TImaging() : initialized(SUCCEEDED(CoInitialize(nullptr))) {
            CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory));
        }
        ~TImaging() {
            Release(factory);
            if (initialized) {
                CoUninitialize();
            }
        }
        TImaging(const TImaging&) = delete;
        TImaging& operator=(const TImaging&) = delete;

        bool initialized;
        IWICImagingFactory* factory = nullptr;
    };

    TPicture(LONG pictureWidth, LONG pictureHeight)
        : width(pictureWidth), height(pictureHeight), pixels(static_cast<std::size_t>(width * height)) {}

    BITMAPINFO Header() const {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        return info;
    }

    template <typename T>
    static void Release(T* object) {
        if (object != nullptr) {
            object->Release();
        }
    }

    LONG width;
    LONG height;
    std::vector<std::uint32_t> pixels;
};
