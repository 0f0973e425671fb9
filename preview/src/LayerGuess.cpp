#include "LayerGuess.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/Controls.h"

namespace vtxpreview {

namespace {

// Other names players and pad makers use for the controls, normalized.
struct Synonym {
    std::string_view name;
    std::string_view key;
};
constexpr std::array kSynonyms = {
    Synonym{"cross", "A"},
    Synonym{"abutton", "A"},
    Synonym{"buttona", "A"},
    Synonym{"south", "A"},
    Synonym{"circle", "B"},
    Synonym{"buttonb", "B"},
    Synonym{"east", "B"},
    Synonym{"square", "X"},
    Synonym{"buttonx", "X"},
    Synonym{"west", "X"},
    Synonym{"triangle", "Y"},
    Synonym{"buttony", "Y"},
    Synonym{"north", "Y"},
    Synonym{"up", "DU"},
    Synonym{"dpadu", "DU"},
    Synonym{"padup", "DU"},
    Synonym{"down", "DD"},
    Synonym{"dpadd", "DD"},
    Synonym{"paddown", "DD"},
    Synonym{"left", "DL"},
    Synonym{"dpadl", "DL"},
    Synonym{"padleft", "DL"},
    Synonym{"right", "DR"},
    Synonym{"dpadr", "DR"},
    Synonym{"padright", "DR"},
    Synonym{"leftshoulder", "LB"},
    Synonym{"lshoulder", "LB"},
    Synonym{"bumperleft", "LB"},
    Synonym{"rightshoulder", "RB"},
    Synonym{"rshoulder", "RB"},
    Synonym{"bumperright", "RB"},
    Synonym{"ltrigger", "LT"},
    Synonym{"triggerleft", "LT"},
    Synonym{"rtrigger", "RT"},
    Synonym{"triggerright", "RT"},
    Synonym{"ls", "L3"},
    Synonym{"leftthumb", "L3"},
    Synonym{"lthumb", "L3"},
    Synonym{"leftanalog", "L3"},
    Synonym{"stickleft", "L3"},
    Synonym{"rs", "R3"},
    Synonym{"rightthumb", "R3"},
    Synonym{"rthumb", "R3"},
    Synonym{"rightanalog", "R3"},
    Synonym{"stickright", "R3"},
    Synonym{"plus", "Start"},
    Synonym{"share", "Back"},
    Synonym{"create", "Back"},
    Synonym{"minus", "Back"},
};

// Edits (insert, delete, replace) from a to b, giving up above `limit`.
int editDistance(std::string_view a, std::string_view b, int limit) {
    if (std::abs(static_cast<int>(a.size()) - static_cast<int>(b.size())) > limit)
        return limit + 1;
    std::vector<int> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const int replaced = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            diagonal = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, replaced});
        }
    }
    return row[b.size()];
}

const vtx::ControlSpec* layerOf(std::string_view key) {
    for (const vtx::ControlSpec& layer : vtx::kControls)
        if (layer.code == key)
            return &layer;
    return nullptr;
}

struct KnownName {
    std::string name;
    std::string_view key;
};

// Every name a layer answers to, normalized, with its key: the layer's own
// file names, its key ("dd"), then the synonyms.
std::vector<KnownName> knownNames() {
    std::vector<KnownName> names = {{normalizedLayerName(vtx::kBaseFile), kBaseKey}};
    for (const vtx::ControlSpec& layer : vtx::kControls) {
        for (std::string_view file : layer.pictures)
            if (!file.empty())
                names.push_back({normalizedLayerName(file), layer.code});
        names.push_back({normalizedLayerName(layer.code), layer.code});
    }
    for (const Synonym& synonym : kSynonyms)
        names.push_back({std::string(synonym.name), synonym.key});
    return names;
}

LayerGuess guessFor(std::string_view key) {
    if (key == kBaseKey)
        return {std::string(key), std::string(vtx::kBaseFile)};
    const vtx::ControlSpec* layer = layerOf(key);
    return {std::string(key), layer ? std::string(layer->pictures[0]) : std::string()};
}

} // namespace

std::string normalizedLayerName(std::string_view fileName) {
    if (const auto dot = fileName.rfind('.'); dot != std::string_view::npos && dot > 0)
        fileName = fileName.substr(0, dot);
    std::string name;
    for (const char c : fileName) {
        if (c == '_' || c == '-' || c == ' ' || c == '.')
            continue;
        name += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return name;
}

std::optional<LayerGuess> guessLayer(std::string_view fileName) {
    const std::string name = normalizedLayerName(fileName);
    if (name.empty())
        return std::nullopt;
    const std::vector<KnownName> names = knownNames();
    for (const KnownName& known : names)
        if (known.name == name)
            return guessFor(known.key);
    // A slip of one letter in a name of four or more, of two in one of eight or more.
    std::optional<LayerGuess> best;
    int bestDistance = 3;
    for (const KnownName& known : names) {
        const int limit = known.name.size() >= 8 ? 2 : known.name.size() >= 4 ? 1 : 0;
        const int distance = editDistance(name, known.name, limit);
        if (distance <= limit && distance < bestDistance) {
            bestDistance = distance;
            best = guessFor(known.key);
        }
    }
    return best;
}

} // namespace vtxpreview
