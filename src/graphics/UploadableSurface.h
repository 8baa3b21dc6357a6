#pragma once

#include <SDL.h>

/// The pixels of a picture as OpenGL takes them: the surface itself when its
/// bytes are already R, G, B (and A) in that order, otherwise a new RGBA copy
/// (palettes, grey levels, other channel orders; a colour key becomes
/// transparency) that the caller frees. Null when the copy cannot be made.
SDL_Surface* uploadableSurface(SDL_Surface* surface);
