#include "bakkesmod/wrappers/cvarwrapper.h"

#include "CVarText.h"
#include "HostImpl.h"
#include "NoThrow.h"

using vtxhost::noThrow;
namespace cvartext = vtxhost::cvartext;

std::string CVarWrapper::getCVarName() const {
    return noThrow(std::string(), [&] { return entry_ ? entry_->info.name : std::string(); });
}

std::string CVarWrapper::getDescription() const {
    return noThrow(std::string(), [&] { return entry_ ? entry_->info.description : std::string(); });
}

int CVarWrapper::getIntValue() const { return entry_ ? cvartext::toInt(entry_->info.value) : 0; }

float CVarWrapper::getFloatValue() const { return entry_ ? cvartext::toFloat(entry_->info.value) : 0.0f; }

bool CVarWrapper::getBoolValue() const { return getIntValue() != 0; }

std::string CVarWrapper::getStringValue() const {
    return noThrow(std::string(), [&] { return entry_ ? entry_->info.value : std::string(); });
}

void CVarWrapper::setValue(const std::string& value) {
    if (!entry_)
        return;
    noThrow([&] { entry_->host->setCvarText(*entry_, cvartext::normalizeText(value, entry_->info)); });
}

void CVarWrapper::setValue(int value) {
    if (!entry_)
        return;
    noThrow([&] { entry_->host->setCvarText(*entry_, cvartext::normalizeInt(value, entry_->info)); });
}

void CVarWrapper::setValue(float value) {
    if (!entry_)
        return;
    noThrow([&] { entry_->host->setCvarText(*entry_, cvartext::normalizeFloat(value, entry_->info)); });
}

void CVarWrapper::addOnValueChanged(std::function<void(std::string, CVarWrapper)> callback) {
    if (!entry_)
        return;
    noThrow([&] { entry_->host->addValueCallback(*entry_, owner_, std::move(callback)); });
}
