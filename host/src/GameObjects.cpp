// The game object wrappers: the stand-in's objects are only addresses, 0 for none.
#include "bakkesmod/wrappers/GameObject/CarWrapper.h"

#include "HostCalls.h"

// Every game object is an actor: one wrapper made, however deep its class.
struct ActorWrapper::Impl {
    Impl() { vtxhost::countHostCall(vtxhost::HostCall::WrapperCopy); }
    Impl(const Impl&) { vtxhost::countHostCall(vtxhost::HostCall::WrapperCopy); }
    Impl& operator=(const Impl&) = default;
};
struct RBActorWrapper::Impl {};
struct VehicleWrapper::Impl {};
struct CarWrapper::Impl {};

ObjectWrapper::ObjectWrapper(std::uintptr_t mem) : memory_address(mem) {}

#define VTX_OBJECT_WRAPPER(name, base)                                                                                 \
    name::name(std::uintptr_t mem) : base(mem), pimpl(std::make_unique<Impl>()) {}                                     \
    name::name(const name& other) : base(other), pimpl(std::make_unique<Impl>(*other.pimpl)) {}                        \
    name& name::operator=(name rhs) {                                                                                  \
        base::operator=(rhs);                                                                                          \
        std::swap(pimpl, rhs.pimpl);                                                                                   \
        return *this;                                                                                                  \
    }                                                                                                                  \
    name::~name() = default;

VTX_OBJECT_WRAPPER(ActorWrapper, ObjectWrapper)
VTX_OBJECT_WRAPPER(RBActorWrapper, ActorWrapper)
VTX_OBJECT_WRAPPER(VehicleWrapper, RBActorWrapper)
VTX_OBJECT_WRAPPER(CarWrapper, VehicleWrapper)

bool ActorWrapper::IsNull() { return memory_address == 0; }
bool ActorWrapper::IsNull() const { return memory_address == 0; }
ActorWrapper::operator bool() { return memory_address != 0; }
ActorWrapper::operator bool() const { return memory_address != 0; }
