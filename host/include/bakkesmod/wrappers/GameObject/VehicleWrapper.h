#pragma once
#include ".././GameObject/RBActorWrapper.h"
#include "../wrapperstructs.h"

class BAKKESMOD_PLUGIN_IMPORT VehicleWrapper : public RBActorWrapper {
public:
    CONSTRUCTORS(VehicleWrapper)

private:
    PIMPL
};
