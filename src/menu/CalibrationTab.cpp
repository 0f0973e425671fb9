// The Calibration tab: the Sony pad's bindings, row by row, and the running
// bind of the wizard. The wizard's decisions are in input/CalibrationWizard;
// this file only draws them and hands it the latest report and the clock.
// Each frame works on copies of the calibration record and the latest report
// and hands the record back at the end.
#include <iterator>

#include <imgui.h>

#include "input/CalibrationWizard.h"
#include "input/PadInput.h"
#include "input/SonyCalibration.h"
#include "menu/MenuContext.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"
#include "platform/Platform.h"

namespace vtx {

namespace {
constexpr float kBindingColumn = 220.0f;
constexpr float kButtonColumn = 420.0f;

void drawIntro() {
    ImGui::Spacing();
    ImGui::Separator();
    ImGui::TextUnformatted("RawInput Calibration (PS4/PS5)");
    ImGui::TextWrapped("Auto-capture calibration for native PS4/PS5 controllers. For best results: connect via USB and "
                       "disable Steam Input / DS4Windows. This tool watches the RawInput report and maps buttons/axes "
                       "automatically.");
}

// One drawn frame's view of the input: the record it edits, the running bind.
struct TabFrame {
    PadInput& input;
    SonyCalibration& calibration;
    BindState& bind;
};

void drawRecordButtons(const TabFrame& tab) {
    if (ImGui::Button("Clear / Disable")) {
        tab.calibration = clearedCalibration();
        endBind(tab.bind);
    }
    ImGui::SameLine();
    if (ImGui::Button("Save calibration")) {
        tab.input.setCalibration(tab.calibration);
        tab.input.saveCalibration();
    }
    ImGui::SameLine();
    if (ImGui::Button("Reset to Default")) {
        tab.calibration = defaultCalibration();
        tab.input.setCalibration(tab.calibration);
        tab.input.saveCalibration();
        endBind(tab.bind);
    }
}

void drawStatus(const SonyCalibration& calibration) {
    ImGui::TextDisabled("Status: %s", calibration.enabled && calibration.valid ? "ENABLED" : "DISABLED");
    dimText("Bind order: D-Pad -> Triggers -> Sticks -> Face -> Bumpers");
    ImGui::TextDisabled("(we ignore gyro/touch by scanning only first %d bytes)", static_cast<int>(kScanLimit));
    ImGui::Separator();
}

void drawRow(const TabFrame& tab, const BindItem& item, std::size_t reportLength) {
    ImGui::TextUnformatted(item.rowLabel);
    ImGui::SameLine(kBindingColumn);
    dimText(bindingText(item.item, tab.calibration, reportLength).c_str());
    ImGui::SameLine(kButtonColumn);
    const bool busy = tab.bind.active;
    if (busy)
        beginDisabledLook();
    const std::string button = std::string("Bind##") + item.rowLabel;
    if (ImGui::Button(button.c_str()) && !busy)
        startBind(tab.bind, item.item, platform::tickCount64());
    if (busy)
        endDisabledLook();
}

void drawRows(const TabFrame& tab, std::size_t reportLength) {
    // Groups: D-pad, triggers, sticks, face buttons, bumpers.
    const int groupEnds[] = {4, 6, 10, 14, 16};
    std::size_t next = 0;
    for (const BindItem& item : kBindItems) {
        drawRow(tab, item, reportLength);
        if (next < std::size(groupEnds) && item.item == groupEnds[next]) {
            ++next;
            if (next < std::size(groupEnds))
                ImGui::Spacing();
        }
    }
    ImGui::Separator();
}

int remainingMs(std::uint64_t until, std::uint64_t now) { return until > now ? static_cast<int>(until - now) : 0; }

bool cancelButton(BindState& bind) {
    if (!ImGui::Button("Cancel binding"))
        return false;
    endBind(bind);
    return true;
}

void drawDetect(const TabFrame& tab, const Report& report, std::uint64_t now) {
    dimText("Press/hold the input now (then release and press again to confirm).");
    ImGui::TextUnformatted("Don't touch the touchpad or click sticks.");
    if (stepDetect(tab.bind, report, tab.calibration, now) == StepResult::Detected) {
        // The frame that completes the detection shows the full count.
        const int shown = tab.bind.phase == BindPhase::Release ? kHitsNeeded : tab.bind.hits;
        ImGui::TextDisabled("Detected... (%d/%d)", shown, kHitsNeeded);
    }
}

void drawRelease(BindState& bind, const Report& report, std::uint64_t now) {
    dimText("Release to neutral to confirm...");
    if (stepRelease(bind, report, now) == StepResult::TimedOut)
        dimText("Timed out - try again.");
}

void drawConfirm(const TabFrame& tab, const Report& report, std::uint64_t now) {
    dimText("Press the SAME input again to confirm...");
    if (stepConfirm(tab.bind, report, tab.calibration, now) == StepResult::TimedOut)
        dimText("Timed out - try again.");
}

void drawBindBlock(const TabFrame& tab, const Report& report) {
    BindState& bind = tab.bind;
    const std::uint64_t now = platform::tickCount64();
    advanceBindTimers(bind, report, now);
    const BindItem* item = findBindItem(bind.item);
    ImGui::Text("Binding: %s", item ? item->bindingName : "");
    switch (bind.phase) {
    case BindPhase::Countdown:
        ImGui::TextDisabled("Ready in %d ms...", remainingMs(bind.readyAt, now));
        cancelButton(bind);
        return;
    case BindPhase::NoiseFilter:
        ImGui::TextDisabled("Hands off... filtering noisy bytes (%d ms)", remainingMs(bind.noiseEndsAt, now));
        cancelButton(bind);
        return;
    default:
        break;
    }
    ImGui::SameLine();
    if (cancelButton(bind))
        return;
    if (bind.phase == BindPhase::Detect)
        drawDetect(tab, report, now);
    else if (bind.phase == BindPhase::Release)
        drawRelease(bind, report, now);
    else
        drawConfirm(tab, report, now);
}
} // namespace

void drawCalibrationTab(const MenuContext& menu) {
    drawIntro();
    PadInput& input = menu.input;
    bool& bindScrolledIntoView = menu.state.bindScrolledIntoView;
    Report report;
    if (!input.copyLastReport(report)) {
        dimText("Waiting for a PS4/PS5 RawInput report...");
        dimText("Tip: move a stick in-game once so the report stream starts.");
        return;
    }
    SonyCalibration calibration = input.calibration();
    const TabFrame tab{input, calibration, input.bind()};
    ImGui::TextDisabled("Report bytes: %d", static_cast<int>(report.size()));
    ImGui::Spacing();
    drawRecordButtons(tab);
    ImGui::Spacing();
    drawStatus(calibration);
    drawRows(tab, report.size());
    if (tab.bind.active) {
        drawBindBlock(tab, report);
        if (!bindScrolledIntoView)
            ImGui::SetScrollHereY(1.0f);
        bindScrolledIntoView = true;
    } else {
        bindScrolledIntoView = false;
    }
    revalidateCalibration(calibration, report.size());
    input.setCalibration(calibration);
}

} // namespace vtx
