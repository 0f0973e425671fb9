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
