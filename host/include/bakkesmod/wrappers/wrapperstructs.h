#pragma once

struct Vector2 {
    int X = 0;
    int Y = 0;
};
