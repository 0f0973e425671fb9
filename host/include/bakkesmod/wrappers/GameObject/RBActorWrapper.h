#pragma once
#include ".././Engine/ActorWrapper.h"
#include "../wrapperstructs.h"

class BAKKESMOD_PLUGIN_IMPORT RBActorWrapper : public ActorWrapper {
public:
    CONSTRUCTORS(RBActorWrapper)

private:
    PIMPL
};
