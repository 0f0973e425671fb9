#pragma once
#include ".././Engine/ObjectWrapper.h"
#include "../wrapperstructs.h"

class BAKKESMOD_PLUGIN_IMPORT ActorWrapper : public ObjectWrapper {
public:
    CONSTRUCTORS(ActorWrapper)

    // A wrapper of no object (address 0).
    bool IsNull();
    bool IsNull() const;
    explicit operator bool();
    explicit operator bool() const;

private:
    PIMPL
};
