#include "graphics/TextureManager.h"

#include "app/Singleton.h"
#include "app/Video.h"
#include "graphics/Texture.h"

#include <SDL_opengl.h>

#include <algorithm>
#include <iterator>

namespace {

bool isLost(unsigned int id)
{
    return id != 0 && glIsTexture(id) == GL_FALSE;
}

} // namespace

// Whoever asks means to show the image or to know whether it is shown, which
// a picture that still waits for it will be.
unsigned int cTextureManager::find(const std::string& name)
{
    if (!findOwner(name)) {
        const auto waits = std::find_if(waiting.begin(), waiting.end(),
                                        [&name](const cTexture* texture) { return texture->getWaitingName() == name; });
        if (waits != waiting.end()) {
            (*waits)->loadWaiting();
        }
    }
    const cTexture* owner = findOwner(name);
    return owner ? owner->getId() : 0;
}

const cTexture* cTextureManager::findOwner(const std::string& name) const
{
    for (const cTexture* texture : textures) {
        if (texture->getName() == name) {
            return texture;
        }
    }
    return nullptr;
}

void cTextureManager::add(cTexture* texture)
{
    readSinceTurn = true;
    removeSharer(texture);
    const unsigned int id = texture->getId();
    const bool known = std::any_of(textures.begin(), textures.end(),
                                   [id](const cTexture* entry) { return entry->getId() == id; });
    if (!known) {
        textures.push_back(texture);
    }
}

// A registered picture that turns to another picture's image no longer owns
// an image under its old name; keeping it would hand that name's next user
// the wrong picture.
void cTextureManager::share(cTexture* texture, const std::string& name)
{
    textures.erase(std::remove(textures.begin(), textures.end(), texture), textures.end());
    removeSharer(texture);
    sharers.push_back({texture, name});
}

cTextureManager::~cTextureManager()
{
    // Each picture takes itself off the lists as it goes.
    const std::vector<cTexture*> owners = std::move(textures);
    textures.clear();
    for (cTexture* owner : owners) {
        delete owner;
    }
}

void cTextureManager::remove(cTexture* texture)
{
    textures.erase(std::remove(textures.begin(), textures.end(), texture), textures.end());
    removeSharer(texture);
    removeWaiting(texture);
}

void cTextureManager::addWaiting(cTexture* texture)
{
    if (std::find(waiting.begin(), waiting.end(), texture) == waiting.end()) {
        waiting.push_back(texture);
    }
}

void cTextureManager::removeWaiting(const cTexture* texture)
{
    waiting.erase(std::remove(waiting.begin(), waiting.end(), texture), waiting.end());
}

// Reading a big image takes a good part of a tick: two in one tick would
// hold up the frame, the first one most of all.
bool cTextureManager::loadNextWaiting()
{
    const bool tickRead = readSinceTurn;
    readSinceTurn = false;
    if (waiting.empty()) {
        return false;
    }
    if (!tickRead) {
        waiting.front()->loadWaiting();
        readSinceTurn = false;
    }
    return true;
}

void cTextureManager::reloadAll()
{
    const std::vector<Sharer> lostSharers = forgetLostHandles();
    for (std::size_t i = 0; i < textures.size(); ++i) {
        textures[i]->reload();
    }
    // After the owners, so that borrowers find the owners' new handles.
    for (const Sharer& sharer : lostSharers) {
        sharer.texture->load(sharer.name);
    }
}

// Everything is judged before anything is uploaded again: a new context hands
// out the old numbers anew, which would make a lost handle look alive.
std::vector<cTextureManager::Sharer> cTextureManager::forgetLostHandles()
{
    std::vector<cTexture*> lostOwners;
    std::copy_if(textures.begin(), textures.end(), std::back_inserter(lostOwners),
                 [](const cTexture* texture) { return isLost(texture->getId()); });
    std::vector<Sharer> lostSharers;
    std::copy_if(sharers.begin(), sharers.end(), std::back_inserter(lostSharers),
                 [](const Sharer& sharer) { return isLost(sharer.texture->getId()); });
    if (lostOwners.empty() && lostSharers.empty()) {
        return lostSharers;
    }
    Singleton<cVideo>::instance().setBoundTexture(0);
    for (cTexture* texture : lostOwners) {
        texture->forgetLostHandle();
    }
    for (const Sharer& sharer : lostSharers) {
        sharer.texture->forgetLostHandle();
    }
    return lostSharers;
}

void cTextureManager::removeSharer(const cTexture* texture)
{
    sharers.erase(std::remove_if(sharers.begin(), sharers.end(),
                                 [texture](const Sharer& sharer) { return sharer.texture == texture; }),
                  sharers.end());
}
