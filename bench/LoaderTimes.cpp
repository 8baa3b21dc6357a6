#include "LoaderTimes.h"

#include "Clock.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_opengl.h>

#include <string>

namespace {

LoaderTimes spent;

// Adds the time of one call to a total, however the call returns.
class Timed final {
public:
    explicit Timed(int64_t& total) : total(total), start(nowNs()) {}
    ~Timed() { total += nowNs() - start; }
    Timed(const Timed&) = delete;
    Timed& operator=(const Timed&) = delete;

private:
    int64_t& total;
    int64_t start;
};

} // namespace

LoaderTimes LoaderTimes::sinceStart() { return spent; }

LoaderTimes LoaderTimes::operator-(const LoaderTimes& earlier) const
{
    LoaderTimes difference;
    difference.texturesNs = texturesNs - earlier.texturesNs;
    difference.soundsNs = soundsNs - earlier.soundsNs;
    difference.musicNs = musicNs - earlier.musicNs;
    difference.drawingsNs = drawingsNs - earlier.drawingsNs;
    return difference;
}

// The originals, as the linker's --wrap names them.
extern "C" {
SDL_Surface* __real_IMG_LoadTyped_RW(SDL_RWops* src, int freesrc, char* type);
SDL_Surface* __real_SDL_ConvertSurface(SDL_Surface* src, SDL_PixelFormat* fmt, Uint32 flags);
void __real_glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                         GLint border, GLenum format, GLenum type, const void* pixels);
GLint __real_gluBuild2DMipmaps(GLenum target, GLint components, GLint width, GLint height, GLenum format,
                               GLenum type, const void* data);
Mix_Chunk* __real_Mix_LoadWAV_RW(SDL_RWops* src, int freesrc);
Mix_Music* __real_Mix_LoadMUS(const char* file);
// cShapeFile::cShapeFile(const std::string&), the constructor that reads a drawing file.
void __real__ZN10cShapeFileC1ERKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE(void* self,
                                                                                     const std::string& name);

SDL_Surface* __wrap_IMG_LoadTyped_RW(SDL_RWops* src, int freesrc, char* type)
{
    Timed timed(spent.texturesNs);
    return __real_IMG_LoadTyped_RW(src, freesrc, type);
}

SDL_Surface* __wrap_SDL_ConvertSurface(SDL_Surface* src, SDL_PixelFormat* fmt, Uint32 flags)
{
    Timed timed(spent.texturesNs);
    return __real_SDL_ConvertSurface(src, fmt, flags);
}

void __wrap_glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                         GLint border, GLenum format, GLenum type, const void* pixels)
{
    Timed timed(spent.texturesNs);
    __real_glTexImage2D(target, level, internalFormat, width, height, border, format, type, pixels);
}

GLint __wrap_gluBuild2DMipmaps(GLenum target, GLint components, GLint width, GLint height, GLenum format,
                               GLenum type, const void* data)
{
    Timed timed(spent.texturesNs);
    return __real_gluBuild2DMipmaps(target, components, width, height, format, type, data);
}

Mix_Chunk* __wrap_Mix_LoadWAV_RW(SDL_RWops* src, int freesrc)
{
    Timed timed(spent.soundsNs);
    return __real_Mix_LoadWAV_RW(src, freesrc);
}

Mix_Music* __wrap_Mix_LoadMUS(const char* file)
{
    Timed timed(spent.musicNs);
    return __real_Mix_LoadMUS(file);
}

void __wrap__ZN10cShapeFileC1ERKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE(void* self,
                                                                                     const std::string& name)
{
    Timed timed(spent.drawingsNs);
    __real__ZN10cShapeFileC1ERKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE(self, name);
}
}
