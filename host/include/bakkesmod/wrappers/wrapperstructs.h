#pragma once
// The SDK's value types and the macros its wrapper classes are declared with.
#include <cstdint>
#include <memory>

#include "bakkesmod/plugin/bakkesmodsdk.h"

struct Vector2 {
    int X, Y;
};

struct Vector2F {
    float X, Y;
};

// The game's own colour type, which the stand-in has no objects of: only
// declared, as the conversions below name it.
struct FLinearColor;

// Channels as float; the canvas and the console variables take them 0-255.
struct LinearColor {
    LinearColor() = default;
    explicit LinearColor(const FLinearColor& r);

    LinearColor(float r, float g, float b, float a) : R{r}, G{g}, B{b}, A{a} {}

    explicit operator FLinearColor() const;

    float R, G, B, A;

    inline LinearColor operator*=(const float f) {
        R *= f;
        G *= f;
        B *= f;
        A *= f;
        return *this;
    }

    inline LinearColor operator/=(const float f) {
        R /= f;
        G /= f;
        B /= f;
        A /= f;
        return *this;
    }
};

inline LinearColor operator*(const LinearColor c1, const float f) {
    return LinearColor{c1.R * f, c1.G * f, c1.B * f, c1.A * f};
}

inline LinearColor operator/(const LinearColor c1, const float f) {
    return LinearColor{c1.R / f, c1.G / f, c1.B / f, c1.A / f};
}

inline bool operator==(const LinearColor c1, const LinearColor c2) {
    return c1.R == c2.R && c1.G == c2.G && c1.B == c2.B && c1.A == c2.A;
}

inline bool operator!=(const LinearColor c1, const LinearColor c2) { return !(c1 == c2); }

// A wrapper around a game object: made from the object's address, copied freely.
#define CONSTRUCTORS(name)                                                                                             \
    name(std::uintptr_t mem);                                                                                          \
    name(const name& other);                                                                                           \
    name& operator=(name rhs);                                                                                         \
    ~name();

// The wrapper's state lives in the library behind this pointer.
#define PIMPL                                                                                                          \
    struct Impl;                                                                                                       \
    std::unique_ptr<Impl> pimpl;
