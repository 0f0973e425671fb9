#pragma once
// One frame's Dear ImGui draw data, copied so that it outlives the frame: a
// window operation between frames starts a Dear ImGui frame of its own, which
// clears the context's draw data, yet a picture of the last frame must still
// show its windows.
#include <vector>

#include "imgui.h"

namespace vtxhost {

class GuiDrawCopy {
public:
    GuiDrawCopy() = default;
    ~GuiDrawCopy() { clear(); }
    GuiDrawCopy(const GuiDrawCopy&) = delete;
    GuiDrawCopy& operator=(const GuiDrawCopy&) = delete;

    void take(const ImDrawData& source) {
        clear();
        for (int i = 0; i < source.CmdListsCount; ++i)
            lists_.push_back(source.CmdLists[i]->CloneOutput());
        data_ = source;
        data_.CmdLists = lists_.data();
    }
    const ImDrawData* data() const { return data_.Valid ? &data_ : nullptr; }

private:
    void clear() {
        for (ImDrawList* list : lists_)
            IM_DELETE(list);
        lists_.clear();
        data_ = ImDrawData();
    }

    ImDrawData data_;
    std::vector<ImDrawList*> lists_;
};

} // namespace vtxhost
