#include "bakkesmod/wrappers/cvarwrapper.h"

#include "CVarText.h"
#include "HostImpl.h"
#include "NoThrow.h"

using vtxhost::noThrow;
namespace cvartext = vtxhost::cvartext;

// `mem` is the host's entry (0 for a variable the host does not have);
// `pluginIdx` the plugin that asked for it, whose change callbacks it adds.
struct CVarWrapper::Impl {
    vtxhost::CVarEntry* entry = nullptr;
    std::type_index plugin;
    int owner = vtxhost::kNoOwner;
};

CVarWrapper::CVarWrapper(std::uintptr_t mem, std::type_index pluginIdx)
    : pimpl(std::make_unique<Impl>(Impl{reinterpret_cast<vtxhost::CVarEntry*>(mem), pluginIdx, vtxhost::kNoOwner})) {
    if (vtxhost::WrapperOwnerScope::current)
        pimpl->owner = *vtxhost::WrapperOwnerScope::current;
    else if (pimpl->entry)
        pimpl->owner = pimpl->entry->host->ownerOf(pluginIdx);
}

CVarWrapper::CVarWrapper(const CVarWrapper& other) : pimpl(std::make_unique<Impl>(*other.pimpl)) {}

CVarWrapper& CVarWrapper::operator=(CVarWrapper rhs) {
    std::swap(pimpl, rhs.pimpl);
    return *this;
}

CVarWrapper::~CVarWrapper() = default;

bool CVarWrapper::IsNull() { return pimpl->entry == nullptr; }

CVarWrapper::operator bool() { return !IsNull(); }

std::string CVarWrapper::getCVarName() {
    return noThrow(std::string(), [&] { return pimpl->entry ? pimpl->entry->info.name : std::string(); });
}

std::string CVarWrapper::getDescription() {
    return noThrow(std::string(), [&] { return pimpl->entry ? pimpl->entry->info.description : std::string(); });
}

int CVarWrapper::getIntValue() {
    return noThrow(0, [&] { return pimpl->entry ? cvartext::toInt(pimpl->entry->host->cvarValue(*pimpl->entry)) : 0; });
}

float CVarWrapper::getFloatValue() {
    return noThrow(
        0.0f, [&] { return pimpl->entry ? cvartext::toFloat(pimpl->entry->host->cvarValue(*pimpl->entry)) : 0.0f; });
}

bool CVarWrapper::getBoolValue() { return getIntValue() != 0; }

std::string CVarWrapper::getStringValue() {
    return noThrow(std::string(),
                   [&] { return pimpl->entry ? pimpl->entry->host->cvarValue(*pimpl->entry) : std::string(); });
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
