#pragma once
// The 2D canvas handed to drawables each frame.
#include <string>

#include "ImageWrapper.h"
#include "wrapperstructs.h"

class BAKKESMOD_PLUGIN_IMPORT CanvasWrapper {
public:
    CONSTRUCTORS(CanvasWrapper)

    void SetColor(char Red, char Green, char Blue, char Alpha); // 0-255
    // Text in the canvas's font, its top-left corner at the position.
    void DrawString(std::string text);
    void DrawString(std::string text, float xScale, float yScale);
    void DrawString(std::string text, float xScale, float yScale, bool dropShadow, bool wrapText = false);
    Vector2F GetStringSize(std::string text, float xScale = 1, float yScale = 1);
    void DrawTexture(ImageWrapper* img, float scale);

    void SetPosition(Vector2 pos);
    Vector2 GetSize();

private:
    PIMPL
};
