#pragma once
// The layout of the function panel in dialog units: one template with
// English captions, one with Russian captions and slightly different
// positions where the Russian texts need room.

#include <vector>

namespace vex {

enum class PanelControlKind {
    GroupBox,
    PushLikeCheck,
    PushButton,
    DefaultButton,
    CheckBox,
    Label,
    CentredLabel,
    Edit,
    UpDown
};

struct PanelControlLayout {
    int id;
    PanelControlKind kind;
    const char* english;
    const char* russian;
    int x, y, w, h;             // English template
    int xRu, yRu, wRu, hRu;     // Russian template
    const char* accessibleName; // for controls without a caption of their own
};

struct PanelTemplate {
    int width, height; // of the whole panel, in dialog units
    bool russian;
};

const std::vector<PanelControlLayout>& panelControlLayouts();
PanelTemplate panelTemplate(bool russian);

} // namespace vex
