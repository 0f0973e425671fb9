#pragma once
// sony_calibration.ini in the user's Roaming folder: where it lives, and
// moving a calibration record to and from it.
#include <filesystem>

#include "input/SonyCalibration.h"

namespace vtx {

// <Roaming>/bakkesmod/bakkesmod/data/Vantrix/sony_calibration.ini, creating
// the folders on the way. Empty when there is no Roaming folder or the
// folders cannot be created; never throws.
std::filesystem::path calibrationPath();

// Writes the record; false, with the previous file left whole, when there is
// no path or the file cannot be written.
bool saveCalibration(const SonyCalibration& calibration);

// Reads the record from the file. No path: the record stays as it is. No
// file: the built-in default is installed (and not written).
void loadCalibration(SonyCalibration& calibration);

} // namespace vtx
