#pragma once
// vantrix-preview check-skin: the skin report, as text for people or JSON for tools.
#include <ostream>

#include "Cli.h"
#include "SkinCheck.h"

namespace vtxpreview {

void printSkinReport(const SkinReport& report, std::ostream& out);
void printSkinReportJson(const SkinReport& report, std::ostream& out);

// Exit status: 0 the skin will draw, 1 it will not (Base.png missing or not
// decoding), 2 the folder does not exist.
int checkSkin(const CheckSkinRequest& request, std::ostream& out, std::ostream& err);

} // namespace vtxpreview
