#pragma once
// Everything the program works on, in one object owned by the main window
// and handed by reference to whoever needs it. Tests build as many as they
// like. The document is what a project saves; the rest is the session.

#include "core/document/document.h"
#include "core/numerics/spline_samples.h"
#include "core/state/trace_session.h"
#include "core/state/work_state.h"
#include "core/ui/toolbar_model.h"
#include "core/view/interaction.h"
#include "core/view/overlay_geometry.h"
#include "core/view/view_state.h"

#include <cstdint>
#include <string>

namespace vex {

struct AppState {
    Document doc;
    WorkState work;
    ViewState view;
    Interaction mouse;
    SplineSamples spline;
    OverlayRecord overlay; // hit boxes and checks of the last paint
    ToolbarState toolbar;
    TraceSession trace;
    std::int32_t InterfaceLanguage = 0; // 1 = Russian, anything else English
    std::string ProjectPath;            // current project file; empty until chosen
    std::string CommandLineFile;        // project named on the command line, used once
    // The picture shown has no file of its own (it was pasted): Save writes
    // it beside the project first.
    bool PictureOnlyInMemory = false;
};

} // namespace vex
