#include "core/Catalogue.h"

#include <charconv>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "core/NumberText.h"

namespace vtx {

std::string layerOffsetName(std::string_view code, Axis axis) {
    return "vtx_off_" + std::string(code) + (axis == Axis::X ? "_x" : "_y");
}

std::string layerOffsetDescription(std::string_view code, Axis axis) {
    return std::string(axis == Axis::X ? "Offset X for " : "Offset Y for ") + std::string(code);
}

CVarWrapper registerCvar(CVarManagerWrapper& cvars, const CvarSpec& spec, std::string_view defaultValue) {
    return cvars.registerCvar(std::string(spec.name), std::string(defaultValue), std::string(spec.description), true,
                              spec.range.hasMin, spec.range.min, spec.range.hasMax, spec.range.max, true);
}

void registerCvars(CVarManagerWrapper& cvars, std::span<const CvarSpec> specs) {
    for (const CvarSpec& spec : specs) {
        registerCvar(cvars, spec, spec.defaultValue);
    }
}

void registerLayerOffsets(CVarManagerWrapper& cvars) {
    for (const ControlSpec& control : kControls) {
        for (Axis axis : {Axis::X, Axis::Y}) {
            cvars.registerCvar(layerOffsetName(control.code, axis), "0", layerOffsetDescription(control.code, axis),
                               true, false, 0, false, 0, true);
        }
    }
}

const CvarSpec* findCvarSpec(std::string_view name) {
    for (const CvarSpec* spec : kAll) {
        if (spec->name == name) {
            return spec;
        }
    }
    return nullptr;
}

CVarWrapper getCvar(CVarManagerWrapper& cvars, const CvarSpec& spec) { return cvars.getCvar(std::string(spec.name)); }

int defaultInt(const CvarSpec& spec) { return numberFromText<int>(spec.defaultValue); }
float defaultFloat(const CvarSpec& spec) { return numberFromText<float>(spec.defaultValue); }

namespace {
std::string number(float value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string rangeText(const CvarRange& range) {
    if (range.hasMin && range.hasMax) {
        return number(range.min) + " .. " + number(range.max);
    }
    if (range.hasMin) {
        return "min " + number(range.min);
    }
    return "";
}

std::string useText(const UseLimits& use) { return use.has ? number(use.min) + " .. " + number(use.max) : ""; }

std::string_view readerText(Reader reader) {
    switch (reader) {
    case Reader::Int:
        return "integer";
    case Reader::Float:
        return "number";
    case Reader::String:
        return "text";
    case Reader::Stored:
        return "stored only";
    }
    return "";
}

// Pipes inside a cell would end it early.
std::string cell(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        if (c == '|') {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

struct MarkdownRow {
    std::string_view name;
    std::string_view defaultValue;
    std::string range;
    std::string usedWithin;
    std::string_view reader;
    std::string_view description;
};

void appendRow(std::string& out, const MarkdownRow& row) {
    out += "| `" + std::string(row.name) + "` | " +
           (row.defaultValue.empty() ? std::string() : "`" + cell(row.defaultValue) + "`") + " | " + row.range + " | " +
           row.usedWithin + " | " + std::string(row.reader) + " | " + cell(row.description) + " |\n";
}
} // namespace

std::string catalogueMarkdown() {
    std::string out =
        "| Variable | Default | Range | Used within | Read as | Description |\n|---|---|---|---|---|---|\n";
    for (const CvarSpec* spec : kAll) {
        const std::string_view defaultText = spec == &cvar::kSkin ? "(start-up skin)" : spec->defaultValue;
        appendRow(out, {spec->name, defaultText, rangeText(spec->range), useText(spec->use), readerText(spec->reader),
                        spec->description});
    }
    for (const ControlSpec& control : kControls) {
        for (Axis axis : {Axis::X, Axis::Y}) {
            const std::string name = layerOffsetName(control.code, axis);
            const std::string description = layerOffsetDescription(control.code, axis);
            appendRow(out, {name, "0", "", "", readerText(Reader::Float), description});
        }
    }
    return out;
}

} // namespace vtx
