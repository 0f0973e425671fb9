#pragma once
// The 2D canvas handed to drawables each frame. The stand-in host records
// every call so that previews and tests can see what was drawn: each call is
// an op, and each DrawTexture of a picture is also a draw (marked when the
// picture did not decode).
#include "bakkesmod/wrappers/sdkexport.h"
#include <vector>

#include "bakkesmod/wrappers/imagewrapper.h"
#include "bakkesmod/wrappers/wrapperstructs.h"

namespace vtxhost {
struct CanvasRecord;
}

class PLUGINSDK_API CanvasWrapper {
public:
    explicit CanvasWrapper(vtxhost::CanvasRecord* record) : record_(record) {}

    void SetColor(unsigned char red, unsigned char green, unsigned char blue, unsigned char alpha);
    void SetPosition(Vector2 position);
    void DrawTexture(ImageWrapper* image, float scale);

private:
    vtxhost::CanvasRecord* record_;
};
