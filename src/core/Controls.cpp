#include "core/Controls.h"

namespace vtx {

std::string controlsMarkdown() {
    std::string out = "| Layer | Drawn when | File names, in order of preference |\n|---|---|---|\n";
    out += "| base | always, first | `" + std::string(kBaseFile) + "` (required: without it nothing is drawn) |\n";
    for (const ControlSpec& control : kControls) {
        std::string files;
        for (std::string_view file : control.pictures) {
            if (!file.empty()) {
                files += (files.empty() ? "`" : ", `") + std::string(file) + "`";
            }
        }
        out += "| " + std::string(control.code) + " | " + std::string(control.shows) + " | " + files + " |\n";
    }
    return out;
}

} // namespace vtx
