#pragma once
// A window that asks nothing and refreshes nothing, for the view's benches
// and the tests that paint the canvas alone.
#include "gui/platform/shell_services.h"

namespace vex::bench {

class NoShell : public ShellServices {
  public:
    void refreshAfter(const RefreshNeeds&) override {}
    void prepStatusBar(int) override {}
    void resetPanel(int) override {}
    void leaveCaptureOnToolbar() override {}
    bool importPicture() override { return false; }
    void dropPicture() override {}
    void showCurrentPoint() override {}
    void showBundleParameter() override {}
    void enablePanelControl(int) override {}
    void contextCommand(int) override {}
    void trace(TraceInput, PlanePoint) override {}
    void recordEdit(EditKind) override {}
    void pictureChanged() override {}
    void historyStartsAfresh() override {}
    void projectSaved() override {}
};

} // namespace vex::bench
