#include "graphics/UploadableSurface.h"

namespace {

// The mask that selects the byte at a memory position of a pixel of the given size.
Uint32 byteMask(int position, int bytesPerPixel)
{
    const int shift = SDL_BYTEORDER == SDL_LIL_ENDIAN ? position : bytesPerPixel - 1 - position;
    return 0xFFu << (8 * shift);
}

// OpenGL reads GL_RGB and GL_RGBA as bytes in that order, whatever the machine.
bool isByteOrderedRgb(const SDL_PixelFormat* format)
{
    const int bytes = format->BytesPerPixel;
    if ((bytes != 3 && bytes != 4) || format->palette) {
        return false;
    }
    const Uint32 alphaMask = bytes == 4 ? byteMask(3, bytes) : 0;
    return format->Rmask == byteMask(0, bytes) && format->Gmask == byteMask(1, bytes) &&
           format->Bmask == byteMask(2, bytes) && format->Amask == alphaMask;
}

} // namespace

// SDL pads rows to four bytes, which is what OpenGL assumes when it unpacks them.
SDL_Surface* uploadableSurface(SDL_Surface* surface)
{
    if (isByteOrderedRgb(surface->format)) {
        return surface;
    }
    SDL_Surface* model = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, byteMask(0, 4), byteMask(1, 4),
                                              byteMask(2, 4), byteMask(3, 4));
    if (!model) {
        return nullptr;
    }
    SDL_Surface* converted = SDL_ConvertSurface(surface, model->format, SDL_SWSURFACE);
    SDL_FreeSurface(model);
    return converted;
}
