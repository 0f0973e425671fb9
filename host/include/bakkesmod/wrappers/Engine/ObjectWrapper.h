#pragma once
#include <cstdint>

#include "../wrapperstructs.h"
#include "bakkesmod/plugin/bakkesmodsdk.h"

class BAKKESMOD_PLUGIN_IMPORT ObjectWrapper {
public:
    std::uintptr_t memory_address;
    ObjectWrapper(std::uintptr_t mem);
};
