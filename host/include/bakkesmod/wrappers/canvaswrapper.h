#pragma once
// The 2D canvas handed to drawables each frame.
#include "ImageWrapper.h"
#include "wrapperstructs.h"

class BAKKESMOD_PLUGIN_IMPORT CanvasWrapper {
public:
    CONSTRUCTORS(CanvasWrapper)

    void SetColor(char Red, char Green, char Blue, char Alpha); // 0-255
    void DrawTexture(ImageWrapper* img, float scale);

    void SetPosition(Vector2 pos);

private:
    PIMPL
};
