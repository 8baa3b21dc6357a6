#include "support/NoDrawing.h"

#include "graphics/Texture.h"

#include <GL/glx.h>

#include <filesystem>

NoDrawing::NoDrawing()
{
    for (const auto& entry : std::filesystem::directory_iterator(QUIB_SOURCE_DIR "/data/images")) {
        if (entry.path().extension() == ".png") {
            auto* picture = new cTexture;
            picture->setSize(1.0f, 1.0f);
            picture->load("images/" + entry.path().filename().string());
        }
    }
    display = glXGetCurrentDisplay();
    drawable = glXGetCurrentDrawable();
    context = glXGetCurrentContext();
    if (display) {
        glXMakeCurrent(static_cast<Display*>(display), None, nullptr);
    }
}

NoDrawing::~NoDrawing()
{
    if (display) {
        glXMakeCurrent(static_cast<Display*>(display), drawable, static_cast<GLXContext>(context));
    }
}
