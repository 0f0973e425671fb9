#pragma once
// The 2D canvas handed to drawables each frame.
#include <string>

#include "ImageWrapper.h"
#include "wrapperstructs.h"

class BAKKESMOD_PLUGIN_IMPORT CanvasWrapper {
public:
    CONSTRUCTORS(CanvasWrapper)

    void SetColor(char Red, char Green, char Blue, char Alpha); // 0-255
    // 0-255 too, as the host's colour variables give it.
    void SetColor(LinearColor color);
    // Text in the canvas's font, its top-left corner at the position.
    void DrawString(std::string text);
    void DrawString(std::string text, float xScale, float yScale);
    void DrawString(std::string text, float xScale, float yScale, bool dropShadow, bool wrapText = false);
    Vector2F GetStringSize(std::string text, float xScale = 1, float yScale = 1);
    void DrawTexture(ImageWrapper* img, float scale);

    // Shapes in the colour set last. A line goes from screen point to screen
    // point (the position plays no part), one pixel wide unless given; a box
    // of `size` has its top-left corner at the position; a rect is filled
    // from corner to corner. None of them moves the position.
    void DrawLine(Vector2F start, Vector2F end);
    void DrawLine(Vector2F start, Vector2F end, float width);
    void DrawLine(Vector2 start, Vector2 end);
    void DrawLine(Vector2 start, Vector2 end, float width);
    void FillBox(Vector2F size);
    void FillBox(Vector2 size);
    // The outline lies inside the box, one pixel wide.
    void DrawBox(Vector2F size);
    void DrawBox(Vector2 size);
    void DrawRect(Vector2F start, Vector2F end);
    void DrawRect(Vector2 start, Vector2 end);

    void SetPosition(Vector2F pos);
    void SetPosition(Vector2 pos);
    Vector2 GetSize();

private:
    PIMPL
};
