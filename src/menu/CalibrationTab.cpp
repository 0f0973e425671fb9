// The Calibration tab: the Sony pad's bindings, row by row, and the running
// bind of the wizard. The wizard's decisions are in input/CalibrationWizard;
// this file only draws them and hands it the latest report and the clock.
#include <iterator>

#include <imgui.h>

#include "input/CalibrationFile.h"
#include "input/CalibrationWizard.h"
#include "input/RawInputSink.h"
#include "input/SonyCalibration.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"
#include "platform/Platform.h"

namespace vtx {

namespace {
constexpr float kBindingColumn = 220.0f;
constexpr float kButtonColumn = 420.0f;

// The bind block sits below the sixteen rows, usually out of view: the first
// frame of each bind scrolls down to it, later frames leave the scroll alone.
bool bindScrolledIntoView = false;

void drawIntro() {
    ImGui::Spacing();
    ImGui::Separator();
    ImGui::TextUnformatted("RawInput Calibration (PS4/PS5)");
    ImGui::TextWrapped("Auto-capture calibration for native PS4/PS5 controllers. For best results: connect via USB and "
                       "disable Steam Input / DS4Windows. This tool watches the RawInput report and maps buttons/axes "
                       "automatically.");
}

void drawRecordButtons() {
    if (ImGui::Button("Clear / Disable")) {
        sonyCalibration = clearedCalibration();
        endBind(bindState);
    }
    ImGui::SameLine();
    if (ImGui::Button("Save calibration"))
        saveCalibration();
    ImGui::SameLine();
    if (ImGui::Button("Reset to Default")) {
        sonyCalibration = defaultCalibration();
        saveCalibration();
        endBind(bindState);
    }
}

void drawStatus() {
    ImGui::TextDisabled("Status: %s", sonyCalibration.enabled && sonyCalibration.valid ? "ENABLED" : "DISABLED");
    dimText("Bind order: D-Pad -> Triggers -> Sticks -> Face -> Bumpers");
    ImGui::TextDisabled("(we ignore gyro/touch by scanning only first %d bytes)", static_cast<int>(kScanLimit));
    ImGui::Separator();
}

void drawRow(const BindItem& item, std::size_t reportLength) {
    ImGui::TextUnformatted(item.rowLabel);
    ImGui::SameLine(kBindingColumn);
    dimText(bindingText(item.item, sonyCalibration, reportLength).c_str());
    ImGui::SameLine(kButtonColumn);
    const bool busy = bindState.active;
    if (busy)
        beginDisabledLook();
    const std::string button = std::string("Bind##") + item.rowLabel;
    if (ImGui::Button(button.c_str()) && !busy)
        startBind(bindState, item.item, platform::tickCount64());
    if (busy)
        endDisabledLook();
}

void drawRows(std::size_t reportLength) {
    // Groups: D-pad, triggers, sticks, face buttons, bumpers.
    const int groupEnds[] = {4, 6, 10, 14, 16};
    std::size_t next = 0;
    for (const BindItem& item : kBindItems) {
        drawRow(item, reportLength);
        if (next < std::size(groupEnds) && item.item == groupEnds[next]) {
            ++next;
            if (next < std::size(groupEnds))
                ImGui::Spacing();
        }
    }
    ImGui::Separator();
}

int remainingMs(std::uint64_t until, std::uint64_t now) { return until > now ? static_cast<int>(until - now) : 0; }

bool cancelButton() {
    if (!ImGui::Button("Cancel binding"))
        return false;
    endBind(bindState);
    return true;
}

void drawDetect(const Report& report, std::uint64_t now) {
    dimText("Press/hold the input now (then release and press again to confirm).");
    ImGui::TextUnformatted("Don't touch the touchpad or click sticks.");
    if (stepDetect(bindState, report, sonyCalibration, now) == StepResult::Detected) {
        // The frame that completes the detection shows the full count.
        const int shown = bindState.phase == BindPhase::Release ? kHitsNeeded : bindState.hits;
        ImGui::TextDisabled("Detected... (%d/%d)", shown, kHitsNeeded);
    }
}

void drawRelease(const Report& report, std::uint64_t now) {
    dimText("Release to neutral to confirm...");
    if (stepRelease(bindState, report, now) == StepResult::TimedOut)
        dimText("Timed out - try again.");
}

void drawConfirm(const Report& report, std::uint64_t now) {
    dimText("Press the SAME input again to confirm...");
    if (stepConfirm(bindState, report, sonyCalibration, now) == StepResult::TimedOut)
        dimText("Timed out - try again.");
}

void drawBindBlock(const Report& report) {
    const std::uint64_t now = platform::tickCount64();
    advanceBindTimers(bindState, report, now);
    const BindItem* item = findBindItem(bindState.item);
    ImGui::Text("Binding: %s", item ? item->bindingName : "");
    switch (bindState.phase) {
    case BindPhase::Countdown:
        ImGui::TextDisabled("Ready in %d ms...", remainingMs(bindState.readyAt, now));
        cancelButton();
        return;
    case BindPhase::NoiseFilter:
        ImGui::TextDisabled("Hands off... filtering noisy bytes (%d ms)", remainingMs(bindState.noiseEndsAt, now));
        cancelButton();
        return;
    default:
        break;
    }
    ImGui::SameLine();
    if (cancelButton())
        return;
    if (bindState.phase == BindPhase::Detect)
        drawDetect(report, now);
    else if (bindState.phase == BindPhase::Release)
        drawRelease(report, now);
    else
        drawConfirm(report, now);
}
} // namespace

void drawCalibrationTab() {
    drawIntro();
    if (lastReport.empty()) {
        dimText("Waiting for a PS4/PS5 RawInput report...");
        dimText("Tip: move a stick in-game once so the report stream starts.");
        return;
    }
    const Report& report = lastReport;
    ImGui::TextDisabled("Report bytes: %d", static_cast<int>(report.size()));
    ImGui::Spacing();
    drawRecordButtons();
    ImGui::Spacing();
    drawStatus();
    drawRows(report.size());
    if (bindState.active) {
        drawBindBlock(report);
        if (!bindScrolledIntoView)
            ImGui::SetScrollHereY(1.0f);
        bindScrolledIntoView = true;
    } else {
        bindScrolledIntoView = false;
    }
    revalidateCalibration(report.size());
}

} // namespace vtx
