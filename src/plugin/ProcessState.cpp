#include "plugin/ProcessState.h"

namespace vtx {

ProcessState& processState() {
    static ProcessState state;
    return state;
}

} // namespace vtx
