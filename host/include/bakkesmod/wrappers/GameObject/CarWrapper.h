#pragma once
#include ".././GameObject/VehicleWrapper.h"
#include "../wrapperstructs.h"

class BAKKESMOD_PLUGIN_IMPORT CarWrapper : public VehicleWrapper {
public:
    CONSTRUCTORS(CarWrapper)

private:
    PIMPL
};
