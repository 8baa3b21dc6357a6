#pragma once

#include <SDL.h>

#include <string>

/// Decodes the bytes of a picture file with SDL_image, the decoder chosen as
/// IMG_Load chooses it: by the bytes, or by the type (the file name's
/// extension, "png") for formats without a signature. A PNG whose chunks run
/// past the end of the bytes, or that has no end chunk, is refused without
/// decoding: SDL_image ignores a short read and would then read the same stale
/// bytes for ever. Null, with SDL's error set, when nothing could be decoded.
SDL_Surface* decodePicture(const std::string& bytes, const std::string& type);

/// The picture file read whole and decoded; null, with SDL's error set, when
/// the file cannot be opened or decoded.
SDL_Surface* loadPicture(const std::string& path);
