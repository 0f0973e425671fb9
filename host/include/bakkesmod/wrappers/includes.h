#pragma once
// Every game object wrapper, as GameWrapper.h brings them in.
#include "./GameObject/CarWrapper.h"
