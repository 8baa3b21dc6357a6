#include "graphics/PictureDecoder.h"

#include <SDL_image.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

const std::string PNG_SIGNATURE("\x89PNG\r\n\x1a\n", 8);
// Length and type before a chunk's data, its checksum after.
constexpr std::size_t CHUNK_HEAD = 8;
constexpr std::size_t CHUNK_TAIL = 4;

uint32_t bigEndian(const std::string& bytes, std::size_t at)
{
    uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// Whether every chunk up to the end chunk lies whole within the bytes.
bool pngChunksFit(const std::string& bytes)
{
    std::size_t at = PNG_SIGNATURE.size();
    while (bytes.size() - at >= CHUNK_HEAD + CHUNK_TAIL) {
        const uint32_t length = bigEndian(bytes, at);
        if (length > bytes.size() - at - CHUNK_HEAD - CHUNK_TAIL) {
            return false;
        }
        if (bytes.compare(at + 4, 4, "IEND") == 0) {
            return true;
        }
        at += CHUNK_HEAD + length + CHUNK_TAIL;
    }
    return false;
}

} // namespace

SDL_Surface* decodePicture(const std::string& bytes, const std::string& type)
{
    if (bytes.compare(0, PNG_SIGNATURE.size(), PNG_SIGNATURE) == 0 && !pngChunksFit(bytes)) {
        SDL_SetError("a PNG chunk runs past the end of the file");
        return nullptr;
    }
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    std::vector<char> typeName(type.begin(), type.end());
    typeName.push_back('\0');
    return IMG_LoadTyped_RW(source, 1, typeName.data());
}

SDL_Surface* loadPicture(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        SDL_SetError("Couldn't open %s", path.c_str());
        return nullptr;
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::size_t dot = path.find_last_of('.');
    return decodePicture(bytes, dot == std::string::npos ? "" : path.substr(dot + 1));
}
