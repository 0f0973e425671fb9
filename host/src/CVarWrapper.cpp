#include "bakkesmod/wrappers/cvarwrapper.h"

#include "CVarText.h"
#include "HostCalls.h"
#include "HostImpl.h"
#include "NoThrow.h"

using vtxhost::HostCall;
using vtxhost::noThrow;
namespace cvartext = vtxhost::cvartext;

// `mem` is the host's entry (0 for a variable the host does not have);
// `pluginIdx` the plugin that asked for it, whose change callbacks it adds.
struct CVarWrapper::Impl {
    vtxhost::CVarEntry* entry = nullptr;
    std::type_index plugin;
    int owner = vtxhost::kNoOwner;

    // Counted as one read: the getters below share it.
    std::string valueText() const {
        vtxhost::countHostCall(HostCall::CvarRead);
        return entry ? entry->host->cvarValue(*entry) : std::string();
    }
};

CVarWrapper::CVarWrapper(std::uintptr_t mem, std::type_index pluginIdx)
    : pimpl(std::make_unique<Impl>(Impl{reinterpret_cast<vtxhost::CVarEntry*>(mem), pluginIdx, vtxhost::kNoOwner})) {
    if (vtxhost::WrapperOwnerScope::current)
        pimpl->owner = *vtxhost::WrapperOwnerScope::current;
    else if (pimpl->entry)
        pimpl->owner = pimpl->entry->host->ownerOf(pluginIdx);
    vtxhost::countHostCall(HostCall::WrapperCopy);
}

CVarWrapper::CVarWrapper(const CVarWrapper& other) : pimpl(std::make_unique<Impl>(*other.pimpl)) {
    vtxhost::countHostCall(HostCall::WrapperCopy);
}

CVarWrapper& CVarWrapper::operator=(CVarWrapper rhs) {
    std::swap(pimpl, rhs.pimpl);
    return *this;
}

CVarWrapper::~CVarWrapper() = default;

// Whether the handle names a variable says nothing of the variable: no read.
bool CVarWrapper::IsNull() { return pimpl->entry == nullptr; }

CVarWrapper::operator bool() { return !IsNull(); }

std::string CVarWrapper::getCVarName() {
    vtxhost::countHostCall(HostCall::CvarRead);
    return noThrow(std::string(), [&] { return pimpl->entry ? pimpl->entry->info.name : std::string(); });
}

std::string CVarWrapper::getDescription() {
    vtxhost::countHostCall(HostCall::CvarRead);
    return noThrow(std::string(), [&] { return pimpl->entry ? pimpl->entry->info.description : std::string(); });
}

int CVarWrapper::getIntValue() {
    return noThrow(0, [&] { return cvartext::toInt(pimpl->valueText()); });
}

float CVarWrapper::getFloatValue() {
    return noThrow(0.0f, [&] { return cvartext::toFloat(pimpl->valueText()); });
}

bool CVarWrapper::getBoolValue() {
    return noThrow(false, [&] { return cvartext::toInt(pimpl->valueText()) != 0; });
}

std::string CVarWrapper::getStringValue() {
    return noThrow(std::string(), [&] { return pimpl->valueText(); });
}

void CVarWrapper::setValue(std::string value) {
    vtxhost::CVarEntry* entry = pimpl->entry;
    if (!entry)
        return;
    noThrow([&] { entry->host->setCvarText(*entry, cvartext::normalizeText(value, entry->info)); });
}

void CVarWrapper::setValue(int value) {
    vtxhost::CVarEntry* entry = pimpl->entry;
    if (!entry)
        return;
    noThrow([&] { entry->host->setCvarText(*entry, cvartext::normalizeInt(value, entry->info)); });
}

void CVarWrapper::setValue(float value) {
    vtxhost::CVarEntry* entry = pimpl->entry;
    if (!entry)
        return;
    noThrow([&] { entry->host->setCvarText(*entry, cvartext::normalizeFloat(value, entry->info)); });
}

void CVarWrapper::addOnValueChanged(std::function<void(std::string, CVarWrapper)> changeFunc) {
    vtxhost::CVarEntry* entry = pimpl->entry;
    if (!entry)
        return;
    noThrow([&] { entry->host->addValueCallback(*entry, pimpl->owner, std::move(changeFunc)); });
}
