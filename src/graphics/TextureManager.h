#pragma once

#include <cstddef>
#include <string>
#include <vector>

class cTexture;

/// The registry of the pictures that own an uploaded image, so that a picture
/// of the same name shares it instead of reading the file again. It also
/// knows the pictures that borrow a handle, so that all of them can be
/// uploaded again when the window's OpenGL context is lost.
class cTextureManager final {
public:
    /// Deletes the registered pictures, kept until now for later pictures to share.
    ~cTextureManager();

    /// The handle of the first registered picture of that image, or 0; a
    /// picture that waits for that image reads it first.
    unsigned int find(const std::string& name);
    /// The first registered picture of that image, or null.
    const cTexture* findOwner(const std::string& name) const;
    /// Registers a picture that uploaded its image, unless its handle is known.
    void add(cTexture* texture);
    /// Records a picture that shows the registered image of that name.
    void share(cTexture* texture, const std::string& name);
    /// Forgets a picture that goes away.
    void remove(cTexture* texture);
    /// Pictures that read their images later, first come first served.
    void addWaiting(cTexture* texture);
    void removeWaiting(const cTexture* texture);
    /// The manager's turn, once a tick: reads the image of the picture that has
    /// waited longest, unless an image was read since the last turn (a tick
    /// that read a picture to draw it reads no other); false when none waits.
    bool loadNextWaiting();
    /// Brings every picture back after a window change; images whose handles
    /// did not survive are read and uploaded again.
    void reloadAll();

    /// The registered pictures, in order of registration.
    const std::vector<cTexture*>& getTextures() const { return textures; }
    /// Every live picture that shows an image, its own or a shared one.
    std::size_t pictureCount() const { return textures.size() + sharers.size(); }

private:
    struct Sharer {
        cTexture* texture;
        std::string name;
    };

    std::vector<Sharer> forgetLostHandles();
    void removeSharer(const cTexture* texture);

    std::vector<cTexture*> textures;
    std::vector<Sharer> sharers;
    std::vector<cTexture*> waiting;
    bool readSinceTurn = false;
};
