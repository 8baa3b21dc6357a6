#include "graphics/PictureDecoder.h"

#include "graphics/TestImages.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// 16 x 16 grey whose sRGB chunk says 512 bytes where 28 are left: SDL_image
// ignores the short read, and libpng read the same stale bytes for ever.
const unsigned char CHUNK_PAST_THE_END[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00,
    0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x10, 0x08, 0x00, 0x00, 0x00, 0x00, 0x3a, 0x98, 0xa0, 0xbd, 0x00,
    0x00, 0x02, 0x00, 0x73, 0x52, 0x47, 0x42, 0x78, 0x9c, 0x63, 0x34, 0x01, 0x05, 0x36, 0x50, 0xc0, 0x30,
    0x40, 0x02, 0x15, 0x50, 0xc0, 0x00, 0x03, 0x03, 0x23, 0x00, 0x00, 0xcc, 0x94, 0x5f, 0x01, 0x08, 0xa9,
    0xf3, 0x19, 0x00, 0x00, 0x00};

// One pixel of the decoded picture, whatever layout the decoder chose.
Rgba pixelOf(SDL_Surface* surface, int x, int y)
{
    Uint32 value = 0;
    const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    std::memcpy(&value, row + x * surface->format->BytesPerPixel, surface->format->BytesPerPixel);
    Uint8 r, g, b, a;
    SDL_GetRGBA(value, surface->format, &r, &g, &b, &a);
    return {r, g, b, a};
}

TEST(PictureDecoder, APngDecodesToItsSizeAndColours)
{
    SDL_Surface* surface = decodePicture(readFile(images::CORNERS), "png");
    ASSERT_NE(surface, nullptr) << SDL_GetError();
    EXPECT_EQ(surface->w, 16);
    EXPECT_EQ(surface->h, 16);
    EXPECT_TRUE(colorNear(pixelOf(surface, 0, 0), images::CORNER_COLOURS.topLeft));
    EXPECT_TRUE(colorNear(pixelOf(surface, 15, 0), images::CORNER_COLOURS.topRight));
    EXPECT_TRUE(colorNear(pixelOf(surface, 0, 15), images::CORNER_COLOURS.bottomLeft));
    EXPECT_TRUE(colorNear(pixelOf(surface, 15, 15), images::CORNER_COLOURS.bottomRight));
    SDL_FreeSurface(surface);
}

// Asked for as "png", a BMP is still decoded by its bytes.
TEST(PictureDecoder, OtherFormatsAreStillDecodedByTheirBytes)
{
    SDL_Surface* surface = decodePicture(readFile(images::CORNERS_BGR), "png");
    ASSERT_NE(surface, nullptr) << SDL_GetError();
    EXPECT_EQ(surface->w, 10);
    SDL_FreeSurface(surface);
}

TEST(PictureDecoder, AChunkRunningPastTheEndIsRefusedInsteadOfReadForEver)
{
    const std::string bytes(reinterpret_cast<const char*>(CHUNK_PAST_THE_END), sizeof CHUNK_PAST_THE_END);
    EXPECT_EQ(decodePicture(bytes, "png"), nullptr);
    EXPECT_NE(std::string(SDL_GetError()).find("past the end"), std::string::npos) << SDL_GetError();
}

TEST(PictureDecoder, APngWithoutItsEndChunkIsRefused)
{
    const std::string whole = readFile(images::CORNERS);
    // The end chunk is the last 12 bytes: length, "IEND", checksum.
    EXPECT_EQ(decodePicture(whole.substr(0, whole.size() - 12), "png"), nullptr);
}

TEST(PictureDecoder, AMissingFileSaysItCouldNotBeOpened)
{
    EXPECT_EQ(loadPicture(images::MISSING), nullptr);
    EXPECT_EQ(std::string(SDL_GetError()), std::string("Couldn't open ") + images::MISSING);
}

} // namespace
