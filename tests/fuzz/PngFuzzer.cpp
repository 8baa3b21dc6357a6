// Any bytes at all decoded as the game decodes a picture file, then turned into the
// pixels OpenGL is handed, which are read to the last byte the upload would
// read: a decoder that accepts what it should not, or a conversion that gets a
// layout wrong, stops the run here instead of in the game.
#include "graphics/PictureDecoder.h"
#include "graphics/UploadableSurface.h"

#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// OpenGL's default unpacking: every row starts at a multiple of four bytes.
constexpr int UNPACK_ALIGNMENT = 4;

void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

void readAsUploaded(SDL_Surface* pixels)
{
    const int bytesPerPixel = pixels->format->BytesPerPixel;
    check(bytesPerPixel == 3 || bytesPerPixel == 4);
    const int rowBytes = pixels->w * bytesPerPixel;
    check(pixels->pitch == (rowBytes + UNPACK_ALIGNMENT - 1) / UNPACK_ALIGNMENT * UNPACK_ALIGNMENT);
    SDL_LockSurface(pixels);
    const auto* bytes = static_cast<const uint8_t*>(pixels->pixels);
    volatile unsigned sum = 0;
    for (int row = 0; row < pixels->h; ++row) {
        for (int i = 0; i < rowBytes; ++i) {
            sum = sum + bytes[row * pixels->pitch + i];
        }
    }
    SDL_UnlockSurface(pixels);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SDL_Surface* surface = decodePicture(std::string(reinterpret_cast<const char*>(data), size), "png");
    if (!surface) {
        return 0;
    }
    if (SDL_Surface* pixels = uploadableSurface(surface)) {
        readAsUploaded(pixels);
        if (pixels != surface) {
            SDL_FreeSurface(pixels);
        }
    }
    SDL_FreeSurface(surface);
    return 0;
}
